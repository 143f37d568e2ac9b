// The host's SQL routines, each called with the statement its caller sends (tabs and double blanks
// included), against rows whose answers are worked out by hand below.
#include <gtest/gtest.h>

#include "HostFixture.h"
#include "host/HostError.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/CodePage.h"

namespace tlx::host::test {
namespace {

// Card 7 with its secondary card 8, card 9. Full-time equivalents in March 2024 (1 = 1/1):
//   7: 1/1 all month;  8: 1/2 from the 16th, moderate disability, pension right;
//   9: 3/4 until the 10th, light disability; from the 11th a record of kind 1 (left out).
constexpr char16_t kRows[] = u"insert into TLX.PracKod (Pra_PraID, Pra_ParentID, Pra_Kod) values "
    u"(7, NULL, 'P7'), (8, 7, 'P7/1'), (9, NULL, 'P9');"
    u"insert into TLX.PracEtaty (PRE_PreId, PRE_PraId, PRE_DataOd, PRE_DataDo, PRE_ZatrudnionyOd, PRE_ZatrudnionyDo, "
    u"PRE_ETAEtatL, PRE_ETAEtatM, PRE_StNiepelnosp, PRE_PrawoER, PRE_RodzajZapisu) values "
    u"(71, 7, '2024-01-01 00:00:00', NULL, '2024-01-01 00:00:00', NULL, 1, 1, 0, 0, 0), "
    u"(81, 8, '2024-03-16 00:00:00', NULL, '2024-03-16 00:00:00', NULL, 1, 2, 2, 1, 0), "
    u"(91, 9, '2024-01-01 00:00:00', '2024-03-10 00:00:00', '2024-01-01 00:00:00', '2024-03-10 00:00:00', 3, 4, 1, 0, 0), "
    u"(92, 9, '2024-03-11 00:00:00', NULL, '2024-03-11 00:00:00', NULL, 1, 1, 0, 0, 1);"
    u"insert into TLX.Umowy (UMW_UmwId, UMW_PraId, UMW_DataOd, UMW_DataDo, UMW_UBZTyuId) values "
    u"(1, 9, '2024-02-01 00:00:00', '2024-04-30 00:00:00', 411), (2, 7, '2024-03-05 00:00:00', NULL, 2211), "
    u"(3, 8, '2024-01-01 00:00:00', '2024-12-31 00:00:00', 411), (4, 9, '2024-01-01 00:00:00', '2024-02-28 00:00:00', 411);"
    u"insert into TLX.ListyPlac (LPL_LplId, LPL_Rok, LPL_Miesiac, LPL_DataOd, LPL_DataDo, LPL_Typ) values "
    u"(300, 2024, 3, '2024-03-01 00:00:00', '2024-03-31 00:00:00', 2), "
    u"(301, 2024, 3, '2024-03-01 00:00:00', '2024-03-31 00:00:00', 1);"
    u"insert into TLX.Wyplaty (WPL_WplId, WPL_PraId, WPL_LplId, WPL_Rok, WPL_Miesiac) values "
    u"(310, 8, 300, 2024, 3), (311, 7, 301, 2024, 3), (312, 8, 301, 2024, 3);"
    u"insert into TLX.WypElementy (WPE_WpeId, WPE_WplId, WPE_KodTytulu) values "
    u"(320, 310, 41100), (321, 311, 11000), (322, 312, 11000);"
    u"insert into TLX.WypElementyLinki (WEL_WpeId, WEL_ZrodloId, WEL_ZrodloRodzaj) values (320, 3, 8);"
    u"insert into TLX.DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_Zablokowana) values "
    u"(12, 403, 1), (13, 403, 1), (14, 403, 0), (15, 1, 1);"
    u"insert into TLX.VATZD (VaZ_DkNId) values (12), (14), (15);";

class DatabaseRoutinesTest : public HostTest {
protected:
    void SetUp() override {
        HostTest::SetUp();
        std::u16string_view rows = kRows;
        while (!rows.empty()) {
            std::size_t end = rows.find(u';');
            Execute(rows.substr(0, end));
            rows.remove_prefix(end + 1);
        }
    }

    // Every row's value of one column, as text.
    std::vector<std::u16string> Column(std::u16string_view sql, std::u16string_view column) {
        ComPtr<Recordset> rows = OpenRecordset(Database(), sql);
        std::vector<std::u16string> values;
        for (; !AtEnd(rows.Get()); rows->MoveNext()) values.push_back(ReadText(rows.Get(), column));
        return values;
    }
    // Every row's value of one column, as a number.
    std::vector<double> Numbers(std::u16string_view sql, std::u16string_view column) {
        ComPtr<Recordset> rows = OpenRecordset(Database(), sql);
        std::vector<double> values;
        for (; !AtEnd(rows.Get()); rows->MoveNext()) {
            Variant value = ReadField(rows.Get(), column), number;
            EXPECT_EQ(VariantChangeType(&number, &value, 0, VT_R8), S_OK);
            values.push_back(number.dblVal);
        }
        return values;
    }
    double Sum(std::u16string_view sql, std::u16string_view column) {
        double sum = 0;
        for (double value : Numbers(sql, column)) sum += value;
        return sum;
    }
};

constexpr char16_t kZpchr[] =
    u"DECLARE @D1 DATETIME \t\t\t\t\t\t\t  DECLARE @D2 DATETIME \t\t\t\t\t\t\t  SET @D1 = CONVERT(datetime,'2024-03-01',120) "
    u"\t\t\t\t\t\t\t  SET @D2 = CONVERT(datetime,'2024-03-31',120) \t\t\t\t\t\t\t  exec TLX.ZPCHR @D1 , @D2, 1";
constexpr char16_t kSod3[] =
    u"DECLARE @DataOd DATETIME,@DataDo DATETIME; SET @DataOd= CONVERT(datetime, '2024-03-01', 120); "
    u"SET @DataDo=CONVERT(datetime, '2024-03-31', 120); exec TLX.SOD3 @DataOd, @DataDo, 1;";
constexpr char16_t kSod4[] =
    u"DECLARE @DataOd DATETIME,@DataDo DATETIME; SET @DataOd= CONVERT(datetime, '2024-03-01', 120); "
    u"SET @DataDo=CONVERT(datetime, '2024-03-31', 120); exec TLX.SOD4 @DataOd, @DataDo;";

TEST_F(DatabaseRoutinesTest, FullTimeEquivalentsComeOnePerDayOfThePeriod) {
    // 10 days of 1 + 3/4, 5 days of 1, 16 days of 1 + 1/2.
    EXPECT_EQ(Column(kZpchr, u"Tmp_ET_P").size(), 31u);
    EXPECT_DOUBLE_EQ(Sum(kZpchr, u"Tmp_ET_P"), 10 * 1.75 + 5 * 1.0 + 16 * 1.5);
    EXPECT_DOUBLE_EQ(Sum(kSod3, u"TMP_ET_P"), 46.5);
    EXPECT_DOUBLE_EQ(Sum(kSod3, u"TMP_ET_N"), 10 * 0.75 + 16 * 0.5) << "light and moderate degrees";
    EXPECT_DOUBLE_EQ(Sum(kSod4, u"TMP_ET_P"), 46.5);
    EXPECT_DOUBLE_EQ(Sum(kSod4, u"TMP_ET_N"), 10 * 0.75) << "SOD4 leaves out those with a pension right";
}

// Records that hold only the period's first or last day count on that day and on no other.
TEST_F(DatabaseRoutinesTest, RecordsHoldingOnlyAnEdgeOfThePeriodCountOnThatDay) {
    Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_Kod) values (10, 'P10'), (11, 'P11')");
    Execute(u"insert into TLX.PracEtaty (PRE_PreId, PRE_PraId, PRE_DataOd, PRE_DataDo, PRE_ZatrudnionyOd, "
            u"PRE_ZatrudnionyDo, PRE_ETAEtatL, PRE_ETAEtatM, PRE_StNiepelnosp, PRE_PrawoER, PRE_RodzajZapisu) values "
            u"(101, 10, '2024-02-01 00:00:00', '2024-03-01 00:00:00', '2024-02-01 00:00:00', '2024-03-01 00:00:00', "
            u"1, 4, 1, 0, 0), "
            u"(111, 11, '2024-03-31 23:59:59', NULL, '2024-03-31 00:00:00', NULL, 1, 8, 3, 0, 0)");
    const std::vector<std::u16string> days = Column(kSod3, u"Dzien");
    ASSERT_EQ(days.size(), 31u);
    const std::vector<double> total = Numbers(kSod3, u"TMP_ET_P");
    const std::vector<double> disabled = Numbers(kSod4, u"TMP_ET_N");
    // Card 9's 3/4 and card 7's 1 on the 1st; card 7's 1 and card 8's 1/2 on the 31st.
    EXPECT_DOUBLE_EQ(total.front(), 1.75 + 0.25);
    EXPECT_DOUBLE_EQ(total.back(), 1.5 + 0.125);
    EXPECT_DOUBLE_EQ(disabled.front(), 0.75 + 0.25);
    EXPECT_DOUBLE_EQ(disabled.back(), 0.125) << "card 8 has a pension right";
    EXPECT_DOUBLE_EQ(Sum(kSod3, u"TMP_ET_P"), 46.5 + 0.25 + 0.125) << "on no other day";
    EXPECT_DOUBLE_EQ(Sum(kZpchr, u"Tmp_ET_P"), 46.5 + 0.25 + 0.125);

    // A period of one day counts the records that hold it.
    constexpr char16_t kOneDay[] =
        u"DECLARE @DataOd DATETIME,@DataDo DATETIME; SET @DataOd= CONVERT(datetime, '2024-03-31', 120); "
        u"SET @DataDo=CONVERT(datetime, '2024-03-31', 120); exec TLX.SOD3 @DataOd, @DataDo, 1;";
    EXPECT_EQ(Column(kOneDay, u"Dzien"), std::vector<std::u16string>{u"2024-03-31"});
    EXPECT_DOUBLE_EQ(Sum(kOneDay, u"TMP_ET_P"), 1.5 + 0.125);
}

TEST_F(DatabaseRoutinesTest, ZeroReportsListTheMonthsContractsWithoutAPayout) {
    constexpr char16_t kWithNew[] = u"declare @dat datetime set @dat  =  DATEADD(day, -1, DATEADD(month, 1, '20240301'))"
                                    u"exec tlx.ZeroweRcaRza '20240301', @dat , 1";
    constexpr char16_t kWithoutNew[] = u"declare @dat datetime set @dat  =  DATEADD(day, -1, DATEADD(month, 1, '20240301'))"
                                       u"exec tlx.ZeroweRcaRza '20240301', @dat , 0";
    EXPECT_EQ(Column(kWithNew, u"id"), (std::vector<std::u16string>{u"1", u"2"}));
    EXPECT_EQ(Column(kWithNew, u"UMW_PraId"), (std::vector<std::u16string>{u"9", u"7"}));
    EXPECT_EQ(Column(kWithNew, u"rodzaj"), (std::vector<std::u16string>{u"RCA", u"RZA"})) << "2211 is health-only";
    EXPECT_EQ(Column(kWithoutNew, u"id"), (std::vector<std::u16string>{u"1"})) << "a contract begun in March waits";
}

TEST_F(DatabaseRoutinesTest, DraAnswersWhetherTheMonthsElementsOfATitleComeFromOneSource) {
    auto first = [&](std::u16string_view sql) {
        ComPtr<Recordset> rows = OpenRecordset(Database(), sql);
        EXPECT_FALSE(AtEnd(rows.Get()));
        Variant value;
        ComPtr<Fields> fields;
        EXPECT_EQ(rows->get_Fields(fields.Out()), S_OK);
        ComPtr<Field> field;
        EXPECT_EQ(fields->get_Item(Variant::FromLong(0), field.Out()), S_OK);
        EXPECT_EQ(field->get_Value(value.Out()), S_OK);
        Variant number;
        EXPECT_EQ(VariantChangeType(&number, &value, 0, VT_I4), S_OK);
        return number.lVal;
    };
    EXPECT_EQ(first(u"exec tlx.DRA 2024,3,7,11000"), 0) << "the card and its secondary card";
    EXPECT_EQ(first(u"exec tlx.DRA 2024,3,7,41100"), 1) << "one contract, through the secondary card";
    EXPECT_EQ(first(u"exec tlx.DRA 2024,3,9,11000"), 1) << "nothing paid comes from no second source";
    EXPECT_EQ(first(u"exec tlx.DRA 2024,3,9,221110"), 0) << "a health-only title is left to its elements' marks";

    // A person cooperating with card 9 is no card of 9's: his pay is no second source of 9's.
    Execute(u"insert into TLX.PracKod (Pra_PraID, Pra_WlascicielID, Pra_Kod) values (10, 9, 'P10')");
    Execute(u"insert into TLX.Wyplaty (WPL_WplId, WPL_PraId, WPL_LplId, WPL_Rok, WPL_Miesiac) values "
            u"(313, 9, 301, 2024, 3), (314, 10, 301, 2024, 3)");
    Execute(u"insert into TLX.WypElementy (WPE_WpeId, WPE_WplId, WPE_KodTytulu) values (323, 313, 11000), (324, 314, 11000)");
    EXPECT_EQ(first(u"exec tlx.DRA 2024,3,9,11000"), 1) << "the owner's own pay only";
    Execute(u"update TLX.PracKod set Pra_ParentID = 9 where Pra_PraID = 10");
    EXPECT_EQ(first(u"exec tlx.DRA 2024,3,9,11000"), 0) << "a secondary card's pay is the card's";
}

TEST_F(DatabaseRoutinesTest, AVatZdNoticeIsACorrectionWhenLockedAndNotEmpty) {
    EXPECT_EQ(Column(u"select TLX.VATZD_JestZapisKorekcyjny(12) as n", u"n"), (std::vector<std::u16string>{u"1"}));
    for (const char16_t* other : {u"select TLX.VATZD_JestZapisKorekcyjny(13) as n", u"select TLX.VATZD_JestZapisKorekcyjny(14) as n",
                                  u"select TLX.VATZD_JestZapisKorekcyjny(15) as n", u"select TLX.VATZD_JestZapisKorekcyjny(99) as n"})
        EXPECT_EQ(Column(other, u"n"), (std::vector<std::u16string>{u"0"})) << Utf16ToUtf8(other);
}

TEST_F(DatabaseRoutinesTest, ARoutineCalledWithWrongArgumentsFailsNamingItself) {
    for (const char16_t* sql : {u"exec TLX.ZPCHR '2024-03-01', '2024-03-31'", u"exec TLX.SOD4 'wczoraj', '2024-03-31'",
                                u"exec tlx.DRA 2024,3,7", u"exec tlx.ZeroweRcaRza '20240301', '20240331', 2"}) {
        std::u16string text(sql);
        std::u16string name = text.substr(5, text.find(u' ', 5) - 5);
        EXPECT_THROW(OpenRecordset(Database(), sql), HostError) << Utf16ToUtf8(sql);
        EXPECT_NE(TakeErrorDescription().find(name), std::u16string::npos) << Utf16ToUtf8(sql);
    }
}

}  // namespace
}  // namespace tlx::host::test
