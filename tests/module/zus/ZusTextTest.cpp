#include <gtest/gtest.h>

#include "mv_deklaracje/zus/ZusText.h"

TEST(ZusText, DeformatNipAndUpperCaseName) {
    EXPECT_EQ(DeformatNIP(CBstr(u"526-10-20-304")), u"5261020304");
    EXPECT_EQ(DeformatNIP(CBstr(u"526 10")), u"526 10");
    EXPECT_TRUE(DeformatNIP(CBstr()).IsNull());
    EXPECT_EQ(UpperCaseName(CBstr(u"łukasz żółć ąęśńź ÿß 123")), u"ŁUKASZ ŻÓŁĆ ĄĘŚŃŹ Ÿß 123");
    EXPECT_EQ(UpperCaseName(CBstr(u"ŁUKASZ")), u"ŁUKASZ");
    EXPECT_TRUE(UpperCaseName(CBstr()).IsNull());
}
