// The collector of an insured person's RSA report rows (benefits and breaks in contributions) for one
// report month: the payout elements of the month and the absence links of their elements become rows
// under their insurance titles, a "140" row is added for the days after the pension base limit was
// passed, and the rows are ordered by their start and joined where the same benefit goes on.
//
// How the host answers what the rows are made from: an element's "kind" is its type's report kind
// (1 and 2: the element is reported by its links), a link's "kind" its type's kind (2: paid for an
// absence); a type's number is its benefit code; an element's period is its main link's period (its
// own when it has no link); the two insurance amounts are the pension and the disability bases; the
// record's flag is the reached pension base limit; the record's two digits are its pension right and
// its degree of disability.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

#include "mv_deklaracje/zus/BaseInfo.h"
#include "mv_deklaracje/zus/PozycjaRSA.h"

class CRSAInfo final : public CBaseInfo {
public:
    CRSAInfo(IPracownikDane* pracownik, IDRAExt* raport);

    using CBaseInfo::Zbierz;
    // Collects the month's rows, adds the "140" row, orders and joins the rows.
    void Zbierz();
    void PrzetworzLink(long kod, IWypElementLink* link) override { ZbierzElement(kod, link); }
    void PrzetworzElement(long kod, IWypElement* element) override { ZbierzWyplate(kod, element); }
    // A row for an absence link of an element.
    void ZbierzElement(long kod, IWypElementLink* link);
    // A row for a payout element, by the row rule of its benefit definition.
    void ZbierzWyplate(long kod, IWypElement* element);
    // A benefit row of title 12xx takes the person's own title; one of 1230 adds a "350" row.
    void DopiszPozycje350(const PozycjaRSAPtr& pozycja);
    // A row of title 1230 whose definition makes no row of its own.
    void DopiszPozycje1211(long kod, IWypElement* element);
    void BudujPozycje140();
    void UporzadkujPozycje();

    // Reading back, in order.
    void Reset() { biezaca_ = 0; }
    bool HasCurrent() const { return biezaca_ < pozycje_.size(); }
    PozycjaRSAPtr Current() const { return HasCurrent() ? pozycje_[biezaca_] : nullptr; }
    void Next() { ++biezaca_; }
    // Whether the definition behind the row's source is paid from sickness / accident insurance.
    static bool ZUbezpChorobowego(const CPozycjaRSA& pozycja);
    static bool ZUbezpWypadkowego(const CPozycjaRSA& pozycja);
    // The number of a row's source: a type's benefit code, a definition's code; 0 for none.
    static LONG NumerTypu(IDispatch* zrodlo);

    const std::vector<PozycjaRSAPtr>& Pozycje() const { return pozycje_; }
    void Dodaj(PozycjaRSAPtr pozycja) { pozycje_.push_back(std::move(pozycja)); }
    CMoney S1() const { return s1_; }
    CMoney S2() const { return s2_; }
    CDate DataGraniczna() const { return dataGraniczna_; }
    const CBstr& PracownikTekst() const { return pracownikTekst_; }

    // The benefit definition the host makes of a text: criteria, a code or an identifier.
    tlx::ComPtr<IKodSwiadczenia> Definicja(const std::u16string& parametr);
    // The person's record valid at the day, else the last one begun before it; none raises E_POINTER
    // naming the person.
    tlx::ComPtr<IPracEtat> ZapisWDniu(CDate dzien);
    tlx::ComPtr<IPracEtat> ZapisNaKoniecMiesiaca();

private:
    tlx::ComPtr<ISession2> Sesja() const;
    std::uint32_t TytulNaKoniecMiesiaca();
    PozycjaRSAPtr NowaPozycja(std::uint32_t kod, IDispatch* zrodlo);
    void WazDlaPozycji140(IWypElement* element);
    // The source and its deciding definition of a type-329 element before March 2016.
    tlx::ComPtr<IKodSwiadczenia> ZrodloSprzed2016(IWypElement* element);
    static tlx::ComPtr<ICalendarRange> ZakresElementu(IWypElement* element);
    static CBstr TekstLinku(IWypElement* element);
    static bool MoznaLaczyc(const CPozycjaRSA& a, const CPozycjaRSA& b);
    void PolaczPozycje();
    void UstalZeroweRCA();

    std::vector<PozycjaRSAPtr> pozycje_;
    std::size_t biezaca_ = 0;
    CMoney s1_, s2_;
    CDate dataGraniczna_;
    tlx::ComPtr<IDRAExt> raport_;
    CBstr pracownikTekst_;
    std::map<std::u16string, tlx::ComPtr<IKodSwiadczenia>> definicje_;
};
