#include <gtest/gtest.h>

#include <vector>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/zus/ObjetyWMiesiacu.h"

namespace {

CDate D(int year, int month, int day) { return CDate(month, day, year); }

OkresDat Okres(CDate od, CDate doDnia) { return {false, od, doDnia}; }
OkresDat Otwarty(CDate od) { return {true, od, CDate()}; }

// A chain of records, found by the day their validity covers.
struct Lancuch {
    std::vector<ZapisDatowany> zapisy;
    int pytania = 0;

    void Dodaj(OkresDat waznosc, OkresDat objecie) {
        zapisy.push_back({reinterpret_cast<const void*>(zapisy.size() + 1), waznosc, objecie});
    }
    ZapisWDniu Szukaj() {
        return [this](CDate dzien) -> std::optional<ZapisDatowany> {
            ++pytania;
            for (const auto& zapis : zapisy)
                if (zapis.waznosc.od <= dzien && (zapis.waznosc.otwarty || dzien <= zapis.waznosc.doDnia))
                    return zapis;
            return std::nullopt;
        };
    }
};

}  // namespace

TEST(ObjetyWMiesiacu, AnswersWhetherTheRecordsCoverADayOfTheMonth) {
    {  // no start date of the covering period
        Lancuch lancuch;
        lancuch.Dodaj(Otwarty(D(2016, 1, 1)), Otwarty(CDate()));
        EXPECT_FALSE(ObjetyWMiesiacu(lancuch.Szukaj(), D(2016, 5, 31)));
    }
    {  // covering ended in the previous month, validity to the 5th, then a record covering from the 6th
        Lancuch lancuch;
        lancuch.Dodaj(Okres(D(2016, 1, 1), D(2016, 5, 5)), Okres(D(2016, 1, 1), D(2016, 4, 30)));
        lancuch.Dodaj(Otwarty(D(2016, 5, 6)), Otwarty(D(2016, 5, 6)));
        EXPECT_TRUE(ObjetyWMiesiacu(lancuch.Szukaj(), D(2016, 5, 31)));
        EXPECT_TRUE(ObjetyWMiesiacu(lancuch.Szukaj(), D(2016, 5, 3)));  // found by walking the chain
    }
    {  // covering ended before the month and nothing follows in it
        Lancuch lancuch;
        lancuch.Dodaj(Okres(D(2016, 1, 1), D(2016, 5, 31)), Okres(D(2016, 1, 1), D(2016, 4, 30)));
        lancuch.Dodaj(Otwarty(D(2016, 6, 1)), Otwarty(D(2016, 6, 1)));
        EXPECT_FALSE(ObjetyWMiesiacu(lancuch.Szukaj(), D(2016, 5, 15)));
    }
    {  // open-ended from the month's last day: one day
        Lancuch lancuch;
        lancuch.Dodaj(Otwarty(D(2016, 2, 1)), Otwarty(D(2016, 2, 29)));
        EXPECT_TRUE(ObjetyWMiesiacu(lancuch.Szukaj(), D(2016, 2, 29)));
    }
    {  // the whole month covered by two records
        Lancuch lancuch;
        lancuch.Dodaj(Okres(D(2016, 1, 1), D(2016, 5, 15)), Okres(D(2016, 1, 1), D(2016, 5, 15)));
        lancuch.Dodaj(Otwarty(D(2016, 5, 16)), Otwarty(D(2016, 5, 16)));
        EXPECT_TRUE(ObjetyWMiesiacu(lancuch.Szukaj(), D(2016, 5, 10)));
    }
}

TEST(ObjetyWMiesiacu, StopsAWalkThatDoesNotAdvance) {
    Lancuch lancuch;
    // The host answers the same record for every day: the walk stops by the record's identity.
    lancuch.Dodaj(Okres(D(2016, 5, 1), D(2016, 5, 2)), Okres(D(2015, 1, 1), D(2015, 12, 31)));
    auto zawsze = [&](CDate) -> std::optional<ZapisDatowany> {
        ++lancuch.pytania;
        return lancuch.zapisy[0];
    };
    EXPECT_FALSE(ObjetyWMiesiacu(zawsze, D(2016, 5, 1)));
    EXPECT_LE(lancuch.pytania, 2);

    // Records that start on new days in the month but never cover one: the walk is bounded.
    int dzien = 0;
    auto coraz = [&](CDate) -> std::optional<ZapisDatowany> {
        ++dzien;
        return ZapisDatowany{reinterpret_cast<const void*>(static_cast<std::intptr_t>(dzien)),
                             Okres(D(2016, 5, 1 + dzien % 28), D(2016, 5, 1)), Okres(D(2015, 1, 1), D(2015, 1, 2))};
    };
    EXPECT_FALSE(ObjetyWMiesiacu(coraz, D(2016, 5, 31)));
    EXPECT_LT(dzien, 100);
}

TEST(ObjetyWMiesiacu, AMissingRecordIsAnError) {
    Lancuch lancuch;
    lancuch.Dodaj(Okres(D(2016, 1, 1), D(2016, 5, 5)), Okres(D(2016, 1, 1), D(2016, 4, 30)));
    try {
        ObjetyWMiesiacu(lancuch.Szukaj(), D(2016, 5, 3));
        FAIL() << "no record after the 5th";
    } catch (const ComError& error) {
        EXPECT_EQ(error.Code(), E_POINTER);
    }
}
