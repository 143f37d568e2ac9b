#include <gtest/gtest.h>

#include "platform/com/NumberText.h"

namespace {

const tlx::Locale& Polish() { return *tlx::FindLocale(LANG_POLISH_POLAND); }
const tlx::Locale& English() { return *tlx::FindLocale(LANG_ENGLISH_US); }

TEST(NumberText, FixedDecimalsWithoutGroupingRoundHalfAwayFromZero) {
    EXPECT_EQ(tlx::FormatFixed(1234.5, 2, Polish()), u"1234,50");
    EXPECT_EQ(tlx::FormatFixed(1234.5, 2, English()), u"1234.50");
    EXPECT_EQ(tlx::FormatFixed(1234567.891, 2, Polish()), u"1234567,89");
    EXPECT_EQ(tlx::FormatFixed(2.675, 2, Polish()), u"2,68") << "rounded on the decimal, not the binary value";
    EXPECT_EQ(tlx::FormatFixed(-2.675, 2, Polish()), u"-2,68");
    EXPECT_EQ(tlx::FormatFixed(0.005, 2, Polish()), u"0,01");
    EXPECT_EQ(tlx::FormatFixed(-0.004, 2, Polish()), u"0,00") << "no minus before a zero";
    EXPECT_EQ(tlx::FormatFixed(99.995, 2, Polish()), u"100,00");
    EXPECT_EQ(tlx::FormatFixed(0, 2, Polish()), u"0,00");
    EXPECT_EQ(tlx::FormatFixed(7.25, 3, Polish()), u"7,250");
    EXPECT_EQ(tlx::FormatFixed(12.5, 0, Polish()), u"13");
    EXPECT_EQ(tlx::FormatFixed(1e-9, 2, Polish()), u"0,00");
    tlx::ScopedUserLocale english(LANG_ENGLISH_US);
    EXPECT_EQ(tlx::FormatFixed(1234.5, 2), u"1234.50") << "the user's locale when none is given";
}

TEST(NumberText, CurrencyIsWrittenWithTheDecimalsItNeeds) {
    EXPECT_EQ(tlx::FormatCurrency(CY{125000}, Polish()), u"12,5");
    EXPECT_EQ(tlx::FormatCurrency(CY{21001100}, Polish()), u"2100,11");
    EXPECT_EQ(tlx::FormatCurrency(CY{10000}, Polish()), u"1");
    EXPECT_EQ(tlx::FormatCurrency(CY{-1}, English()), u"-0.0001");
    EXPECT_EQ(tlx::FormatCurrency(CY{-9223372036854775807LL - 1}, Polish()), u"-922337203685477,5808");
}

TEST(NumberText, AmountsSurviveTheRoundTripThroughText) {
    // The check the e-declaration build makes of the user's regional settings.
    for (const tlx::Locale* locale : {&Polish(), &English()}) {
        const std::u16string text = tlx::FormatCurrency(CY{21001100}, *locale);
        auto back = tlx::ParseNumber(text, *locale);
        ASSERT_TRUE(back);
        EXPECT_EQ(back->ToInt64(4), 21001100);
    }
}

TEST(NumberText, ShortestDecimalOfADouble) {
    tlx::DecimalNumber n = tlx::ShortestDecimal(0.1);
    EXPECT_EQ(n.digits, "1");
    EXPECT_EQ(n.exponent, -1);
    n = tlx::ShortestDecimal(-1500.0);
    EXPECT_TRUE(n.negative);
    EXPECT_EQ(n.digits, "15");
    EXPECT_EQ(n.exponent, 2);
    EXPECT_TRUE(tlx::ShortestDecimal(0.0).digits.empty());
}

}  // namespace
