// A collection of identifiers read by a query, whose items a table's collection serves: what a user sees
// (its items, count, order and keys), and that the rows behind its items are only those of its
// identifiers, whatever the size of the table.
#include <gtest/gtest.h>

#include "HostFixture.h"
#include "hostapi/Errors.h"
#include "platform/com/Enumerators.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace tlx::host::test {
namespace {

constexpr char16_t kQueryCollection[] = u"{583CEC01-041F-4007-B259-0ABC41B45B96}";

class QueryCollectionTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        const char16_t* symbols[] = {u"PLN", u"EUR", u"USD", u"CHF", u"GBP", u"CZK"};
        LONG id = 1;
        for (const char16_t* symbol : symbols)
            Execute(u"insert into TLX.Waluty (WNa_WNaID, WNa_Symbol) values (" + Number(id++) + u", '" + symbol + u"')");
    }

    static std::u16string Number(LONG n) { return Utf8ToUtf16(std::to_string(n)); }

    // The collection of the currencies that `sql` names, served by the currencies' table collection.
    ComPtr<ICollection> Query(std::u16string_view sql) {
        ComPtr<IDispatch> object = Create(kQueryCollection);
        ComPtr<IQueryCollectionSetup> setup = object.As<IQueryCollectionSetup>();
        EXPECT_EQ(setup->put_IdColumn(Bstr(u"WNa_WNaID").Get()), S_OK);
        EXPECT_EQ(setup->put_SQL(Bstr(sql).Get()), S_OK);
        EXPECT_EQ(setup->put_ItemSource(Variant::FromString(u"TLX.Waluty")), S_OK);
        return object.As<ICollection>();
    }

    static std::u16string Symbol(IDispatch* item) {
        Variant symbol = GetProperty(item, u"Symbol");
        return symbol.vt == VT_BSTR ? std::u16string(symbol.bstrVal, SysStringLen(symbol.bstrVal)) : u"?";
    }

    static std::vector<ComPtr<IDispatch>> Walk(ICollection* collection) {
        ComPtr<IUnknown> unknown;
        EXPECT_EQ(collection->get__NewEnum(unknown.Out()), S_OK);
        ComPtr<IEnumVARIANT> each = unknown.As<IEnumVARIANT>();
        std::vector<ComPtr<IDispatch>> items;
        for (Variant next; each && each->Next(1, next.Out(), nullptr) == S_OK;)
            items.emplace_back(next.pdispVal);
        return items;
    }

    static std::u16string Symbols(ICollection* collection) {
        std::u16string all;
        for (const ComPtr<IDispatch>& item : Walk(collection)) all += (all.empty() ? u"" : u" ") + Symbol(item.Get());
        return all;
    }

    // How many rows the recordset behind an item holds.
    static LONG RowsBehind(IDispatch* item) {
        ComPtr<Recordset> rows;
        EXPECT_EQ(ComPtr<IDispatch>(item).As<IInitializeRS>()->GetRecordset(rows.Out()), S_OK);
        LONG count = -1;
        if (rows) {
            EXPECT_EQ(rows->get_RecordCount(&count), S_OK);
        }
        return count;
    }

    static ComPtr<IDispatch> Item(ICollection* collection, const VARIANT& key) {
        ComPtr<IDispatch> item;
        EXPECT_EQ(collection->Item(key, item.Out()), S_OK);
        return item;
    }
};

TEST_F(QueryCollectionTest, ItemsCountOrderAndKeysFollowTheQuery) {
    ComPtr<ICollection> foreign =
        Query(u"select WNa_WNaID from TLX.Waluty where WNa_Symbol <> 'PLN' and WNa_WNaID < 6 order by WNa_Symbol");
    LONG count = 0;
    ASSERT_EQ(foreign->get_Count(&count), S_OK);
    EXPECT_EQ(count, 4);
    EXPECT_EQ(Symbols(foreign.Get()), u"CHF EUR GBP USD") << "in the query's order, not the table's";
    EXPECT_EQ(Symbol(Item(foreign.Get(), Variant::FromLong(2)).Get()), u"GBP") << "a number is a position";
    EXPECT_EQ(Symbol(Item(foreign.Get(), Variant::FromString(u"3")).Get()), u"USD") << "a text is an identifier";
    EXPECT_EQ(Symbol(Item(foreign.Get(), Variant::FromString(u"WNa_Symbol='eur'")).Get()), u"EUR");

    ComPtr<IDispatch> none;
    EXPECT_EQ(foreign->Item(Variant::FromString(u"1"), none.Out()), HOST_E_NOROW) << "PLN is not among them";
    tlx::TakeErrorDescription();
    EXPECT_EQ(foreign->Item(Variant::FromString(u"WNa_Symbol='CZK'"), none.Out()), HOST_E_NOROW)
        << "criteria look among the collection's own items";
    tlx::TakeErrorDescription();
}

TEST_F(QueryCollectionTest, OneObjectPerRowReadFromTheRowsOfItsIdentifiersOnly) {
    ComPtr<ICollection> foreign = Query(u"select WNa_WNaID from TLX.Waluty where WNa_WNaID in (2, 4) order by 1 desc");
    std::vector<ComPtr<IDispatch>> walked = Walk(foreign.Get());
    ASSERT_EQ(walked.size(), 2u);
    EXPECT_EQ(RowsBehind(walked[0].Get()), 2) << "not the table's six rows";
    EXPECT_EQ(Item(foreign.Get(), Variant::FromString(u"4")), walked[0]) << "the same row answers the same object";
    EXPECT_EQ(Item(foreign.Get(), Variant::FromLong(1)), walked[1]);
    EXPECT_EQ(Walk(foreign.Get())[1], walked[1]) << "a second walk too";
}

TEST_F(QueryCollectionTest, ResyncAndANewQueryReadTheirNewIdentifiers) {
    ComPtr<ICollection> foreign = Query(u"select WNa_WNaID from TLX.Waluty where WNa_Symbol like 'C%'");
    EXPECT_EQ(Symbols(foreign.Get()), u"CHF CZK");
    Execute(u"insert into TLX.Waluty (WNa_WNaID, WNa_Symbol) values (7, 'CAD')");
    ASSERT_EQ(foreign->Resync(Variant::Missing()), S_OK);
    EXPECT_EQ(Symbols(foreign.Get()), u"CHF CZK CAD");

    ASSERT_EQ(foreign.As<IQueryCollectionSetup>()->put_SQL(
                  Bstr(u"select WNa_WNaID from TLX.Waluty where WNa_Symbol like 'E%' or WNa_Symbol = 'USD'").Get()),
              S_OK);
    EXPECT_EQ(Symbols(foreign.Get()), u"EUR USD");
    EXPECT_EQ(Symbol(Item(foreign.Get(), Variant::FromString(u"3")).Get()), u"USD");
}

TEST_F(QueryCollectionTest, AnEmptyQueryHasNoItems) {
    ComPtr<ICollection> none = Query(u"select WNa_WNaID from TLX.Waluty where WNa_Symbol = 'XXX'");
    EXPECT_EQ(Symbols(none.Get()), u"");
    LONG count = -1;
    ASSERT_EQ(none->get_Count(&count), S_OK);
    EXPECT_EQ(count, 0);
}

}  // namespace
}  // namespace tlx::host::test
