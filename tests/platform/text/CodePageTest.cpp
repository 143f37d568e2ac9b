#include <gtest/gtest.h>

#include "platform/text/CodePage.h"

TEST(CodePage, EveryByteRoundTrips) {
    std::string all;
    for (int b = 0; b < 256; ++b) all += static_cast<char>(b);
    std::u16string text = tlx::DecodeCp1250(all);
    ASSERT_EQ(text.size(), 256u);
    bool lossy = true;
    EXPECT_EQ(tlx::EncodeCp1250(text, &lossy), all);
    EXPECT_FALSE(lossy);
}

TEST(CodePage, PolishLettersSitWhereTheCodePagePutsThem) {
    struct Row {
        unsigned char byte;
        char16_t ch;
    } rows[] = {{0x80, u'€'}, {0xA5, u'Ą'}, {0xB9, u'ą'}, {0xC6, u'Ć'}, {0xE6, u'ć'}, {0xCA, u'Ę'},
                {0xEA, u'ę'}, {0xA3, u'Ł'}, {0xB3, u'ł'}, {0xD1, u'Ń'}, {0xF1, u'ń'}, {0xD3, u'Ó'},
                {0xF3, u'ó'}, {0x8C, u'Ś'}, {0x9C, u'ś'}, {0x8F, u'Ź'}, {0x9F, u'ź'}, {0xAF, u'Ż'},
                {0xBF, u'ż'}, {0x81, u'\u0081'}};
    for (const Row& row : rows) {
        std::string byte(1, static_cast<char>(row.byte));
        EXPECT_EQ(tlx::DecodeCp1250(byte), std::u16string(1, row.ch)) << "byte " << int(row.byte);
        EXPECT_EQ(tlx::EncodeCp1250(std::u16string(1, row.ch)), byte) << "byte " << int(row.byte);
    }
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeQuestionMarks) {
    bool lossy = false;
    EXPECT_EQ(tlx::EncodeCp1250(u"a€Ж", &lossy), "a\x80?");
    EXPECT_TRUE(lossy);
}

TEST(Utf8, RoundTripsPolishAndAstralText) {
    std::u16string text = u"Zażółć gęślą jaźń \U0001F600";
    EXPECT_EQ(tlx::Utf8ToUtf16(tlx::Utf16ToUtf8(text)), text);
    EXPECT_EQ(tlx::Utf16ToUtf8(u"ł"), "\xC5\x82");
    EXPECT_EQ(tlx::Utf16ToUtf8(u"select 1 from t where a = 'ó' and b = 2"), "select 1 from t where a = '\xC3\xB3' and b = 2");
    EXPECT_EQ(tlx::Utf8ToUtf16("select 1 from t where a = '\xC3\xB3' and b = 2"), u"select 1 from t where a = 'ó' and b = 2");
    EXPECT_EQ(tlx::Utf16ToUtf8(u""), "");
    EXPECT_EQ(tlx::Utf8ToUtf16(""), u"");
}

TEST(Utf8, MalformedInputBecomesReplacementCharacters) {
    EXPECT_EQ(tlx::Utf8ToUtf16("a\xC5"), u"a\uFFFD") << "a cut-off sequence";
    EXPECT_EQ(tlx::Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD") << "an overlong form";
    EXPECT_EQ(tlx::Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD") << "an encoded surrogate";
    EXPECT_EQ(tlx::Utf16ToUtf8(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD") << "a lone surrogate";
    EXPECT_EQ(tlx::Utf16ToUtf8(u"ab" + std::u16string(1, char16_t(0xDC00)) + u"c"), "ab\xEF\xBF\xBD" "c")
        << "a lone surrogate after plain letters";
}
