// What a connection keeps for the next user: statements prepared by their text and, once closed, the
// SQLite connection itself, handed to the next Open of the same file only when it is as good as new.
#include <gtest/gtest.h>

#include "AdoTestSupport.h"
#include "platform/ado/AdoError.h"
#include "platform/ado/DatabasePool.h"

namespace {

using adotest::TempDatabase;
using tlx::Bstr;
using tlx::ComPtr;

std::shared_ptr<tlx::ado::SqliteDatabase> DatabaseOf(Connection* connection) {
    return ComPtr<Connection>(connection).As<tlx::ado::IDatabaseProvider>()->Database();
}

HRESULT Execute(Connection* connection, std::u16string_view sql, ComPtr<Recordset>* rows = nullptr) {
    ComPtr<Recordset> result;
    HRESULT hr = connection->Execute(Bstr(sql).Get(), nullptr, adCmdText, result.Out());
    if (rows) *rows = result;
    return hr;
}

std::u16string FirstValue(Connection* connection, std::u16string_view sql) {
    ComPtr<Recordset> rows;
    EXPECT_EQ(Execute(connection, sql, &rows), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    ComPtr<Fields> fields;
    rows->get_Fields(fields.Out());
    ComPtr<Field> field;
    fields->get_Item(tlx::Variant::FromLong(0), field.Out());
    tlx::Variant value, text;
    field->get_Value(value.Out());
    if (value.vt == VT_NULL) return u"NULL";
    VariantChangeType(&text, &value, 0, VT_BSTR);
    return std::u16string(text.bstrVal, SysStringLen(text.bstrVal));
}

TEST(ConnectionReuse, AStatementRunAgainSeesTheDataAndColumnsOfNow) {
    TempDatabase db({}, "CREATE TABLE Liczby (Wartosc INT);");
    ComPtr<Connection> connection = db.Open();
    const std::u16string count = u"select count(*) from TLX.Liczby";
    EXPECT_EQ(FirstValue(connection.Get(), count), u"0");
    ASSERT_EQ(Execute(connection.Get(), u"insert into TLX.Liczby (Wartosc) values (7)"), S_OK);
    EXPECT_EQ(FirstValue(connection.Get(), count), u"1") << "a kept statement reads afresh";

    const std::u16string all = u"select * from TLX.Liczby";
    ComPtr<Recordset> rows;
    ASSERT_EQ(Execute(connection.Get(), all, &rows), S_OK);
    ASSERT_EQ(Execute(connection.Get(), u"alter table TLX.Liczby add column Opis VARCHAR(10)"), S_OK);
    ASSERT_EQ(Execute(connection.Get(), all, &rows), S_OK);
    ComPtr<Fields> fields;
    rows->get_Fields(fields.Out());
    LONG columns = 0;
    fields->get_Count(&columns);
    EXPECT_EQ(columns, 2) << "a statement kept across a change of the table sees its new column";

    HRESULT first = Execute(connection.Get(), u"select nie_ma from TLX.Liczby");
    EXPECT_TRUE(FAILED(first));
    tlx::TakeErrorDescription();
    EXPECT_EQ(Execute(connection.Get(), u"select nie_ma from TLX.Liczby"), first) << "a failed text is not kept";
    tlx::TakeErrorDescription();
}

TEST(ConnectionReuse, AClosedConnectionServesTheNextOpenOfTheSameFileOnlyWhenClean) {
    TempDatabase db({}, "CREATE TABLE Liczby (Wartosc INT);");
    tlx::ado::DatabasePool::Instance().Clear();
    ComPtr<Connection> first = db.Open();
    tlx::ado::SqliteDatabase* used = DatabaseOf(first.Get()).get();
    ASSERT_EQ(first->Close(), S_OK);
    ComPtr<Connection> second = db.Open();
    EXPECT_EQ(DatabaseOf(second.Get()).get(), used) << "the closed connection was taken again";

    // Left with a temporary table: its next user would meet it, so it is not kept.
    ASSERT_EQ(Execute(second.Get(), u"create temp table Robocza (x INT)"), S_OK);
    ASSERT_EQ(second->Close(), S_OK);
    ComPtr<Connection> third = db.Open();
    EXPECT_EQ(Execute(third.Get(), u"create temp table Robocza (x INT)"), S_OK) << "a fresh connection has no such table";

    // Dropped in the middle of a transaction: rolled back, never handed on.
    LONG level = 0;
    ASSERT_EQ(third->BeginTrans(&level), S_OK);
    ASSERT_EQ(Execute(third.Get(), u"insert into TLX.Liczby (Wartosc) values (1)"), S_OK);
    third.Reset();
    ComPtr<Connection> fourth = db.Open();
    EXPECT_EQ(FirstValue(fourth.Get(), u"select count(*) from TLX.Liczby"), u"0");
    EXPECT_EQ(fourth->BeginTrans(&level), S_OK) << "no transaction is left open on the connection";
    EXPECT_EQ(fourth->RollbackTrans(), S_OK);
}

// A connection is handed on after its user wrote to the file, but never with a table or view its user
// made on it, however it was made.
TEST(ConnectionReuse, AConnectionIsHandedOnWithoutAnythingItsUserMadeOnIt) {
    TempDatabase db({}, "CREATE TABLE Liczby (Wartosc INT);");
    tlx::ado::DatabasePool::Instance().Clear();
    ComPtr<Connection> writer = db.Open();
    tlx::ado::SqliteDatabase* used = DatabaseOf(writer.Get()).get();
    ASSERT_EQ(Execute(writer.Get(), u"insert into TLX.Liczby (Wartosc) values (1)"), S_OK);
    ASSERT_EQ(writer->Close(), S_OK);
    ComPtr<Connection> reader = db.Open();
    EXPECT_EQ(DatabaseOf(reader.Get()).get(), used) << "rows written to the file leave the connection as good as new";
    EXPECT_EQ(FirstValue(reader.Get(), u"select count(*) from TLX.Liczby"), u"1");
    ASSERT_EQ(reader->Close(), S_OK);

    struct Case {
        const char16_t* object;  // the name of what the user made
        bool inTransaction;
        std::vector<std::u16string> made;  // run in turn by the user, who then closes the connection
    };
    const Case cases[] = {
        {u"Robocza", true, {u"create temp table Robocza (x INT)"}},
        {u"Widok", false, {u"create temp view Widok as select Wartosc from TLX.Liczby"}},
        {u"Wlasna", false, {u"create table Wlasna (x INT)"}},
        {u"Pozniej", false, {u"select count(*) from TLX.Liczby", u"create temp table Pozniej (x INT)"}},
    };
    for (const Case& c : cases) {
        std::string name = tlx::Utf16ToUtf8(c.object);
        ComPtr<Connection> user = db.Open();
        LONG level = 0;
        if (c.inTransaction) {
            ASSERT_EQ(user->BeginTrans(&level), S_OK);
        }
        for (const std::u16string& sql : c.made)
            ASSERT_EQ(Execute(user.Get(), sql), S_OK) << name << ": " << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
        if (c.inTransaction) {
            ASSERT_EQ(user->CommitTrans(), S_OK);
        }
        ASSERT_EQ(user->Close(), S_OK);
        ComPtr<Connection> next = db.Open();
        EXPECT_EQ(FirstValue(next.Get(), u"select count(*) from (select name from temp.sqlite_master union all "
                                         u"select name from main.sqlite_master) where name = '" +
                                             std::u16string(c.object) + u"'"),
                  u"0")
            << name << " reached the connection's next user";
        ASSERT_EQ(next->Close(), S_OK);
    }
    tlx::ado::DatabasePool::Instance().Clear();
}

TEST(ConnectionReuse, AFileReplacedAtTheSamePathIsAnotherDatabase) {
    tlx::ado::DatabasePool::Instance().Clear();
    std::string path;
    {
        TempDatabase old({}, "CREATE TABLE Stara (x INT);");
        path = old.Path();
        ComPtr<Connection> connection = old.Open();
        ASSERT_EQ(connection->Close(), S_OK);
    }
    tlx::ado::CreateDatabaseFile(path, {"CREATE TABLE Nowa (x INT);"});
    auto connection = tlx::ado::CConnection::Make();
    ASSERT_EQ(connection->Open(Bstr(u"Data Source=" + tlx::Utf8ToUtf16(path)).Get(), nullptr, nullptr, 0), S_OK);
    EXPECT_EQ(FirstValue(connection.Get(), u"select count(*) from TLX.Nowa"), u"0");
    connection->Close();
    tlx::ado::DatabasePool::Instance().Clear();
    std::filesystem::remove(path);
}

// The forms a connection string names its file in: a key of any case among the connection's other
// settings, spaces around keys and values, or the file's name alone.
TEST(ConnectionReuse, TheConnectionStringNamesTheFileInEachOfItsForms) {
    struct Case {
        std::u16string text;
        const char* file;  // null: the string names none
    };
    const Case cases[] = {
        {u"Data Source=firma.db", "firma.db"},
        {u"Provider=tlx; data source = firma.db ;Mode=Share", "firma.db"},
        {u"DATABASE=c:\\dane\\firma.db", "c:\\dane\\firma.db"},
        {u"Provider=tlx;FileName= firma 2.db", "firma 2.db"},
        {u"  firma.db ", "firma.db"},
        {u"Provider=tlx;Mode=Share", nullptr},
        {u"Provider=tlx;DataSource=firma.db", nullptr},
    };
    for (const Case& c : cases) {
        std::string text = tlx::Utf16ToUtf8(c.text);
        try {
            std::string named = tlx::ado::CConnection::DataSourceOf(c.text);
            ASSERT_NE(c.file, nullptr) << text << " named " << named;
            EXPECT_EQ(named, c.file) << text;
        } catch (const tlx::ado::AdoError& error) {
            EXPECT_EQ(c.file, nullptr) << text;
            EXPECT_NE(tlx::Utf16ToUtf8(error.Description()).find("names no data source"), std::string::npos);
        }
    }
}

}  // namespace

namespace {

// A table of numbers and texts holding "=" and digits, for statements that differ only in their numbers.
class NumberedStatements : public ::testing::Test {
protected:
    struct Case {
        const char16_t* sql;
        const char16_t* first;  // the first value it answers
    };
    TempDatabase db_{{}, "CREATE TABLE Pary (Id INTEGER PRIMARY KEY, Liczba INT, Tekst VARCHAR(10));"
                         "INSERT INTO Pary VALUES (1, -3, '5'), (2, 5, '= 7'), (3, 7, 'x');"};
    ComPtr<Connection> connection_ = db_.Open();
};

// Whole numbers compared with "=" reach SQLite as bound values, so that statements differing only in
// them are prepared once; what they answer must not change.
TEST_F(NumberedStatements, StatementsDifferingOnlyInWholeNumbersAnswerAsWritten) {
    const Case cases[] = {
        {u"select Id from TLX.Pary where Liczba = -3", u"1"},
        {u"select Id from TLX.Pary where Liczba=5", u"2"},
        {u"select Id from TLX.Pary where Liczba = 7", u"3"},
        {u"select Id from TLX.Pary where Tekst = 5", u"1"},
        {u"select Id from TLX.Pary where Tekst = '= 7'", u"2"},
        {u"select count(*) from TLX.Pary where Liczba >= 5", u"2"},
        {u"select count(*) from TLX.Pary where Liczba = 5.0", u"1"},
        {u"select Liczba - 1 from TLX.Pary where Id = 3", u"6"},
        {u"select Id /* = 5 */ from [TLX].[Pary] where [Liczba]=-3 -- = 7\n", u"1"},
        {u"select Id from TLX.Pary where Tekst = N'= 7' and Id = 2", u"2"},
        {u"select Id from TLX.Pary where Liczba = 5 or Liczba = 7 order by Id desc", u"3"},
        {u"select Id from TLX.Pary where Liczba = - 3", u"1"},
    };
    for (const Case& c : cases) EXPECT_EQ(FirstValue(connection_.Get(), c.sql), c.first) << tlx::Utf16ToUtf8(c.sql);
    ASSERT_EQ(Execute(connection_.Get(), u"update TLX.Pary set Liczba = 9 where Id = 3"), S_OK);
    EXPECT_EQ(FirstValue(connection_.Get(), u"select Liczba from TLX.Pary where Id = 3"), u"9");
    EXPECT_EQ(FirstValue(connection_.Get(), u"select Liczba from TLX.Pary where Id = 2"), u"5");
}

// Texts that differ only in the digits after "=" are read once for all of them when every such number is
// one the statement compares with; a number in a string, a comment, a fraction or after another operator
// keeps its own text.
TEST_F(NumberedStatements, StatementsOfOneShapeAnswerTheirOwnNumbers) {
    const Case cases[] = {
        {u"select count(*) from TLX.Pary where Liczba = 5 or Liczba = 7", u"2"},
        {u"select count(*) from TLX.Pary where Liczba = 7 or Liczba = 9", u"1"},
        {u"select count(*) from TLX.Pary where Liczba = -3", u"1"},
        {u"select count(*) from TLX.Pary where Liczba = -5", u"0"},
        {u"select count(*) from TLX.Pary where Liczba >= 5", u"2"},
        {u"select count(*) from TLX.Pary where Liczba >= 7", u"1"},
        {u"select count(*) from TLX.Pary where Liczba <= 5", u"2"},
        {u"select count(*) from TLX.Pary where Liczba <= 3", u"1"},
        {u"select count(*) from TLX.Pary where Liczba = 5.0", u"1"},
        {u"select count(*) from TLX.Pary where Liczba = 4.0", u"0"},
        {u"select count(*) from TLX.Pary where Liczba = - 3", u"1"},
        {u"select count(*) from TLX.Pary where Liczba = - 5", u"0"},
        {u"select count(*) from TLX.Pary where Tekst = '= 7'", u"1"},
        {u"select count(*) from TLX.Pary where Tekst = '= 8'", u"0"},
        {u"select count(*) from TLX.Pary where Tekst = N'= 7' and Id = 2", u"1"},
        {u"select count(*) from TLX.Pary where Tekst = N'= 8' and Id = 2", u"0"},
        {u"select count(*) from TLX.Pary where Liczba = 0000000000000000005", u"1"},
        {u"select count(*) from TLX.Pary where Liczba = 1234567890123456789", u"0"},
        {u"select 5 /* = 1 */ + Liczba from TLX.Pary where Id = 3", u"12"},
        {u"select 5 /* = 2 */ + Liczba from TLX.Pary where Id = 2", u"10"},
        {u"select Liczba + 1 from TLX.Pary where Id = 1", u"-2"},
        {u"select Liczba + 2 from TLX.Pary where Id = 3", u"9"},
        {u"select Liczba + 1 from TLX.Pary where Id = 3", u"8"},
    };
    for (int round = 0; round < 2; ++round)
        for (const Case& c : cases)
            EXPECT_EQ(FirstValue(connection_.Get(), c.sql), c.first) << tlx::Utf16ToUtf8(c.sql) << " round " << round;
}

// A number that is the whole select list of a union's later part, and the text a variable is set to
// (a date of each month), are bound as well: such texts are one statement to the connection, which
// keeps one prepared statement for all of them, and each answers its own values.
TEST_F(NumberedStatements, UnionNumbersAndTheTextsVariablesAreSetToAreBound) {
    auto kept = [&] { return DatabaseOf(connection_.Get())->KeptStatements(); };
    FirstValue(connection_.Get(), u"select Id from TLX.Pary where Liczba = 0 union select 0");
    const std::size_t before = kept();
    for (int id = 1; id <= 20; ++id) {
        const std::u16string number = tlx::Utf8ToUtf16(std::to_string(id));
        // The card's own row and the rows linked to it, lowest first: the union's number answers itself.
        EXPECT_EQ(FirstValue(connection_.Get(), u"select Id from TLX.Pary where Liczba = " + number + u" union select " + number),
                  id == 5 ? u"2" : id == 7 ? u"3" : number)
            << id;
    }
    EXPECT_EQ(kept(), before) << "each union's number was prepared as a statement of its own";

    const std::u16string batch = u"DECLARE @d DATETIME; SET @d= CONVERT(datetime, '2024-";
    FirstValue(connection_.Get(), batch + u"01-31', 120); select YEAR(@d) * 10000 + MONTH(@d) * 100 + DAY(@d)");
    const std::size_t months = kept();
    for (int month = 1; month <= 12; ++month) {
        const std::string mm = (month < 10 ? "0" : "") + std::to_string(month);
        EXPECT_EQ(FirstValue(connection_.Get(), batch + tlx::Utf8ToUtf16(mm) +
                                                    u"-01', 120); select YEAR(@d) * 10000 + MONTH(@d) * 100 + DAY(@d)"),
                  tlx::Utf8ToUtf16("2024" + mm + "01"));
    }
    EXPECT_EQ(kept(), months) << "each month's date was prepared as a statement of its own";

    const Case cases[] = {
        {u"DECLARE @t VARCHAR(10); SET @t = 'it''s'; select @t", u"it's"},
        {u"DECLARE @t VARCHAR(10); SET @t = N'= 7'; select Id from TLX.Pary where Tekst = @t", u"2"},
        {u"DECLARE @t VARCHAR(10); SET @t = 'a' + 'b'; select @t", u"ab"},
        {u"DECLARE @d DATETIME; SET @d = '2024-02-29'; select DAY(@d)", u"29"},
        {u"select Liczba from TLX.Pary where Id = 1 union all select -4 order by 1", u"-4"},
        {u"select Liczba from TLX.Pary where Id = 1 union select 8 + 1 order by 1 desc", u"9"},
        {u"select count(*) from (select Id from TLX.Pary union select 2)", u"3"},
    };
    for (const Case& c : cases) EXPECT_EQ(FirstValue(connection_.Get(), c.sql), c.first) << tlx::Utf16ToUtf8(c.sql);
}

}  // namespace
