#include <gtest/gtest.h>

#include "mv_deklaracje/pfron/PfronText.h"
#include "platform/text/CodePage.h"

namespace {
CMoney FromCount(LONGLONG count) { return CMoney::FromCurrency(CY{count}); }
}  // namespace

TEST(PfronText, WorkingTimeFractionsHaveThreeDecimalsAfterAComma) {
    struct Case { double x; const char16_t* text; };
    for (const Case& c : {Case{0.5, u"0,500"}, Case{0.0, u"0,000"}, Case{1.0, u"1,000"},
                          Case{10.0 / 31.0, u"0,323"}, Case{21.0 / 31.0, u"0,677"}, Case{0.0005, u"0,001"},
                          Case{2.0 / 3.0, u"0,667"}}) {
        EXPECT_EQ(FormatWymiaru(c.x).Str(), c.text) << c.x;
    }
}

// A fraction the form keeps as text is read with the decimal comma only: a point ends the number.
TEST(PfronText, FractionTextsAreBroughtToThreeDecimals) {
    struct Case { const char16_t* text; const char16_t* formatted; };
    for (const Case& c : {Case{u"0,4995", u"0,500"}, Case{u"2", u"2,000"}, Case{u"", u"0,000"},
                          Case{u"0.5", u"0,000"}, Case{u"2.5", u"2,000"}, Case{u"1,5", u"1,500"},
                          Case{u"-0,25", u"-0,250"}, Case{u"2,0005", u"2,001"}, Case{u"1,2345", u"1,235"},
                          Case{u"0,323", u"0,323"}}) {
        EXPECT_EQ(FormatDecimal3Text(CBstr(c.text)).Str(), c.formatted) << tlx::Utf16ToUtf8(c.text);
    }
}

TEST(PfronText, AmountsAreRoundedFromTheCurrencyCount) {
    struct Case { LONGLONG count; const char16_t* text; };
    for (const Case& c : {Case{1234567, u"123,46"}, Case{12345000, u"1234,50"}, Case{0, u"0,00"},
                          Case{-120000, u"-12,00"}, Case{44000000, u"4400,00"}, Case{49, u"0,00"},
                          Case{-49, u"0,00"}, Case{-50, u"-0,01"}, Case{3904000, u"390,40"},
                          Case{999999999900LL, u"99999999,99"}, Case{999999999999LL, u"100000000,00"}}) {
        EXPECT_EQ(FormatPfronAmount(FromCount(c.count)).Str(), c.text) << c.count;
        EXPECT_EQ(FormatPfronAmount(CY{c.count}).Str(), c.text) << c.count;
    }
}

TEST(PfronText, ReportingPeriodAndCuts) {
    EXPECT_EQ(FormatReportingPeriod(3, 2016).Str(), u"03-2016");
    EXPECT_EQ(FormatReportingPeriod(12, 2024).Str(), u"12-2024");
    EXPECT_EQ(TruncateText(3, CBstr(u"Żółw")).Str(), u"Żół");
    EXPECT_EQ(TruncateText(10, CBstr(u"Żółw")).Str(), u"Żółw");
    EXPECT_EQ(TruncateText(0, CBstr(u"abc")).Str(), u"");
    EXPECT_EQ(TruncateText(5, CBstr()).Str(), u"");
    // "ab" then U+1F600 as a pair: a cut after the high half keeps neither half.
    EXPECT_EQ(TruncateText(3, CBstr(u"ab\U0001F600c")).Str(), u"ab");
    EXPECT_EQ(TruncateText(4, CBstr(u"ab\U0001F600c")).Str(), u"ab\U0001F600");
    EXPECT_EQ(RepeatChar(u'0', 3).Str(), u"000");
    EXPECT_EQ(RepeatChar(u' ', 0).Str(), u"");
    EXPECT_EQ(RepeatChar(u' ', -2).Str(), u"");
}
