#include "mv_deklaracje/zus/KwotyWiersza.h"

#include <cmath>

#include "mv_deklaracje/zus/KodTytuluUbezpieczenia.h"

namespace {

bool JestWyplataBezSkladek(const KwotyElementu& element) {
    return element.rodzajWyplaty == 1 || element.rodzajWyplaty == 2;
}

// Titles 121100..121130 and 0430: the health contribution financed by others is the payer's own.
bool JestZdrowotnaFirmy(std::uint32_t kod) { return (kod >= 121100 && kod <= 121130) || kod / 100 == 430; }

// Titles whose pension and disability contributions the budget finances: 1210, 1211, 1220, 1230, 1240
// and 0430.
bool JestFinansowanyZBudzetu(std::uint32_t kod) {
    const CKodTytuluUbezpieczenia tytul(kod);
    return tytul.JestGrupa12Podgrupa10do30() || tytul.JestGrupa12Podgrupa40() || tytul.JestTytul0430();
}

}  // namespace

CMoney CKwotyWiersza::Kwota(int kod) const {
    const auto found = kwoty_.find(kod);
    return found == kwoty_.end() ? CMoney() : found->second;
}

void CKwotyWiersza::Dodaj(int kod, CMoney kwota) { kwoty_[kod] += kwota.AsDouble(); }

void CKwotyWiersza::DodajSwiadczenie(const KwotyElementu& element) {
    const CMoney jeden(1.0);
    switch (element.rodzajElementu) {
    case 1: Dodaj(1, CMoney(std::fabs(element.kwota.AsDouble()))); break;
    case 10: Dodaj(2, element.kwota); Dodaj(3, jeden); break;
    case 11:
    case 121:
    case 122: Dodaj(8, element.kwota); Dodaj(9, jeden); break;
    case 12: Dodaj(6, element.kwota); Dodaj(7, jeden); break;
    default: break;
    }
}

void CKwotyWiersza::DodajElement(const KwotyElementu& element, bool zdrowotny) {
    if (JestWyplataBezSkladek(element)) return;
    DodajZus(26, element, 7);
    DodajZus(27, element, 16);
    DodajZus(27, element, 18);
    DodajZus(29, element, 17);
    DodajZus(30, element, 5);
    DodajZus(31, element, 6);
    DodajZus(33, element, 20);
    if (JestZdrowotnaFirmy(element.kodTytulu)) DodajZus(34, element, 17);
    if (zdrowotny) return;
    DodajSwiadczenie(element);
    const struct {
        int kod, numer;
    } spoleczne[] = {{10, 1}, {11, 8}, {12, 9}, {14, 2}, {15, 10}, {16, 11},
                     {19, 12}, {20, 13}, {22, 4}, {23, 14}, {24, 15}};
    for (const auto& pozycja : spoleczne) DodajZus(pozycja.kod, element, pozycja.numer);
    // The sickness base, or the accident base when that is the larger.
    DodajZus(18, element, element.Zus(3).int64 > element.Zus(4).int64 ? 3 : 4);
}

void CKwotyWiersza::DodajElement4(const KwotyElementu& element, bool zdrowotny) {
    if (JestWyplataBezSkladek(element)) return;
    const auto kod = element.kodTytulu;
    DodajZus(26, element, 7);
    DodajZus(30, element, 5);
    DodajZus(31, element, 6);
    DodajZus(33, element, 20);
    if ((kod >= 120000 && kod <= 129999) || kod / 100 == 430) {
        DodajZus(28, element, 17);
    } else if (kod / 100 == 511) {
        DodajZus(29, element, 17);
    } else {
        DodajZus(27, element, 16);
        DodajZus(27, element, 18);
    }
    if (JestZdrowotnaFirmy(kod) || kod / 100 == 511) DodajZus(34, element, 17);
    if (zdrowotny) return;
    DodajSwiadczenie(element);
    // The payer's pension and disability contributions go to the payer's codes, and to the budget's
    // codes instead only for the titles the budget finances.
    const bool budzet = JestFinansowanyZBudzetu(kod);
    const struct {
        int kod, numer;
    } spoleczne[] = {{10, 1}, {11, 8}, {budzet ? 13 : 12, 9}, {14, 2}, {15, 10}, {budzet ? 17 : 16, 11},
                     {18, 3}, {19, 12}, {20, 13}, {22, 4}, {23, 14}, {24, 15}};
    for (const auto& pozycja : spoleczne) DodajZus(pozycja.kod, element, pozycja.numer);
}

void CKwotyWiersza::UstawKod32(LONG wartosc) {
    const bool ponizej = Kwota(10).AsCurrency().int64 < Kwota(18).AsCurrency().int64;
    kwoty_[32] = ponizej ? CMoney(static_cast<double>(wartosc == 0 ? 2 : wartosc)) : CMoney();
}
