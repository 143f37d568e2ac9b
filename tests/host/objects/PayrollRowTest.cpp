// The payroll objects' rows read from a company database: the same values and kinds as a recordset's
// fields answer for every kind of column, columns found by name without regard to case, and a failing
// query failing as it fails through a recordset.
#include <gtest/gtest.h>

#include "HostFixture.h"
#include "host/HostError.h"
#include "host/objects/payroll/DaneZUS.h"
#include "host/objects/payroll/PayrollRow.h"
#include "platform/ado/DateText.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace tlx::host::test {
namespace {

// A value as text, to compare two values of one kind.
std::u16string VariantToText(const Variant& value) {
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return u"<null>";
    Variant text;
    if (FAILED(VariantChangeType(&text, &value, 0, VT_BSTR))) return u"<?>";
    return std::u16string(text.bstrVal, SysStringLen(text.bstrVal));
}

class PayrollRowTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        Execute(u"insert into TLX.PracEtaty (PRE_PreId, PRE_PraId, PRE_DataOd, PRE_DataDo, PRE_Nazwisko, PRE_Imie1) values "
                u"(71, 7, '2024-01-01 00:00:00', NULL, 'Żółć', NULL), "
                u"(72, 7, '2024-05-01 13:30:00', '2024-08-31 00:00:00', 'O''Brien', 'Jan')");
        Execute(u"insert into TLX.WypElementy (WPE_WpeId, WPE_WplId, WPE_Wartosc, WPE_Kwota1, WPE_Kwota20) values "
                u"(1, 10, 1234.5678, 0.01, -7), (2, 10, NULL, 922337203685477.5807, 0)");
    }

    // The query's values as a recordset's fields give them, row by row.
    std::vector<std::vector<Variant>> ThroughRecordset(std::u16string_view sql) {
        std::vector<std::vector<Variant>> out;
        ComPtr<Recordset> rows = OpenRecordset(Database(), sql);
        for (; !AtEnd(rows.Get()); rows->MoveNext()) {
            out.emplace_back();
            ForEachField(rows.Get(), [&](Field* field, std::u16string_view) {
                Variant value;
                EXPECT_EQ(field->get_Value(value.Out()), S_OK);
                out.back().push_back(value);
            });
        }
        return out;
    }
};

TEST_F(PayrollRowTest, RowsHoldWhatTheRecordsetsFieldsAnswerForEveryKindOfColumn) {
    for (std::u16string_view sql : {std::u16string_view(u"select * from PracEtaty order by PRE_PreId"),
                                    std::u16string_view(u"select * from WypElementy order by WPE_WpeId"),
                                    std::u16string_view(u"select count(*) as Ile, max(PRE_DataOd) as Od, 'x' as T, 1.5 as R "
                                                        u"from PracEtaty")}) {
        SCOPED_TRACE(std::string(sql.begin(), sql.end()));
        std::vector<std::vector<Variant>> expected = ThroughRecordset(sql);
        PayrollRows rows = ReadRows(Database(), sql);
        ASSERT_EQ(rows.size(), expected.size());
        ComPtr<Recordset> names = OpenRecordset(Database(), sql);
        std::size_t row = 0;
        for (const auto& read : rows) {
            std::size_t column = 0;
            ForEachField(names.Get(), [&](Field*, std::u16string_view name) {
                const Variant& value = read->Value(name);
                const Variant& want = expected[row][column++];
                EXPECT_EQ(value.vt, want.vt) << std::string(name.begin(), name.end());
                EXPECT_EQ(VariantToText(value), VariantToText(want)) << std::string(name.begin(), name.end());
            });
            ++row;
        }
    }
}

TEST_F(PayrollRowTest, ColumnsAreFoundWithoutRegardToCaseAndTheFirstOfOneNameWins) {
    PayrollRows rows = ReadRows(Database(), u"select 1 as Kwota, 2 as KWOTA, 'Ą' as ą, NULL as Pusta");
    ASSERT_EQ(rows.size(), 1u);
    const PayrollRow& row = *rows.front();
    EXPECT_EQ(row.Long(u"kwota"), 1);
    EXPECT_EQ(row.Long(u"KwOtA"), 1);
    EXPECT_EQ(row.Text(u"ą"), u"Ą");
    EXPECT_TRUE(row.Value(u"Ą").vt == VT_EMPTY);  // only the ASCII letters fold
    EXPECT_TRUE(row.IsNull(u"pusta"));
    EXPECT_TRUE(row.IsNull(u"Brak"));
    EXPECT_EQ(row.Money(u"Brak").int64, 0);

    PayrollRow changed = row;
    changed.Set(u"KWOTA", Variant::FromLong(5));
    changed.Set(u"Nowa", Variant::FromLong(6));
    EXPECT_EQ(changed.Long(u"kwota"), 5);
    EXPECT_EQ(changed.Long(u"nowa"), 6);
    EXPECT_EQ(row.Long(u"kwota"), 1);
    EXPECT_TRUE(row.IsNull(u"nowa"));
}

TEST_F(PayrollRowTest, AStatementReadAgainNamesTheColumnsOfNow) {
    const std::u16string_view sql = u"select * from WypElementy where WPE_WpeId = 1";
    PayrollRows before = ReadRows(Database(), sql);
    ASSERT_EQ(before.size(), 1u);
    EXPECT_TRUE(before.front()->Value(u"WPE_Dodatek").vt == VT_EMPTY);
    // Another statement in between keeps its own columns.
    PayrollRows other = ReadRows(Database(), u"select PRE_Nazwisko as WPE_WpeId from PracEtaty where PRE_PreId = 72");
    ASSERT_EQ(other.size(), 1u);
    EXPECT_EQ(other.front()->Text(u"wpe_wpeid"), u"O'Brien");

    Execute(u"alter table TLX.WypElementy add column WPE_Dodatek INT NOT NULL DEFAULT 9");
    PayrollRows after = ReadRows(Database(), sql);
    ASSERT_EQ(after.size(), 1u);
    EXPECT_EQ(after.front()->Long(u"wpe_dodatek"), 9);
    EXPECT_EQ(after.front()->Long(u"WPE_WpeId"), 1);
    EXPECT_EQ(before.front()->Long(u"WPE_WpeId"), 1);
    EXPECT_TRUE(before.front()->Value(u"WPE_Dodatek").vt == VT_EMPTY);
}

TEST_F(PayrollRowTest, ARowAnswersWhatWasReadAlsoForAColumnFirstAskedAfterTheTableChanged) {
    const std::u16string_view sql = u"select * from PracEtaty where PRE_PraId = 7 order by PRE_PreId";
    PayrollRows rows = ReadRows(Database(), sql);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0]->Long(u"PRE_PreId"), 71);
    Execute(u"update TLX.PracEtaty set PRE_Nazwisko = 'Nowak', PRE_Imie1 = 'Ewa' where PRE_PraId = 7");
    Execute(u"delete from TLX.PracEtaty where PRE_PreId = 72");
    PayrollRows again = ReadRows(Database(), sql);
    ASSERT_EQ(again.size(), 1u);
    EXPECT_EQ(again[0]->Text(u"PRE_Nazwisko"), u"Nowak");

    EXPECT_EQ(rows[0]->Text(u"PRE_Nazwisko"), u"Żółć");
    EXPECT_TRUE(rows[0]->IsNull(u"PRE_Imie1"));
    EXPECT_EQ(rows[1]->Text(u"PRE_Imie1"), u"Jan");
    EXPECT_EQ(rows[1]->Date(u"PRE_DataDo"), *ado::MakeOleDate(2024, 8, 31));
    PayrollRow copy = *rows[1];
    copy.Set(u"PRE_Imie1", Variant::FromString(u"Adam"));
    EXPECT_EQ(copy.Text(u"PRE_Imie1"), u"Adam");
    EXPECT_EQ(copy.Text(u"PRE_Nazwisko"), u"O'Brien");
    EXPECT_EQ(rows[1]->Text(u"PRE_Imie1"), u"Jan");
}

TEST_F(PayrollRowTest, ValuesAreConvertedToTheKindReadOrRefusedNamingTheColumnAndRow) {
    PayrollRows rows = ReadRows(Database(), u"select WPE_WpeId, WPE_Wartosc, WPE_Kwota1 from WypElementy where WPE_WpeId = 1");
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows.front()->Money(u"WPE_Wartosc").int64, 12345678);
    EXPECT_EQ(rows.front()->Long(u"WPE_Kwota1"), 0);
    EXPECT_EQ(rows.front()->Double(u"wpe_wartosc"), 1234.5678);

    PayrollRows names = ReadRows(Database(), u"select PRE_PreId, PRE_Nazwisko from PracEtaty where PRE_PreId = 72");
    ASSERT_EQ(names.size(), 1u);
    try {
        names.front()->Long(u"PRE_Nazwisko");
        FAIL() << "a name read as a number";
    } catch (const HostError& error) {
        EXPECT_EQ(error.hr, DISP_E_TYPEMISMATCH);
        std::u16string text = TakeErrorDescription();
        EXPECT_NE(text.find(u"PRE_Nazwisko"), std::u16string::npos);
        EXPECT_NE(text.find(u"PRE_PreId = 72"), std::u16string::npos);
    }

    // A copy of a row that has read only the name: the key then read for the message leaves the name's
    // value where it was.
    PayrollRows fresh = ReadRows(Database(), u"select PRE_PreId, PRE_Nazwisko from PracEtaty where PRE_PreId = 72");
    ASSERT_EQ(fresh.size(), 1u);
    EXPECT_EQ(fresh.front()->Text(u"PRE_Nazwisko"), u"O'Brien");
    PayrollRow copy = *fresh.front();
    try {
        copy.Long(u"PRE_Nazwisko");
        FAIL() << "a name read as a number";
    } catch (const HostError&) {
        std::u16string text = TakeErrorDescription();
        EXPECT_NE(text.find(u"\"O'Brien\" w kolumnie PRE_Nazwisko (wiersz PRE_PreId = 72)"), std::u16string::npos)
            << Utf16ToUtf8(text);
    }
}

TEST_F(PayrollRowTest, AFailingQueryFailsWithTheRecordsetsCodeAndText) {
    const std::u16string_view sql = u"select * from NieMaTakiejTabeli";
    HRESULT expected = S_OK;
    std::u16string expectedText;
    try {
        OpenRecordset(Database(), sql);
    } catch (const HostError& error) {
        expected = error.hr;
        expectedText = TakeErrorDescription();
    }
    ASSERT_TRUE(FAILED(expected));
    try {
        ReadRows(Database(), sql);
        FAIL() << "a query of a missing table answered rows";
    } catch (const HostError& error) {
        EXPECT_EQ(error.hr, expected);
        EXPECT_EQ(TakeErrorDescription(), expectedText);
    }
}

// A query by key answers the rows, values and kinds of the same query with its number written, again
// for the next key, and a key that matches nothing answers no rows.
TEST_F(PayrollRowTest, AQueryByKeyAnswersWhatTheQueryWithItsNumberWrittenAnswers) {
    Execute(u"insert into TLX.PracEtaty (PRE_PreId, PRE_PraId, PRE_DataOd, PRE_Nazwisko) values "
            u"(81, 8, '2024-02-01 00:00:00', 'Ósmy')");
    for (LONG card : {7, 8, 9}) {
        SCOPED_TRACE(card);
        PayrollRows written = ReadRows(Database(), u"select * from TLX.PracEtaty where PRE_PraId = " +
                                                       Utf8ToUtf16(std::to_string(card)) + u" order by PRE_DataOd, PRE_PreId");
        PayrollRows keyed =
            ReadRowsByKey(Database(), "select * from TLX.PracEtaty where PRE_PraId = ?1 order by PRE_DataOd, PRE_PreId", card);
        ASSERT_EQ(keyed.size(), written.size());
        for (std::size_t row = 0; row < keyed.size(); ++row)
            for (const char16_t* column : {u"PRE_PreId", u"PRE_PraId", u"PRE_DataOd", u"PRE_DataDo", u"PRE_Nazwisko", u"PRE_Imie1"}) {
                EXPECT_EQ(keyed[row]->Value(column).vt, written[row]->Value(column).vt) << Utf16ToUtf8(column);
                EXPECT_EQ(VariantToText(keyed[row]->Value(column)), VariantToText(written[row]->Value(column)));
            }
    }
    EXPECT_EQ(ReadRowsByKey(Database(), "select * from TLX.PracEtaty where PRE_PraId = ?1", 7).size(), 2u);
}

// A payout joined with its elements splits into the payout's own columns and element rows that answer
// what the elements read alone answer, column by column; a payout without elements answers none.
TEST_F(PayrollRowTest, AJoinSplitsIntoEachRowsOwnColumnsAndTheJoinedRows) {
    Execute(u"insert into TLX.Wyplaty (WPL_WplId, WPL_PraId, WPL_Rok, WPL_Miesiac, WPL_Kwota) values "
            u"(10, 7, 2024, 3, 12.5), (11, 7, 2024, 4, 0)");
    const std::string_view joined =
        "select * from TLX.Wyplaty left join TLX.WypElementy on WPE_WplId = WPL_WplId where WPL_WplId = ?1 order by WPE_WpeId";
    JoinedRows both = SplitJoinedRows(ReadRowsByKey(Database(), joined, 10), u"WPE_WpeId");
    PayrollRows alone = ReadRows(Database(), u"select * from WypElementy where WPE_WplId = 10 order by WPE_WpeId");
    ASSERT_EQ(both.rows.size(), 2u);
    ASSERT_EQ(both.joined.size(), alone.size());
    EXPECT_EQ(both.rows.front()->Long(u"WPL_WplId"), 10);
    EXPECT_EQ(both.rows.front()->Money(u"WPL_Kwota").int64, 125000);
    EXPECT_TRUE(both.rows.front()->Value(u"WPE_WpeId").vt == VT_EMPTY) << "the payout's row has no element columns";
    EXPECT_TRUE(both.joined.front()->Value(u"WPL_WplId").vt == VT_EMPTY) << "an element's row has no payout columns";
    const auto& columns = *alone.front()->ColumnList();
    ASSERT_EQ(both.joined.front()->ColumnList()->Size(), columns.Size());
    for (std::size_t row = 0; row < alone.size(); ++row)
        for (std::size_t c = 0; c < columns.Size(); ++c) {
            const std::u16string& name = columns.Name(c);
            EXPECT_EQ(both.joined[row]->ColumnList()->Name(c), name);
            EXPECT_EQ(both.joined[row]->Value(name).vt, alone[row]->Value(name).vt) << Utf16ToUtf8(name);
            EXPECT_EQ(VariantToText(both.joined[row]->Value(name)), VariantToText(alone[row]->Value(name))) << Utf16ToUtf8(name);
        }

    JoinedRows none = SplitJoinedRows(ReadRowsByKey(Database(), joined, 11), u"WPE_WpeId");
    ASSERT_EQ(none.rows.size(), 1u);
    EXPECT_EQ(none.rows.front()->Long(u"WPL_WplId"), 11);
    EXPECT_TRUE(none.joined.empty());
    EXPECT_EQ(none.rows.front()->ColumnList(), both.rows.front()->ColumnList()) << "the sides are made once per statement";
    EXPECT_TRUE(SplitJoinedRows(ReadRowsByKey(Database(), joined, 12), u"WPE_WpeId").rows.empty());
    EXPECT_THROW(SplitJoinedRows(ReadRowsByKey(Database(), joined, 10), u"Brak"), HostError);
    TakeErrorDescription();
}

// The ZUS amounts of elements read by statements whose columns stand in other orders, one after another
// and back: each answers its own columns' amounts, and a statement without an amount column answers 0.
TEST_F(PayrollRowTest, ZusAmountsFollowTheColumnsOfEachStatement) {
    using FirstAndTwentieth = std::pair<long long, long long>;
    auto amounts = [&](std::u16string_view sql) {
        ComPtr<CDaneZUS> zus = CDaneZUS::Of(ReadRows(Database(), sql));
        CY first{}, twentieth{};
        EXPECT_EQ(zus->get_PodstawaEmerytalna(&first), S_OK);
        EXPECT_EQ(zus->get_KwotaFEP(&twentieth), S_OK);
        return FirstAndTwentieth(first.int64, twentieth.int64);
    };
    const std::u16string_view inOrder = u"select WPE_Kwota1, WPE_Kwota20 from WypElementy where WPE_WpeId = 1";
    const std::u16string_view reversed = u"select WPE_Kwota20, WPE_Kwota1 from WypElementy where WPE_WpeId = 1";
    const std::u16string_view shifted = u"select WPE_WpeId, WPE_Kwota20 as WPE_Kwota1 from WypElementy where WPE_WpeId = 1";
    for (int pass = 0; pass < 2; ++pass) {
        EXPECT_EQ(amounts(inOrder), FirstAndTwentieth(100, -70000));
        EXPECT_EQ(amounts(reversed), FirstAndTwentieth(100, -70000));
        EXPECT_EQ(amounts(shifted), FirstAndTwentieth(-70000, 0));
    }
}

}  // namespace
}  // namespace tlx::host::test
