// What the reports of one DRA calculation read alike: the RCA (or RNA), the RZA and the RSA of a person
// walk the same payouts of the same months, ask the host's one-source routine the same questions and read
// the same settings. The DRA keeps one for the length of its calculation and its reports find it through
// their DRA, so that each person's payouts are opened once, not once per report. It holds the payouts of
// one person at a time (those of the person before are let go when another's are kept), and the routine's
// answers and the settings until the calculation ends, so nothing read lasts from one calculation to
// the next.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "hostapi/Payroll.h"
#include "include/tlb/Zus.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"

class CPamiecDRA {
public:
    using Wyplaty = std::vector<tlx::ComPtr<IWyplata>>;

    // The payouts the statement selected for the person object, opened in its session; null when this
    // person's were not kept under this statement.
    const Wyplaty* WyplatyOsoby(IPracownikDane* osoba, const std::u16string& zapytanie) const;
    void ZapamietajWyplaty(IPracownikDane* osoba, const std::u16string& zapytanie, Wyplaty wyplaty);

    // The routine's answer for the card and title code, asked by `zapytaj` the first time.
    LONG WynikDRA(LONG pracownik, LONG kod, const std::function<LONG()>& zapytaj);

    // A setting's value at the date (0 for the host's own day), read by `czytaj` the first time.
    tlx::Variant Parametr(const std::u16string& klucz, DATE data, const std::function<tlx::Variant()>& czytaj);

    // The memory of the calculation the report's DRA is running; null when its DRA runs none (or is
    // not this module's).
    static CPamiecDRA* Raportu(IDRAExt* raport);
    static CPamiecDRA* DlaDRA(IDRA* dra);

private:
    tlx::ComPtr<IPracownikDane> osoba_;
    std::u16string zapytanie_;
    Wyplaty wyplaty_;
    std::map<std::pair<LONG, LONG>, LONG> wynikiDRA_;
    std::map<std::pair<std::u16string, DATE>, tlx::Variant> parametry_;
};
