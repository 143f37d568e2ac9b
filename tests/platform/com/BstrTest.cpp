#include <gtest/gtest.h>

#include "platform/com/Bstr.h"

using tlx::Bstr;

TEST(Bstr, NullAndEmptyStayApart) {
    Bstr null;
    Bstr empty(u"");
    EXPECT_TRUE(null.IsNull());
    EXPECT_FALSE(empty.IsNull());
    EXPECT_EQ(empty.Length(), 0u);
    EXPECT_EQ(SysAllocString(nullptr), nullptr);
    EXPECT_FALSE(Bstr(empty).IsNull()) << "a copy of the empty string is empty, not null";
    EXPECT_TRUE(Bstr(null).IsNull());
}

TEST(Bstr, KeepsEmbeddedNulAndLength) {
    const char16_t text[] = {u'a', 0, u'b'};
    Bstr b = Bstr::Attach(SysAllocStringLen(text, 3));
    ASSERT_EQ(b.Length(), 3u);
    EXPECT_EQ(b.View(), std::u16string_view(text, 3));
    EXPECT_EQ(b.Get()[3], 0) << "the text is NUL-terminated past its length";
}

TEST(Bstr, ReallocationReplacesAndNullClears) {
    BSTR b = SysAllocString(u"first");
    ASSERT_TRUE(SysReAllocString(&b, u"second value"));
    EXPECT_EQ(std::u16string_view(b, SysStringLen(b)), u"second value");
    ASSERT_TRUE(SysReAllocStringLen(&b, u"xyz", 2));
    EXPECT_EQ(std::u16string_view(b, SysStringLen(b)), u"xy");
    ASSERT_TRUE(SysReAllocString(&b, nullptr));
    EXPECT_EQ(b, nullptr);
    EXPECT_EQ(SysStringLen(nullptr), 0u);
}

TEST(Bstr, AllocatesUninitialisedLengthAsZeros) {
    Bstr b = Bstr::Attach(SysAllocStringLen(nullptr, 4));
    ASSERT_EQ(b.Length(), 4u);
    EXPECT_EQ(b.View(), std::u16string_view(u"\0\0\0\0", 4));
}
