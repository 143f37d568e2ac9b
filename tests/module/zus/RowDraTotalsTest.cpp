#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <utility>

#include "mv_deklaracje/zus/RowDraTotals.h"

namespace {

CY Zl(double value) { return CMoney(value).AsCurrency(); }

// An employee's 5 000.00 in a month of 2016, as the host payroll stores it.
KwotyElementu Pensja(std::uint32_t kodTytulu) {
    KwotyElementu element;
    element.kodTytulu = kodTytulu;
    for (int numer = 1; numer <= 6; ++numer) element.zus[static_cast<std::size_t>(numer - 1)] = Zl(5000.00);
    const std::pair<int, double> kwoty[] = {{7, 4314.50}, {8, 488.00}, {9, 488.00}, {10, 75.00}, {11, 325.00},
                                            {12, 122.50}, {15, 90.00}, {16, 334.37}, {18, 53.94}};
    for (const auto& [numer, kwota] : kwoty) element.zus[static_cast<std::size_t>(numer - 1)] = Zl(kwota);
    return element;
}

CKwotyWiersza Wiersz(const KwotyElementu& element, bool wersja4) {
    CKwotyWiersza wiersz;
    wersja4 ? wiersz.DodajElement4(element, false) : wiersz.DodajElement(element, false);
    return wiersz;
}

RowDraContext Kontekst(bool wersja4, int rodzaj, std::uint32_t kodTytulu) {
    RowDraContext kontekst;
    kontekst.wersja4 = wersja4;
    kontekst.rodzajFinansowania = rodzaj;
    kontekst.kodTytulu = kodTytulu;
    kontekst.rok = 2016;
    kontekst.procentFP = CMoney(2.45);
    kontekst.procentFGSP = CMoney(0.10);
    return kontekst;
}

// The DRA's totals after the row: every field summed as the DRA sums what it is given.
std::map<PoleDRAEnum, CMoney> Sumy(const RowDraTotals& wynik) {
    std::map<PoleDRAEnum, CMoney> sumy;
    for (const auto& wartosc : wynik.wartosci) sumy[wartosc.pole] += wartosc.kwota.AsDouble();
    return sumy;
}

// Fields not named must be zero.
void ExpectTotals(const RowDraTotals& wynik, std::initializer_list<std::pair<PoleDRAEnum, double>> expected) {
    auto sumy = Sumy(wynik);
    for (const auto& [pole, kwota] : expected) {
        EXPECT_EQ(sumy[pole], CMoney(kwota)) << "field " << pole;
        sumy.erase(pole);
    }
    for (const auto& [pole, kwota] : sumy) EXPECT_EQ(kwota, CMoney()) << "field " << pole;
}

}  // namespace

TEST(RowDraTotals, SplitsAnEmployeesContributionsBetweenTheInsuredAndThePayer) {
    const auto wynik = DraTotalsOfRow(Wiersz(Pensja(11000), false), Kontekst(false, 0, 11000));
    ExpectTotals(wynik, {{draEmerUbezp, 488.00}, {draEmerPlatnik, 488.00}, {draRentUbezp, 75.00},
                         {draRentPlatnik, 325.00}, {draChorUbezp, 122.50}, {draWypadPlatnik, 90.00},
                         {draZdrowPlatnik, 388.31}, {draPodstZdrowWyn, 388.31}, {draPodstawaFP, 122.50},
                         {draPodstawaFGSP, 5.00}});
    EXPECT_FALSE(wynik.dodajRentowe);
}

TEST(RowDraTotals, UnderVersion4ThePayersSharesStayWithThePayer) {
    ExpectTotals(DraTotalsOfRow(Wiersz(Pensja(11000), true), Kontekst(true, 0, 11000)),
                 {{draEmerUbezp, 488.00}, {draEmerPlatnik, 488.00}, {draRentUbezp, 75.00},
                  {draRentPlatnik, 325.00}, {draChorUbezp, 122.50}, {draWypadPlatnik, 90.00},
                  {draPodstZdrowWyn, 388.31}, {draPodstawaFP, 122.50}, {draPodstawaFGSP, 5.00}});
    // The budget's titles: the whole contributions as the budget's.
    for (const auto& [kod, rodzaj] : {std::pair<std::uint32_t, int>{121100, 4}, {124000, 3}}) {
        auto element = Pensja(kod);
        element.zus[7] = Zl(0.00);
        element.zus[9] = Zl(0.00);
        element.zus[16] = Zl(90.00);
        ExpectTotals(DraTotalsOfRow(Wiersz(element, true), Kontekst(true, rodzaj, kod)),
                     {{draEmerBudzet, 488.00}, {draRentBudzet, 325.00}, {draZdrowBudzet, 90.00},
                      {draSklZdrowFirma, kod == 121100 ? 90.00 : 0.00}, {draPodstawaFP, 122.50},
                      {draPodstawaFGSP, 5.00}});
    }
    // Case 7 (title 0430): sickness of the insured, the rest the budget's.
    auto element = Pensja(43000);
    element.zus[7] = Zl(0.00);
    element.zus[9] = Zl(0.00);
    const auto wynik = DraTotalsOfRow(Wiersz(element, true), Kontekst(true, 7, 43000));
    EXPECT_EQ(Sumy(wynik)[draEmerBudzet], CMoney(488.00));
    EXPECT_EQ(Sumy(wynik)[draEmerUbezp], CMoney());
    EXPECT_EQ(Sumy(wynik)[draChorUbezp], CMoney(122.50));
}

TEST(RowDraTotals, FollowsTheFinancingCaseUnderTheEarlierVersions) {
    const auto wiersz = Wiersz(Pensja(11000), false);
    // Childcare leave: the budget finances the pension and disability contributions.
    ExpectTotals(DraTotalsOfRow(wiersz, Kontekst(false, 3, 124000)),
                 {{draEmerBudzet, 488.00}, {draRentBudzet, 325.00}, {draWypadUbezp, 0.00},
                  {draPodstawaFP, 122.50}, {draPodstawaFGSP, 5.00}, {draZdrowPlatnik, 388.31}});
    auto zPfron = Sumy(DraTotalsOfRow(wiersz, Kontekst(false, 6, 11012)));
    EXPECT_EQ(zPfron[draEmerPFRON], CMoney(976.00));
    EXPECT_EQ(zPfron[draEmerUbezp], CMoney());
    auto refundacja = Sumy(DraTotalsOfRow(wiersz, Kontekst(false, 2, 11011)));
    EXPECT_EQ(refundacja[draChorPFRON], CMoney(122.50));
    EXPECT_EQ(refundacja[draRentBudzet], CMoney(325.00));
    auto przed2008 = Kontekst(false, 5, 11300);
    przed2008.rok = 2007;
    EXPECT_EQ(Sumy(DraTotalsOfRow(wiersz, przed2008))[draWypadPlatnik], CMoney(90.00));
    przed2008.kodTytulu = 11011;
    EXPECT_EQ(Sumy(DraTotalsOfRow(wiersz, przed2008))[draWypadPFRON], CMoney(90.00));
}

TEST(RowDraTotals, SplitsTheInsuredsAccidentShareByTheContractStatus) {
    auto element = Pensja(11000);
    element.zus[13] = Zl(0.05);  // amount 14, the insured's accident contribution
    const auto wiersz = Wiersz(element, false);
    const struct {
        LONG kodUmowy, status;
        double wypadUbezp, wypadPfron, emerPlatnik;
    } rows[] = {
        {560, 1, 0.03, 0.02, 0.00},  // half and the rest: no grosz added
        {561, 2, 0.05, 0.00, 0.00},
        {569, 0, 0.05, 0.00, 488.00},
        {570, 1, 0.05, 0.00, 488.00},  // the status is read only for 560..569
    };
    for (const auto& row : rows) {
        auto kontekst = Kontekst(false, 0, 11000);
        kontekst.kodUmowy = row.kodUmowy;
        kontekst.statusUmowy = row.status;
        auto sumy = Sumy(DraTotalsOfRow(wiersz, kontekst));
        SCOPED_TRACE(row.kodUmowy);
        EXPECT_EQ(sumy[draWypadUbezp], CMoney(row.wypadUbezp));
        EXPECT_EQ(sumy[draWypadPFRON], CMoney(row.wypadPfron));
        EXPECT_EQ(sumy[draEmerPlatnik], CMoney(row.emerPlatnik));
        EXPECT_EQ(sumy[draEmerPFRON], CMoney(row.status >= 2 && row.kodUmowy / 10 == 56 ? 488.00 : 0.00));
    }
}

TEST(RowDraTotals, ReportsFpAndFgspAsRatesOfTheirBasesOrAsTheBases) {
    KwotyElementu element;
    element.zus[4] = Zl(1000.00);
    element.zus[5] = Zl(1000.00);
    auto kontekst = Kontekst(false, 0, 11000);
    auto sumy = Sumy(DraTotalsOfRow(Wiersz(element, false), kontekst));
    EXPECT_EQ(sumy[draPodstawaFP], CMoney(24.50));
    EXPECT_EQ(sumy[draPodstawaFGSP], CMoney(1.00));
    kontekst.fpOdSumyPodstaw = true;
    sumy = Sumy(DraTotalsOfRow(Wiersz(element, false), kontekst));
    EXPECT_EQ(sumy[draPodstawaFP], CMoney(1000.00));
}

TEST(RowDraTotals, AddsThePayersDisabilityOfCivilContractsToItsRunningSum) {
    const auto wiersz = Wiersz(Pensja(41100), false);
    for (const auto& [kodUmowy, dodaje] : {std::pair<LONG, bool>{520, true}, {511, false}, {545, false}, {110, false}}) {
        auto kontekst = Kontekst(false, 0, 41100);
        kontekst.kodUmowy = kodUmowy;
        const auto wynik = DraTotalsOfRow(wiersz, kontekst);
        EXPECT_EQ(wynik.dodajRentowe, dodaje) << kodUmowy;
        if (dodaje) {
            EXPECT_EQ(wynik.rentowePlatnikaKesz, CMoney(75.00));
        }
    }
}
