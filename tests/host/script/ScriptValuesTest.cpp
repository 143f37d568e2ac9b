// Values crossing between VARIANTs and scripts, both ways.
#include <gtest/gtest.h>

#include <cmath>

#include "ScriptFixture.h"
#include "SampleObjects.h"

using sample::CSample;
using tlx::Variant;

namespace {
Variant Make(VARTYPE vt, auto set) {
    Variant v;
    v.vt = vt;
    set(v);
    return v;
}
}  // namespace

class ValuesTest : public ScriptTest {
protected:
    tlx::ComPtr<CSample> holder = CSample::Make();  // its Value property keeps any VARIANT
    void SetUp() override { ASSERT_EQ(Bind(u"holder", holder.Get()), S_OK); }
};

TEST_F(ValuesTest, VariantsAsScriptsSeeThem) {
    CY cy{123456};
    const struct {
        const char* row;
        Variant value;
        const char* seen;  // typeof and String() of the value in the script
    } rows[] = {
        {"empty", Variant(), "undefined:undefined"},
        {"null", Variant::Null(), "object:null"},
        {"bool", Variant::FromBool(true), "boolean:true"},
        {"i2", Make(VT_I2, [](Variant& v) { v.iVal = -5; }), "number:-5"},
        {"i4", Variant::FromLong(-2000000000), "number:-2000000000"},
        {"ui1", Make(VT_UI1, [](Variant& v) { v.bVal = 200; }), "number:200"},
        {"i8", Make(VT_I8, [](Variant& v) { v.llVal = 1LL << 40; }), "number:1099511627776"},
        {"r8", Variant::FromDouble(2.5), "number:2.5"},
        {"cy", Variant::FromCurrency(cy), "number:12.3456"},
        {"bstr", Variant::FromString(u"zażółć"), "string:zażółć"},
        {"missing", Variant::Missing(), "undefined:undefined"},
    };
    for (const auto& r : rows) {
        holder->value = r.value;
        EXPECT_EQ(EvalText(u"typeof holder.Value + ':' + holder.Value"), r.seen) << r.row;
    }
}

TEST_F(ValuesTest, ScriptValuesAsVariants) {
    EXPECT_EQ(Eval(u"undefined").vt, VT_EMPTY);
    EXPECT_EQ(Eval(u"null").vt, VT_NULL);
    Variant b = Eval(u"1 < 2");
    EXPECT_EQ(b.vt, VT_BOOL);
    EXPECT_EQ(b.boolVal, VARIANT_TRUE);
    const struct {
        const char16_t* code;
        VARTYPE vt;
        double value;
    } numbers[] = {{u"2147483647", VT_I4, 2147483647.0}, {u"-2147483648", VT_I4, -2147483648.0},
                   {u"2147483648", VT_R8, 2147483648.0}, {u"6 / 4", VT_R8, 1.5},
                   {u"3.0", VT_I4, 3.0},                 {u"1 / 0", VT_R8, INFINITY}};
    for (const auto& n : numbers) {
        Variant v = Eval(n.code);
        EXPECT_EQ(v.vt, n.vt) << tlx::Utf16ToUtf8(n.code);
        EXPECT_EQ(v.vt == VT_I4 ? v.lVal : v.dblVal, n.value) << tlx::Utf16ToUtf8(n.code);
    }
    Variant nan = Eval(u"0 / 0");
    EXPECT_TRUE(nan.vt == VT_R8 && std::isnan(nan.dblVal));
    Variant s = Eval(u"'ą' + 'ę'");
    ASSERT_EQ(s.vt, VT_BSTR);
    EXPECT_EQ(tlx::Bstr(s.bstrVal).Str(), u"ąę");
}

TEST_F(ValuesTest, TextKeepsEveryUtf16Unit) {
    static constexpr char16_t raw[] = u"a\0b\U0001F600\xD800z";  // a NUL, a surrogate pair, a lone surrogate
    const std::u16string_view text(raw, 7);
    holder->value = Variant::FromString(text);
    EXPECT_EQ(Eval(u"holder.Value.length").lVal, 7);
    EXPECT_EQ(Eval(u"holder.Value.charCodeAt(5)").lVal, 0xD800);
    Variant back = Eval(u"holder.Value");
    ASSERT_EQ(back.vt, VT_BSTR);
    EXPECT_EQ(std::u16string_view(back.bstrVal, SysStringLen(back.bstrVal)), text);
    Variant built = Eval(u"String.fromCharCode(0xD83D, 0xDE00, 0xDC00)");
    EXPECT_EQ(tlx::Bstr(built.bstrVal).Str(), u"\U0001F600\xDC00");
}

TEST_F(ValuesTest, DatesUseTheOleEpochAndTheLocalCalendar) {
    holder->value = Variant::FromDate(45000.5);  // 2023-03-15 12:00
    EXPECT_EQ(EvalText(u"[holder.Value.getFullYear(), holder.Value.getMonth() + 1, holder.Value.getDate(), "
                       u"holder.Value.getHours()].join('-')"),
              "2023-3-15-12");
    holder->value = Variant::FromDate(-1.25);  // 1899-12-29 06:00
    EXPECT_EQ(EvalText(u"[holder.Value.getFullYear(), holder.Value.getDate(), holder.Value.getHours()].join('-')"),
              "1899-29-6");
    Variant back = Eval(u"holder.Value");
    ASSERT_EQ(back.vt, VT_DATE);
    EXPECT_DOUBLE_EQ(back.date, -1.25);

    Variant made = Eval(u"new Date(2024, 0, 31, 13, 45, 30, 600)");  // rounds to the second
    ASSERT_EQ(made.vt, VT_DATE);
    EXPECT_NEAR(made.date, 45322.0 + (13 * 3600 + 45 * 60 + 31) / 86400.0, 1e-9);
    EXPECT_EQ(Eval(u"new Date(NaN)").vt, VT_NULL);
}

TEST_F(ValuesTest, WrittenValuesArriveAsVariants) {
    Eval(u"holder.Value = 5");
    EXPECT_EQ(holder->value.vt, VT_I4);
    Eval(u"holder.Value = 0.25");
    EXPECT_EQ(holder->value.vt, VT_R8);
    Eval(u"holder.Value = 'tekst'");
    EXPECT_EQ(tlx::Bstr(holder->value.bstrVal).Str(), u"tekst");
    Eval(u"holder.Value = new Date(1900, 0, 1)");
    ASSERT_EQ(holder->value.vt, VT_DATE);
    EXPECT_DOUBLE_EQ(holder->value.date, 2.0);
    Eval(u"holder.Value = holder.Child");
    EXPECT_EQ(holder->value.vt, VT_DISPATCH);
    Eval(u"holder.Value = null");
    EXPECT_EQ(holder->value.vt, VT_NULL);
}

TEST_F(ValuesTest, ScriptObjectsDoNotLeaveTheScript) {
    Variant result;
    EXPECT_EQ(Run(u"({ a: 1 })", result), DISP_E_TYPEMISMATCH);
    TakeError();
    EXPECT_EQ(Run(u"holder.Value = [1, 2]", result), DISP_E_TYPEMISMATCH);
    TakeError();
}
