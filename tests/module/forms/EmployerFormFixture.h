// What the tests of the employer's information forms share: the definition's positions and their kinds,
// reading back what is written into every stored field and the due date as text.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <set>
#include <string>

#include "FormTestSupport.h"
#include "platform/com/OleDate.h"

namespace formtest {

// A date value as "RRRR-MM-DD".
inline std::string Day(const tlx::Variant& value) {
    if (value.vt != VT_DATE) return "<no date>";
    auto day = tlx::CalendarFromDate(value.date);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", day->year, day->month, day->day);
    return text;
}

class EmployerForm : public FormFixture<ModuleResources> {
protected:
    static std::u16string P(int n) { return u"P_" + tlx::Utf8ToUtf16(std::to_string(n)); }

    // Positions 1 to `last` (and none of the few after it): the absent ones missing, the year computed, the
    // others stored under their number with a description, as texts, integers or else amounts.
    void ExpectPositions(int last, const std::set<int>& absent, const std::set<int>& texts, const std::set<int>& integers) {
        for (int n = 1; n <= last + 6; ++n) {
            auto field = definition.FindFieldByName(P(n));
            if (absent.count(n) || n > last) {
                EXPECT_FALSE(field) << "no position " << n;
                continue;
            }
            ASSERT_TRUE(field) << "P_" << n;
            if (n == 4) {
                EXPECT_TRUE(field->Obliczane()) << "the year is the declaration's";
                continue;
            }
            EXPECT_EQ(field->Lp(), n);
            EXPECT_FALSE(field->Opis().IsEmpty()) << "P_" << n;
            EXPECT_EQ(field->Typ(), texts.count(n) ? detText : integers.count(n) ? detInteger : detCurrency) << "P_" << n;
        }
    }
    // Every stored field reads back what is written through "dokument".
    void ExpectEveryFieldReadsWhatIsWritten() {
        for (std::size_t i = 0; i < definition.FieldCount(); ++i) {
            auto field = definition.GetFieldByIndex(i);
            if (field->Obliczane()) continue;
            std::u16string name(field->Nazwa().View());
            Eval(u"dokument." + name + u" = " + (field->Typ() == detText ? u"'x7'" : u"7"));
            EXPECT_EQ(EvalText(u"dokument." + name), field->Typ() == detText ? "x7" : "7") << tlx::Utf16ToUtf8(name);
        }
    }
    void Enter(std::initializer_list<std::pair<int, double>> amounts) {
        for (const auto& [n, amount] : amounts) document->Set(P(n), Money(amount));
    }
};

}  // namespace formtest
