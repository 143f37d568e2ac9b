#include <gtest/gtest.h>

#include <iterator>
#include <map>
#include <utility>

#include "mv_deklaracje/zus/IdentyfikatorPracownika.h"
#include "mv_deklaracje/core/PairKeyLess.h"

TEST(PairKeyLess, OrdersBySignedSecondThenUnsignedFirst) {
    using Key = std::pair<int, int>;
    const struct {
        Key a, b;
        bool less;
    } rows[] = {
        {{5, 1}, {1, 2}, true},     // the second member decides first
        {{1, 2}, {5, 1}, false},
        {{0, -1}, {0, 1}, true},    // the second member compares signed
        {{1, 7}, {2, 7}, true},     // then the first
        {{-1, 7}, {2, 7}, false},   // unsigned: -1 is the largest
        {{2, 7}, {-1, 7}, true},
        {{3, 3}, {3, 3}, false},    // strict
    };
    for (const auto& row : rows)
        EXPECT_EQ(PairKeyLess(row.a, row.b), row.less)
            << "(" << row.a.first << "," << row.a.second << ") < (" << row.b.first << "," << row.b.second << ")";

    std::map<Key, int, PairKeyOrder> byPerson{{{2, 10}, 1}, {{1, 20}, 2}, {{1, 10}, 3}};
    EXPECT_EQ(byPerson.begin()->second, 3);
    EXPECT_EQ(byPerson.rbegin()->second, 2);
}

TEST(IdentyfikatorPracownika, ChoosesPeselThenPassportThenIdentityCard) {
    const struct {
        const char16_t *pesel, *paszport, *dowod, *typ, *numer;
    } rows[] = {
        {u"80010112345", u"AB123456", u"ABC123456", u"P", u"80010112345"},
        {u"", u"AB123456", u"ABC123456", u"2", u"AB123456"},
        {u"", u"", u"ABC123456", u"1", u"ABC123456"},
        {u"", u"", u"", u"", u""},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        CIdentyfikatorPracownika id{CBstr(rows[i].pesel), CBstr(rows[i].paszport), CBstr(rows[i].dowod)};
        EXPECT_EQ(id.GetTyp(), rows[i].typ) << "row " << i;
        EXPECT_EQ(id.GetNumer(), rows[i].numer) << "row " << i;
        EXPECT_FALSE(id.GetTyp().IsNull());
    }
    CIdentyfikatorPracownika none{CBstr(), CBstr(), CBstr()};
    EXPECT_TRUE(none.GetNumer().IsEmpty()) << "null texts count as empty";
}
