#include "mv_deklaracje/zus/WstrzymaneSwiadczenia.h"

#include <cmath>

namespace {

CMoney Suma(std::initializer_list<CMoney> kwoty) {
    double suma = 0.0;
    for (const auto& kwota : kwoty) suma += kwota.AsDouble();
    return CMoney(suma);
}

LONG Liczba(CMoney kwota) { return static_cast<LONG>(std::trunc(kwota.AsDouble())); }

}  // namespace

bool CWstrzymaneSwiadczenia::KwalifikujWiersz(std::uint32_t kodTytulu, const CKwotyWiersza& kwoty, bool pomin) {
    if (pomin || kodTytulu / 1000 != 11) return true;
    double skladki = 0.0;
    for (int kod : {11, 15, 19, 20, 12, 16, 23, 24, 27, 29}) skladki += kwoty.Kwota(kod).AsDouble();
    if (CMoney(skladki) != CMoney()) return true;
    if (kwoty.Kwota(6) == CMoney() && kwoty.Kwota(2) == CMoney() && kwoty.Kwota(4) == CMoney()) return true;
    wstrzymane_ = true;
    liczbaA_ = Liczba(kwoty.Kwota(3));
    liczbaB_ = Liczba(kwoty.Kwota(7));
    kwotaA_ = kwoty.Kwota(2);
    kwotaB_ = kwoty.Kwota(4);
    kwotaC_ = kwoty.Kwota(6);
    return false;
}

PozycjeSwiadczen CWstrzymaneSwiadczenia::Swiadczenia(std::uint32_t kodTytulu, const CKwotyWiersza& kwoty) {
    PozycjeSwiadczen pozycje;
    const bool zWstrzymanymi = wstrzymane_ && kodTytulu / 100 == 1211;
    const CWstrzymaneSwiadczenia dodane = zWstrzymanymi ? *this : CWstrzymaneSwiadczenia();
    pozycje.liczbaZasilkow = Liczba(kwoty.Kwota(3)) + dodane.liczbaA_;
    pozycje.zasilki = Suma({kwoty.Kwota(2), kwoty.Kwota(4), dodane.kwotaA_, dodane.kwotaB_});
    pozycje.wynagrodzenieChorobowe = kwoty.Kwota(8);
    pozycje.liczbaSwiadczen = Liczba(kwoty.Kwota(7)) + dodane.liczbaB_;
    pozycje.swiadczenia = Suma({kwoty.Kwota(6), dodane.kwotaC_});
    pozycje.razem = Suma({kwoty.Kwota(2), kwoty.Kwota(4), kwoty.Kwota(8), kwoty.Kwota(6), dodane.kwotaA_,
                          dodane.kwotaB_, dodane.kwotaC_});
    pozycje.swiadczeniaBudzet = Suma({dodane.kwotaA_, dodane.kwotaB_, dodane.kwotaC_});
    if (zWstrzymanymi) Zwolnij();
    return pozycje;
}
