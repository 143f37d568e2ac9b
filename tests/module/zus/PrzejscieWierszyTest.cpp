#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "mv_deklaracje/zus/PrzejscieWierszy.h"

namespace {

// A row of a person: its title and its amounts by code.
struct Wiersz {
    std::uint32_t kod;
    std::map<int, double> kwoty;
};

CKwotyWiersza Kwoty(const Wiersz& wiersz) {
    CKwotyWiersza kwoty;
    for (const auto& [kod, kwota] : wiersz.kwoty) kwoty.Dodaj(kod, CMoney(kwota));
    return kwoty;
}

struct Blok {
    std::uint32_t kod;
    PozycjeSwiadczen swiadczenia;
};

// Walks the rows as the calculator does and records each written block.
std::vector<Blok> Przejdz(const std::vector<Wiersz>& wiersze) {
    std::vector<std::uint32_t> kody;
    for (const auto& wiersz : wiersze) kody.push_back(wiersz.kod);
    CWstrzymaneSwiadczenia wstrzymane;
    std::vector<Blok> bloki;
    PrzejdzWiersze(
        kody, wstrzymane, [&](std::size_t i) { return wstrzymane.KwalifikujWiersz(kody[i], Kwoty(wiersze[i]), false); },
        [&](std::size_t i) { bloki.push_back({kody[i], wstrzymane.Swiadczenia(kody[i], Kwoty(wiersze[i]))}); });
    return bloki;
}

const Wiersz kZasilkiBezSkladek{11000, {{6, 100.00}, {7, 1.00}}};
const Wiersz kPensja{11000, {{11, 488.00}, {12, 488.00}}};

}  // namespace

TEST(PrzejscieWierszy, QualifiesAnEmployeeRowByItsContributionsAndBenefits) {
    CWstrzymaneSwiadczenia wstrzymane;
    EXPECT_TRUE(wstrzymane.KwalifikujWiersz(11000, CKwotyWiersza(), false));  // nothing at all
    EXPECT_TRUE(wstrzymane.KwalifikujWiersz(11000, Kwoty(kPensja), false));
    EXPECT_TRUE(wstrzymane.KwalifikujWiersz(11000, Kwoty(kZasilkiBezSkladek), true));  // skip accepts
    EXPECT_TRUE(wstrzymane.KwalifikujWiersz(41100, Kwoty(kZasilkiBezSkladek), false));
    EXPECT_FALSE(wstrzymane.SaWstrzymane());
    EXPECT_FALSE(wstrzymane.KwalifikujWiersz(11000, Kwoty(kZasilkiBezSkladek), false));
    EXPECT_TRUE(wstrzymane.SaWstrzymane());
}

TEST(PrzejscieWierszy, A1211RowTakesTheHeldBenefitsOnce) {
    const auto bloki = Przejdz({kZasilkiBezSkladek, {121100, {{6, 50.00}, {11, 10.00}}}});
    ASSERT_EQ(bloki.size(), 1u);
    EXPECT_EQ(bloki[0].kod, 121100u);
    EXPECT_EQ(bloki[0].swiadczenia.swiadczenia, CMoney(150.00));
    EXPECT_EQ(bloki[0].swiadczenia.razem, CMoney(150.00));
    EXPECT_EQ(bloki[0].swiadczenia.liczbaSwiadczen, 1);
    EXPECT_EQ(bloki[0].swiadczenia.swiadczeniaBudzet, CMoney(100.00));
}

TEST(PrzejscieWierszy, WritesEachHeldRowOnce) {
    const struct {
        std::string nazwa;
        std::vector<Wiersz> wiersze;
        std::vector<std::uint32_t> bloki;
    } cases[] = {
        {"held row last", {kZasilkiBezSkladek}, {11000}},
        {"held row then two other titles", {kZasilkiBezSkladek, {41100, {{11, 1.0}}}, {51100, {{11, 1.0}}}},
         {11000, 41100, 51100}},
        {"held row then 1240", {kZasilkiBezSkladek, {124000, {{12, 1.0}}}}, {124000, 11000}},
        {"held row, 1211, another title", {kZasilkiBezSkladek, {121100, {{12, 1.0}}}, {41100, {{11, 1.0}}}},
         {121100, 41100}},
        {"two held rows", {kZasilkiBezSkladek, kZasilkiBezSkladek}, {11000, 11000}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.nazwa);
        const auto bloki = Przejdz(c.wiersze);
        std::vector<std::uint32_t> kody;
        CMoney swiadczenia;
        for (const auto& blok : bloki) {
            kody.push_back(blok.kod);
            swiadczenia += blok.swiadczenia.swiadczenia.AsDouble();
        }
        EXPECT_EQ(kody, c.bloki);
        // Every held benefit is in exactly one block.
        double held = 0.0;
        for (const auto& wiersz : c.wiersze)
            if (wiersz.kwoty.count(6)) held += wiersz.kwoty.at(6);
        EXPECT_EQ(swiadczenia, CMoney(held));
    }
}
