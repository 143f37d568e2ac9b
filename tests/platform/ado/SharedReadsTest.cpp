// Reads of one thread that share a read transaction per connection: kept while the reads go on, let go
// before a write of the same thread so that the write never waits for them, and never kept while a
// write's transaction is open or by a connection gone back to the pool.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "AdoTestSupport.h"
#include "platform/ado/SharedReads.h"

namespace {

using adotest::TempDatabase;
using tlx::Bstr;
using tlx::ComPtr;
using tlx::ado::SharedReads;

HRESULT RunSql(Connection* connection, std::u16string_view sql) {
    ComPtr<Recordset> ignored;
    return connection->Execute(Bstr(sql).Get(), nullptr, adCmdText, ignored.Out());
}

LONG CountOf(Connection* connection) {
    ComPtr<Recordset> rows;
    EXPECT_EQ(connection->Execute(Bstr(u"select count(*) from TLX.Liczby").Get(), nullptr, adCmdText, rows.Out()), S_OK)
        << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    tlx::Variant value = adotest::Value(rows.Get(), 0), number;
    EXPECT_EQ(VariantChangeType(&number, &value, 0, VT_I4), S_OK);
    return number.lVal;
}

// A writer that met a kept read would wait this long and fail.
void WaitBriefly(Connection* connection) { ASSERT_EQ(RunSql(connection, u"PRAGMA busy_timeout = 200"), S_OK); }

TEST(SharedReads, ReadsKeepTheirTransactionUntilAWriteOfTheSameThreadLetsThemGo) {
    TempDatabase db({}, "CREATE TABLE Liczby (Wartosc INT);");
    ComPtr<Connection> first = db.Open(), second = db.Open(), writer = db.Open();
    WaitBriefly(writer.Get());
    {
        SharedReads together;
        EXPECT_EQ(CountOf(first.Get()), 0);
        EXPECT_EQ(CountOf(second.Get()), 0);
        EXPECT_EQ(SharedReads::Kept(), 2);

        ASSERT_EQ(RunSql(writer.Get(), u"insert into TLX.Liczby (Wartosc) values (7)"), S_OK)
            << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
        EXPECT_EQ(SharedReads::Kept(), 0);
        EXPECT_EQ(CountOf(first.Get()), 1) << "a read taken again sees the write";
        EXPECT_EQ(SharedReads::Kept(), 1);

        LONG level = 0;
        ASSERT_EQ(writer->BeginTrans(&level), S_OK);
        ASSERT_EQ(RunSql(writer.Get(), u"insert into TLX.Liczby (Wartosc) values (8)"), S_OK);
        EXPECT_EQ(CountOf(second.Get()), 1) << "the open write is not seen";
        EXPECT_EQ(SharedReads::Kept(), 0) << "no read is kept while a write is open";
        ASSERT_EQ(writer->CommitTrans(), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
        EXPECT_EQ(CountOf(second.Get()), 2);
    }
    EXPECT_FALSE(SharedReads::Open());
    EXPECT_EQ(SharedReads::Kept(), 0);
    ASSERT_EQ(RunSql(writer.Get(), u"insert into TLX.Liczby (Wartosc) values (9)"), S_OK);
    EXPECT_EQ(CountOf(first.Get()), 3);
}

TEST(SharedReads, AWriterOfAnotherConnectionGetsInWhileALongCalculationGoesOnReading) {
    TempDatabase db({}, "CREATE TABLE Liczby (Wartosc INT);");
    ComPtr<Connection> reader = db.Open();
    SharedReads together;
    EXPECT_EQ(CountOf(reader.Get()), 0);

    std::atomic<bool> done = false;
    HRESULT written = E_FAIL;
    std::thread other([&] {
        ComPtr<Connection> own = db.Open();
        EXPECT_EQ(RunSql(own.Get(), u"PRAGMA busy_timeout = 3000"), S_OK);
        written = RunSql(own.Get(), u"insert into TLX.Liczby (Wartosc) values (1)");
        done = true;
    });
    // The calculation reads on, statement after statement, for as long as the writer tries.
    while (!done) {
        CountOf(reader.Get());
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    other.join();
    EXPECT_EQ(written, S_OK) << "the writer waited for the whole calculation and gave up";
    EXPECT_EQ(CountOf(reader.Get()), 1);
    EXPECT_TRUE(SharedReads::Open());
}

TEST(SharedReads, AConnectionGivenBackOrClosedKeepsNoRead) {
    TempDatabase db({}, "CREATE TABLE Liczby (Wartosc INT);");
    SharedReads together;
    ComPtr<Connection> reader = db.Open();
    EXPECT_EQ(CountOf(reader.Get()), 0);
    EXPECT_EQ(SharedReads::Kept(), 1);
    ASSERT_EQ(reader->Close(), S_OK);
    reader.Reset();
    EXPECT_EQ(SharedReads::Kept(), 0);

    // A writer of another thread finds the file free once the read went back with its connection.
    ComPtr<Connection> writer = db.Open();
    WaitBriefly(writer.Get());
    EXPECT_EQ(CountOf(writer.Get()), 0);
    HRESULT written = E_FAIL;
    std::thread other([&] {
        ComPtr<Connection> own = db.Open();
        WaitBriefly(own.Get());
        written = RunSql(own.Get(), u"insert into TLX.Liczby (Wartosc) values (1)");
    });
    other.join();
    EXPECT_NE(written, S_OK) << "the read this thread keeps on its open connection holds the writer off";
    ASSERT_EQ(writer->Close(), S_OK);
    std::thread again([&] {
        ComPtr<Connection> own = db.Open();
        written = RunSql(own.Get(), u"insert into TLX.Liczby (Wartosc) values (1)");
    });
    again.join();
    EXPECT_EQ(written, S_OK);
}

}  // namespace
