// Values read back through a recordset exactly as stored, for every declared column type, NULL and the
// empty text, before and after the row is written, and for statements run again.
#include <gtest/gtest.h>

#include <string>

#include "AdoTestSupport.h"
#include "platform/ado/DateText.h"

using namespace adotest;

namespace {
constexpr char kTable[] = R"(
CREATE TABLE Wartosci (Id INTEGER PRIMARY KEY, I INT, S SMALLINT, B BIGINT, F BIT, M MONEY, SM SMALLMONEY,
    D DATETIME, DD DATE, R FLOAT, N DECIMAL(18,4), V VARCHAR(20), NV NVARCHAR(20), C CHAR(3), T TEXT,
    VM NTEXT, X BLOB);
INSERT INTO Wartosci VALUES (1, -2147483648, -32768, 9223372036854775807, 1, 1234567.8901, 0.0001,
    '2024-02-29 23:59:59', '2024-03-01 00:00:00', 0.1, 2.5, 'Zażółć', 'abc', 'x  ', '', 'długi', x'414243');
INSERT INTO Wartosci (Id) VALUES (2);
INSERT INTO Wartosci (Id, M, SM, D, DD, I) VALUES (3, 'abc', '12,5', 'nie data', 45351.5, '12');
INSERT INTO Wartosci (Id, M) VALUES (4, 922337203685478);
)";

class StoredValuesTest : public ::testing::Test {
protected:
    TempDatabase db_{{}, kTable};
    tlx::ComPtr<Connection> connection_ = db_.Open();

    tlx::ComPtr<Recordset> Row(int id) {
        return OpenBatch(connection_.Get(), u"select * from TLX.Wartosci where Id = " + tlx::Utf8ToUtf16(std::to_string(id)));
    }
};

tlx::Variant Underlying(Recordset* rows, std::u16string_view name) {
    tlx::ComPtr<Fields> fields;
    rows->get_Fields(fields.Out());
    tlx::ComPtr<Field> field;
    fields->get_Item(tlx::Variant::FromString(name), field.Out());
    tlx::Variant value;
    if (field) field->get_UnderlyingValue(value.Out());
    return value;
}

// Every column of row 1 as its field type gives it.
void ExpectFirstRow(Recordset* rows) {
    tlx::Variant i = Value(rows, u"I");
    ASSERT_EQ(i.vt, VT_I4);
    EXPECT_EQ(i.lVal, -2147483647 - 1);
    tlx::Variant s = Value(rows, u"S");
    ASSERT_EQ(s.vt, VT_I2);
    EXPECT_EQ(s.iVal, -32768);
    tlx::Variant b = Value(rows, u"B");
    ASSERT_EQ(b.vt, VT_I8);
    EXPECT_EQ(b.llVal, 9223372036854775807LL);
    tlx::Variant f = Value(rows, u"F");
    ASSERT_EQ(f.vt, VT_BOOL);
    EXPECT_EQ(f.boolVal, VARIANT_TRUE);
    tlx::Variant m = Value(rows, u"M");
    ASSERT_EQ(m.vt, VT_CY);
    EXPECT_EQ(m.cyVal.int64, 12345678901LL);
    tlx::Variant sm = Value(rows, u"SM");
    ASSERT_EQ(sm.vt, VT_CY);
    EXPECT_EQ(sm.cyVal.int64, 1);
    tlx::Variant d = Value(rows, u"D");
    ASSERT_EQ(d.vt, VT_DATE);
    EXPECT_EQ(tlx::ado::FormatDateText(d.date), "2024-02-29 23:59:59");
    tlx::Variant dd = Value(rows, u"DD");
    ASSERT_EQ(dd.vt, VT_DATE);
    EXPECT_EQ(dd.date, *tlx::ado::MakeOleDate(2024, 3, 1));
    tlx::Variant r = Value(rows, u"R");
    ASSERT_EQ(r.vt, VT_R8);
    EXPECT_EQ(r.dblVal, 0.1);
    tlx::Variant n = Value(rows, u"N");
    ASSERT_EQ(n.vt, VT_R8);
    EXPECT_EQ(n.dblVal, 2.5);
    EXPECT_EQ(Text(Value(rows, u"V")), u"Zażółć");
    EXPECT_EQ(Text(Value(rows, u"NV")), u"abc");
    EXPECT_EQ(Text(Value(rows, u"C")), u"x  ");
    tlx::Variant empty = Value(rows, u"T");
    ASSERT_EQ(empty.vt, VT_BSTR) << "an empty text is no NULL";
    EXPECT_EQ(Text(empty), u"");
    EXPECT_EQ(Text(Value(rows, u"VM")), u"długi");
    EXPECT_EQ(Text(Value(rows, u"X")), u"ABC") << "an undeclared type reads as its value's kind";
}
}  // namespace

TEST_F(StoredValuesTest, EveryDeclaredTypeReadsBackExactly) {
    auto rows = Row(1);
    ASSERT_FALSE(AtEnd(rows.Get()));
    ExpectFirstRow(rows.Get());
    ExpectFirstRow(rows.Get());  // a field read again gives the same value

    auto nulls = Row(2);
    for (const char16_t* name : {u"I", u"S", u"B", u"F", u"M", u"SM", u"D", u"DD", u"R", u"N", u"V", u"NV", u"C", u"T",
                                 u"VM", u"X"})
        EXPECT_EQ(Value(nulls.Get(), name).vt, VT_NULL) << tlx::Utf16ToUtf8(name);
}

TEST_F(StoredValuesTest, AValueNoFieldOfItsTypeHoldsIsAnsweredAsStored) {
    auto odd = Row(3);
    EXPECT_EQ(Text(Value(odd.Get(), u"M")), u"abc");
    tlx::Variant comma = Value(odd.Get(), u"SM");
    ASSERT_EQ(comma.vt, VT_CY);
    EXPECT_EQ(comma.cyVal.int64, 125000) << "a decimal comma is read as the separator";
    EXPECT_EQ(Text(Value(odd.Get(), u"D")), u"nie data");
    tlx::Variant day = Value(odd.Get(), u"DD");
    ASSERT_EQ(day.vt, VT_DATE);
    EXPECT_EQ(day.date, 45351.5);
    tlx::Variant number = Value(odd.Get(), u"I");
    ASSERT_EQ(number.vt, VT_I4);
    EXPECT_EQ(number.lVal, 12);

    auto large = Row(4);
    tlx::Variant money = Value(large.Get(), u"M");
    ASSERT_EQ(money.vt, VT_I8) << "no currency value holds it";
    EXPECT_EQ(money.llVal, 922337203685478LL);
}

TEST_F(StoredValuesTest, AWrittenRowKeepsItsOtherValuesAndTheDatabasesUntilCancelled) {
    auto rows = Row(1);
    ASSERT_EQ(Put(rows.Get(), u"V", tlx::Variant::FromString(u"nowy")), S_OK);
    ASSERT_EQ(Put(rows.Get(), u"T", tlx::Variant::Null()), S_OK);
    EXPECT_EQ(Text(Value(rows.Get(), u"V")), u"nowy");
    EXPECT_EQ(Value(rows.Get(), u"T").vt, VT_NULL);
    EXPECT_EQ(Text(Underlying(rows.Get(), u"V")), u"Zażółć");
    EXPECT_EQ(Text(Underlying(rows.Get(), u"T")), u"");
    tlx::Variant money = Underlying(rows.Get(), u"M");
    ASSERT_EQ(money.vt, VT_CY);
    EXPECT_EQ(money.cyVal.int64, 12345678901LL);
    ASSERT_EQ(rows->CancelBatch(adAffectAll), S_OK);
    ExpectFirstRow(rows.Get());

    ASSERT_EQ(Put(rows.Get(), u"M", tlx::Variant::FromString(u"0,5")), S_OK);
    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    auto again = Row(1);
    tlx::Variant half = Value(again.Get(), u"M");
    ASSERT_EQ(half.vt, VT_CY);
    EXPECT_EQ(half.cyVal.int64, 5000);
    EXPECT_EQ(Text(Value(again.Get(), u"T")), u"") << "the fields not written stay as stored";
}

TEST_F(StoredValuesTest, SortAndFilterSeeTheStoredValues) {
    auto rows = OpenBatch(connection_.Get(), u"select Id, M, V from TLX.Wartosci where Id in (1, 2, 4)");
    tlx::Bstr sort(u"M DESC");
    ASSERT_EQ(rows->put_Sort(sort.Get()), S_OK);
    tlx::Variant first = Value(rows.Get(), u"Id");
    EXPECT_EQ(first.lVal, 4);
    ASSERT_EQ(rows->put_Filter(tlx::Variant::FromString(u"V = 'zażółć'")), S_OK);
    EXPECT_EQ(Count(rows.Get()), 1);
    EXPECT_EQ(Value(rows.Get(), u"Id").lVal, 1);
    ASSERT_EQ(rows->put_Filter(tlx::Variant::FromString(u"V = NULL")), S_OK);
    EXPECT_EQ(Count(rows.Get()), 2);
}

TEST_F(StoredValuesTest, ExpressionsTakeTheKindsOfTheirValuesAtEveryRun) {
    auto rows = Execute(connection_.Get(), u"select 1 + 1 as a, 2.5 * 2 as b, 'x' || 'y' as c, NULL as d, 3000000000 as e");
    tlx::Variant a = Value(rows.Get(), u"a"), b = Value(rows.Get(), u"b"), e = Value(rows.Get(), u"e");
    ASSERT_EQ(a.vt, VT_I4);
    EXPECT_EQ(a.lVal, 2);
    ASSERT_EQ(b.vt, VT_R8);
    EXPECT_EQ(b.dblVal, 5.0);
    EXPECT_EQ(Text(Value(rows.Get(), u"c")), u"xy");
    EXPECT_EQ(Value(rows.Get(), u"d").vt, VT_NULL);
    ASSERT_EQ(e.vt, VT_I8);
    EXPECT_EQ(e.llVal, 3000000000LL);

    // One statement for both texts: its column is a number for the one row and a text for the other.
    auto typeOf = [&](int id) {
        auto kinds = Execute(connection_.Get(), u"select case when Id = 1 then 7 else 'tekst' end as k from TLX.Wartosci "
                                                u"where Id = " + tlx::Utf8ToUtf16(std::to_string(id)));
        tlx::ComPtr<Fields> fields;
        kinds->get_Fields(fields.Out());
        tlx::ComPtr<Field> field;
        fields->get_Item(tlx::Variant::FromLong(0), field.Out());
        DataTypeEnum type = adEmpty;
        field->get_Type(&type);
        EXPECT_EQ(Value(kinds.Get(), 0).vt, type == adInteger ? VT_I4 : VT_BSTR);
        return type;
    };
    EXPECT_EQ(typeOf(1), adInteger);
    EXPECT_EQ(typeOf(3), adVarWChar);
    EXPECT_EQ(typeOf(1), adInteger);
    EXPECT_EQ(typeOf(3), adVarWChar);
}

// The greatest of a date column is a date where its values are dates, and stays the number it is where
// they are not: each run of the one prepared statement types its own rows, and an earlier row set keeps
// the types it was read with.
TEST_F(StoredValuesTest, TheGreatestOfADateColumnIsADateOnlyInTheRunsWhereItHoldsDates) {
    auto greatest = [&](int id) {
        return Execute(connection_.Get(), u"select max(DD) as m from TLX.Wartosci where Id = " + tlx::Utf8ToUtf16(std::to_string(id)));
    };
    auto date = greatest(1);
    ASSERT_EQ(Value(date.Get(), u"m").vt, VT_DATE);
    auto number = greatest(3);
    tlx::Variant notADate = Value(number.Get(), u"m");
    ASSERT_EQ(notADate.vt, VT_R8);
    EXPECT_EQ(notADate.dblVal, 45351.5);
    tlx::Variant again = Value(greatest(1).Get(), u"m");
    ASSERT_EQ(again.vt, VT_DATE);
    EXPECT_EQ(again.date, *tlx::ado::MakeOleDate(2024, 3, 1));
    EXPECT_EQ(Value(date.Get(), u"m").vt, VT_DATE);
    EXPECT_EQ(Value(number.Get(), u"m").vt, VT_R8);
}

// Rows written with the same text keep it once between them, yet each reads back its own: a caller's
// copy may be changed, one row's text changed, another recordset's rows written with it, and every row
// still answers what was written into it, also after the batch and from the database. A new row's
// database values stay NULL whatever is written into it.
TEST_F(StoredValuesTest, TheSameTextWrittenIntoManyRowsReadsBackAsEachRowWasWritten) {
    const std::u16string text = u"Zażółć gęślą";
    const std::u16string withNul(u"a\0b", 3);
    auto rows = Row(0);
    auto other = Row(0);
    for (int id = 10; id < 13; ++id) {
        ASSERT_EQ(rows->AddNew(tlx::Variant::Missing(), tlx::Variant::Missing()), S_OK);
        Put(rows.Get(), u"Id", tlx::Variant::FromLong(id));
        Put(rows.Get(), u"V", tlx::Variant::FromString(text));
        Put(rows.Get(), u"T", tlx::Variant::FromString(id == 11 ? withNul : u""));
        EXPECT_EQ(Underlying(rows.Get(), u"V").vt, VT_NULL) << "a new row has nothing in the database";
    }
    other->AddNew(tlx::Variant::Missing(), tlx::Variant::Missing());
    Put(other.Get(), u"Id", tlx::Variant::FromLong(20));
    Put(other.Get(), u"V", tlx::Variant::FromString(text));

    tlx::Variant lent = Value(rows.Get(), u"V");
    ASSERT_EQ(lent.vt, VT_BSTR);
    lent.bstrVal[0] = u'X';  // the caller's own copy
    EXPECT_EQ(Text(Value(rows.Get(), u"V")), text);
    Put(rows.Get(), u"V", tlx::Variant::FromString(u"inny"));
    rows->MoveFirst();
    EXPECT_EQ(Text(Value(rows.Get(), u"V")), text);
    rows->put_Filter(tlx::Variant::FromString(u"V = 'Zażółć gęślą'"));
    EXPECT_EQ(Count(rows.Get()), 2);
    rows->put_Filter(tlx::Variant::FromLong(adFilterNone));

    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    ASSERT_EQ(other->UpdateBatch(adAffectAll), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    rows->MoveFirst();
    rows->MoveNext();
    EXPECT_EQ(Text(Value(rows.Get(), u"V")), text);
    EXPECT_EQ(Text(Value(rows.Get(), u"T")), withNul);
    EXPECT_EQ(Text(Underlying(rows.Get(), u"V")), text) << "written, the row's values are the database's";
    auto saved = OpenBatch(connection_.Get(), u"select Id, V, T from TLX.Wartosci where Id >= 10 order by Id");
    const std::u16string expected[][2] = {{text, u""}, {text, withNul}, {u"inny", u""}, {text, u"<not text>"}};
    for (const auto& [v, t] : expected) {
        ASSERT_FALSE(AtEnd(saved.Get()));
        EXPECT_EQ(Text(Value(saved.Get(), u"V")), v);
        EXPECT_EQ(Text(Value(saved.Get(), u"T")), t);
        saved->MoveNext();
    }
}
