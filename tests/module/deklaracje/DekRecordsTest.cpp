// The records of a declaration's child rows on a real company database: stored values by value kind,
// their "onupdate" calls and required check, pages and printout lines, and the parent link check.
#include <gtest/gtest.h>

#include "DeclarationFixture.h"
#include "StandInDeclaration.h"
#include "hostapi/Errors.h"
#include "platform/text/CodePage.h"

namespace tlx::test {
namespace {

class StoredValueTest : public DeclarationTest {
protected:
    void SetUp() override {
        DeclarationTest::SetUp();
        declaration_ = CStandInDeclaration::Make();
        declaration_->AddField(1, {u"Kwota", detCurrency, u"Kwota podatku"});
        declaration_->AddField(2, {u"Ulamek", detFraction, u"Udział"});
        declaration_->AddField(3, {u"Nazwa", detText, u"Nazwa podatnika"});
        declaration_->AddField(4, {u"DataZlozenia", detDate, u"Data złożenia"});
        declaration_->AddField(5, {u"Liczba", detInteger, u"Liczba załączników"});
        declaration_->AddField(6, {u"Wymagana", detCurrency, u"Kwota wymagana", 1});
        elements_ = ChildCollection(u"select * from TLX.deklelem where dke_dknid=7", u"TLXDeklaracje.DekElement",
                                    u"Dke_DkeId", declaration_.Get());
        ASSERT_EQ(elements_.As<ICollectionSetup>()->SetParentLink(7, Bstr(u"Dke_DknId").Get()), S_OK);
    }

    ComPtr<IDekElement> NewElement(LONG number) {
        ComPtr<IDispatch> item;
        EXPECT_EQ(elements_->AddNew(Variant::Missing(), item.Out()), S_OK);
        auto element = item.As<IDekElement>();
        EXPECT_EQ(element->put_Numer(number), S_OK) << Utf16ToUtf8(LastError());
        return element;
    }
    static Variant Value(IDekElement* element) {
        Variant value;
        EXPECT_EQ(element->get_Wartosc(value.Out()), S_OK);
        return value;
    }
    static LONG Empty(IDekElement* element) {
        LONG empty = -1;
        EXPECT_EQ(element->get_Pusty(&empty), S_OK);
        return empty;
    }
    static double Column(IDekElement* element, HRESULT (IDekElement::*getter)(CY*)) {
        CY value{};
        EXPECT_EQ((element->*getter)(&value), S_OK);
        return static_cast<double>(value.int64) / 10000.0;
    }

    ComPtr<CStandInDeclaration> declaration_;
    ComPtr<ICollection> elements_;
};

TEST_F(StoredValueTest, MoneyIsKeptInWartoscLAndZeroIsEmpty) {
    auto element = NewElement(1);
    Bstr description;
    element->get_Opis(description.Out());
    EXPECT_EQ(description.View(), u"Kwota podatku") << "put Numer copies the definition's description";
    ASSERT_EQ(element->put_Wartosc(Variant::FromDouble(12.5)), S_OK);
    Variant value = Value(element.Get());
    ASSERT_EQ(value.vt, VT_CY);
    EXPECT_EQ(value.cyVal.int64, 125000);
    EXPECT_EQ(Empty(element.Get()), 0);
    EXPECT_EQ(Column(element.Get(), &IDekElement::get_WartoscM), 1.0);
    ASSERT_EQ(element->put_Wartosc(Variant::FromLong(0)), S_OK);
    EXPECT_EQ(Empty(element.Get()), 1) << "a row exists, but the value is empty";
    ASSERT_EQ(element->put_Wartosc(Variant::FromString(u"1234,5678")), S_OK);
    ASSERT_EQ(SaveCollection(elements_.Get()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(u"select DkE_WartoscL from TLX.DeklElem where DkE_Numer=1"), u"1234,5678")
        << "four decimals reach the database";
    EXPECT_EQ(Scalar(u"select DkE_DkNID from TLX.DeklElem where DkE_Numer=1"), u"7");
}

TEST_F(StoredValueTest, DatesAreDayNumbersFrom1800) {
    auto element = NewElement(4);
    ASSERT_EQ(element->put_Wartosc(Variant::FromDate(42724)), S_OK);  // 2016-12-20
    EXPECT_EQ(Column(element.Get(), &IDekElement::get_WartoscL), 78885.0);
    Variant value = Value(element.Get());
    ASSERT_EQ(value.vt, VT_DATE);
    EXPECT_EQ(value.date, 42724.0);
    ASSERT_EQ(element->put_Wartosc(Variant::FromDate(0)), S_OK);
    EXPECT_EQ(Column(element.Get(), &IDekElement::get_WartoscL), 0.0) << "the empty date is stored as 0";
    value = Value(element.Get());
    EXPECT_EQ(value.vt, VT_DATE);
    EXPECT_EQ(value.date, 0.0);
    EXPECT_EQ(Empty(element.Get()), 1);
}

TEST_F(StoredValueTest, IntegersFractionsAndTexts) {
    auto number = NewElement(5);
    ASSERT_EQ(number->put_Wartosc(Variant::FromDouble(2.7)), S_OK);
    Variant value = Value(number.Get());
    ASSERT_EQ(value.vt, VT_I4);
    EXPECT_EQ(value.lVal, 2) << "the fraction is kept but cut off when read";

    auto fraction = NewElement(2);
    ASSERT_EQ(fraction->put_Wartosc(Variant::FromString(u"3/4")), S_OK);
    EXPECT_EQ(Column(fraction.Get(), &IDekElement::get_WartoscL), 3.0);
    EXPECT_EQ(Column(fraction.Get(), &IDekElement::get_WartoscM), 4.0);
    value = Value(fraction.Get());
    ASSERT_EQ(value.vt, VT_BSTR);
    EXPECT_EQ(std::u16string_view(value.bstrVal), u"3/4");
    ASSERT_EQ(fraction->put_Wartosc(Variant::FromString(u"5")), S_OK);
    EXPECT_EQ(Column(fraction.Get(), &IDekElement::get_WartoscL), 5.0);
    EXPECT_EQ(Column(fraction.Get(), &IDekElement::get_WartoscM), 1.0);

    auto text = NewElement(3);
    ASSERT_EQ(text->put_Wartosc(Variant::FromString(u"Zakład \"Łąka\" sp. z o.o.")), S_OK);
    value = Value(text.Get());
    EXPECT_EQ(std::u16string_view(value.bstrVal), u"Zakład \"Łąka\" sp. z o.o.");
    EXPECT_EQ(Empty(text.Get()), 0);
    ASSERT_EQ(text->put_Wartosc(Variant::FromString(u"")), S_OK);
    EXPECT_EQ(Empty(text.Get()), 1);
}

TEST_F(StoredValueTest, EveryWriteRunsOnUpdateOnceAndAFailedConversionWritesNothing) {
    auto element = NewElement(1);
    element->put_Wartosc(Variant::FromDouble(5));
    element->put_Wartosc(Variant::FromDouble(5));
    EXPECT_EQ(declaration_->updates[1], 2) << "also when the value did not change";
    EXPECT_EQ(element->put_Wartosc(Variant::FromString(u"nie liczba")), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(declaration_->updates[1], 2);
    EXPECT_EQ(Column(element.Get(), &IDekElement::get_WartoscL), 5.0);
}

TEST_F(StoredValueTest, RequiredEmptyValueFailsTheCheckAndTheSave) {
    auto element = NewElement(6);
    EXPECT_EQ(element->Verify(), E_FAIL);
    EXPECT_EQ(LastError(), u"Pole \"Wymagana\" musi być wypełnione.");
    EXPECT_EQ(SaveCollection(elements_.Get()), E_FAIL);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem"), u"0") << "nothing is saved";
    element->put_Wartosc(Variant::FromDouble(1));
    EXPECT_EQ(element->Verify(), S_OK);
    EXPECT_EQ(SaveCollection(elements_.Get()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem"), u"1");
}

TEST_F(StoredValueTest, ARenumberedElementAnswersTheFieldOfItsNewNumber) {
    auto element = NewElement(1);
    Bstr name;
    ASSERT_EQ(element->get_Nazwa(name.Out()), S_OK);
    EXPECT_EQ(name.View(), u"Kwota");
    ASSERT_EQ(element->put_Numer(3), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(element->get_Nazwa(name.Out()), S_OK);
    EXPECT_EQ(name.View(), u"Nazwa");
    Bstr description;
    element->get_Opis(description.Out());
    EXPECT_EQ(description.View(), u"Nazwa podatnika");
    ASSERT_EQ(element->put_Wartosc(Variant::FromString(u"Firma")), S_OK);
    EXPECT_EQ(declaration_->updates[3], 1) << "the write runs the new field's onupdate";
    Variant value = Value(element.Get());
    ASSERT_EQ(value.vt, VT_BSTR) << "kept as the new field's kind, a text";
    EXPECT_EQ(std::u16string_view(value.bstrVal), u"Firma");
}

TEST_F(StoredValueTest, UnknownNumberOrNoParent) {
    auto element = NewElement(1);
    EXPECT_EQ(element->put_Numer(99), DISP_E_MEMBERNOTFOUND);
    LONG number = 0;
    element->get_Numer(&number);
    EXPECT_EQ(number, 99) << "the number is written before the definition is looked up";

    auto orphan = Create(u"TLXDeklaracje.DekElement").As<IDekElement>();
    ASSERT_TRUE(orphan);
    Variant value;
    EXPECT_EQ(orphan->get_Wartosc(value.Out()), E_POINTER);
    Bstr name;
    EXPECT_EQ(orphan->get_Nazwa(name.Out()), E_POINTER);
}

class ChildRowsTest : public DeclarationTest {};

TEST_F(ChildRowsTest, PagesAndPrintoutLinesKeepTheirColumns) {
    auto parent = CStandInDeclaration::Make();
    auto pages = ChildCollection(u"select * from TLX.deklstr where dks_dknid=3 order by dks_lp",
                                 u"TLXDeklaracje.DekStrona", u"Dks_DksId", parent.Get());
    pages.As<ICollectionSetup>()->SetParentLink(3, Bstr(u"Dks_DknId").Get());
    for (LONG lp : {2, 1}) {
        ComPtr<IDispatch> item;
        ASSERT_EQ(pages->AddNew(Variant::Missing(), item.Out()), S_OK);
        auto page = item.As<IDekStrona>();
        Bstr text;
        EXPECT_EQ(page->get_Tekst(text.Out()), S_OK);
        EXPECT_EQ(text.View(), u"") << "NULL reads as the empty text";
        page->put_Lp(lp);
        page->put_Tekst(Bstr(lp == 1 ? u"pierwsza\r\nlinia" : u"druga").Get());
    }
    auto lines = ChildCollection(u"select * from TLX.deklwydr where dkw_dknid=3", u"TLXDeklaracje.DekWydruk",
                                 u"Dkw_DkwId", parent.Get());
    lines.As<ICollectionSetup>()->SetParentLink(3, Bstr(u"Dkw_DknId").Get());
    ComPtr<IDispatch> item;
    ASSERT_EQ(lines->AddNew(Variant::Missing(), item.Out()), S_OK);
    auto line = item.As<IDekWydruk>();
    line->put_Rubryka(45);
    line->put_SubRubryka(2);
    line->put_Wartosc(Bstr(std::u16string(300, u'9')).Get());
    line->put_Opis(nullptr);
    ASSERT_EQ(SaveCollection(pages.Get()), S_OK) << Utf16ToUtf8(LastError());
    ASSERT_EQ(SaveCollection(lines.Get()), S_OK) << Utf16ToUtf8(LastError());

    EXPECT_EQ(Scalar(u"select group_concat(DkS_Lp) from (select DkS_Lp from TLX.DeklStr where DkS_DkNID=3 "
                     u"order by DkS_Lp)"),
              u"1,2");
    EXPECT_EQ(Scalar(u"select DkS_Tekst from TLX.DeklStr where DkS_Lp=1"), u"pierwsza\r\nlinia");
    EXPECT_EQ(Scalar(u"select length(DkW_Wartosc) from TLX.DeklWydr"), u"255") << "cut to the column's size";
    EXPECT_EQ(Scalar(u"select DkW_Opis from TLX.DeklWydr"), u"") << "a null text is stored as the empty text";
    EXPECT_EQ(Scalar(u"select DkW_Rubryka || '.' || DkW_SubRubryka from TLX.DeklWydr"), u"45.2");
}

// A new row whose link to its declaration is 0 or empty is refused as linked to no declaration.
TEST_F(ChildRowsTest, ANewRowWithoutItsDeclarationIsRefused) {
    for (const Variant& none : {Variant::FromLong(0), Variant::Null()}) {
        SCOPED_TRACE(none.vt == VT_NULL ? "empty" : "0");
        auto lines = ChildCollection(u"select * from TLX.deklwydr where dkw_dknid=0", u"TLXDeklaracje.DekWydruk",
                                     u"Dkw_DkwId", nullptr);
        ComPtr<IDispatch> item;
        ASSERT_EQ(lines->AddNew(Variant::Missing(), item.Out()), S_OK);
        item.As<IDekWydruk>()->put_Rubryka(1);
        item.As<IDekWydruk>()->put_SubRubryka(0);
        ComPtr<Recordset> rows;
        ASSERT_EQ(item.As<IInitializeRS>()->GetRecordset(rows.Out()), S_OK);
        ComPtr<Fields> fields;
        rows->get_Fields(fields.Out());
        ComPtr<Field> link;
        fields->get_Item(Variant::FromString(u"Dkw_DknId"), link.Out());
        link->put_Value(none);
        EXPECT_EQ(SaveCollection(lines.Get()), HOST_E_ZEROLINK);
        EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklWydr"), u"0");
    }
}

}  // namespace
}  // namespace tlx::test
