#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>

#include "mv_deklaracje/zus/KwotyWiersza.h"

namespace {

CY Zl(double value) { return CMoney(value).AsCurrency(); }

// An employee's 5 000.00 in a month of 2016 under the given title, as the host payroll stores it.
KwotyElementu Pensja(std::uint32_t kodTytulu) {
    KwotyElementu element;
    element.kodTytulu = kodTytulu;
    for (int numer = 1; numer <= 6; ++numer) element.zus[static_cast<std::size_t>(numer - 1)] = Zl(5000.00);
    const std::pair<int, double> kwoty[] = {{7, 4314.50}, {8, 488.00}, {9, 488.00}, {10, 75.00}, {11, 325.00},
                                            {12, 122.50}, {15, 90.00}, {16, 334.37}, {18, 53.94}, {19, 416.00}};
    for (const auto& [numer, kwota] : kwoty) element.zus[static_cast<std::size_t>(numer - 1)] = Zl(kwota);
    return element;
}

void ExpectCodes(const CKwotyWiersza& wiersz, std::initializer_list<std::pair<int, double>> codes) {
    for (const auto& [kod, kwota] : codes) EXPECT_EQ(wiersz.Kwota(kod), CMoney(kwota)) << "code " << kod;
}

}  // namespace

TEST(KwotyWiersza, RoutesAnEmployeesAmountsUnderTheEarlierVersions) {
    CKwotyWiersza wiersz;
    wiersz.DodajElement(Pensja(11000), false);
    ExpectCodes(wiersz, {{10, 5000.00}, {18, 5000.00}, {26, 4314.50}, {11, 488.00}, {15, 75.00}, {19, 122.50},
                         {20, 0.00}, {27, 388.31}, {29, 0.00}, {12, 488.00}, {16, 325.00}, {23, 0.00},
                         {24, 90.00}, {30, 5000.00}, {31, 5000.00}, {14, 5000.00}, {22, 5000.00}, {34, 0.00}});
}

TEST(KwotyWiersza, SendsThePayersPensionAndDisabilityToTheBudgetOnlyForBudgetTitlesUnderVersion4) {
    const struct {
        std::uint32_t kod;
        double platnikEmer, platnikRent, budzetEmer, budzetRent;  // codes 12, 16, 13, 17
        double zdrowPodstawa, zdrowBudzet, zdrowFirma;           // codes 27, 28, 34
    } rows[] = {
        {11000, 488.00, 325.00, 0.00, 0.00, 388.31, 0.00, 0.00},
        {121100, 0.00, 0.00, 488.00, 325.00, 0.00, 90.00, 90.00},
        {122000, 0.00, 0.00, 488.00, 325.00, 0.00, 90.00, 0.00},
        {124000, 0.00, 0.00, 488.00, 325.00, 0.00, 90.00, 0.00},
        {125000, 488.00, 325.00, 0.00, 0.00, 0.00, 90.00, 0.00},  // group 12 but not the budget's
        {43000, 0.00, 0.00, 488.00, 325.00, 0.00, 90.00, 90.00},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.kod);
        auto element = Pensja(row.kod);
        element.zus[16] = Zl(90.00);  // amount 17, health financed by others
        CKwotyWiersza wiersz;
        wiersz.DodajElement4(element, false);
        ExpectCodes(wiersz, {{12, row.platnikEmer}, {16, row.platnikRent}, {13, row.budzetEmer},
                             {17, row.budzetRent}, {27, row.zdrowPodstawa}, {28, row.zdrowBudzet},
                             {34, row.zdrowFirma}, {11, 488.00}, {15, 75.00}, {18, 5000.00}, {22, 5000.00},
                             {24, 90.00}, {19, 122.50}});
    }
}

TEST(KwotyWiersza, PassesOverPayoutsWithoutContributionsAndCountsBenefits) {
    CKwotyWiersza wiersz;
    for (LONG rodzajWyplaty : {1, 2}) {
        auto element = Pensja(11000);
        element.rodzajWyplaty = rodzajWyplaty;
        element.rodzajElementu = 12;
        wiersz.DodajElement(element, false);
        wiersz.DodajElement4(element, false);
    }
    EXPECT_TRUE(wiersz.Tabela().empty());

    const std::pair<LONG, double> swiadczenia[] = {{10, 100.00}, {10, 50.25}, {12, 80.00}, {12, 20.00}, {12, 1.00},
                                                   {11, 30.00}, {121, 40.00}, {122, -5.00}, {1, -70.00}, {999, 9.00}};
    for (const auto& [rodzaj, kwota] : swiadczenia) {
        KwotyElementu element;
        element.rodzajElementu = rodzaj;
        element.kwota = CMoney(kwota);
        wiersz.DodajElement(element, false);
    }
    ExpectCodes(wiersz, {{2, 150.25}, {3, 2.00}, {6, 101.00}, {7, 3.00}, {8, 65.00}, {9, 3.00}, {1, 70.00}});
}

TEST(KwotyWiersza, TheMedicalReportTakesOnlyTheHealthCodes) {
    for (bool wersja4 : {false, true}) {
        CKwotyWiersza wiersz;
        auto element = Pensja(11000);
        element.rodzajElementu = 12;
        element.kwota = CMoney(100.00);
        wersja4 ? wiersz.DodajElement4(element, true) : wiersz.DodajElement(element, true);
        for (const auto& [kod, kwota] : wiersz.Tabela()) EXPECT_GE(kod, 26) << "code " << kod;
        ExpectCodes(wiersz, {{26, 4314.50}, {27, 388.31}, {30, 5000.00}, {31, 5000.00}});
    }
}

TEST(KwotyWiersza, KeepsTheSignOfCorrectionsAndRoundsEachAddition) {
    CKwotyWiersza wiersz;
    auto element = Pensja(11000);
    wiersz.DodajElement(element, false);
    for (auto& kwota : element.zus) kwota.int64 = -kwota.int64;
    element.zus[7] = CY{-4881234};  // -488.1234
    wiersz.DodajElement(element, false);
    ExpectCodes(wiersz, {{10, 0.00}, {11, -0.12}, {27, 0.00}});
}

TEST(KwotyWiersza, SetsCode32OnlyWhenThePensionBaseStaysBelowTheSicknessBase) {
    const struct {
        double emerytalna, chorobowa;
        LONG wartosc;
        double kod32;
    } rows[] = {
        {1650.00, 15000.00, 0, 2.00},  // the month that reached the annual cap
        {1650.00, 15000.00, 5, 5.00},
        {5000.00, 5000.00, 3, 0.00},
        {0.00, 0.00, 0, 0.00},
    };
    for (const auto& row : rows) {
        CKwotyWiersza wiersz;
        KwotyElementu element;
        element.zus[0] = Zl(row.emerytalna);
        element.zus[2] = Zl(row.chorobowa);
        wiersz.DodajElement(element, false);
        wiersz.UstawKod32(row.wartosc);
        EXPECT_EQ(wiersz.Kwota(32), CMoney(row.kod32)) << row.emerytalna << " / " << row.chorobowa;
    }
}
