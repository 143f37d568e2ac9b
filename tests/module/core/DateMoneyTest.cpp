#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/Date.h"
#include "mv_deklaracje/core/Money.h"

namespace {
std::u16string Iso(const CDate& d) { return d.FormatSql().Str(); }
}  // namespace

TEST(CDate, ClampsToWholeDaysWithinTheRange) {
    EXPECT_TRUE(CDate(0.7).IsEmpty());
    EXPECT_TRUE(CDate(-0.3).IsEmpty());
    EXPECT_EQ(CDate(1.0).Value(), 2.0);
    EXPECT_EQ(Iso(CDate(1.0)), u"1900-01-01");
    EXPECT_EQ(Iso(CDate(500000.0)), u"3000-01-01");
    EXPECT_EQ(CDate(45000.75).Value(), 45000.0);
}

TEST(CDate, MonthArithmeticRollsOver) {
    EXPECT_EQ(Iso(CDate(3, 0, 2024)), u"2024-02-29");
    EXPECT_EQ(Iso(CDate(3, 0, 2023)), u"2023-02-28");
    EXPECT_EQ(Iso(CDate(13, 1, 2023)), u"2024-01-01");
    EXPECT_EQ(Iso(CDate(1, 32, 2023)), u"2023-02-01");
    EXPECT_EQ(DaysInMonth(2, 1900), 28);
    EXPECT_EQ(DaysInMonth(2, 2000), 29);
    EXPECT_EQ(DaysInMonth(14, 2023), 29);
    int month = 0, year = 2024;
    NormalizeMonth(month, year);
    EXPECT_EQ(month, 12);
    EXPECT_EQ(year, 2023);
    month = -12, year = 2024;
    NormalizeMonth(month, year);
    EXPECT_EQ(month, 12);
    EXPECT_EQ(year, 2022);
    EXPECT_THROW(CDate(1, 1, 10000), ComError);
}

TEST(CDate, VariantsTextAndSqlLiterals) {
    EXPECT_EQ(CDate().ToVariant().vt, VT_NULL);
    EXPECT_TRUE(CDate(tlx::Variant::Null()).IsEmpty());
    EXPECT_EQ(Iso(CDate(u"05.03.2024")), u"2024-03-05") << "the user's regional format";
    EXPECT_EQ(CDate().FormatSql(), u"null");
    EXPECT_EQ(CDate(3, 5, 2024).FormatSql(u"DD-MM-YYYY"), u"05-03-2024");
    EXPECT_TRUE(CDate().AddDays(0).IsEmpty());
    EXPECT_EQ(Iso(CDate().AddDays(5)), u"1900-01-04");
    EXPECT_EQ(CDate(3, 5, 2024).GetDay(), 5);
}

TEST(CMoney, RoundsToGroszeHalfAwayFromZero) {
    EXPECT_EQ(CMoney(2.675).AsCurrency().int64, 26800);
    EXPECT_EQ(CMoney(-2.675).AsCurrency().int64, -26800);
    EXPECT_EQ(CMoney(0.0049).AsCurrency().int64, 0);
    CMoney sum(0.1);
    sum += 0.005;
    EXPECT_EQ(sum.AsCurrency().int64, 1100);
    EXPECT_EQ(CMoney(12.5).ToBstr(), u"12,5");
    EXPECT_EQ(RoundTo(2.345, 2), 2.35);
    EXPECT_EQ(RoundTo(-2.345, 2), -2.35);
    EXPECT_EQ(RoundTo(12.5, 0), 13);
    EXPECT_EQ(RoundTo(12.5, -3), 13);
}

TEST(RoundCurrency, RoundsToItsStepHalvesAwayFromZero) {
    auto round = [](double amount, LONGLONG step) {
        return static_cast<double>(RoundCurrency(CY{std::llround(amount * 10000)}, step).int64) / 10000;
    };
    EXPECT_EQ(round(0.5, 10000), 1);
    EXPECT_EQ(round(-0.5, 10000), -1);
    EXPECT_EQ(round(2.4999, 10000), 2);
    EXPECT_EQ(round(1.5, 10000), 2);
    EXPECT_EQ(round(-1.4999, 10000), -1);
    EXPECT_EQ(round(0, 10000), 0);
    EXPECT_EQ(round(12.345, 100), 12.35) << "a step of hundredths";
    EXPECT_THROW(RoundCurrency(CY{1}, 0), ComError);
    EXPECT_THROW(RoundCurrency(CY{INT64_MAX - 10}, 10000), ComError) << "beyond the currency range";
}
