#include <gtest/gtest.h>

#include "mv_deklaracje/zus/KodTytuluUbezpieczenia.h"

TEST(KodTytuluUbezpieczenia, ReadsTheDigitsAndAnswersThePredicates) {
    const struct {
        std::uint32_t kod;
        std::uint32_t grupa, podgrupa, stopien;
        bool g01, g02, g30, g12do30, g1240, t0430;
    } rows[] = {
        {11000, 1, 10, 0, true, false, false, false, false, false},
        {21300, 2, 13, 0, false, true, false, false, false, false},
        {300000, 30, 0, 0, false, false, true, false, false, false},
        {121000, 12, 10, 0, false, false, false, true, false, false},
        {121102, 12, 11, 2, false, false, false, true, false, false},
        {122000, 12, 20, 0, false, false, false, true, false, false},
        {123000, 12, 30, 0, false, false, false, true, false, false},
        {121500, 12, 15, 0, false, false, false, false, false, false},  // 12 but not 10, 11, 20, 30
        {124000, 12, 40, 0, false, false, false, false, true, false},
        {43013, 4, 30, 3, false, false, false, false, false, true},
        {43000, 4, 30, 0, false, false, false, false, false, true},
        {43100, 4, 31, 0, false, false, false, false, false, false},
        {0, 0, 0, 0, false, false, false, false, false, false},
    };
    for (const auto& row : rows) {
        const CKodTytuluUbezpieczenia kod(row.kod);
        SCOPED_TRACE(row.kod);
        EXPECT_EQ(kod.Grupa(), row.grupa);
        EXPECT_EQ(kod.Podgrupa(), row.podgrupa);
        EXPECT_EQ(kod.StopienNiepelnosprawnosci(), row.stopien);
        EXPECT_EQ(kod.JestGrupa01(), row.g01);
        EXPECT_EQ(kod.JestGrupa02(), row.g02);
        EXPECT_EQ(kod.JestGrupa30(), row.g30);
        EXPECT_EQ(kod.JestGrupa12Podgrupa10do30(), row.g12do30);
        EXPECT_EQ(kod.JestGrupa12Podgrupa40(), row.g1240);
        EXPECT_EQ(kod.JestTytul0430(), row.t0430);
    }
}
