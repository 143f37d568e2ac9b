// The key grammar of a host collection's Item: which kind of key a VARIANT is, and how criteria match.
#include <gtest/gtest.h>

#include "hostapi/Errors.h"
#include "host/collections/ItemKey.h"
#include "platform/com/ErrorInfo.h"

using tlx::Variant;
using tlx::host::CriteriaClause;
using tlx::host::ItemKey;
using tlx::host::ParseItemKey;

namespace {

ItemKey Parse(const VARIANT& key) {
    ItemKey out;
    EXPECT_EQ(ParseItemKey(key, out), S_OK);
    return out;
}

}  // namespace

TEST(ItemKeyTest, KindsOfKeys) {
    EXPECT_EQ(Parse(Variant()).kind, ItemKey::Kind::Current);
    EXPECT_EQ(Parse(Variant::Missing()).kind, ItemKey::Kind::Current);

    ItemKey position = Parse(Variant::FromLong(3));
    EXPECT_EQ(position.kind, ItemKey::Kind::Position);
    EXPECT_EQ(position.position, 3);
    EXPECT_EQ(Parse(Variant::FromDouble(2.0)).position, 2);

    ItemKey id = Parse(Variant::FromString(u" 15 "));
    EXPECT_EQ(id.kind, ItemKey::Kind::Identifier);
    EXPECT_EQ(id.identifier, 15);

    ItemKey bookmark = Parse(Variant::FromString(u"@7"));
    EXPECT_EQ(bookmark.kind, ItemKey::Kind::Bookmark);
    EXPECT_EQ(bookmark.bookmark, u"7");
}

TEST(ItemKeyTest, CriteriaClausesWithNumbersAndQuotedTexts) {
    ItemKey key = Parse(Variant::FromString(u"PPM_Rok=2016 and PPM_Miesiac = 3 AND DDF_Symbol='O''Neil AND x'"));
    ASSERT_EQ(key.kind, ItemKey::Kind::Criteria);
    ASSERT_EQ(key.criteria.size(), 3u);
    EXPECT_EQ(key.criteria[0].column, u"PPM_Rok");
    EXPECT_EQ(key.criteria[0].number, 2016.0);
    EXPECT_EQ(key.criteria[1].column, u"PPM_Miesiac");
    EXPECT_EQ(key.criteria[1].number, 3.0);
    EXPECT_EQ(key.criteria[2].column, u"DDF_Symbol");
    EXPECT_EQ(key.criteria[2].text, u"O'Neil AND x");
    EXPECT_FALSE(key.criteria[2].number.has_value());
}

TEST(ItemKeyTest, MalformedKeysAreRefusedWithAText) {
    const char16_t* bad[] = {u"abc", u"=5", u"Col='open", u"Col=5 AND", u"Col=x'y", u"12a", u""};
    for (std::size_t i = 0; i < std::size(bad); ++i) {
        ItemKey out;
        EXPECT_EQ(ParseItemKey(Variant::FromString(bad[i]), out), E_INVALIDARG) << "bad key #" << i;
        EXPECT_NE(tlx::TakeErrorDescription().find(u"Niepoprawny klucz"), std::u16string::npos);
    }
    ItemKey out;
    EXPECT_EQ(ParseItemKey(Variant::Null(), out), E_INVALIDARG);
    tlx::TakeErrorDescription();
}

TEST(ItemKeyTest, ValuesMatchNumbersAsNumbersAndTextsWithoutCase) {
    CriteriaClause number{u"Dke_Numer", u"12", 12.0};
    EXPECT_TRUE(tlx::host::ValueMatches(Variant::FromLong(12), number));
    EXPECT_TRUE(tlx::host::ValueMatches(Variant::FromDouble(12.0), number));
    EXPECT_TRUE(tlx::host::ValueMatches(Variant::FromString(u"12"), number));
    EXPECT_FALSE(tlx::host::ValueMatches(Variant::FromLong(120), number));
    EXPECT_FALSE(tlx::host::ValueMatches(Variant::Null(), number));

    CriteriaClause text{u"DDF_Symbol", u"bowyp", std::nullopt};
    EXPECT_TRUE(tlx::host::ValueMatches(Variant::FromString(u"BOWYP"), text));
    EXPECT_FALSE(tlx::host::ValueMatches(Variant::FromString(u"BOWY"), text));
    EXPECT_FALSE(tlx::host::ValueMatches(Variant::FromLong(0), text));

    CY amount{125000};
    EXPECT_TRUE(tlx::host::ValueMatches(Variant::FromCurrency(amount), CriteriaClause{u"K", u"12.5", 12.5}));
}
