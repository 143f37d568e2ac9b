#include "mv_deklaracje/zus/RowDraTotals.h"

namespace {

class Totals {
public:
    Totals(const CKwotyWiersza& wiersz, RowDraTotals& wynik) : wiersz_(wiersz), wynik_(wynik) {}
    void Add(PoleDRAEnum pole, int kod) { wynik_.wartosci.push_back({pole, wiersz_.Kwota(kod)}); }
    void Add(PoleDRAEnum pole, CMoney kwota) { wynik_.wartosci.push_back({pole, kwota}); }
    CMoney Sum(std::initializer_list<int> kody) const {
        double suma = 0.0;
        for (int kod : kody) suma += wiersz_.Kwota(kod).AsDouble();
        return CMoney(suma);
    }
    CMoney Code(int kod) const { return wiersz_.Kwota(kod); }

private:
    const CKwotyWiersza& wiersz_;
    RowDraTotals& wynik_;
};

void AddVersion4(Totals& t, const RowDraContext& k) {
    switch (k.rodzajFinansowania) {
    case 7:
        t.Add(draChorUbezp, 19); t.Add(draEmerBudzet, 13); t.Add(draRentBudzet, 17); t.Add(draWypadBudzet, 25);
        break;
    case 3:
    case 4: t.Add(draEmerBudzet, 13); t.Add(draRentBudzet, 17); break;
    default:
        t.Add(draEmerUbezp, 11); t.Add(draEmerPlatnik, 12); t.Add(draWypadUbezp, 23); t.Add(draWypadPlatnik, 24);
        t.Add(draRentUbezp, 15); t.Add(draRentPlatnik, 16); t.Add(draChorUbezp, 19); t.Add(draChorPlatnik, 20);
        break;
    }
    t.Add(draZdrowPlatnik, 29);
    t.Add(draPodstZdrowWyn, 27);
    t.Add(draZdrowBudzet, 28);
}

// The insured's accident contribution; with status 1 of a 56x contract PFRON finances half of it.
void AddAccidentOfInsured(Totals& t, LONG n) {
    if (n == 1) {
        const CMoney polowa(t.Code(23).AsDouble() / 2.0);
        t.Add(draWypadUbezp, polowa);
        t.Add(draWypadPFRON, CMoney(t.Code(23).AsDouble() - polowa.AsDouble()));
    } else if (n == 2 || n == 3) {
        t.Add(draWypadUbezp, 23);
        t.Add(draEmerPFRON, 12);
    } else {
        t.Add(draWypadUbezp, 23);
    }
}

void AddEarlierVersion(Totals& t, const RowDraContext& k, RowDraTotals& wynik) {
    const LONG n = k.kodUmowy / 10 == 56 ? k.statusUmowy : 0;
    switch (k.rodzajFinansowania) {
    case 0:
        t.Add(draEmerUbezp, 11);
        if (n == 0) t.Add(draEmerPlatnik, 12);
        t.Add(draRentUbezp, 15); t.Add(draRentPlatnik, 16); t.Add(draChorUbezp, 19); t.Add(draWypadPlatnik, 24);
        break;
    case 1:
        t.Add(draEmerBudzet, 11); t.Add(draEmerPFRON, 12); t.Add(draRentUbezp, 15); t.Add(draRentPlatnik, 16);
        t.Add(draChorUbezp, 19); t.Add(draWypadPlatnik, 24);
        break;
    case 2:
        t.Add(draEmerBudzet, 11); t.Add(draEmerPFRON, 12); t.Add(draRentUbezp, 15); t.Add(draRentBudzet, 16);
        t.Add(draChorPFRON, 19); t.Add(draWypadPFRON, 24);
        break;
    case 3:
    case 4: t.Add(draEmerBudzet, 12); t.Add(draRentBudzet, 16); break;
    case 5:
        t.Add(k.rok < 2008 && k.kodTytulu / 100 == 113 ? draWypadPlatnik : draWypadPFRON, 24);
        t.Add(draEmerUbezp, 11);
        if (n == 0) t.Add(draEmerPlatnik, 12);
        t.Add(draRentUbezp, 15); t.Add(draRentPlatnik, 16); t.Add(draChorUbezp, 19);
        break;
    case 6:
        t.Add(draEmerPFRON, t.Sum({11, 12})); t.Add(draRentUbezp, 15); t.Add(draRentPlatnik, 16);
        t.Add(draChorUbezp, 19); t.Add(draWypadPlatnik, 24);
        break;
    case 7: t.Add(draChorUbezp, 19); t.Add(draEmerBudzet, 12); t.Add(draRentBudzet, 16); break;
    default: break;
    }
    if (k.kodUmowy != 511 && k.kodUmowy != 545 && k.kodUmowy / 100 == 5) {
        wynik.dodajRentowe = true;
        wynik.rentowePlatnikaKesz = t.Code(15);
    }
    t.Add(draChorPlatnik, 20);
    AddAccidentOfInsured(t, n);
    t.Add(draZdrowPlatnik, 27);
    switch (k.kodTytulu / 10000) {
    case 5: t.Add(draZdrowPlatnik, 29); break;
    case 12: break;
    default: t.Add(draPodstZdrowWyn, t.Sum({27, 29})); break;
    }
}

}  // namespace

RowDraTotals DraTotalsOfRow(const CKwotyWiersza& wiersz, const RowDraContext& kontekst) {
    RowDraTotals wynik;
    Totals t(wiersz, wynik);
    if (kontekst.wersja4)
        AddVersion4(t, kontekst);
    else
        AddEarlierVersion(t, kontekst, wynik);
    if (kontekst.fpOdSumyPodstaw) {
        t.Add(draPodstawaFP, 30);
        t.Add(draPodstawaFGSP, 31);
    } else {
        t.Add(draPodstawaFP, CMoney(t.Code(30).AsDouble() * kontekst.procentFP.AsDouble() / 100.0));
        t.Add(draPodstawaFGSP, CMoney(t.Code(31).AsDouble() * kontekst.procentFGSP.AsDouble() / 100.0));
    }
    t.Add(draSwiadczeniaBudzet, t.Sum({2, 4, 8, 6}));
    t.Add(draSklFep, 33);
    t.Add(draSklZdrowFirma, 34);
    return wynik;
}
