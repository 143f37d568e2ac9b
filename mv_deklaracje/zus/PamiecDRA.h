// What the reports of one DRA calculation read alike: the RCA (or RNA), the RZA and the RSA of a person
// walk the same payouts, elements and links of the same months, ask the host's one-source routine the
// same questions and read the same settings. The DRA keeps one for the length of its calculation and its
// reports find it through their DRA, so that each person's payouts are opened and walked once, not once
// per report. It holds the walk of one person at a time (the person's before is let go when another's is
// kept), and the routine's answers and the settings until the calculation ends, so nothing read lasts
// from one calculation to the next.
#pragma once

#include <array>
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
    // One step of the walk over a person's payouts: an element, or one of its links (`link` set), handed
    // to the report's collector under the title code `kod`.
    struct Krok {
        long kod = 0;
        tlx::ComPtr<IWypElement> element;
        tlx::ComPtr<IWypElementLink> link;
    };
    using Kroki = std::vector<Krok>;
    // What the payouts the statement selected for a person gave: the payouts, opened in the person's
    // session, the card each was paid on (a secondary card's payouts are the person's too), and the steps
    // of the walk in the order they are handed on, by the payout's month (index 0: the contribution
    // reports) and by a benefit's own period (index 1: the RSA); a walk not made yet is empty.
    struct Wyplaty {
        std::vector<tlx::ComPtr<IWyplata>> wyplaty;
        std::map<LONG, LONG> karty;
        std::array<std::optional<Kroki>, 2> kroki;
    };

    // The payouts kept for the person object under this statement; null when none are kept. The walks
    // are kept with them and may be added to (Wyplaty::kroki).
    Wyplaty* WyplatyOsoby(IPracownikDane* osoba, const std::u16string& zapytanie);
    Wyplaty& ZapamietajWyplaty(IPracownikDane* osoba, const std::u16string& zapytanie, Wyplaty wyplaty);

    // The routine's answer for the card and title code, asked by `zapytaj` the first time.
    LONG WynikDRA(LONG pracownik, LONG kod, const std::function<LONG()>& zapytaj);

    // A host object every person's reports use alike (the zero payout's type and document definition),
    // made by `utworz` the first time it is asked for by its name.
    tlx::ComPtr<IDispatch> WspolnyObiekt(const std::u16string& nazwa, const std::function<tlx::ComPtr<IDispatch>()>& utworz);

    // The person the DRA is made for (null for a DRA of the company), told when the calculation starts so
    // that no report asks the declaration for it, which answers a DRA of nobody with an error.
    void UstawOsobeDRA(tlx::ComPtr<IPracownik> osoba) { osobaDRA_ = std::move(osoba); }
    const std::optional<tlx::ComPtr<IPracownik>>& OsobaDRA() const { return osobaDRA_; }

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
    std::optional<tlx::ComPtr<IPracownik>> osobaDRA_;
    std::map<std::u16string, tlx::ComPtr<IDispatch>> obiekty_;
};
