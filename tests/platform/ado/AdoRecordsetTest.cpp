#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "AdoTestSupport.h"
#include "platform/ado/DateText.h"
#include "platform/com/ClassRegistry.h"

using namespace adotest;

namespace {
constexpr char kDeclarations[] = R"(
INSERT INTO DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_Numer, DkN_RokMiesiac) VALUES (10, 1, 1, 202401);
INSERT INTO DeklElem (DkE_DkEID, DkE_DkNID, DkE_Numer, DkE_WartoscM, DkE_WartoscTekst) VALUES
    (1, 10, 30, 100.5, 'a'), (2, 10, 10, 20, 'c'), (3, 10, 20, NULL, 'b');
)";

class AdoRecordsetTest : public ::testing::Test {
protected:
    TempDatabase db_{{"db/company"}, kDeclarations};
    tlx::ComPtr<Connection> connection_ = db_.Open();

    tlx::ComPtr<Recordset> Elements() { return OpenBatch(connection_.Get(), u"select * from TLX.deklelem where dke_dknid=10 order by dke_dkeid"); }
    tlx::Variant Scalar(std::u16string_view sql) {
        auto rows = Execute(connection_.Get(), sql);
        return rows ? Value(rows.Get(), 0) : tlx::Variant();
    }
};

TEST_F(AdoRecordsetTest, FieldsReportDeclaredTypesAndSizes) {
    auto rows = Elements();
    tlx::ComPtr<Fields> fields;
    rows->get_Fields(fields.Out());
    LONG count = 0;
    fields->get_Count(&count);
    EXPECT_EQ(count, 8);
    struct Expected {
        const char16_t* name;
        DataTypeEnum type;
        LONG size;
    } expected[] = {{u"DkE_DkEID", adInteger, 4},       {u"dke_numer", adInteger, 4},
                    {u"DKE_WARTOSCM", adCurrency, 8},   {u"DkE_WartoscTekst", adVarWChar, 1024},
                    {u"DkE_Opis", adVarWChar, 255}};
    for (const auto& e : expected) {
        tlx::ComPtr<Field> field;
        ASSERT_EQ(fields->get_Item(tlx::Variant::FromString(e.name), field.Out()), S_OK) << tlx::Utf16ToUtf8(e.name);
        DataTypeEnum type = adEmpty;
        LONG size = 0;
        field->get_Type(&type);
        field->get_DefinedSize(&size);
        EXPECT_EQ(type, e.type) << tlx::Utf16ToUtf8(e.name);
        EXPECT_EQ(size, e.size) << tlx::Utf16ToUtf8(e.name);
    }
    tlx::ComPtr<Field> missing;
    EXPECT_EQ(fields->get_Item(tlx::Variant::FromString(u"Nope"), missing.Out()), adErrItemNotFound);
    EXPECT_NE(tlx::TakeErrorDescription(), u"");
}

TEST(AdoDateText, StoredTextFollowsTheOleCalendarOnBothSidesOfItsEpoch) {
    EXPECT_EQ(tlx::ado::FormatDateText(-1.25), "1899-12-29 06:00:00") << "before day 0 the time counts forward";
    EXPECT_EQ(tlx::ado::FormatDateText(-1.9999999), "1899-12-30 00:00:00") << "rounding carries into the next day";
    EXPECT_EQ(tlx::ado::FormatDateText(-700000.0), std::nullopt) << "no text outside the OLE date range";
    EXPECT_EQ(tlx::ado::ParseDateText("1899-12-29 06:00:00"), -1.25);
    EXPECT_EQ(tlx::ado::ParseDateText("2023-02-29"), std::nullopt);
}

TEST_F(AdoRecordsetTest, ADateOutsideTheCalendarIsRefusedNotStored) {
    const std::u16string count = u"select count(*) || '' from TLX.DeklNag";
    std::u16string before = Text(Scalar(count));
    auto rows = OpenBatch(connection_.Get(), u"select * from TLX.DeklNag where 1=0");
    ASSERT_EQ(rows->AddNew(tlx::Variant::Missing(), tlx::Variant::Missing()), S_OK);
    Put(rows.Get(), u"DkN_TypDeklar", tlx::Variant::FromLong(1));
    Put(rows.Get(), u"DkN_DataDok", tlx::Variant::FromDate(-700000.0));
    EXPECT_TRUE(FAILED(rows->UpdateBatch(adAffectAll)));
    EXPECT_EQ(Text(Scalar(count)), before);
}

TEST_F(AdoRecordsetTest, ANumberNoFieldOfItsTypeHoldsIsRefusedNotStored) {
    auto rows = Elements();
    const double nan = std::numeric_limits<double>::quiet_NaN(), infinity = std::numeric_limits<double>::infinity();
    const std::pair<const char16_t*, tlx::Variant> refused[] = {
        {u"DkE_Numer", tlx::Variant::FromDouble(nan)},        {u"DkE_Numer", tlx::Variant::FromDouble(infinity)},
        {u"DkE_Numer", tlx::Variant::FromDouble(1e300)},      {u"DkE_Numer", tlx::Variant::FromDouble(2147483648.0)},
        {u"DkE_WartoscL", tlx::Variant::FromDouble(nan)},     {u"DkE_WartoscL", tlx::Variant::FromDouble(-infinity)},
        {u"DkE_WartoscL", tlx::Variant::FromDouble(1e300)},   {u"DkE_WartoscL", tlx::Variant::FromDouble(1e15)},
        {u"DkE_WartoscL", tlx::Variant::FromString(u"99999999999999999999")},
    };
    for (const auto& [field, value] : refused) {
        EXPECT_TRUE(FAILED(Put(rows.Get(), field, value))) << tlx::Utf16ToUtf8(field) << " " << tlx::Utf16ToUtf8(Text(value));
        tlx::TakeErrorDescription();
    }
    EXPECT_EQ(Status(rows.Get()), adRecUnmodified) << "nothing was written";

    // A stored number no currency value holds is read as it is stored.
    Execute(connection_.Get(), u"update TLX.DeklElem set DkE_WartoscL = 1e300 where DkE_DkEID = 1");
    Execute(connection_.Get(), u"update TLX.DeklElem set DkE_WartoscL = '99999999999999999999' where DkE_DkEID = 2");
    auto stored = Elements();
    tlx::Variant first = Value(stored.Get(), u"DkE_WartoscL");
    EXPECT_EQ(first.vt, VT_R8);
    EXPECT_EQ(first.dblVal, 1e300);
    stored->MoveNext();
    EXPECT_NE(Value(stored.Get(), u"DkE_WartoscL").vt, VT_CY);
}

TEST_F(AdoRecordsetTest, ValuesRoundTripThroughTheDatabase) {
    auto rows = OpenBatch(connection_.Get(), u"select * from TLX.DeklNag where 1=0");
    ASSERT_EQ(rows->AddNew(tlx::Variant::Missing(), tlx::Variant::Missing()), S_OK);
    DATE withTime = *tlx::ado::MakeOleDate(2024, 3, 5, 13, 45, 7);
    std::u16string longText(5000, u'ż');
    EXPECT_EQ(Put(rows.Get(), u"DkN_TypDeklar", tlx::Variant::FromLong(1)), S_OK);
    EXPECT_EQ(Put(rows.Get(), u"DkN_EDekl_DataWyslania", tlx::Variant::FromDate(withTime)), S_OK);
    // An OLE day number written as a double is stored as that date.
    EXPECT_EQ(Put(rows.Get(), u"DkN_DataDok", tlx::Variant::FromDouble(*tlx::ado::MakeOleDate(2024, 2, 29))), S_OK);
    EXPECT_EQ(Put(rows.Get(), u"DkN_EDekl_StatusOpis", tlx::Variant::FromString(u"Zażółć gęślą jaźń")), S_OK);
    EXPECT_EQ(Put(rows.Get(), u"DkN_Opis", tlx::Variant::Null()), S_OK);
    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());

    auto pages = OpenBatch(connection_.Get(), u"select * from TLX.DeklStr where 1=0");
    pages->AddNew(tlx::Variant::Missing(), tlx::Variant::Missing());
    Put(pages.Get(), u"DkS_DkNID", tlx::Variant::FromLong(10));
    Put(pages.Get(), u"DkS_Tekst", tlx::Variant::FromString(longText));
    ASSERT_EQ(pages->UpdateBatch(adAffectAll), S_OK);

    auto again = Execute(connection_.Get(), u"select * from TLX.DeklNag where DkN_TypDeklar = 1 and DkN_DkNID <> 10");
    ASSERT_FALSE(AtEnd(again.Get()));
    tlx::Variant sent = Value(again.Get(), u"DkN_EDekl_DataWyslania");
    ASSERT_EQ(sent.vt, VT_DATE);
    EXPECT_EQ(tlx::ado::FormatDateText(sent.date), "2024-03-05 13:45:07");
    tlx::Variant day = Value(again.Get(), u"DkN_DataDok");
    ASSERT_EQ(day.vt, VT_DATE);
    EXPECT_EQ(day.date, *tlx::ado::MakeOleDate(2024, 2, 29)) << "a date without time keeps no fraction";
    EXPECT_EQ(Text(Value(again.Get(), u"DkN_EDekl_StatusOpis")), u"Zażółć gęślą jaźń");
    EXPECT_EQ(Value(again.Get(), u"DkN_Opis").vt, VT_NULL);
    EXPECT_EQ(Text(Scalar(u"select DkN_EDekl_DataWyslania || '' from TLX.DeklNag where DkN_DkNID <> 10")),
              u"2024-03-05 13:45:07")
        << "dates are stored as ISO text";
    EXPECT_EQ(Text(Scalar(u"select DkS_Tekst from TLX.DeklStr")), longText);
}

TEST_F(AdoRecordsetTest, MoneyIsExactToTheFourthPlace) {
    auto rows = Elements();
    rows->AddNew(tlx::Variant::Missing(), tlx::Variant::Missing());
    Put(rows.Get(), u"DkE_DkNID", tlx::Variant::FromLong(10));
    Put(rows.Get(), u"DkE_WartoscM", tlx::Variant::FromCurrency(CY{123456789012345}));  // 12 345 678 901.2345
    rows->AddNew(tlx::Variant::Missing(), tlx::Variant::Missing());
    Put(rows.Get(), u"DkE_DkNID", tlx::Variant::FromLong(10));
    Put(rows.Get(), u"DkE_WartoscM", tlx::Variant::FromString(u"0,0001"));
    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK);

    auto read = Execute(connection_.Get(), u"select DkE_WartoscM from TLX.DeklElem where DkE_DkEID > 3 order by 1 desc");
    tlx::Variant big = Value(read.Get(), 0);
    ASSERT_EQ(big.vt, VT_CY);
    EXPECT_EQ(big.cyVal.int64, 123456789012345);
    read->MoveNext();
    EXPECT_EQ(Value(read.Get(), 0).cyVal.int64, 1);
    tlx::Variant sum = Scalar(u"select sum(DkE_WartoscM) from TLX.DeklElem where DkE_DkEID <= 3");
    EXPECT_DOUBLE_EQ(sum.dblVal, 120.5);
}

TEST_F(AdoRecordsetTest, TextIsNotCutAndWrongValuesAreRefused) {
    auto rows = Elements();
    EXPECT_EQ(Put(rows.Get(), u"DkE_Numer", tlx::Variant::FromString(u"abc")), adErrDataConversion);
    EXPECT_EQ(Put(rows.Get(), u"DkE_Numer", tlx::Variant::FromString(u"42")), S_OK);
    EXPECT_EQ(Value(rows.Get(), u"DkE_Numer").lVal, 42);
    EXPECT_EQ(Put(rows.Get(), u"DkE_Numer", tlx::Variant::FromDouble(2.5)), S_OK);
    EXPECT_EQ(Value(rows.Get(), u"DkE_Numer").lVal, 2) << "halves round to even as OLE does";
    EXPECT_EQ(Put(rows.Get(), u"DkE_WartoscM", tlx::Variant::FromString(u"1 234,56")), S_OK);
    EXPECT_EQ(Value(rows.Get(), u"DkE_WartoscM").cyVal.int64, 12345600) << "a Polish amount text";
    EXPECT_EQ(Put(rows.Get(), u"DkE_WartoscM", tlx::Variant::FromString(u"dużo")), adErrDataConversion);
}

TEST_F(AdoRecordsetTest, NavigationCountsAndBounds) {
    auto rows = Elements();
    EXPECT_EQ(Count(rows.Get()), 3);
    VARIANT_BOOL bof = VARIANT_FALSE;
    rows->get_BOF(&bof);
    EXPECT_FALSE(bof);
    rows->MoveLast();
    rows->MoveNext();
    EXPECT_TRUE(AtEnd(rows.Get()));
    EXPECT_EQ(rows->MoveNext(), adErrNoCurrentRecord);
    tlx::Variant none;
    tlx::ComPtr<Fields> fields;
    rows->get_Fields(fields.Out());
    tlx::ComPtr<Field> field;
    fields->get_Item(tlx::Variant::FromLong(0), field.Out());
    EXPECT_EQ(field->get_Value(none.Out()), adErrNoCurrentRecord);
    rows->MovePrevious();
    EXPECT_EQ(Value(rows.Get(), u"DkE_DkEID").lVal, 3);
    rows->MoveFirst();
    rows->MovePrevious();
    rows->get_BOF(&bof);
    EXPECT_TRUE(bof);

    auto empty = Execute(connection_.Get(), u"select * from TLX.DeklElem where 1=0");
    VARIANT_BOOL emptyBof = VARIANT_FALSE;
    empty->get_BOF(&emptyBof);
    EXPECT_TRUE(emptyBof && AtEnd(empty.Get()));
    EXPECT_EQ(Count(empty.Get()), 0);
}

TEST_F(AdoRecordsetTest, PendingChangesShowInStatusAndEditMode) {
    auto rows = Elements();
    EXPECT_EQ(Status(rows.Get()), adRecUnmodified);
    EXPECT_EQ(EditMode(rows.Get()), adEditNone);

    Put(rows.Get(), u"DkE_Opis", tlx::Variant::FromString(u"zmiana"));
    EXPECT_EQ(Status(rows.Get()), adRecModified);
    EXPECT_EQ(EditMode(rows.Get()), adEditInProgress);
    tlx::ComPtr<Fields> fields;
    rows->get_Fields(fields.Out());
    tlx::ComPtr<Field> opis;
    fields->get_Item(tlx::Variant::FromString(u"DkE_Opis"), opis.Out());
    tlx::Variant underlying;
    opis->get_UnderlyingValue(underlying.Out());
    EXPECT_EQ(underlying.vt, VT_NULL);

    rows->MoveNext();
    rows->Delete(adAffectCurrent);
    EXPECT_EQ(Status(rows.Get()), adRecDeleted) << "the deleted row stays current until the cursor moves";
    EXPECT_EQ(EditMode(rows.Get()), adEditDelete);
    EXPECT_EQ(Count(rows.Get()), 2);

    rows->AddNew(tlx::Variant::FromString(u"DkE_DkNID"), tlx::Variant::FromLong(10));
    EXPECT_EQ(Status(rows.Get()), adRecNew);
    EXPECT_EQ(EditMode(rows.Get()), adEditAdd);
    rows->Update(tlx::Variant::Missing(), tlx::Variant::Missing());
    EXPECT_EQ(EditMode(rows.Get()), adEditAdd) << "a new row stays pending until the batch is written";
    EXPECT_EQ(Count(rows.Get()), 3);

    // Nothing reached the database yet.
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem").lVal, 3);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem where DkE_Opis is not null").lVal, 0);

    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    EXPECT_EQ(Status(rows.Get()), adRecUnmodified);
    EXPECT_EQ(EditMode(rows.Get()), adEditNone);
    EXPECT_EQ(Value(rows.Get(), u"DkE_DkEID").lVal, 4) << "the identity key is read back into the new row";
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem").lVal, 3);
    EXPECT_EQ(Text(Scalar(u"select DkE_Opis from TLX.DeklElem where DkE_DkEID = 1")), u"zmiana");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem where DkE_DkEID = 2").lVal, 0);
}

TEST_F(AdoRecordsetTest, CancelBatchRestoresEveryPendingRow) {
    auto rows = Elements();
    Put(rows.Get(), u"DkE_Numer", tlx::Variant::FromLong(99));
    rows->MoveNext();
    rows->Delete(adAffectCurrent);
    rows->AddNew(tlx::Variant::Missing(), tlx::Variant::Missing());
    EXPECT_EQ(rows->CancelBatch(adAffectAll), S_OK);
    EXPECT_EQ(Count(rows.Get()), 3);
    rows->MoveFirst();
    EXPECT_EQ(Value(rows.Get(), u"DkE_Numer").lVal, 30);
    EXPECT_EQ(Status(rows.Get()), adRecUnmodified);
}

TEST_F(AdoRecordsetTest, BookmarksStayWithTheirRowsAcrossSortAndFilter) {
    auto rows = Elements();
    rows->AddNew(tlx::Variant::FromString(u"DkE_Numer"), tlx::Variant::FromLong(15));
    Put(rows.Get(), u"DkE_DkNID", tlx::Variant::FromLong(10));
    tlx::Variant pending;
    rows->get_Bookmark(pending.Out());
    rows->MoveFirst();
    tlx::Variant first;
    rows->get_Bookmark(first.Out());

    ASSERT_EQ(rows->put_Sort(tlx::Bstr(u"DkE_Numer DESC").Get()), S_OK);
    std::vector<LONG> order;
    for (rows->MoveFirst(); !AtEnd(rows.Get()); rows->MoveNext()) order.push_back(Value(rows.Get(), u"DkE_Numer").lVal);
    EXPECT_EQ(order, (std::vector<LONG>{30, 20, 15, 10}));

    ASSERT_EQ(rows->put_Bookmark(pending), S_OK);
    EXPECT_EQ(Value(rows.Get(), u"DkE_Numer").lVal, 15);
    EXPECT_EQ(Status(rows.Get()), adRecNew);
    ASSERT_EQ(rows->put_Bookmark(first), S_OK);
    EXPECT_EQ(Value(rows.Get(), u"DkE_Numer").lVal, 30);

    ASSERT_EQ(rows->put_Filter(tlx::Variant::FromString(u"DkE_Numer >= 15 AND DkE_WartoscTekst <> 'b'")), S_OK);
    EXPECT_EQ(Count(rows.Get()), 1) << "only 30 'a': 20 is 'b' and the new row's NULL text fails the test";
    ASSERT_EQ(rows->put_Bookmark(first), S_OK);
    EXPECT_EQ(Value(rows.Get(), u"DkE_DkEID").lVal, 1);
    tlx::Variant text = tlx::Variant::FromString(u"3");  // the text form of a bookmark is taken as well
    EXPECT_EQ(rows->put_Bookmark(text), adErrItemNotFound) << "row 3 is filtered out";

    ASSERT_EQ(rows->put_Filter(tlx::Variant::FromLong(adFilterPendingRecords)), S_OK);
    EXPECT_EQ(Count(rows.Get()), 1);
    EXPECT_EQ(Value(rows.Get(), u"DkE_Numer").lVal, 15);
    rows->put_Filter(tlx::Variant::FromLong(adFilterNone));
    EXPECT_EQ(Count(rows.Get()), 4);
    ASSERT_EQ(rows->put_Bookmark(pending), S_OK);

    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK);
    tlx::Variant after;
    rows->get_Bookmark(after.Out());
    EXPECT_EQ(after.dblVal, pending.dblVal) << "writing the batch keeps the bookmark";
}

TEST_F(AdoRecordsetTest, FilterGrammar) {
    auto rows = Elements();
    struct Case {
        const char16_t* criteria;
        LONG count;
    } cases[] = {
        {u"DkE_Numer = 10", 1},
        {u"DkE_Numer > 10 OR DkE_WartoscTekst = 'C'", 3},
        {u"(DkE_Numer < 25 AND DkE_WartoscM = NULL)", 1},
        {u"DkE_WartoscM <> NULL", 2},
        {u"DkE_WartoscM >= 100.5", 1},
        {u"DkE_WartoscTekst LIKE 'a*'", 1},
        {u"[DkE_Numer] <= '20'", 2},
    };
    for (const auto& c : cases) {
        ASSERT_EQ(rows->put_Filter(tlx::Variant::FromString(c.criteria)), S_OK) << tlx::Utf16ToUtf8(c.criteria);
        EXPECT_EQ(Count(rows.Get()), c.count) << tlx::Utf16ToUtf8(c.criteria);
    }
    EXPECT_EQ(rows->put_Filter(tlx::Variant::FromString(u"DkE_Numer ==")), adErrInvalidArgument);
    EXPECT_EQ(rows->put_Filter(tlx::Variant::FromString(u"Nope = 1")), adErrInvalidArgument);
    EXPECT_EQ(rows->put_Sort(tlx::Bstr(u"Nope").Get()), adErrItemNotFound);
    rows->put_Filter(tlx::Variant::FromString(u""));
    EXPECT_EQ(Count(rows.Get()), 3);
}

TEST_F(AdoRecordsetTest, FailedBatchRollsBackAndKeepsPendingRows) {
    auto rows = Elements();
    Put(rows.Get(), u"DkE_Opis", tlx::Variant::FromString(u"pierwsza zmiana"));
    rows->AddNew(tlx::Variant::FromString(u"DkE_DkNID"), tlx::Variant::FromLong(10));
    rows->AddNew(tlx::Variant::FromString(u"DkE_Numer"), tlx::Variant::FromLong(5));  // DkE_DkNID NOT NULL
    HRESULT hr = rows->UpdateBatch(adAffectAll);
    EXPECT_TRUE(FAILED(hr));
    std::u16string description = tlx::TakeErrorDescription();
    EXPECT_NE(description.find(u"NOT NULL"), std::u16string::npos) << tlx::Utf16ToUtf8(description);
    EXPECT_NE(description.find(u"INSERT INTO"), std::u16string::npos) << "the statement is named";

    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem").lVal, 3);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem where DkE_Opis is not null").lVal, 0);
    EXPECT_EQ(Status(rows.Get()), adRecNew);
    EXPECT_EQ(Value(rows.Get(), u"DkE_DkEID").vt, VT_NULL) << "no key is handed out for a rolled-back row";
    rows->put_Filter(tlx::Variant::FromLong(adFilterPendingRecords));
    EXPECT_EQ(Count(rows.Get()), 3);

    // Once the row is fixed the same batch goes through.
    rows->MoveLast();
    Put(rows.Get(), u"DkE_DkNID", tlx::Variant::FromLong(10));
    EXPECT_EQ(rows->UpdateBatch(adAffectAll), S_OK);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem").lVal, 5);
}

TEST_F(AdoRecordsetTest, ABatchWritesOnlyOverTheValuesItRead) {
    auto mine = Elements(), theirs = Elements();
    auto other = db_.Open();
    auto elsewhere = OpenBatch(other.Get(), u"select * from TLX.deklelem where dke_dknid=10 order by dke_dkeid");
    // Another user changes the first row's amount and deletes the third row.
    Put(elsewhere.Get(), u"DkE_WartoscM", tlx::Variant::FromDouble(7));
    elsewhere->MoveLast();
    elsewhere->Delete(adAffectCurrent);
    ASSERT_EQ(elsewhere->UpdateBatch(adAffectAll), S_OK);

    Put(mine.Get(), u"DkE_WartoscM", tlx::Variant::FromDouble(8));
    mine->MoveNext();
    Put(mine.Get(), u"DkE_Opis", tlx::Variant::FromString(u"druga"));
    EXPECT_EQ(mine->UpdateBatch(adAffectAll), adErrConcurrencyViolation);
    std::u16string why = tlx::TakeErrorDescription();
    EXPECT_NE(why.find(u"DeklElem with the key 1 was changed by another user (DkE_WartoscM)"), std::u16string::npos)
        << tlx::Utf16ToUtf8(why);
    EXPECT_EQ(Text(Scalar(u"select DkE_WartoscM || '/' || ifnull(DkE_Opis, '-') from TLX.DeklElem where DkE_DkEID = 1")),
              u"7/-");
    EXPECT_EQ(Text(Scalar(u"select ifnull(DkE_Opis, '-') from TLX.DeklElem where DkE_DkEID = 2")), u"-")
        << "nothing of the batch is written";
    mine->put_Filter(tlx::Variant::FromLong(adFilterPendingRecords));
    EXPECT_EQ(Count(mine.Get()), 2) << "the rows keep their changes";

    // Columns the other user did not change are written over the values it left.
    mine->put_Filter(tlx::Variant::FromLong(adFilterNone));
    Put(theirs.Get(), u"DkE_Opis", tlx::Variant::FromString(u"opis"));
    EXPECT_EQ(theirs->UpdateBatch(adAffectAll), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    EXPECT_EQ(Text(Scalar(u"select DkE_WartoscM || '/' || DkE_Opis from TLX.DeklElem where DkE_DkEID = 1")), u"7/opis");
    theirs->MoveLast();
    Put(theirs.Get(), u"DkE_Opis", tlx::Variant::FromString(u"trzecia"));
    EXPECT_EQ(theirs->UpdateBatch(adAffectAll), adErrConcurrencyViolation);
    EXPECT_NE(tlx::TakeErrorDescription().find(u"with the key 3 was deleted by another user"), std::u16string::npos);

    // A row added by the batch is checked against the defaults the database gave it.
    auto added = OpenBatch(connection_.Get(), u"select * from TLX.DeklNag where 1=0");
    added->AddNew(tlx::Variant::Missing(), tlx::Variant::Missing());
    Put(added.Get(), u"DkN_TypDeklar", tlx::Variant::FromLong(1));
    ASSERT_EQ(added->UpdateBatch(adAffectAll), S_OK);
    Put(added.Get(), u"DkN_Zablokowana", tlx::Variant::FromLong(1));
    EXPECT_EQ(added->UpdateBatch(adAffectAll), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
}

// A new row's columns it did not write hold what the database gave them, a trigger's work included:
// changing one of them later is checked against that value, not against an empty one.
TEST(AdoBatchDefaults, ARowAddedByTheBatchHoldsWhatTheTableAndItsTriggersGaveIt) {
    for (bool trigger : {false, true}) {
        SCOPED_TRACE(trigger ? "with a trigger" : "without one");
        TempDatabase db({TempDatabase::kCompanyScripts},
                        trigger ? "CREATE TRIGGER DeklElem_Opis AFTER INSERT ON DeklElem BEGIN UPDATE DeklElem SET "
                                  "DkE_Opis = 'z wyzwalacza' WHERE DkE_DkEID = new.DkE_DkEID; END;"
                                : "");
        tlx::ComPtr<Connection> connection = db.Open();
        auto rows = OpenBatch(connection.Get(), u"select * from TLX.DeklElem where 1=0");
        ASSERT_EQ(rows->AddNew(tlx::Variant::FromString(u"DkE_DkNID"), tlx::Variant::FromLong(10)), S_OK);
        ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());

        for (const char16_t* column : {u"DkE_Numer", u"DkE_Opis", u"DkE_WartoscTekst"}) {
            Put(rows.Get(), column, column == std::u16string_view(u"DkE_Numer") ? tlx::Variant::FromLong(4)
                                                                                 : tlx::Variant::FromString(u"zmiana"));
        }
        EXPECT_EQ(rows->UpdateBatch(adAffectAll), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
        auto stored = Execute(connection.Get(), u"select DkE_Numer || '/' || DkE_Opis || '/' || DkE_WartoscTekst "
                                                u"from TLX.DeklElem");
        EXPECT_EQ(Text(Value(stored.Get(), 0)), u"4/zmiana/zmiana");
    }
}

// The connection keeps what it read of a table's definition between batches; a trigger made since is
// seen, also when a rolled-back change had taken the schema's version to the number it has again.
TEST(AdoBatchDefaults, ABatchSeesATriggerMadeAfterAnEarlierBatch) {
    TempDatabase db({TempDatabase::kCompanyScripts}, "");
    tlx::ComPtr<Connection> connection = db.Open();
    auto addElement = [&] {
        auto rows = OpenBatch(connection.Get(), u"select * from TLX.DeklElem where 1=0");
        EXPECT_EQ(rows->AddNew(tlx::Variant::FromString(u"DkE_DkNID"), tlx::Variant::FromLong(10)), S_OK);
        EXPECT_EQ(rows->UpdateBatch(adAffectAll), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
        return rows;
    };
    addElement();
    LONG level = 0;
    ASSERT_EQ(connection->BeginTrans(&level), S_OK);
    Execute(connection.Get(), u"CREATE INDEX TLX.DeklElem_Opis ON DeklElem (DkE_Opis)");
    addElement();
    ASSERT_EQ(connection->RollbackTrans(), S_OK);
    // Another user makes the trigger, through a connection of its own.
    tlx::ado::CreateDatabaseFile(db.Path(), {"CREATE TRIGGER DeklElem_Opis AFTER INSERT ON DeklElem BEGIN UPDATE "
                                             "DeklElem SET DkE_Opis = 'z wyzwalacza' WHERE DkE_DkEID = new.DkE_DkEID; END"});

    auto rows = addElement();
    Put(rows.Get(), u"DkE_Opis", tlx::Variant::FromString(u"zmiana"));
    EXPECT_EQ(rows->UpdateBatch(adAffectAll), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    auto stored = Execute(connection.Get(), u"select group_concat(DkE_Opis, '/') from TLX.DeklElem");
    EXPECT_EQ(Text(Value(stored.Get(), 0)), u"zmiana") << "the first row had no trigger";
}

TEST_F(AdoRecordsetTest, ABatchWrittenInATransactionIsPendingAgainWhenItIsRolledBack) {
    auto rows = Elements();
    LONG level = 0;
    for (bool commit : {false, true}) {
        SCOPED_TRACE(commit ? "commit" : "rollback");
        ASSERT_EQ(connection_->BeginTrans(&level), S_OK);
        rows->MoveFirst();
        Put(rows.Get(), u"DkE_Opis", tlx::Variant::FromString(u"zmiana"));
        rows->MoveNext();
        rows->Delete(adAffectCurrent);
        rows->AddNew(tlx::Variant::FromString(u"DkE_DkNID"), tlx::Variant::FromLong(10));
        ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK);
        EXPECT_EQ(Value(rows.Get(), u"DkE_DkEID").vt, VT_I4);
        Put(rows.Get(), u"DkE_Numer", tlx::Variant::FromLong(4));
        ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK) << "a second batch in the same transaction";
        if (commit) {
            ASSERT_EQ(connection_->CommitTrans(), S_OK);
            rows->put_Filter(tlx::Variant::FromLong(adFilterPendingRecords));
            EXPECT_EQ(Count(rows.Get()), 0);
            EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem").lVal, 3);
        } else {
            ASSERT_EQ(connection_->RollbackTrans(), S_OK);
            EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem where DkE_Opis is not null").lVal, 0);
            rows->put_Filter(tlx::Variant::FromLong(adFilterPendingRecords));
            EXPECT_EQ(Count(rows.Get()), 3) << "changed, deleted and added as before the batch";
            rows->MoveLast();
            EXPECT_EQ(Status(rows.Get()), adRecNew);
            EXPECT_EQ(Value(rows.Get(), u"DkE_DkEID").vt, VT_NULL) << "the key handed out is taken back";
            rows->put_Filter(tlx::Variant::FromLong(adFilterNone));
            ASSERT_EQ(rows->CancelBatch(adAffectAll), S_OK);
        }
        rows->put_Filter(tlx::Variant::FromLong(adFilterNone));
    }
}

// A batch keeps of the rows it writes only what it changes; a rollback still gives every row back whole:
// a new row its values, its written fields and its missing key (so that the next batch inserts it again
// as it was), a changed row its database values, and a row changed again after the batch its state
// before the transaction.
TEST_F(AdoRecordsetTest, RowsWrittenInARolledBackTransactionAreWrittenAgainAsTheyWere) {
    auto rows = Elements();
    LONG level = 0;
    ASSERT_EQ(connection_->BeginTrans(&level), S_OK);
    rows->MoveFirst();
    Put(rows.Get(), u"DkE_Opis", tlx::Variant::FromString(u"pierwsza"));
    rows->AddNew(tlx::Variant::FromString(u"DkE_DkNID"), tlx::Variant::FromLong(10));
    Put(rows.Get(), u"DkE_Numer", tlx::Variant::FromLong(7));
    Put(rows.Get(), u"DkE_WartoscTekst", tlx::Variant::FromString(u"nowy wiersz"));
    rows->AddNew(tlx::Variant::FromString(u"DkE_DkNID"), tlx::Variant::FromLong(10));
    Put(rows.Get(), u"DkE_Numer", tlx::Variant::FromLong(8));
    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK);
    Put(rows.Get(), u"DkE_Opis", tlx::Variant::FromString(u"po zapisie"));
    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK);
    ASSERT_EQ(connection_->RollbackTrans(), S_OK);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem").lVal, 3);

    rows->MoveFirst();
    EXPECT_EQ(Status(rows.Get()), adRecModified);
    EXPECT_EQ(Text(Value(rows.Get(), u"DkE_Opis")), u"pierwsza");
    rows->MoveLast();
    EXPECT_EQ(Status(rows.Get()), adRecNew) << "changed again after the batch, back as before the transaction";
    EXPECT_EQ(Value(rows.Get(), u"DkE_DkEID").vt, VT_NULL);
    EXPECT_EQ(Value(rows.Get(), u"DkE_Opis").vt, VT_NULL);
    rows->MovePrevious();
    EXPECT_EQ(Status(rows.Get()), adRecNew);
    EXPECT_EQ(Value(rows.Get(), u"DkE_DkEID").vt, VT_NULL);
    EXPECT_EQ(Text(Value(rows.Get(), u"DkE_WartoscTekst")), u"nowy wiersz");

    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem").lVal, 5);
    EXPECT_EQ(Text(Scalar(u"select DkE_WartoscTekst from TLX.DeklElem where DkE_Numer = 7")), u"nowy wiersz");
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem where DkE_Numer = 8 and DkE_Opis is null").lVal, 1);
    EXPECT_EQ(Text(Scalar(u"select DkE_Opis from TLX.DeklElem where DkE_DkEID = 1")), u"pierwsza");
    rows->MoveFirst();
    Put(rows.Get(), u"DkE_Opis", tlx::Variant::FromString(u"druga"));
    EXPECT_EQ(rows->UpdateBatch(adAffectAll), S_OK) << "the database values came back with the row: no conflict";
}

// Many new rows written in a transaction that is rolled back come back each as it was, in its order,
// with its own values and no key, and are all written again by the next batch.
TEST_F(AdoRecordsetTest, ManyNewRowsOfARolledBackTransactionComeBackEachAsItWas) {
    constexpr int kAdded = 150;
    auto rows = Elements();
    LONG before = Count(rows.Get());
    LONG level = 0;
    ASSERT_EQ(connection_->BeginTrans(&level), S_OK);
    for (int i = 0; i < kAdded; ++i) {
        rows->AddNew(tlx::Variant::FromString(u"DkE_DkNID"), tlx::Variant::FromLong(10));
        Put(rows.Get(), u"DkE_Numer", tlx::Variant::FromLong(1000 + i));
        if (i % 3 == 0) Put(rows.Get(), u"DkE_Opis", tlx::Variant::FromString(u"opis " + tlx::Utf8ToUtf16(std::to_string(i))));
    }
    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK);
    ASSERT_EQ(connection_->RollbackTrans(), S_OK);

    rows->put_Filter(tlx::Variant::FromLong(adFilterNone));
    ASSERT_EQ(Count(rows.Get()), before + kAdded);
    rows->MoveFirst();
    for (LONG i = 0; i < before; ++i) rows->MoveNext();
    for (int i = 0; i < kAdded; ++i, rows->MoveNext()) {
        EXPECT_EQ(Status(rows.Get()), adRecNew) << i;
        EXPECT_EQ(Value(rows.Get(), u"DkE_DkEID").vt, VT_NULL) << i;
        EXPECT_EQ(Value(rows.Get(), u"DkE_Numer").lVal, 1000 + i);
        if (i % 3 == 0)
            EXPECT_EQ(Text(Value(rows.Get(), u"DkE_Opis")), u"opis " + tlx::Utf8ToUtf16(std::to_string(i)));
        else
            EXPECT_EQ(Value(rows.Get(), u"DkE_Opis").vt, VT_NULL) << i;
    }

    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem where DkE_Numer >= 1000").lVal, kAdded);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem where DkE_Numer >= 1000 and DkE_Opis is not null").lVal,
              kAdded / 3);
    EXPECT_EQ(Text(Scalar(u"select DkE_Opis from TLX.DeklElem where DkE_Numer = 1147")), u"opis 147");
}

// Which fields a row wrote is kept through a rolled-back transaction also for rows wider than 64
// columns: the insert made again writes the same fields, the ones after the 64th included.
TEST_F(AdoRecordsetTest, AWideRowWrittenAgainAfterARollbackWritesTheSameFields) {
    std::u16string columns = u"W_ID INTEGER PRIMARY KEY AUTOINCREMENT";
    for (int c = 1; c <= 70; ++c) columns += u", W_" + tlx::Utf8ToUtf16(std::to_string(c)) + u" INT DEFAULT 9";
    Execute(connection_.Get(), u"create table TLX.Szeroka (" + columns + u")");
    auto rows = OpenBatch(connection_.Get(), u"select * from TLX.Szeroka");
    LONG level = 0;
    ASSERT_EQ(connection_->BeginTrans(&level), S_OK);
    rows->AddNew(tlx::Variant::Missing(), tlx::Variant::Missing());
    Put(rows.Get(), u"W_2", tlx::Variant::FromLong(2));
    Put(rows.Get(), u"W_66", tlx::Variant::FromLong(66));
    Put(rows.Get(), u"W_70", tlx::Variant::FromLong(70));
    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK);
    ASSERT_EQ(connection_->RollbackTrans(), S_OK);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.Szeroka").lVal, 0);
    EXPECT_EQ(Status(rows.Get()), adRecNew);

    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    EXPECT_EQ(Scalar(u"select W_2 + W_66 + W_70 from TLX.Szeroka").lVal, 138);
    EXPECT_EQ(Scalar(u"select W_1 + W_65 + W_69 from TLX.Szeroka").lVal, 27) << "the fields not written keep their defaults";
    EXPECT_EQ(Value(rows.Get(), u"W_66").lVal, 66);
}

// Rows the first batch of a transaction did not write are kept only once they change: a row changed and
// written by a later batch, or re-read, still comes back as it was before the transaction.
TEST_F(AdoRecordsetTest, RowsChangedAfterTheFirstBatchOfATransactionComeBackOnRollback) {
    auto rows = Elements();
    auto pending = rows.As<tlx::ado::IPendingRows>();
    ASSERT_TRUE(pending);
    EXPECT_FALSE(pending->HasPendingRows());
    LONG level = 0;
    ASSERT_EQ(connection_->BeginTrans(&level), S_OK);
    rows->MoveFirst();
    Put(rows.Get(), u"DkE_Opis", tlx::Variant::FromString(u"pierwsza"));
    EXPECT_TRUE(pending->HasPendingRows());
    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK);
    EXPECT_FALSE(pending->HasPendingRows());
    rows->MoveNext();
    Put(rows.Get(), u"DkE_Opis", tlx::Variant::FromString(u"druga"));
    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK);
    rows->MoveNext();
    Execute(connection_.Get(), u"update TLX.DeklElem set DkE_Numer = 55 where DkE_DkEID = 3");
    ASSERT_EQ(rows->Resync(adAffectCurrent, adResyncAllValues), S_OK);
    EXPECT_EQ(Value(rows.Get(), u"DkE_Numer").lVal, 55);
    ASSERT_EQ(connection_->RollbackTrans(), S_OK);

    rows->put_Filter(tlx::Variant::FromLong(adFilterPendingRecords));
    EXPECT_EQ(Count(rows.Get()), 1) << "only the row changed before the first batch";
    EXPECT_TRUE(pending->HasPendingRows());
    EXPECT_EQ(Text(Value(rows.Get(), u"DkE_Opis")), u"pierwsza");
    rows->put_Filter(tlx::Variant::FromLong(adFilterNone));
    rows->MoveFirst();
    rows->MoveNext();
    EXPECT_EQ(Status(rows.Get()), adRecUnmodified);
    EXPECT_EQ(Value(rows.Get(), u"DkE_Opis").vt, VT_NULL) << "the second batch's change is gone";
    rows->MoveNext();
    EXPECT_NE(Value(rows.Get(), u"DkE_Numer").lVal, 55) << "the row re-read in the transaction is as before";
    ASSERT_EQ(rows->CancelBatch(adAffectAll), S_OK);
    EXPECT_FALSE(pending->HasPendingRows());

    // A row added and deleted again is nothing to write.
    rows->AddNew(tlx::Variant::FromString(u"DkE_DkNID"), tlx::Variant::FromLong(10));
    EXPECT_TRUE(pending->HasPendingRows());
    rows->Delete(adAffectCurrent);
    EXPECT_FALSE(pending->HasPendingRows());
}

// The same filter set again sees rows changed or added since it was first set.
TEST_F(AdoRecordsetTest, AFilterSetAgainSeesTheRowsAsTheyAreNow) {
    auto rows = Elements();
    const auto filter = tlx::Variant::FromString(u"DkE_Numer=10");
    ASSERT_EQ(rows->put_Filter(filter), S_OK);
    EXPECT_EQ(Count(rows.Get()), 1);
    Put(rows.Get(), u"DkE_Numer", tlx::Variant::FromLong(11));
    ASSERT_EQ(rows->put_Filter(filter), S_OK);
    EXPECT_EQ(Count(rows.Get()), 0);
    rows->AddNew(tlx::Variant::FromString(u"DkE_Numer"), tlx::Variant::FromLong(10));
    ASSERT_EQ(rows->put_Filter(filter), S_OK);
    EXPECT_EQ(Count(rows.Get()), 1);
    ASSERT_EQ(rows->put_Filter(tlx::Variant::FromLong(adFilterNone)), S_OK);
    EXPECT_EQ(Count(rows.Get()), 4);
    rows->MoveFirst();
    rows->Delete(adAffectCurrent);
    ASSERT_EQ(rows->put_Filter(tlx::Variant::FromLong(adFilterNone)), S_OK);
    EXPECT_EQ(Count(rows.Get()), 3) << "a deleted row leaves the view when the filter is set again";
}

// Rows added, changed and deleted keep the unfiltered view in the rows' order; a sort puts a row added
// since in its place when the filter is set again.
TEST_F(AdoRecordsetTest, AnUnfilteredViewShowsTheRowsAsTheyAreNow) {
    auto rows = Elements();
    auto numbers = [&] {
        std::vector<LONG> seen;
        EXPECT_EQ(rows->put_Filter(tlx::Variant::FromLong(adFilterNone)), S_OK);
        for (VARIANT_BOOL end = VARIANT_FALSE; rows->get_EOF(&end), !end; rows->MoveNext())
            seen.push_back(Value(rows.Get(), u"DkE_Numer").lVal);
        return seen;
    };
    EXPECT_EQ(numbers(), (std::vector<LONG>{30, 10, 20}));
    rows->AddNew(tlx::Variant::FromString(u"DkE_Numer"), tlx::Variant::FromLong(40));
    Put(rows.Get(), u"DkE_Numer", tlx::Variant::FromLong(41));
    rows->MoveFirst();
    rows->Delete(adAffectCurrent);
    EXPECT_EQ(numbers(), (std::vector<LONG>{10, 20, 41}));
    ASSERT_EQ(rows->put_Sort(tlx::Bstr(u"DkE_Numer DESC").Get()), S_OK);
    rows->AddNew(tlx::Variant::FromString(u"DkE_Numer"), tlx::Variant::FromLong(50));
    EXPECT_EQ(numbers(), (std::vector<LONG>{50, 41, 20, 10}));
}

TEST_F(AdoRecordsetTest, ValuesWrittenByTheBatchAreBoundNotPasted) {
    auto rows = Elements();
    Put(rows.Get(), u"DkE_Opis", tlx::Variant::FromString(u"x'); DROP TABLE DeklElem; --"));
    ASSERT_EQ(rows->UpdateBatch(adAffectAll), S_OK);
    EXPECT_EQ(Text(Scalar(u"select DkE_Opis from TLX.DeklElem where DkE_DkEID = 1")), u"x'); DROP TABLE DeklElem; --");
}

TEST_F(AdoRecordsetTest, ResyncRereadsTheCurrentRow) {
    auto rows = Elements();
    Execute(connection_.Get(), u"update TLX.DeklElem set DkE_Numer = 31 where DkE_DkEID = 1");
    EXPECT_EQ(rows->Resync(adAffectCurrent, adResyncUnderlyingValues), S_OK);
    EXPECT_EQ(Value(rows.Get(), u"DkE_Numer").lVal, 31);

    // A pending change survives a resync of the underlying values only; all values replace it.
    Put(rows.Get(), u"DkE_Numer", tlx::Variant::FromLong(77));
    Execute(connection_.Get(), u"update TLX.DeklElem set DkE_Numer = 32 where DkE_DkEID = 1");
    rows->Resync(adAffectCurrent, adResyncUnderlyingValues);
    EXPECT_EQ(Value(rows.Get(), u"DkE_Numer").lVal, 77);
    EXPECT_EQ(Status(rows.Get()), adRecModified);
    Execute(connection_.Get(), u"update TLX.DeklElem set DkE_Opis = 'nowy'");
    EXPECT_EQ(rows->Resync(adAffectAll, adResyncAllValues), S_OK);
    EXPECT_EQ(Value(rows.Get(), u"DkE_Numer").lVal, 32);
    EXPECT_EQ(Status(rows.Get()), adRecUnmodified);
    rows->MoveLast();
    EXPECT_EQ(Text(Value(rows.Get(), u"DkE_Opis")), u"nowy");
    rows->MoveFirst();

    Execute(connection_.Get(), u"delete from TLX.DeklElem where DkE_DkEID = 1");
    EXPECT_EQ(rows->Resync(adAffectCurrent, adResyncUnderlyingValues), S_OK);
    EXPECT_EQ(Status(rows.Get()) & adRecDBDeleted, adRecDBDeleted);
}

TEST_F(AdoRecordsetTest, ARecordsetBuiltInMemory) {
    auto rows = tlx::ado::CRecordset::Make();
    tlx::ComPtr<Fields> fields;
    rows->get_Fields(fields.Out());
    ASSERT_EQ(fields->Append(tlx::Bstr(u"Rok").Get(), adInteger, 0, 0, tlx::Variant::Missing()), S_OK);
    ASSERT_EQ(fields->Append(tlx::Bstr(u"Miesiac").Get(), adInteger, 0, 0, tlx::Variant::Missing()), S_OK);
    ASSERT_EQ(fields->Append(tlx::Bstr(u"Przychod").Get(), adCurrency, 0, 0, tlx::Variant::Missing()), S_OK);
    EXPECT_EQ(fields->Append(tlx::Bstr(u"rok").Get(), adInteger, 0, 0, tlx::Variant::Missing()), adErrInvalidArgument);
    ASSERT_EQ(rows->Open(tlx::Variant::Missing(), tlx::Variant::Missing(), adOpenStatic, adLockBatchOptimistic, -1), S_OK);
    for (LONG month = 1; month <= 3; ++month) {
        rows->AddNew(tlx::Variant::Missing(), tlx::Variant::Missing());
        Put(rows.Get(), u"Rok", tlx::Variant::FromDouble(2024));
        Put(rows.Get(), u"Miesiac", tlx::Variant::FromLong(month));
        Put(rows.Get(), u"Przychod", tlx::Variant::FromDouble(month * 100.25));
    }
    EXPECT_EQ(Count(rows.Get()), 3);
    ASSERT_EQ(rows->put_Filter(tlx::Variant::FromString(u"Rok=2024 AND Miesiac=2")), S_OK);
    ASSERT_EQ(Count(rows.Get()), 1);
    EXPECT_EQ(Value(rows.Get(), u"Przychod").cyVal.int64, 2005000);
    EXPECT_EQ(fields->Append(tlx::Bstr(u"Late").Get(), adInteger, 0, 0, tlx::Variant::Missing()), adErrObjectOpen);
}

TEST_F(AdoRecordsetTest, ReadOnlyRecordsetsRefuseChanges) {
    auto rows = Execute(connection_.Get(), u"select * from TLX.DeklElem");
    EXPECT_EQ(Put(rows.Get(), u"DkE_Numer", tlx::Variant::FromLong(1)), adErrFeatureNotAvailable);
    EXPECT_EQ(rows->AddNew(tlx::Variant::Missing(), tlx::Variant::Missing()), adErrFeatureNotAvailable);
}

TEST_F(AdoRecordsetTest, ConnectionExecuteAndTransactions) {
    tlx::ComPtr<Recordset> none;
    tlx::Variant affected;
    ASSERT_EQ(connection_->Execute(tlx::Bstr(u"update TLX.DeklElem set DkE_Numer = DkE_Numer + 1").Get(),
                                   affected.Out(), adCmdText, none.Out()),
              S_OK);
    EXPECT_FALSE(none) << "a statement without rows answers no recordset";
    EXPECT_EQ(affected.lVal, 3);

    LONG level = 0;
    ASSERT_EQ(connection_->BeginTrans(&level), S_OK);
    Execute(connection_.Get(), u"delete from TLX.DeklElem");
    ASSERT_EQ(connection_->RollbackTrans(), S_OK);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem").lVal, 3);
    connection_->BeginTrans(&level);
    Execute(connection_.Get(), u"delete from TLX.DeklElem where DkE_DkEID = 1");
    ASSERT_EQ(connection_->CommitTrans(), S_OK);
    EXPECT_EQ(Scalar(u"select count(*) from TLX.DeklElem").lVal, 2);
    EXPECT_EQ(connection_->CommitTrans(), adErrFeatureNotAvailable);
}

TEST_F(AdoRecordsetTest, FailingStatementsCarryTheDatabaseMessageAndTheStatement) {
    tlx::ComPtr<Recordset> rows;
    HRESULT hr = connection_->Execute(tlx::Bstr(u"select nope from TLX.DeklElem").Get(), nullptr, adCmdText, rows.Out());
    EXPECT_EQ(hr, adErrDatabase);
    std::u16string description = tlx::TakeErrorDescription();
    EXPECT_NE(description.find(u"no such column: nope"), std::u16string::npos) << tlx::Utf16ToUtf8(description);
    EXPECT_NE(description.find(u"select nope from TLX.DeklElem"), std::u16string::npos);
}

TEST_F(AdoRecordsetTest, RecordsetOpensOnAConnectionString) {
    auto rows = tlx::ado::CRecordset::Make();
    tlx::Variant source = tlx::Variant::FromString(u"Select Fir_Wartosc From TLX.Firma Where Fir_Numer=1204");
    tlx::Variant active = tlx::Variant::FromString(u"Provider=tlx;Data Source=" + tlx::Utf8ToUtf16(db_.Path()));
    ASSERT_EQ(rows->Open(source, active, adOpenForwardOnly, adLockReadOnly, adCmdText), S_OK);
    EXPECT_TRUE(AtEnd(rows.Get()));
    LONG state = 0;
    rows->get_State(&state);
    EXPECT_EQ(state, adStateOpen);
}

TEST(AdoClasses, AreCreatedByProgId) {
    ASSERT_EQ(tlx::ado::RegisterAdoClasses(), S_OK);
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(u"ADODB.Recordset", &clsid), S_OK);
    EXPECT_EQ(clsid, CLSID_Recordset);
    tlx::ComPtr<Recordset> rows;
    EXPECT_EQ(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, Recordset::kIid, rows.OutVoid()), S_OK);
    tlx::ComPtr<Connection> connection;
    EXPECT_EQ(CoCreateInstance(CLSID_Connection, nullptr, CLSCTX_ALL, Connection::kIid, connection.OutVoid()), S_OK);
}

}  // namespace
