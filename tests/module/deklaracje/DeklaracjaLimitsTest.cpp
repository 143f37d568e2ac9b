// What a declaration refuses to store: numbers that its columns cannot hold (not a number, infinities,
// beyond the range of the field's kind), rounding beyond the range of an amount, a year or a month that
// does not make a period; and the VAT-7's period boxes, which follow the period whatever the order of
// the puts.
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

// --- The period of a VAT-7 -------------------------------------------------------------------------

class Vat7PeriodTest : public DeclarationTest {
protected:
    void SetUp() override {
        DeclarationTest::SetUp();
        declarations_ = Declarations();
    }
    // A new VAT-7 with its header filled; the period is put in the order asked.
    ComPtr<IDeklaracja2> NewVat7(LONG year, LONG month, bool yearFirst) {
        ComPtr<IDispatch> item;
        EXPECT_EQ(declarations_->AddNew(Variant::Missing(), item.Out()), S_OK) << Utf16ToUtf8(LastError());
        auto declaration = item.As<IDeklaracja2>();
        EXPECT_EQ(declaration->put_TypDeklar(1), S_OK);
        EXPECT_EQ(declaration->put_Wersja(17), S_OK);
        if (yearFirst) {
            EXPECT_EQ(declaration->put_Rok(year), S_OK) << Utf16ToUtf8(LastError());
            EXPECT_EQ(declaration->put_Miesiac(month), S_OK) << Utf16ToUtf8(LastError());
        } else {
            EXPECT_EQ(declaration->put_Miesiac(month), S_OK) << Utf16ToUtf8(LastError());
            EXPECT_EQ(declaration->put_Rok(year), S_OK) << Utf16ToUtf8(LastError());
        }
        Put(declaration.Get(), u"P_1", Variant::FromString(u"5260250274"));
        Put(declaration.Get(), u"P_6", Variant::FromString(u"Urząd Skarbowy Warszawa-Mokotów"));
        Put(declaration.Get(), u"P_8", Variant::FromLong(1));
        Put(declaration.Get(), u"P_9", Variant::FromString(u"Przykładowa Spółka z o.o."));
        return declaration;
    }
    static std::u16string Description(IDeklaracja2* declaration) {
        Bstr text;
        declaration->get_Opis(text.Out());
        return text.Str();
    }

    ComPtr<ICollection> declarations_;
};

TEST_F(Vat7PeriodTest, TheBoxesFollowThePeriodWhateverTheOrderOfThePuts) {
    for (bool yearFirst : {true, false}) {
        SCOPED_TRACE(yearFirst ? "year first" : "month first");
        declarations_ = Declarations();
        auto declaration = NewVat7(2024, 3, yearFirst);
        EXPECT_EQ(Text(Get(declaration.Get(), u"P_4")), u"3");
        EXPECT_EQ(Text(Get(declaration.Get(), u"P_5")), u"2024");
        EXPECT_EQ(Description(declaration.Get()), u"VAT-7 za 03/2024");
        // A later change of either part of the period moves the boxes along.
        ASSERT_EQ(declaration->put_Rok(2025), S_OK);
        ASSERT_EQ(declaration->put_Miesiac(4), S_OK);
        EXPECT_EQ(Text(Get(declaration.Get(), u"P_4")), u"4");
        EXPECT_EQ(Text(Get(declaration.Get(), u"P_5")), u"2025");
        ASSERT_EQ(declaration->Policz(), S_OK) << Utf16ToUtf8(LastError());
        ASSERT_EQ(SaveCollection(declarations_.Get()), S_OK) << Utf16ToUtf8(LastError());
        LONG id = 0;
        declaration->get_ID(&id);
        EXPECT_EQ(Scalar(u"select group_concat(DkW_Rubryka || '=' || DkW_Wartosc, ' ') from (select * from TLX.DeklWydr "
                         u"where DkW_Rubryka in (4, 5) and DkW_DkNID = " + Utf8ToUtf16(std::to_string(id)) +
                         u" order by DkW_Rubryka)"),
                  u"4=4 5=2025");
    }
}

TEST_F(Vat7PeriodTest, AMonthOutsideTheYearIsRefused) {
    auto declaration = NewVat7(2024, 3, true);
    for (LONG month : {13, 0, -1, 100, 2147483647}) {
        SCOPED_TRACE(month);
        EXPECT_EQ(declaration->put_Miesiac(month), DISP_E_OVERFLOW);
        EXPECT_NE(LastError().find(u"Miesiąc"), std::u16string::npos);
    }
    EXPECT_EQ(Description(declaration.Get()), u"VAT-7 za 03/2024") << "the period is as it was";
    EXPECT_EQ(declaration->put_Miesiac(12), S_OK);
    EXPECT_EQ(declaration->put_Miesiac(1), S_OK);
}

TEST_F(Vat7PeriodTest, AQuarterlyReturnGivesItsQuarterAndOnlyKnownKindsAreSaved) {
    auto declaration = NewVat7(2024, 5, false);
    Put(declaration.Get(), u"Okres", Variant::FromLong(2));
    EXPECT_EQ(Text(Get(declaration.Get(), u"P_4")), u"2") << "the quarter of May";
    EXPECT_EQ(Description(declaration.Get()), u"VAT-7K za 2 kwartał 2024");
    Put(declaration.Get(), u"P_4", Variant::FromLong(3));
    EXPECT_EQ(Text(Get(declaration.Get(), u"Miesiac")), u"9") << "the box sets the period";
    ASSERT_EQ(declaration->Policz(), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(declaration->Verify(), S_OK) << Utf16ToUtf8(LastError());

    for (auto [field, value] : {std::pair{u"Okres", 3}, std::pair{u"Okres", 0}, std::pair{u"VAT7D", 2},
                                std::pair{u"VAT7D", -1}}) {
        SCOPED_TRACE(Utf16ToUtf8(field) + " " + std::to_string(value));
        Put(declaration.Get(), field, Variant::FromLong(value));
        EXPECT_NE(declaration->Verify(), S_OK);
        EXPECT_NE(LastError().find(field), std::u16string::npos);
        EXPECT_NE(SaveCollection(declarations_.Get()), S_OK);
        LastError();
        Put(declaration.Get(), u"Okres", Variant::FromLong(2));
        Put(declaration.Get(), u"VAT7D", Variant::FromLong(0));
    }
    EXPECT_EQ(SaveCollection(declarations_.Get()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(u"select DkN_RokMiesiac from TLX.DeklNag"), u"202409");
}

}  // namespace
}  // namespace tlx::test
