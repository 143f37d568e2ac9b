#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mv_deklaracje/kedu/KeduBlockWalker.h"
#include "mv_deklaracje/kedu/KeduPageText.h"

namespace {
CY Currency(LONGLONG count) { return CY{count}; }
}  // namespace

TEST(KeduPageText, BlockTextFindsEveryOccurrenceFromTheStartOfTheText) {
    struct Case { const char16_t* text; int n; const char16_t* block; };
    for (const Case& c : {
             // A block at the very start of the text is the first occurrence.
             Case{u"<A>\r\nx\r\n</A>", 1, u"\r\nx\r\n"},
             Case{u"<A>\r\nx\r\n</A>", 2, u""},
             Case{u"..<A>1</A><B>b</B><A>2</A>", 2, u"2"},
             Case{u"..<A>1</A><A>2</A>", 3, u""},
             Case{u"<A>no closing tag", 1, u"no closing tag"},
             Case{u"<AB>x</AB><A>y</A>", 1, u"y"},
             Case{u"<A></A>", 1, u""},
             Case{u"", 1, u""},
             // No occurrence asked for: the text from its start, as if it began with the opening tag.
             Case{u"<A>x</A><A>y</A>", 0, u"x"},
         }) {
        EXPECT_EQ(BlockText(c.text, u"A", c.n).Str(), c.block) << std::string(c.text, c.text + 5) << " n=" << c.n;
    }
}

TEST(KeduPageText, LineValueReadsLinesAndWordsEndedByCrLf) {
    const std::u16string_view block = u"\r\nA\r\n B \r\nC\r\n";
    struct Case { int line; int word; const char16_t* value; };
    for (const Case& c : {Case{1, 0, u"A"}, Case{2, 0, u"B"}, Case{2, 1, u"B"}, Case{2, 2, u""}, Case{3, 0, u"C"},
                          Case{4, 0, u""}, Case{1, 1, u"A"}}) {
        EXPECT_EQ(LineValue(block, c.line, c.word).Str(), c.value) << c.line << "/" << c.word;
    }
    EXPECT_EQ(LineValue(u"\r\n NOWA 12 \r\n", 1, 0).Str(), u"NOWA 12");
    EXPECT_EQ(LineValue(u"\r\n NOWA 12 \r\n", 1, 2).Str(), u"12");
    EXPECT_EQ(LineValue(u"\r\n\r\nB\r\n", 1, 0).Str(), u"");
    EXPECT_EQ(LineValue(u"\r\nA\r\nB\r\n", 3, 0).Str(), u"");
    // Only CR LF ends a line: lines ended by a lone LF are not lines at all.
    EXPECT_EQ(LineValue(u"\r\nA\nB\n", 1, 0).Str(), u"");
    EXPECT_EQ(LineValue(u"\nA\nB\n", 2, 0).Str(), u"");
    // Tabs are not trimmed; the value is escaped for element content.
    EXPECT_EQ(LineValue(u"\r\n\tA & <B> \"C\"\r\n", 1, 0).Str(), u"&#9;A &amp; &lt;B&gt; &quot;C&quot;");
    EXPECT_EQ(LineValue(u"\r\nZażółć gęślą jaźń\r\n", 1, 3).Str(), u"jaźń");
}

TEST(KeduPageText, TrimLineAndMarks) {
    EXPECT_EQ(TrimLine(u"\n \r x y \r").Str(), u"x y");
    EXPECT_EQ(TrimLine(u"\tx\t").Str(), u"\tx\t");
    EXPECT_EQ(TrimLine(u"\r\n").Str(), u"");
    EXPECT_EQ(TrueIfEqual(CBstr(u"X"), u"X").Str(), u"true");
    EXPECT_EQ(TrueIfEqual(CBstr(u"x"), u"X").Str(), u"");
    EXPECT_EQ(TrueIfEqual(CBstr(u""), u"X").Str(), u"");
    EXPECT_EQ(TrueIfEqual(CBstr(), u"").Str(), u"true");
}

TEST(KeduPageText, AmountsFromHundredths) {
    struct Case { const char16_t* value; const char16_t* amount; };
    for (const Case& c : {Case{u"", u"0.00"}, Case{u"0", u"0.00"}, Case{u"00", u"0.00"}, Case{u"000", u"0.00"},
                          Case{u"100", u"1.00"}, Case{u"00012", u"0.12"}, Case{u"12345", u"123.45"},
                          Case{u"1234.56", u"1234.56"}, Case{u"0012.50", u"12.50"}, Case{u"-12345", u"-123.45"},
                          // One or two digits are amounts under one złoty, never a failed export.
                          Case{u"5", u"0.05"}, Case{u"-5", u"-0.05"}, Case{u"12", u"0.12"}, Case{u"-12", u"-0.12"}}) {
        EXPECT_EQ(AmountFromHundredths(CBstr(c.value)).Str(), c.amount) << std::string(c.value, c.value + 2);
    }
    EXPECT_EQ(AmountFromHundredths(CBstr()).Str(), u"0.00");
}

TEST(KeduPageText, CurrencyTextHasTwoDecimalsAndAPoint) {
    EXPECT_EQ(CurrencyText(Currency(12345678)).Str(), u"1234.57");
    EXPECT_EQ(CurrencyText(Currency(-25000)).Str(), u"-2.50");
    EXPECT_EQ(CurrencyText(Currency(0)).Str(), u"0.00");
    EXPECT_EQ(CurrencyText(Currency(9999999999990000LL)).Str(), u"999999999999.00");
}

TEST(KeduPageText, ZerosAndPostalCodes) {
    EXPECT_EQ(StripLeadingZeros(CBstr(u"0")).Str(), u"0");
    EXPECT_EQ(StripLeadingZeros(CBstr(u"000")).Str(), u"0");
    EXPECT_EQ(StripLeadingZeros(CBstr(u"0012")).Str(), u"12");
    EXPECT_EQ(StripLeadingZeros(CBstr()).Str(), u"");
    EXPECT_EQ(PadLeftZeros(CBstr(u"7"), 4).Str(), u"0007");
    EXPECT_EQ(PadLeftZeros(CBstr(u"12345"), 4).Str(), u"12345");
    struct Case { const char16_t* value; bool kept; };
    for (const Case& c : {Case{u"01234", true}, Case{u"00950", true}, Case{u"31416", true}, Case{u"00000", false},
                          Case{u"1234", false}, Case{u"00-950", false}, Case{u"009A0", false}, Case{u"", false},
                          Case{u"99999999999999999999999", false}}) {
        EXPECT_EQ(PostalCodeOrEmpty(CBstr(c.value)).Str(), c.kept ? c.value : u"") << std::string(c.value, c.value + 3);
    }
}

TEST(KeduPageText, DatesTakeAShortDatesYearFromTheReferencePeriod) {
    struct Case { const char16_t* date; long year; long month; const char16_t* text; };
    for (const Case& c : {Case{u"31122024", 2000, 1, u"2024-12-31"}, Case{u"3112", 2025, 1, u"2024-12-31"},
                          Case{u"3112", 2024, 12, u"2024-12-31"}, Case{u"0103", 2024, 3, u"2024-03-01"},
                          Case{u"0104", 2024, 3, u"2023-04-01"}, Case{u"311", 2024, 1, u"null"},
                          Case{u"", 2024, 1, u"null"}, Case{u"0102202412", 2024, 1, u"202412-02-01"}}) {
        EXPECT_EQ(KeduDate(CBstr(c.date), c.year, c.month).Str(), c.text) << c.year << "/" << c.month;
    }
}

TEST(KeduPageText, TitleCodesSplitFromTheRight) {
    struct Case { const char16_t* code; const char16_t* title; const char16_t* right; const char16_t* degree;
                  const char16_t* result; };
    for (const Case& c : {Case{u"011000", u"0110", u"0", u"0", u"011000"}, Case{u"", u"0000", u"0", u"0", u"0000"},
                          Case{u"0", u"0000", u"0", u"0", u"0000"}, Case{u"12", u"0000", u"1", u"2", u"012"},
                          Case{u"5", u"0000", u"0", u"5", u"005"}, Case{u"11012", u"0110", u"1", u"2", u"11012"}}) {
        CBstr title(u"old"), right(u"old"), degree(u"old");
        const CBstr result = SplitTitleCode(CBstr(c.code), title, right, degree);
        EXPECT_EQ(title.Str(), c.title) << std::string(c.code, c.code + 1);
        EXPECT_EQ(right.Str(), c.right);
        EXPECT_EQ(degree.Str(), c.degree);
        EXPECT_EQ(result.Str(), c.result);
    }
}

TEST(KeduBlockWalker, YieldsWhatBlockTextGivesForEachOccurrence) {
    const std::u16string text = u"<P>\r\n1\r\n</P><Q>\r\nq\r\n</Q><P></P><P>\r\n3\r\n</P>..<P>\r\nopen to the end";
    KeduBlockWalker walker(text, u"P");
    std::vector<std::u16string> seen;
    while (auto block = walker.Next()) seen.emplace_back(*block);
    ASSERT_EQ(seen.size(), 4u);
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i], BlockText(text, u"P", static_cast<int>(i) + 1).Str()) << i;
    }
    EXPECT_EQ(seen[1], u"");
    EXPECT_FALSE(walker.Next());
    KeduBlockWalker none(text, u"R");
    EXPECT_FALSE(none.Next());
}
