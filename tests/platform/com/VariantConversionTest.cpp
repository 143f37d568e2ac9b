#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/com/Locale.h"
#include "platform/com/VariantConversion.h"

namespace {

using V = tlx::Variant;

V Cy(LONGLONG count) { return V::FromCurrency(CY{count}); }
V I2(SHORT value) {
    V v;
    v.vt = VT_I2;
    v.iVal = value;
    return v;
}
V I8(LONGLONG value) {
    V v;
    v.vt = VT_I8;
    v.llVal = value;
    return v;
}

std::string Describe(const VARIANT& v) {
    std::string text = "vt=" + std::to_string(v.vt) + " ";
    switch (v.vt) {
        case VT_I2: return text + std::to_string(v.iVal);
        case VT_I4: return text + std::to_string(v.lVal);
        case VT_I8: return text + std::to_string(v.llVal);
        case VT_R8: return text + std::to_string(v.dblVal);
        case VT_DATE: return text + std::to_string(v.date);
        case VT_CY: return text + std::to_string(v.cyVal.int64);
        case VT_BOOL: return text + std::to_string(v.boolVal);
        case VT_BSTR: {
            std::string narrow;
            for (char16_t c : std::u16string_view(v.bstrVal ? v.bstrVal : u"")) narrow += c < 128 ? char(c) : '?';
            return text + "\"" + narrow + "\"";
        }
        default: return text;
    }
}

bool SameValue(const VARIANT& a, const VARIANT& b) {
    if (a.vt != b.vt) return false;
    switch (a.vt) {
        case VT_I2: return a.iVal == b.iVal;
        case VT_I4: return a.lVal == b.lVal;
        case VT_I8: return a.llVal == b.llVal;
        case VT_R8: return a.dblVal == b.dblVal;
        case VT_DATE: return a.date == b.date;
        case VT_CY: return a.cyVal.int64 == b.cyVal.int64;
        case VT_BOOL: return a.boolVal == b.boolVal;
        case VT_BSTR: return std::u16string_view(a.bstrVal) == std::u16string_view(b.bstrVal);
        default: return true;
    }
}

struct Row {
    V source;
    VARTYPE vt;
    LCID lcid;
    HRESULT hr;
    V expected;
    USHORT flags = 0;
};

void Walk(const std::vector<Row>& rows) {
    for (size_t i = 0; i < rows.size(); ++i) {
        const Row& row = rows[i];
        V result;
        HRESULT hr = VariantChangeTypeEx(&result, &row.source, row.lcid, row.flags, row.vt);
        SCOPED_TRACE("row " + std::to_string(i) + ": " + Describe(row.source) + " to vt " + std::to_string(row.vt));
        EXPECT_EQ(hr, row.hr);
        if (SUCCEEDED(row.hr) && SUCCEEDED(hr)) {
            EXPECT_TRUE(SameValue(result, row.expected)) << "got " << Describe(result) << ", expected "
                                                         << Describe(row.expected);
        }
    }
}

constexpr LCID PL = LANG_POLISH_POLAND;
constexpr LCID EN = LANG_ENGLISH_US;

TEST(VariantChangeType, TextToNumbersFollowsTheLocale) {
    Walk({
        {V::FromString(u"12,5"), VT_R8, PL, S_OK, V::FromDouble(12.5)},
        {V::FromString(u"12.5"), VT_R8, PL, DISP_E_TYPEMISMATCH, {}},
        {V::FromString(u"12.5"), VT_R8, EN, S_OK, V::FromDouble(12.5)},
        {V::FromString(u"12,5"), VT_R8, EN, S_OK, V::FromDouble(125)},
        {V::FromString(u" -1\u00A0234,75 "), VT_R8, PL, S_OK, V::FromDouble(-1234.75)},
        {V::FromString(u"1 234"), VT_I4, PL, S_OK, V::FromLong(1234)},
        {V::FromString(u"1,234.5"), VT_R8, EN, S_OK, V::FromDouble(1234.5)},
        {V::FromString(u"1,5E3"), VT_I4, PL, S_OK, V::FromLong(1500)},
        {V::FromString(u",5"), VT_R8, PL, S_OK, V::FromDouble(0.5)},
        {V::FromString(u"12"), VT_I4, PL, S_OK, V::FromLong(12)},
        {V::FromString(u"x"), VT_I4, PL, DISP_E_TYPEMISMATCH, {}},
        {V::FromString(u""), VT_I4, PL, DISP_E_TYPEMISMATCH, {}},
        {V::FromString(u"12x"), VT_R8, PL, DISP_E_TYPEMISMATCH, {}},
        {V::FromString(u"-"), VT_R8, PL, DISP_E_TYPEMISMATCH, {}},
        {V::FromString(u"1E"), VT_R8, PL, DISP_E_TYPEMISMATCH, {}},
        {V::FromString(u"3000000000"), VT_I4, PL, DISP_E_OVERFLOW, {}},
        {V::FromString(u"3000000000"), VT_I8, PL, S_OK, I8(3000000000)},
        {V::FromString(u"99999999999999999999"), VT_I8, PL, DISP_E_OVERFLOW, {}},
        {V::FromString(u"1E400"), VT_R8, PL, DISP_E_OVERFLOW, {}},
        {V::FromString(u"32768"), VT_I2, PL, DISP_E_OVERFLOW, {}},
        {V::FromString(u"2,5"), VT_I4, PL, S_OK, V::FromLong(2)},
        {V::FromString(u"3,5"), VT_I4, PL, S_OK, V::FromLong(4)},
        {V::FromString(u"2,5000001"), VT_I4, PL, S_OK, V::FromLong(3)},
        {V::FromString(u"12,50 zł"), VT_CY, PL, S_OK, Cy(125000)},
        {V::FromString(u"-$1,234.5"), VT_R8, EN, S_OK, V::FromDouble(-1234.5)},
        {V::FromString(u"(7)"), VT_I4, PL, S_OK, V::FromLong(-7)},
        {V::FromString(u"7-"), VT_I4, PL, S_OK, V::FromLong(-7)},
        {V::FromString(u"-7-"), VT_I4, PL, DISP_E_TYPEMISMATCH, {}},
        {V::FromString(u"zł"), VT_I4, PL, DISP_E_TYPEMISMATCH, {}},
    });
}

TEST(VariantChangeType, IntegersAndCurrencyRoundHalfToEven) {
    Walk({
        {V::FromDouble(2.5), VT_I4, PL, S_OK, V::FromLong(2)},
        {V::FromDouble(3.5), VT_I4, PL, S_OK, V::FromLong(4)},
        {V::FromDouble(-2.5), VT_I4, PL, S_OK, V::FromLong(-2)},
        {V::FromDouble(-2.6), VT_I4, PL, S_OK, V::FromLong(-3)},
        {V::FromDouble(32767.5), VT_I2, PL, DISP_E_OVERFLOW, {}},
        {V::FromDouble(-32768.4), VT_I2, PL, S_OK, I2(-32768)},
        {V::FromDouble(2147483647.4), VT_I4, PL, S_OK, V::FromLong(2147483647)},
        {V::FromDouble(2147483647.5), VT_I4, PL, DISP_E_OVERFLOW, {}},
        {V::FromDouble(1e300), VT_I8, PL, DISP_E_OVERFLOW, {}},
        {I8(40000), VT_I2, PL, DISP_E_OVERFLOW, {}},
        {Cy(25000), VT_I4, PL, S_OK, V::FromLong(2)},
        {Cy(35000), VT_I4, PL, S_OK, V::FromLong(4)},
        {Cy(-25001), VT_I4, PL, S_OK, V::FromLong(-3)},
        {Cy(-15000), VT_I2, PL, S_OK, I2(-2)},
        // Currency keeps four places: the fifth rounds half to even.
        {V::FromString(u"1,23455"), VT_CY, PL, S_OK, Cy(12346)},
        {V::FromString(u"1,23445"), VT_CY, PL, S_OK, Cy(12344)},
        {V::FromString(u"-1,234450001"), VT_CY, PL, S_OK, Cy(-12345)},
        {V::FromString(u"2100,11"), VT_CY, PL, S_OK, Cy(21001100)},
        {V::FromDouble(0.00015), VT_CY, PL, S_OK, Cy(2)},
        {V::FromDouble(0.00025), VT_CY, PL, S_OK, Cy(2)},
        {V::FromDouble(-0.00035), VT_CY, PL, S_OK, Cy(-4)},
        {V::FromDouble(2.675), VT_CY, PL, S_OK, Cy(26750)},
        {V::FromDouble(12.5), VT_CY, PL, S_OK, Cy(125000)},
        {V::FromDouble(1e300), VT_CY, PL, DISP_E_OVERFLOW, {}},
        {I8(1000000000000000000), VT_CY, PL, DISP_E_OVERFLOW, {}},
        {V::FromLong(-7), VT_CY, PL, S_OK, Cy(-70000)},
        {Cy(125000), VT_R8, PL, S_OK, V::FromDouble(12.5)},
        {V::FromBool(true), VT_CY, PL, S_OK, Cy(-10000)},
    });
}

TEST(VariantChangeType, NumbersToTextUnderBothLocales) {
    Walk({
        {V::FromDouble(12.5), VT_BSTR, PL, S_OK, V::FromString(u"12,5")},
        {V::FromDouble(12.5), VT_BSTR, EN, S_OK, V::FromString(u"12.5")},
        {V::FromDouble(0.1 + 0.2), VT_BSTR, PL, S_OK, V::FromString(u"0,3")},
        {V::FromDouble(-1234567.125), VT_BSTR, PL, S_OK, V::FromString(u"-1234567,125")},
        {V::FromDouble(1e20), VT_BSTR, PL, S_OK, V::FromString(u"1E+20")},
        {V::FromDouble(1.5e-7), VT_BSTR, PL, S_OK, V::FromString(u"1,5E-07")},
        {V::FromDouble(100), VT_BSTR, PL, S_OK, V::FromString(u"100")},
        {V::FromDouble(-999999999999999.0), VT_BSTR, PL, S_OK, V::FromString(u"-999999999999999")},
        {V::FromDouble(1e15), VT_BSTR, PL, S_OK, V::FromString(u"1E+15")},
        {V::FromDouble(123456789012345.5), VT_BSTR, PL, S_OK, V::FromString(u"123456789012346")},
        {Cy(125000), VT_BSTR, PL, S_OK, V::FromString(u"12,5")},
        {Cy(125000), VT_BSTR, EN, S_OK, V::FromString(u"12.5")},
        {Cy(-1), VT_BSTR, PL, S_OK, V::FromString(u"-0,0001")},
        {Cy(1000000), VT_BSTR, PL, S_OK, V::FromString(u"100")},
        {V::FromLong(-42), VT_BSTR, PL, S_OK, V::FromString(u"-42")},
        {I8(-9223372036854775807LL - 1), VT_BSTR, PL, S_OK, V::FromString(u"-9223372036854775808")},
    });
}

TEST(VariantChangeType, Booleans) {
    Walk({
        {V::FromString(u"true"), VT_BOOL, PL, S_OK, V::FromBool(true)},
        {V::FromString(u"TrUe"), VT_BOOL, PL, S_OK, V::FromBool(true)},
        {V::FromString(u"FALSE"), VT_BOOL, EN, S_OK, V::FromBool(false)},
        {V::FromString(u"Prawda"), VT_BOOL, PL, S_OK, V::FromBool(true)},
        {V::FromString(u"0"), VT_BOOL, PL, S_OK, V::FromBool(false)},
        {V::FromString(u"-1"), VT_BOOL, PL, S_OK, V::FromBool(true)},
        {V::FromString(u"0,5"), VT_BOOL, PL, S_OK, V::FromBool(true)},
        {V::FromString(u"tak"), VT_BOOL, PL, DISP_E_TYPEMISMATCH, {}},
        {V::FromLong(5), VT_BOOL, PL, S_OK, V::FromBool(true)},
        {V::FromDouble(0.0), VT_BOOL, PL, S_OK, V::FromBool(false)},
        {V::FromBool(true), VT_I4, PL, S_OK, V::FromLong(-1)},
        {V::FromBool(true), VT_BSTR, PL, S_OK, V::FromString(u"-1")},
        {V::FromBool(false), VT_BSTR, PL, S_OK, V::FromString(u"0")},
        {V::FromBool(true), VT_BSTR, PL, S_OK, V::FromString(u"True"), VARIANT_ALPHABOOL},
        {V::FromBool(false), VT_BSTR, PL, S_OK, V::FromString(u"Fałsz"), VARIANT_LOCALBOOL},
    });
}

TEST(VariantChangeType, DatesAndTextUnderBothLocales) {
    Walk({
        {V::FromString(u"30.12.1899"), VT_DATE, PL, S_OK, V::FromDate(0)},
        {V::FromString(u"01.01.1900"), VT_DATE, PL, S_OK, V::FromDate(2)},
        {V::FromString(u"1/1/1900"), VT_DATE, EN, S_OK, V::FromDate(2)},
        {V::FromString(u"31.12.2100"), VT_DATE, PL, S_OK, V::FromDate(73415)},
        {V::FromString(u"12/31/2100"), VT_DATE, EN, S_OK, V::FromDate(73415)},
        {V::FromString(u"01.01.1800"), VT_DATE, PL, S_OK, V::FromDate(-36522)},
        {V::FromString(u"29.12.1899 06:00:00"), VT_DATE, PL, S_OK, V::FromDate(-1.25)},
        {V::FromString(u"2024-03-05"), VT_DATE, PL, S_OK, V::FromDate(45356)},
        {V::FromString(u"2024-03-05 18:00"), VT_DATE, EN, S_OK, V::FromDate(45356.75)},
        {V::FromString(u"3/5/2024 6:00:00 PM"), VT_DATE, EN, S_OK, V::FromDate(45356.75)},
        {V::FromString(u"5.3.24"), VT_DATE, PL, S_OK, V::FromDate(45356)},
        {V::FromString(u"12:00"), VT_DATE, PL, S_OK, V::FromDate(0.5)},
        {V::FromString(u"31.02.2024"), VT_DATE, PL, DISP_E_TYPEMISMATCH, {}},
        {V::FromString(u"05.03.2024 25:00"), VT_DATE, PL, DISP_E_TYPEMISMATCH, {}},
        {V::FromString(u"wczoraj"), VT_DATE, PL, DISP_E_TYPEMISMATCH, {}},
        {V::FromDate(45356), VT_BSTR, PL, S_OK, V::FromString(u"05.03.2024")},
        {V::FromDate(45356), VT_BSTR, EN, S_OK, V::FromString(u"3/5/2024")},
        {V::FromDate(45356.75), VT_BSTR, PL, S_OK, V::FromString(u"05.03.2024 18:00:00")},
        {V::FromDate(45356.75), VT_BSTR, EN, S_OK, V::FromString(u"3/5/2024 6:00:00 PM")},
        {V::FromDate(-36522), VT_BSTR, PL, S_OK, V::FromString(u"01.01.1800")},
        {V::FromDate(-1.25), VT_BSTR, PL, S_OK, V::FromString(u"29.12.1899 06:00:00")},
        {V::FromDate(0.25), VT_BSTR, PL, S_OK, V::FromString(u"06:00:00")},
        {V::FromDate(0), VT_BSTR, EN, S_OK, V::FromString(u"12:00:00 AM")},
        {V::FromDate(45356.75), VT_R8, PL, S_OK, V::FromDouble(45356.75)},
        {V::FromDate(45356.75), VT_I4, PL, S_OK, V::FromLong(45357)},
        {V::FromLong(45356), VT_DATE, PL, S_OK, V::FromDate(45356)},
        {V::FromDouble(3e6), VT_DATE, PL, DISP_E_OVERFLOW, {}},
        {V::FromDouble(-700000), VT_DATE, PL, DISP_E_OVERFLOW, {}},
    });
}

TEST(VariantChangeType, EmptyNullAndObjects) {
    Walk({
        {V(), VT_I4, PL, S_OK, V::FromLong(0)},
        {V(), VT_BSTR, PL, S_OK, V::FromString(u"")},
        {V(), VT_BOOL, PL, S_OK, V::FromBool(false)},
        {V::Null(), VT_I4, PL, DISP_E_TYPEMISMATCH, {}},
        {V::Null(), VT_BSTR, PL, DISP_E_TYPEMISMATCH, {}},
        {V::Null(), VT_NULL, PL, S_OK, V::Null()},
        {V::FromLong(1), VT_NULL, PL, DISP_E_TYPEMISMATCH, {}},
        {V::FromLong(7), VT_EMPTY, PL, S_OK, V()},
        {V::Missing(), VT_I4, PL, DISP_E_TYPEMISMATCH, {}},
        {V::FromString(u"x"), VT_DISPATCH, PL, DISP_E_TYPEMISMATCH, {}},
        {V::FromLong(1), VT_R4, PL, DISP_E_BADVARTYPE, {}},
    });
}

TEST(VariantChangeType, WorksInPlaceFollowsReferencesAndKeepsTheTargetOnFailure) {
    V value = V::FromString(u"41");
    ASSERT_EQ(VariantChangeType(&value, &value, 0, VT_I4), S_OK);
    EXPECT_EQ(value.vt, VT_I4);
    EXPECT_EQ(value.lVal, 41);

    double number = 2.5;
    V reference;
    reference.vt = VT_R8 | VT_BYREF;
    reference.pdblVal = &number;
    V text;
    ASSERT_EQ(VariantChangeTypeEx(&text, &reference, EN, 0, VT_BSTR), S_OK);
    EXPECT_EQ(std::u16string_view(text.bstrVal), u"2.5");

    V kept = V::FromString(u"zostaje");
    V bad = V::FromString(u"abc");
    EXPECT_EQ(VariantChangeType(&kept, &bad, 0, VT_R8), DISP_E_TYPEMISMATCH);
    ASSERT_EQ(kept.vt, VT_BSTR);
    EXPECT_EQ(std::u16string_view(kept.bstrVal), u"zostaje");

    EXPECT_EQ(VariantChangeTypeEx(&kept, &bad, 0x0407, 0, VT_R8), E_INVALIDARG) << "German is not known";
}

TEST(VariantChangeType, FollowsTheUserLocale) {
    V text = V::FromString(u"12,5");
    V number;
    {
        tlx::ScopedUserLocale english(EN);
        EXPECT_EQ(GetUserDefaultLCID(), EN);
        ASSERT_EQ(VariantChangeType(&number, &text, 0, VT_R8), S_OK);
        EXPECT_EQ(number.dblVal, 125.0);
    }
    EXPECT_EQ(GetUserDefaultLCID(), PL) << "Polish is the default";
    ASSERT_EQ(VariantChangeType(&number, &text, 0, VT_R8), S_OK);
    EXPECT_EQ(number.dblVal, 12.5);
}

}  // namespace
