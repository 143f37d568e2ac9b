// The statements a connection keeps prepared by their text: past its capacity the text used least
// recently gives way, and every other text is still served from the cache.
#include <gtest/gtest.h>

#include "AdoTestSupport.h"
#include "platform/ado/AdoError.h"
#include "platform/ado/SqliteDatabase.h"

namespace {

using adotest::TempDatabase;
using tlx::ado::SqliteDatabase;
using tlx::ado::StatementCache;

std::string Text(std::size_t number) { return "SELECT " + std::to_string(number); }

// Runs the text once; whether the statement it ran was one the connection kept (taking it leaves one
// fewer kept), not one prepared afresh.
bool RunKept(SqliteDatabase& database, const std::string& sql) {
    const std::size_t before = database.KeptStatements();
    tlx::ado::Statement statement = database.Prepare(sql);
    const bool kept = database.KeptStatements() + 1 == before;
    statement.Step();
    return kept;
}

class StatementCacheTest : public ::testing::Test {
protected:
    TempDatabase file_{{}, "CREATE TABLE Liczby (Wartosc INT);"};
    SqliteDatabase database_{file_.Path()};
};

TEST_F(StatementCacheTest, TheTextUsedLeastRecentlyGivesWayAndTheRestAreStillServed) {
    const std::size_t capacity = StatementCache::kCapacity;
    for (std::size_t i = 0; i < capacity; ++i) EXPECT_FALSE(RunKept(database_, Text(i))) << Text(i);
    EXPECT_TRUE(RunKept(database_, Text(0))) << "a kept text is served again";

    // One text more than there is room for: the text used least recently (1; 0 ran again since) gives way.
    EXPECT_FALSE(RunKept(database_, Text(capacity)));
    for (std::size_t i = 2; i <= capacity; ++i) EXPECT_TRUE(RunKept(database_, Text(i))) << Text(i) << " was dropped";
    EXPECT_TRUE(RunKept(database_, Text(0)));
    EXPECT_FALSE(RunKept(database_, Text(1))) << "the least recently used text was kept past the capacity";
}

TEST_F(StatementCacheTest, ARunOfTextsUsedOnceNeverCrowdsOutTheTextsUsedAgainAndAgain) {
    const std::string count = "SELECT count(*) FROM TLX.Liczby";
    const std::string match = "SELECT count(*) FROM TLX.Liczby WHERE Wartosc = ?1";
    for (std::size_t i = 0; i < 3 * StatementCache::kCapacity; ++i) {
        RunKept(database_, Text(1000 + i));
        tlx::ado::Statement matching = database_.Prepare(match);
        matching.BindInteger(1, static_cast<long long>(i));
        EXPECT_TRUE(matching.Step());
        if (i > 0) EXPECT_TRUE(RunKept(database_, count)) << "after " << i << " texts used once";
        else RunKept(database_, count);
    }
    EXPECT_EQ(database_.KeptStatements(), StatementCache::kCapacity);
}

// Statements out in use while their text gives way still come back safely, and a text in use is
// prepared afresh for a second user; both are kept when they come back.
TEST_F(StatementCacheTest, StatementsInUseOutliveTheirTextGivingWay) {
    const std::string sql = "SELECT Wartosc FROM TLX.Liczby";
    RunKept(database_, sql);
    {
        tlx::ado::Statement first = database_.Prepare(sql);
        tlx::ado::Statement second = database_.Prepare(sql);
        EXPECT_NE(first.Get(), second.Get());
        for (std::size_t i = 0; i < StatementCache::kCapacity + 10; ++i) RunKept(database_, Text(i));
        EXPECT_FALSE(first.Step());
        EXPECT_FALSE(second.Step());
    }
    EXPECT_TRUE(RunKept(database_, sql));
    EXPECT_TRUE(RunKept(database_, Text(StatementCache::kCapacity + 9)));
    EXPECT_EQ(database_.KeptStatements(), StatementCache::kCapacity);
}

TEST_F(StatementCacheTest, ATextThatFailsToPrepareLeavesNothingBehind) {
    for (int attempt = 0; attempt < 2; ++attempt)
        EXPECT_THROW(database_.Prepare("SELECT nie_ma FROM TLX.Liczby"), tlx::ado::AdoError);
    EXPECT_EQ(database_.KeptStatements(), 0u);
    EXPECT_FALSE(RunKept(database_, Text(1)));
    EXPECT_TRUE(RunKept(database_, Text(1)));
}

}  // namespace
