// The collector of an insured person's contribution report rows (RCA, RNA, RZA): every payout element of
// the month is admitted or left out, flagged for the medical-insurance report or not, and filed under its
// insurance title; the host's procedure tlx.DRA decides per element whether the person's payouts of that
// title come from one source. The rows are walked with a cursor that visits the rows of one flag, and
// their amount tables are filled just before their blocks are written.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <utility>

#include "hostapi/Configuration.h"
#include "mv_deklaracje/zus/BaseInfo.h"
#include "mv_deklaracje/zus/WierszRaportu.h"

class CRCAInfo final : public CBaseInfo {
public:
    using Klucz = std::pair<std::uint32_t, bool>;  // (title code, medical-insurance flag)
    using Grupy = std::map<Klucz, WierszRaportuPtr>;

    CRCAInfo(IPracownikDane* pracownik, IDRAExt* raport);

    // RCA reports no single links.
    void PrzetworzLink(long, IWypElementLink*) override {}
    // Files one element of the month into its row (the per-payout hook).
    void PrzetworzElement(long kod, IWypElement* element) override { ZbierzWyplate(kod, element); }
    void ZbierzWyplate(long kod, IWypElement* element);

    const Grupy& Wiersze() const { return grupy_; }
    // The cursor over the rows whose flag equals `filtr`, in key order.
    void Reset(bool filtr);
    bool HasCurrent() const { return kursor_ != grupy_.end(); }
    void Next();
    WierszRaportuPtr Current() const { return HasCurrent() ? kursor_->second : nullptr; }

    // Whether the element is reported at all: an all-zero element only when zero reports are made or it
    // is of kind 1 (under "/Firma/Płace/Parametry/NieGenerujZeroweRCA"); never an element of kind 999
    // whose type has both values 1.
    bool CzyElementDoRaportu(IWypElement* element);
    // Whether the element belongs to the medical-insurance report.
    bool CzyWierszZdrowotny(IWypElement* element);
    // The benefit code of the element's type.
    static LONG RodzajElementu(IWypElement* element);
    // The month of a payroll period as the host's date range [first day, last day + 1).
    static tlx::ComPtr<ICalendarRange> MiesiacListy(IOkresowy* okres);
    static std::u16string ZapytanieDRA(long rok, long miesiac, long pracownik, long kod);

    // The row's amount table from its elements, under the earlier DRA versions' codes or version 4's;
    // `wartosc` is the dated record's value that code 32 takes.
    void WypelnijKwotyWiersza(WierszRaportu& wiersz, bool zdrowotny, LONG wartosc) { Wypelnij(wiersz, zdrowotny, wartosc, false); }
    void WypelnijKwotyWiersza4(WierszRaportu& wiersz, bool zdrowotny, LONG wartosc) { Wypelnij(wiersz, zdrowotny, wartosc, true); }

    // What the row takes from one element.
    static KwotyElementu KwotyZElementu(IWypElement* element);

private:
    void Wypelnij(WierszRaportu& wiersz, bool zdrowotny, LONG wartosc, bool wersja4);
    LONG WynikProceduryDRA(long kod, IWypElement* element);
    bool NieGenerujZeroweRCA();
    tlx::ComPtr<IKonfiguracja> KonfiguracjaZNowejSesji();

    tlx::ComPtr<IDRAExt> raport_;
    Grupy grupy_;
    Grupy::const_iterator kursor_ = grupy_.end();
    bool filtr_ = false;
    std::optional<bool> nieGenerujZeroweRCA_;
    // The one-source routine's answer by card and title: asked once each, as the calculation writes
    // nothing the routine reads.
    std::map<std::pair<LONG, long>, LONG> wynikiDRA_;
};
