// What a declaration refuses to store: numbers that its columns cannot hold (not a number, infinities,
// beyond the range of the field's kind), rounding beyond the range of an amount, a year that does not
// make a period.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "DeclarationFixture.h"
#include "platform/com/VariantConversion.h"

namespace tlx::test {
namespace {

std::u16string Text(const VARIANT& value) {
    Variant text;
    if (FAILED(VariantChangeType(&text, &value, 0, VT_BSTR))) return u"(?)";
    return std::u16string(text.bstrVal, SysStringLen(text.bstrVal));
}

class DeklaracjaLimitsTest : public DeclarationTest {
protected:
    void SetUp() override {
        DeclarationTest::SetUp();
        UseTestForms();
        declarations_ = Declarations();
    }
    ComPtr<IDeklaracja2> NewDeclaration(LONG type, LONG year, LONG month) {
        ComPtr<IDispatch> item;
        EXPECT_EQ(declarations_->AddNew(Variant::Missing(), item.Out()), S_OK) << Utf16ToUtf8(LastError());
        auto declaration = item.As<IDeklaracja2>();
        EXPECT_EQ(declaration->put_TypDeklar(type), S_OK);
        EXPECT_EQ(declaration->put_Wersja(1), S_OK);
        EXPECT_EQ(declaration->put_Rok(year), S_OK);
        EXPECT_EQ(declaration->put_Miesiac(month), S_OK) << Utf16ToUtf8(LastError());
        return declaration;
    }

    ComPtr<ICollection> declarations_;
};

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

TEST_F(DeklaracjaLimitsTest, NumbersAFieldCannotHoldAreRefusedNamingTheField) {
    auto declaration = NewDeclaration(900, 2016, 1);
    Put(declaration.Get(), u"DoZaplaty", Variant::FromDouble(1));
    Put(declaration.Get(), u"Liczba", Variant::FromLong(5));
    Put(declaration.Get(), u"Sprzedaz", Variant::FromDouble(12.5));
    Put(declaration.Get(), u"Udzial", Variant::FromString(u"1/4"));
    struct Case {
        const char16_t* field;
        Variant value;
    };
    const Case cases[] = {
        {u"Liczba", Variant::FromDouble(kNaN)},
        {u"Liczba", Variant::FromDouble(kInfinity)},
        {u"Liczba", Variant::FromDouble(-kInfinity)},
        {u"Liczba", Variant::FromDouble(1e300)},
        {u"Liczba", Variant::FromDouble(2147483648.0)},
        {u"Liczba", Variant::FromDouble(-2147483649.0)},
        {u"Liczba", Variant::FromString(u"1e300")},
        {u"Sprzedaz", Variant::FromDouble(kNaN)},
        {u"Sprzedaz", Variant::FromDouble(kInfinity)},
        {u"Sprzedaz", Variant::FromDouble(1e300)},
        {u"Sprzedaz", Variant::FromDouble(1e15)},
        {u"Sprzedaz", Variant::FromString(u"99999999999999999999")},
        {u"Udzial", Variant::FromString(u"1e300/2")},
        {u"Udzial", Variant::FromDouble(kNaN)},
        {u"Udzial", Variant::FromDouble(1e300)},
        {u"DataZlozenia", Variant::FromDouble(kNaN)},
        {u"DataZlozenia", Variant::FromDouble(kInfinity)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Utf16ToUtf8(c.field) + " = " + Utf16ToUtf8(Text(c.value)));
        EXPECT_EQ(CallByName(declaration.Get(), c.field, DISPATCH_PROPERTYPUT, {c.value}), DISP_E_OVERFLOW);
        std::u16string why = LastError();
        EXPECT_NE(why.find(u"\"" + std::u16string(c.field) + u"\""), std::u16string::npos) << Utf16ToUtf8(why);
    }
    EXPECT_EQ(Text(Get(declaration.Get(), u"Liczba")), u"5") << "nothing of a refused value is kept";
    EXPECT_EQ(Text(Get(declaration.Get(), u"Sprzedaz")), u"12,5");
    EXPECT_EQ(Text(Get(declaration.Get(), u"Udzial")), u"1/4");
    EXPECT_EQ(Text(Get(declaration.Get(), u"DataZlozenia")), u"00:00:00");

    // The limits themselves are kept.
    Put(declaration.Get(), u"Liczba", Variant::FromDouble(-2147483648.0));
    EXPECT_EQ(Text(Get(declaration.Get(), u"Liczba")), u"-2147483648");
    Put(declaration.Get(), u"Liczba", Variant::FromDouble(2147483647.9));
    EXPECT_EQ(Text(Get(declaration.Get(), u"Liczba")), u"2147483647");
    Put(declaration.Get(), u"Sprzedaz", Variant::FromDouble(922337203685477.0));
    EXPECT_EQ(Text(Get(declaration.Get(), u"Sprzedaz")), u"922337203685477");
    ASSERT_EQ(SaveCollection(declarations_.Get()), S_OK) << Utf16ToUtf8(LastError());
    LONG id = 0;
    declaration->get_ID(&id);
    EXPECT_EQ(Scalar(u"select group_concat(DkE_WartoscL, ' ') from (select DkE_WartoscL from TLX.DeklElem where "
                     u"DkE_Numer in (1, 6) and DkE_DkNID = " + Utf8ToUtf16(std::to_string(id)) + u" order by DkE_Numer)"),
              u"922337203685477 2147483647.9");
}

TEST_F(DeklaracjaLimitsTest, RoundRefusesWhatNoAmountHolds) {
    auto declaration = NewDeclaration(900, 2016, 1);
    for (double refused : {kNaN, kInfinity, -kInfinity, 1e15, -1e15, 1e300}) {
        SCOPED_TRACE(refused);
        Variant result;
        EXPECT_EQ(declaration->round(Variant::FromDouble(refused), result.Out()), DISP_E_OVERFLOW);
        EXPECT_NE(LastError(), u"");
    }
    const std::pair<double, LONGLONG> kept[] = {{2.5, 3}, {-2.5, -3}, {2.4999, 2}, {922337203685476.4, 922337203685476}};
    for (const auto& [value, whole] : kept) {
        Variant result;
        ASSERT_EQ(declaration->round(Variant::FromDouble(value), result.Out()), S_OK) << value;
        EXPECT_EQ(result.vt, VT_CY);
        EXPECT_EQ(result.cyVal.int64, whole * 10000) << value;
    }
}

TEST_F(DeklaracjaLimitsTest, AYearThatMakesNoPeriodIsRefused) {
    auto declaration = NewDeclaration(900, 2016, 3);
    for (LONG year : {2147483647, -2147483647 - 1, 100000, -1, 0}) {
        SCOPED_TRACE(year);
        EXPECT_EQ(declaration->put_Rok(year), DISP_E_OVERFLOW);
        EXPECT_NE(LastError().find(u"Rok"), std::u16string::npos);
    }
    LONG year = 0, month = 0;
    declaration->get_Rok(&year);
    declaration->get_Miesiac(&month);
    EXPECT_EQ(year * 100 + month, 201603) << "the period is as it was";
    EXPECT_EQ(declaration->put_Rok(9999), S_OK);
    EXPECT_EQ(declaration->put_Rok(1), S_OK);
}

}  // namespace
}  // namespace tlx::test
