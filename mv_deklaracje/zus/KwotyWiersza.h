// The amount table of a report row: the contribution bases, contributions and benefits of one insured
// person's payout elements under one insurance title, summed by amount code. The codes say where each
// amount goes in the person's RCA, RNA or RZA block and in the DRA totals.
#pragma once

#include <array>
#include <cstdint>
#include <map>

#include "mv_deklaracje/core/Money.h"

// What a row takes from one payout element.
struct KwotyElementu {
    LONG rodzajWyplaty = 0;       // the payout's kind; kinds 1 and 2 add nothing
    LONG rodzajElementu = 0;      // the benefit code of the element's type
    CMoney kwota;                 // the element's own amount
    std::uint32_t kodTytulu = 0;  // the insurance title code of its ZUS data
    // The twenty ZUS amounts in the host's order: 1-7 the pension and disability bases, the sickness
    // and accident bases, the FP and FGSP bases, the health base; 8/9 pension insured/payer, 10/11
    // disability, 12/13 sickness, 14/15 accident, 16 health deductible from tax, 17 health financed by
    // others, 18 the rest of health, 19 the tax advance, 20 FEP.
    std::array<CY, 20> zus{};

    CY Zus(int numer) const { return zus[static_cast<std::size_t>(numer - 1)]; }
};

class CKwotyWiersza {
public:
    // Adds one element under the earlier DRA versions' codes; the medical-insurance report takes only
    // the codes from 26 on.
    void DodajElement(const KwotyElementu& element, bool zdrowotny);
    // The same under DRA version 4.
    void DodajElement4(const KwotyElementu& element, bool zdrowotny);
    // Code 32, after the elements: the record's value (2 when 0) when the pension base (code 10) stays
    // below the sickness base (code 18), otherwise 0.
    void UstawKod32(LONG wartosc);

    // A code never written reads 0.00.
    CMoney Kwota(int kod) const;
    void Dodaj(int kod, CMoney kwota);
    const std::map<int, CMoney>& Tabela() const { return kwoty_; }

private:
    void DodajSwiadczenie(const KwotyElementu& element);
    void DodajZus(int kod, const KwotyElementu& element, int numer) { Dodaj(kod, CMoney::FromCurrency(element.Zus(numer))); }

    std::map<int, CMoney> kwoty_;
};
