#include <gtest/gtest.h>

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/core/VariantHelpers.h"

TEST(CBstr, SubstringsClipAtTheEnd) {
    CBstr s(u"ABCDEF");
    EXPECT_EQ(s.Mid(2, 10), u"CDEF");
    EXPECT_TRUE(s.Mid(6).IsNull());
    EXPECT_EQ(CBstr(u"123456789").Right(3), u"789");
    EXPECT_EQ(CBstr(u"123456789").Right(20), u"123456789");
    EXPECT_EQ(Mid(u"ABCDEF", 6, 1), u"");
    EXPECT_EQ(MidRange(u"ABCDEF", 1, 99), u"BCDEF");
    EXPECT_EQ(MidRange(u"ABCDEF", 4, 2), u"") << "a reversed range is empty";
    EXPECT_EQ(SafeMid(nullptr, 0, 3), u"");
}

TEST(CBstr, NullAndEmptyStayApart) {
    EXPECT_TRUE(CBstr().IsNull());
    EXPECT_FALSE(CBstr(u"").IsNull());
    EXPECT_EQ(CBstr().Copy(), nullptr);
    tlx::Bstr empty = tlx::Bstr::Attach(CBstr(u"").Copy());
    EXPECT_FALSE(empty.IsNull());
    EXPECT_EQ(CBstr().Find(u'a'), -1);
    EXPECT_EQ(FindChar(nullptr, u'a'), -1);
    EXPECT_EQ(FindSubstring(u"abc", u""), 0);
}

TEST(CBstr, TrimAndCaseTouchOnlyBlanksAndAscii) {
    EXPECT_EQ(CBstr(u"\t x").TrimLeft(), u"\t x");
    EXPECT_EQ(CBstr(u"   x ").TrimLeft(), u"x ");
    EXPECT_EQ(CBstr().SkipLeadingSpaces(), nullptr) << "a null string answers null";
    EXPECT_EQ(CBstr().TrimLeft().IsNull(), true);
    CBstr spaced(u"  ab");
    EXPECT_EQ(std::u16string_view(spaced.SkipLeadingSpaces()), u"ab");
    CBstr blanks(u"   ");
    EXPECT_EQ(std::u16string_view(blanks.SkipLeadingSpaces()), u"") << "the end of a text of blanks";
    EXPECT_EQ(CBstr(u"zaliczka ąę").ToUpper(), u"ZALICZKA ąę");
    EXPECT_EQ(CBstr(u"ŁÓDŹ Ab").ToLower(), u"ŁÓdŹ ab") << "only A-Z fold";
}

TEST(CBstr, ReplaceAllNeverRescansInsertedText) {
    EXPECT_EQ(ReplaceAll(u"aXbxc", u"x", u"--", true), u"a--b--c");
    EXPECT_EQ(ReplaceAll(u"aXbxc", u"x", u"--", false), u"aXb--c");
    EXPECT_EQ(ReplaceAll(u"aaa", u"a", u"aa", false), u"aaaaaa");
    EXPECT_EQ(ReplaceAll(u"abc", u"", u"x", false), u"abc");
}

TEST(CBstr, SqlQuotingAndNames) {
    EXPECT_EQ(QuoteSqlText(u"O'Neil", true), u"'O''Neil'");
    EXPECT_EQ(QuoteSqlText(nullptr, true), u"''");
    EXPECT_EQ(QuoteSqlText(u"a'b", false), u"a''b");
    EXPECT_EQ(BuildFieldName(CBstr(), u"Numer"), u"Numer");
    EXPECT_EQ(BuildFieldName(CBstr(u"Dke_"), u"Numer"), u"Dke_Numer");
    EXPECT_EQ(LongToString(-42), u"-42");
    EXPECT_EQ(LongToStringRadix(255, 16), u"ff");
    EXPECT_EQ(LongToStringRadix(-1, 16), u"ffffffff");
}

TEST(VariantHelpers, JoinedTextIsOneTextOfBothParts) {
    tlx::Variant key = JoinedText(u"Dke_", u"Numer");
    ASSERT_EQ(key.vt, VT_BSTR);
    EXPECT_EQ(std::u16string_view(key.bstrVal, SysStringLen(key.bstrVal)), u"Dke_Numer");
    EXPECT_EQ(key.bstrVal[SysStringLen(key.bstrVal)], u'\0') << "terminated as every text";
    tlx::Variant bare = JoinedText(u"", u"Numer");
    EXPECT_EQ(std::u16string_view(bare.bstrVal, SysStringLen(bare.bstrVal)), u"Numer");
    tlx::Variant empty = JoinedText(u"", u"");
    ASSERT_EQ(empty.vt, VT_BSTR);
    EXPECT_NE(empty.bstrVal, nullptr) << "the empty text, not a null one";
    EXPECT_EQ(SysStringLen(empty.bstrVal), 0u);
    constexpr char16_t kWithNul[] = {u'@', u'1', u'\0', u'2'};
    tlx::Variant whole = JoinedText(std::u16string_view(kWithNul, 2), std::u16string_view(kWithNul + 2, 2));
    EXPECT_EQ(std::u16string_view(whole.bstrVal, SysStringLen(whole.bstrVal)), std::u16string_view(kWithNul, 4));
}

TEST(VariantHelpers, NullReadsAsNothingAndBadTextRaises) {
    EXPECT_EQ(VariantToLong(tlx::Variant::Null()), 0);
    EXPECT_EQ(VariantToLong(tlx::Variant::FromString(u"12")), 12);
    EXPECT_THROW(VariantToLong(tlx::Variant::FromString(u"x")), ComError);
    EXPECT_EQ(VariantToLongOr(tlx::Variant().Detach(), 5), 5);
    EXPECT_EQ(VariantToLong(tlx::Variant()), 0);
    EXPECT_EQ(VariantToCString(tlx::Variant::Null()), u"");
    EXPECT_EQ(VariantToBstr(tlx::Variant::Null()), u"");
    EXPECT_EQ(VariantToLong(tlx::Variant::FromLong(-7)), -7);
    EXPECT_EQ(VariantToLong(tlx::Variant::FromDouble(2.5)), 2) << "halves round to even";
    constexpr char16_t kWithNul[] = {u'a', u'\0', u'b'};
    EXPECT_EQ(VariantToBstr(tlx::Variant::FromString(std::u16string_view(kWithNul, 3))).View(),
              std::u16string_view(kWithNul, 3)) << "a text is kept whole";
    VARIANT nullText{};
    nullText.vt = VT_BSTR;
    nullText.bstrVal = nullptr;
    EXPECT_FALSE(VariantToBstr(nullText).IsNull()) << "a null text reads as the empty text";
    EXPECT_EQ(VariantToBstr(tlx::Variant::FromDouble(1.5)), u"1,5") << "numbers in the user's format";
    EXPECT_EQ(VariantToBstrOr(tlx::Variant::Null().Detach(), CBstr(u"d")), u"d");
    EXPECT_EQ(VariantToMoney(tlx::Variant::FromString(u"12,345")), CMoney(12.35));
    EXPECT_EQ(VariantToMoneyOr(tlx::Variant().Detach(), 1.005), CMoney(1.01));
}
