#include <gtest/gtest.h>

#include "AdoTestSupport.h"
#include "platform/ado/DateText.h"
#include "platform/ado/AdoError.h"
#include "platform/ado/SqlLexer.h"
#include "platform/ado/SqlRewriter.h"
#include "platform/ado/SqlRoutines.h"

using namespace adotest;

namespace {
constexpr char kData[] = R"(
INSERT INTO DeklNag (DkN_DkNID, DkN_TypDeklar, DkN_Numer, DkN_RokMiesiac, DkN_EDekl_DataWyslania, DkN_Opis)
    VALUES (12, 1, 7, 202403, '2024-03-05 13:45:07', NULL);
INSERT INTO PracEtaty (PRE_PraId, PRE_UBZTyuId, PRE_PrawoER, PRE_StNiepelnosp, PRE_DataOd) VALUES
    (1, 110, 0, 1, '2024-01-01 00:00:00'), (2, 1100, 2, 0, '2024-02-01 00:00:00'), (3, NULL, 0, 0, NULL);
)";

// The value of the first column of the first row, as text ("NULL" for a database NULL).
std::u16string FirstValue(Connection* connection, std::u16string_view sql) {
    auto rows = Execute(connection, sql);
    if (!rows || AtEnd(rows.Get())) return u"<no row>";
    tlx::Variant value = Value(rows.Get(), 0);
    switch (value.vt) {
        case VT_NULL: return u"NULL";
        case VT_BSTR: return Text(value);
        case VT_I4: return tlx::Utf8ToUtf16(std::to_string(value.lVal));
        case VT_R8: return tlx::Utf8ToUtf16(std::to_string(value.dblVal));
        case VT_DATE: return u"date " + tlx::Utf8ToUtf16(tlx::ado::FormatDateText(value.date).value_or("?"));
        default: return u"<kind " + tlx::Utf8ToUtf16(std::to_string(value.vt)) + u">";
    }
}

class SqlRewriterTest : public ::testing::Test {
protected:
    TempDatabase db_{{"db/company"}, kData};
    tlx::ComPtr<Connection> connection_ = db_.Open();
};

TEST_F(SqlRewriterTest, TSqlFormsGiveTheirSqlServerResults) {
    struct Case {
        const char16_t* sql;
        const char16_t* expected;
    } cases[] = {
        {u"select ISNULL(DkN_Opis, 'brak') from TLX.DeklNag", u"brak"},
        {u"SELECT ISNULL(CONVERT(VARCHAR(20), DKN_Edekl_DataWyslania ,120),'') FROM TLX.DeklNag WHERE DkN_DkNID= 12",
         u"2024-03-05 13:45:07"},
        {u"select CONVERT(VARCHAR(10), DkN_EDekl_DataWyslania, 120) from tlx.deklnag", u"2024-03-05"},
        {u"select CONVERT(CHAR(10), DkN_EDekl_DataWyslania, 120) from tlx.deklnag", u"2024-03-05"},
        {u"select CONVERT(CHAR(6), 'ab')", u"ab    "},
        {u"select CONVERT(datetime, '2024-03-05', 120)", u"date 2024-03-05 00:00:00"},
        {u"select CONVERT(datetime, '05-03-2024', 120)", u"date 2024-03-05 00:00:00"},
        {u"select CONVERT(VARCHAR(4), 110)", u"110"},
        {u"select CONVERT(int, '42') + 1", u"43"},
        {u"select ISNULL(CONVERT(VARCHAR(20), DkN_Opis, 120), '') from tlx.DeklNag", u""},
        {u"select top 1 DkN_Numer from TLX.DeklNag order by DkN_Numer desc", u"7"},
        {u"select count(*) from (select TOP 2 PRE_PraId from TLX.PracEtaty order by PRE_PraId) a", u"2"},
        {u"select YEAR(DkN_EDekl_DataWyslania) * 100 + MONTH(DkN_EDekl_DataWyslania) from tlx.deklnag", u"202403"},
        {u"select Day('20240315')", u"15"},
        {u"select DATEADD(day, -1, DATEADD(month, 1, '20240301'))", u"date 2024-03-31 00:00:00"},
        {u"select DATEADD(month, 1, '2024-01-31')", u"date 2024-02-29 00:00:00"},
        {u"select DATEADD(yy, -1, '2024-02-29 10:00:00')", u"date 2023-02-28 10:00:00"},
        {u"select DATEDIFF(month, '2023-11-30', '2024-02-01')", u"3"},
        {u"select length(GETDATE())", u"19"},
        {u"select 'Nr ' + CONVERT(VARCHAR(10), DkN_Numer) + '/' + CONVERT(VARCHAR(4), DkN_RokMiesiac / 100) "
         u"from TLX.DeklNag",
         u"Nr 7/2024"},
        {u"select DkN_Numer + DkN_TypDeklar from TLX.DeklNag", u"8"},
        {u"select DkN_Numer + 1 + DkN_TypDeklar * 2 from TLX.DeklNag", u"10"},
        {u"select N'zażółć' + N'!'", u"zażółć!"},
        {u"SELECT DISTINCT( CAST( CASE WHEN PRE_UBZTyuId = 99999 THEN CAST('0000' AS VARCHAR(4)) "
         u"WHEN PRE_UBZTyuId IS NULL THEN CAST('0000' AS VARCHAR(4)) "
         u"WHEN PRE_UBZTyuId <= 999 THEN '0' + CONVERT(VARCHAR(4),PRE_UBZTyuId) "
         u"ELSE CAST(PRE_UBZTyuId AS VARCHAR(4)) END AS VARCHAR(4)) + CONVERT(VARCHAR(1), PRE_PrawoER) +  "
         u"CONVERT(VARCHAR(1), PRE_StNiepelnosp)) AS TYUB FROM TLX.PracEtaty WHERE PRE_PraId = 1 ORDER BY TYUB ASC;",
         u"011001"},
        {u"select MIN(PRE_DataOd) AS 'PRE_DataOd' from TLX.PracEtaty", u"date 2024-01-01 00:00:00"},
        {u"select [DkN_Numer] from [TLX].[DeklNag]", u"7"},
        {u"select dkn_numer from tlx.deklnag -- a comment\n", u"7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstValue(connection_.Get(), c.sql), c.expected) << tlx::Utf16ToUtf8(c.sql);
}

TEST_F(SqlRewriterTest, ColumnNamesSurviveTheRewriting) {
    auto rows = Execute(connection_.Get(), u"SELECT DISTINCT(PRE_PraId) FROM TLX.PracEtaty WHERE PRE_PraId < 3 ORDER BY PRE_PraId ASC;");
    EXPECT_EQ(Value(rows.Get(), u"PRE_PraId").lVal, 1);
    rows = Execute(connection_.Get(), u"SELECT MIN(PRE_DataOd) AS 'PRE_DataOd' FROM TLX.PracEtaty");
    // The least of a date column is a date, as in T-SQL.
    EXPECT_EQ(Value(rows.Get(), u"PRE_DataOd").vt, VT_DATE);
}

TEST_F(SqlRewriterTest, ExpressionsAnswerWhatTheyAnswerInTSql) {
    struct Case {
        const char16_t* sql;
        const char16_t* expected;
    } cases[] = {
        // Dates come as dates, texts of dates as texts.
        {u"select MAX(PRE_DataOd) as ostatnia from TLX.PracEtaty", u"date 2024-02-01 00:00:00"},
        {u"select MIN(PRE_DataOd), MAX(PRE_DataOd) from TLX.PracEtaty where PRE_PraId = 3", u"NULL"},
        {u"select ISNULL(MIN(PRE_DataOd), '2000-01-01') from TLX.PracEtaty", u"date 2024-01-01 00:00:00"},
        {u"select CAST('2024-03-05' AS DATETIME)", u"date 2024-03-05 00:00:00"},
        {u"select DATEADD(day, 1, DkN_EDekl_DataWyslania) from TLX.DeklNag", u"date 2024-03-06 13:45:07"},
        {u"select CONVERT(VARCHAR(20), MAX(PRE_DataOd), 120) from TLX.PracEtaty", u"2024-02-01 00:00:00"},
        {u"select MAX(DkN_Opis) from TLX.DeklNag", u"NULL"},
        {u"select MAX(DkN_Numer) from TLX.DeklNag", u"7"},
        // + of a number and a text adds, as T-SQL converts the text to the number's type.
        {u"select 1 + '2'", u"3"},
        {u"select '1' + '2'", u"12"},
        // DECIMAL and NUMERIC keep their scale, rounding.
        {u"select CAST(1.2345 AS DECIMAL(10,2))", u"1.230000"},
        {u"select CAST(1.235 AS NUMERIC(10, 2)) * 100", u"124.000000"},
        {u"select CONVERT(DECIMAL(5,0), 2.5)", u"3.000000"},
        {u"select CAST(-2.5 AS DECIMAL(5))", u"-3.000000"},
        // Division keeps T-SQL's integer division; NULL divided is NULL.
        {u"select 7 / 2", u"3"},
        {u"select 7.0 / 2", u"3.500000"},
        {u"select -7 / 2", u"-3"},
        {u"select NULL / 0", u"NULL"},
        {u"select DkN_Numer * 10 / 4 / 2 from TLX.DeklNag", u"8"},
        {u"select (DkN_Numer + 1) / (DkN_TypDeklar * 2) from TLX.DeklNag", u"4"},
        // Letters beyond ASCII change case too.
        {u"select UPPER('zażółć gęślą jaźń')", u"ZAŻÓŁĆ GĘŚLĄ JAŹŃ"},
        {u"select LOWER(N'ZAŻÓŁĆ GĘŚLĄ JAŹŃ')", u"zażółć gęślą jaźń"},
        {u"select upper('ÿ straße')", u"Ÿ STRAßE"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FirstValue(connection_.Get(), c.sql), c.expected) << tlx::Utf16ToUtf8(c.sql);

    struct Refused {
        const char16_t* sql;
        const char16_t* named;
    } refused[] = {
        {u"select 1 / 0", u"Divide by zero"},
        {u"select DkN_Numer / (DkN_TypDeklar - 1) from TLX.DeklNag", u"Divide by zero"},
        {u"select 5 % 0", u"Divide by zero"},
        {u"select 1 + 'a'", u"Conversion failed"},
    };
    for (const auto& c : refused) {
        tlx::ComPtr<Recordset> rows;
        HRESULT hr = connection_->Execute(tlx::Bstr(c.sql).Get(), nullptr, adCmdText, rows.Out());
        EXPECT_TRUE(FAILED(hr)) << tlx::Utf16ToUtf8(c.sql);
        std::u16string description = tlx::TakeErrorDescription();
        EXPECT_NE(description.find(c.named), std::u16string::npos) << tlx::Utf16ToUtf8(description);
    }
}

TEST_F(SqlRewriterTest, UnknownConstructsFailBeforeAnythingRuns) {
    struct Case {
        const char16_t* sql;
        const char16_t* named;
    } cases[] = {
        {u"insert into TLX.Firma (Fir_Numer) values (9); select IIF(1=1, 1, 0)", u"IIF()"},
        {u"select * from TLX.DeklNag WITH (NOLOCK)", u"NOLOCK"},
        {u"select @@IDENTITY", u"@@IDENTITY"},
        {u"select TLX.NieMaTakiej(1)", u"TLX.NieMaTakiej"},
        {u"insert into TLX.Firma (Fir_Numer) values (8) exec TLX.NieMaProcedury 1", u"TLX.NieMaProcedury"},
        {u"select CONVERT(xml, 'a')", u"CONVERT to XML"},
        {u"select CONVERT(VARCHAR(10), GETDATE(), 104)", u"CONVERT style 104"},
        {u"select top 10 percent * from TLX.DeklNag", u"PERCENT"},
        // Lengths, scales and styles are whole numbers of 64 bits at most.
        {u"select CONVERT(VARCHAR(.5), 'a')", u"CONVERT to VARCHAR(.5)"},
        {u"select CAST('a' AS VARCHAR(99999999999999999999))", u"CAST to VARCHAR(99999999999999999999)"},
        {u"select CAST(1 AS DECIMAL(10, 2.5))", u"CAST to DECIMAL(2.5)"},
        {u"select CONVERT(VARCHAR(10), GETDATE(), 1E2)", u"CONVERT style 1E2"},
    };
    for (const auto& c : cases) {
        tlx::ComPtr<Recordset> rows;
        HRESULT hr = connection_->Execute(tlx::Bstr(c.sql).Get(), nullptr, adCmdText, rows.Out());
        EXPECT_TRUE(FAILED(hr)) << tlx::Utf16ToUtf8(c.sql);
        std::u16string description = tlx::TakeErrorDescription();
        EXPECT_NE(description.find(c.named), std::u16string::npos) << tlx::Utf16ToUtf8(description);
        EXPECT_NE(description.find(c.sql), std::u16string::npos) << "the statement is named";
    }
    EXPECT_EQ(FirstValue(connection_.Get(), u"select count(*) from TLX.Firma where Fir_Numer in (8, 9)"), u"0")
        << "the statements before the unknown construct did not run";
}

TEST_F(SqlRewriterTest, RegisteredFunctionsAndProcedures) {
    auto& routines = tlx::ado::SqlRoutines::Instance();
    routines.RegisterFunction("TLX.DeklNumer", std::string("select 'DEK/' || DkN_Numer || '/' || (DkN_RokMiesiac / 100) "
                                                           "from DeklNag where DkN_DkNID = ?1"));
    routines.RegisterFunction("TLX.Podwojona", [](sqlite3*, const std::vector<tlx::Variant>& args) {
        return tlx::Variant::FromLong(args.at(0).vt == VT_I4 ? args[0].lVal * 2 : -1);
    });
    routines.RegisterProcedure("TLX.Okres", std::string("create temp table if not exists okres (od, do);"
                                                        "delete from okres; insert into okres values (?1, ?2);"
                                                        "select od, do, ?3 as flaga from okres"));
    EXPECT_EQ(FirstValue(connection_.Get(), u"select TLX.DeklNumer(12)"), u"DEK/7/2024");
    EXPECT_EQ(FirstValue(connection_.Get(), u"select tlx.deklnumer(13)"), u"NULL");
    EXPECT_EQ(FirstValue(connection_.Get(), u"select Tlx.Podwojona(21) + 1"), u"43");

    auto rows = Execute(connection_.Get(),
                        u"DECLARE @D1 DATETIME \t\t\t\t\t\t\t  DECLARE @D2 DATETIME \t\t\t\t\t\t\t  SET @D1 = "
                        u"CONVERT(datetime,'2024-03-01',120) \t\t\t\t\t\t\t  SET @D2 = CONVERT(datetime,'2024-03-31',120) "
                        u"\t\t\t\t\t\t\t  exec TLX.Okres @D1 , @D2, 1");
    ASSERT_TRUE(rows);
    EXPECT_EQ(Text(Value(rows.Get(), u"od")), u"2024-03-01 00:00:00");
    EXPECT_EQ(Text(Value(rows.Get(), u"do")), u"2024-03-31 00:00:00");
    EXPECT_EQ(Value(rows.Get(), u"flaga").lVal, 1);

    rows = Execute(connection_.Get(), u"declare @dat datetime set @dat  =  DATEADD(day, -1, DATEADD(month, 1, "
                                      u"'20240201'))exec tlx.Okres '20240201', @dat , 0");
    ASSERT_TRUE(rows);
    EXPECT_EQ(Text(Value(rows.Get(), u"do")), u"2024-02-29 00:00:00");
    EXPECT_EQ(Text(Value(rows.Get(), u"od")), u"20240201") << "arguments are passed as written";

    rows = Execute(connection_.Get(), u"DECLARE @DataOd DATETIME,@DataDo DATETIME; SET @DataOd= '2024-01-01'; "
                                      u"SET @DataDo='2024-01-31'; exec TLX.Okres @DataOd, @DataDo, 1;");
    ASSERT_TRUE(rows);
    EXPECT_EQ(Text(Value(rows.Get(), u"od")), u"2024-01-01 00:00:00") << "a datetime variable holds a date";

    tlx::ComPtr<Recordset> none;
    HRESULT hr = connection_->Execute(tlx::Bstr(u"select @nieznana").Get(), nullptr, adCmdText, none.Out());
    EXPECT_TRUE(FAILED(hr));
    EXPECT_NE(tlx::TakeErrorDescription().find(u"@nieznana"), std::u16string::npos);
    routines.Unregister("TLX.DeklNumer");
    routines.Unregister("TLX.Podwojona");
    routines.Unregister("TLX.Okres");
}

TEST(SqlRewriter, SplitsBatchesIntoTheirSteps) {
    tlx::ado::SqlRewriter rewriter([](std::string_view) { return std::nullopt; });
    auto steps = rewriter.Rewrite("declare @dat datetime set @dat = '20240101' exec tlx.DRA 2016,3,42,11000");
    ASSERT_EQ(steps.size(), 3u);
    EXPECT_EQ(steps[0].kind, tlx::ado::BatchStatement::kDeclare);
    EXPECT_EQ(steps[1].kind, tlx::ado::BatchStatement::kSet);
    EXPECT_EQ(steps[1].variable, "@dat");
    EXPECT_EQ(steps[2].kind, tlx::ado::BatchStatement::kExec);
    EXPECT_EQ(steps[2].procedure, "tlx.DRA");
    auto single = rewriter.Rewrite("select a from t where b = ';' ;");
    ASSERT_EQ(single.size(), 1u) << "a ';' inside a string does not split";
}

// Tokens keep their kind and whether a blank (or a comment) came before them; a quoted name is written
// in double quotes and a national string as the string it quotes.
TEST(SqlLexer, TokensAreTheirKindAndTextWithTheBlanksBeforeThem) {
    const std::string_view sql = "select [a\"b],N'x''y' /* c */-- d\n from\tt where n=-1.5e3 and @v <= 'q'";
    struct Want {
        tlx::ado::SqlToken::Kind kind;
        const char* text;
        bool spaceBefore;
    };
    using K = tlx::ado::SqlToken;
    const Want want[] = {{K::kWord, "select", false},   {K::kQuotedName, "\"a\"\"b\"", true}, {K::kSymbol, ",", false},
                         {K::kString, "'x''y'", false}, {K::kWord, "from", true},          {K::kWord, "t", true},
                         {K::kWord, "where", true},     {K::kWord, "n", true},             {K::kSymbol, "=", false},
                         {K::kSymbol, "-", false},      {K::kNumber, "1.5e3", false},      {K::kWord, "and", true},
                         {K::kVariable, "@v", true},    {K::kSymbol, "<=", true},          {K::kString, "'q'", true}};
    std::vector<tlx::ado::SqlToken> tokens = tlx::ado::TokenizeSql(sql);
    std::vector<tlx::ado::SqlSpan> spans = tlx::ado::ScanSql(sql);
    ASSERT_EQ(tokens.size(), std::size(want));
    ASSERT_EQ(spans.size(), std::size(want));
    for (size_t i = 0; i < tokens.size(); ++i) {
        EXPECT_EQ(tokens[i].kind, want[i].kind) << i;
        EXPECT_EQ(tokens[i].text, want[i].text) << i;
        EXPECT_EQ(tokens[i].spaceBefore, want[i].spaceBefore) << i;
        EXPECT_EQ(spans[i].kind, want[i].kind) << i;
        EXPECT_EQ(spans[i].spaceBefore, want[i].spaceBefore) << i;
    }
    EXPECT_EQ(spans[1].Text(sql), "[a\"b]");
    EXPECT_EQ(spans[3].Text(sql), "N'x''y'");
    EXPECT_THROW(tlx::ado::ScanSql("select 'x"), tlx::ado::AdoError);
}

}  // namespace
