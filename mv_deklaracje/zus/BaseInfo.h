// The base of the per-person report collectors of a DRA's reports: for one insured person and one report
// month it picks the person's payouts of the five months around the report month, hands each payout
// element and element link of the month to the derived collector, and builds, through the host's payroll
// objects and without saving anything, a zero payout for a person covered in the month but paid nothing.
#pragma once

#include <map>
#include <optional>
#include <string>

#include "hostapi/Payroll.h"
#include "hostapi/Session.h"
#include "include/tlb/Zus.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/zus/PamiecDRA.h"
#include "platform/com/ComPtr.h"

class CBaseInfo {
public:
    // Reads the report's month and year. `dataLinku`: a link of a benefit whose code says so belongs to
    // the month its own period ends in (the benefit report), not to its payout's month.
    CBaseInfo(IPracownikDane* pracownik, IDRAExt* raport, bool dataLinku);
    virtual ~CBaseInfo() = default;
    CBaseInfo(const CBaseInfo&) = delete;
    CBaseInfo& operator=(const CBaseInfo&) = delete;

    // `numer` 0 or below first builds the zero payout (when the person's title is not 99999 and the
    // person's records cover a day of the month), then walks the payouts.
    virtual void Zbierz(long numer);
    // The links of an element that belong to the month, when its type reports links or its title is 05xx.
    virtual void PrzetworzLinki(long kod, IWypElement* element);
    virtual void PrzetworzLink(long kod, IWypElementLink* link) = 0;
    virtual void PrzetworzElement(long kod, IWypElement* element) = 0;

    // Shares the person's walk with the reports of `pamiec` (by default the memory of the calculation the
    // report's DRA is running).
    void WspolnaPamiec(CPamiecDRA* pamiec) { pamiec_ = pamiec; }

    bool NalezyDoMiesiaca(IWypElementLink* link);
    // The title code of the zero payout's element (the four-digit title × 100).
    long KodTytuluBezWyplat();

    // The statement that selects the person's payouts of the months m-2 .. m+2.
    std::u16string ZapytanieWyplat() const;

protected:
    int Miesiac() const { return miesiac_; }
    int Rok() const { return rok_; }
    CDate OstatniDzien() const { return ostatniDzien_; }
    IPracownikDane* Pracownik() const { return pracownik_.Get(); }
    // "Code Surname FirstName" of the person, for messages.
    std::u16string OpisPracownika() const;
    // What the reports of the DRA being computed share; null when the report's DRA computes none.
    CPamiecDRA* Pamiec() const { return pamiec_; }
    // The identifier of the card a payout was paid on (the person's own or a secondary card): known from
    // the walk for the payouts it opened, else read from the payout's employee.
    LONG KartaWyplaty(IWyplata* wyplata);

private:
    tlx::ComPtr<ISession2> Sesja() const;
    tlx::ComPtr<IWypElement> ElementWyplatyZerowej(ISession2* sesja, LONG tytul);
    tlx::ComPtr<IDispatch> DefinicjaBilansuOtwarcia(ISession2* sesja);
    void PrzejdzWyplaty(ISession2* sesja, const std::u16string& zapytanie);
    // The payouts the statement selects, each opened by its identifier with its elements.
    CPamiecDRA::Wyplaty OtworzWyplaty(ISession2* sesja, const std::u16string& zapytanie);
    // The walk by the payout's month, and with `dataLinku_` the walk by a benefit's period too: both
    // read the same elements and links, once.
    void ZbierzKroki(CPamiecDRA::Wyplaty& wyplaty) const;
    void DodajKroki(IWypElement* element, CPamiecDRA::Kroki& wgWyplaty, CPamiecDRA::Kroki* wgOkresu) const;
    bool WMiesiacuRaportu(IOkresowy* okres) const;
    // The element's payout is of the report month.
    bool WMiesiacuWyplaty(IWypElement* element) const;
    // For a link whose benefit code assigns it to the month its own period ends in: whether that is the
    // report month; nothing for any other link.
    std::optional<bool> WMiesiacuKoncaOkresu(IWypElementLink* link) const;

    tlx::ComPtr<IPracownikDane> pracownik_;
    int miesiac_ = 0;
    int rok_ = 0;
    bool dataLinku_ = false;
    CDate ostatniDzien_;
    CPamiecDRA* pamiec_ = nullptr;
    std::map<LONG, LONG> karty_;  // payout id -> card id, of the payouts walked
};
