#include <gtest/gtest.h>

#include "platform/res/Resources.h"

HMODULE TestResources();

TEST(Resources, FoundByTypeFolderAndPathWithoutExtension) {
    auto text = tlx::FindResourceBytes(TestResources(), "TXT", "sub/Polish");
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "Zażółć gęślą jaźń\n") << "the bytes stand exactly as in the file";
    EXPECT_EQ(tlx::FindResourceBytes(TestResources(), "XML", "Form").value_or(""), "<a/>");
}

TEST(Resources, LookupIgnoresCaseAndMissesCleanly) {
    EXPECT_TRUE(tlx::FindResourceBytes(TestResources(), "txt", "SUB/polish"));
    EXPECT_FALSE(tlx::FindResourceBytes(TestResources(), "XML", "sub/Polish"));
    EXPECT_FALSE(tlx::FindResourceBytes(TestResources(), "TXT", "Missing"));
    EXPECT_FALSE(tlx::FindResourceBytes(nullptr, "TXT", "sub/Polish"));
}
