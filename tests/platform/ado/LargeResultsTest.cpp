// Results spanning many blocks of rows, values and texts, read while another large result is open, then
// closed and read again in memory the closed ones handed back; and the arena those blocks come from.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "AdoTestSupport.h"
#include "platform/ado/BlockArena.h"

using namespace adotest;

namespace {
constexpr int kRows = 12000;
constexpr size_t kLongText = 200000;  // longer than any block

// Row i holds i, i * 1.5 as money, a text made from i, and a text longer than a block in row 7.
const std::string kTable = R"(
CREATE TABLE Duze (Id INTEGER PRIMARY KEY, K MONEY, T VARCHAR(40), L TEXT);
WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < )" + std::to_string(kRows) + R"()
INSERT INTO Duze SELECT i, i * 1.5, 'wiersz ' || i || ' zażółć', NULL FROM n;
UPDATE Duze SET L = replace(hex(zeroblob()" + std::to_string(kLongText / 2) + R"()), '0', 'x') WHERE Id = 7;
)";

std::string Text(const tlx::Variant& value) {
    return value.vt == VT_BSTR ? tlx::Utf16ToUtf8(std::u16string_view(value.bstrVal, SysStringLen(value.bstrVal))) : "?";
}

// Walks every row, checking each value against what row `id` was given.
void ExpectEveryRow(Recordset* rows) {
    rows->MoveFirst();
    int id = 0;
    VARIANT_BOOL eof = VARIANT_FALSE;
    for (rows->get_EOF(&eof); !eof; rows->MoveNext(), rows->get_EOF(&eof)) {
        ++id;
        tlx::Variant key = Value(rows, u"Id");
        ASSERT_EQ(key.vt, VT_I4);
        ASSERT_EQ(key.lVal, id);
        tlx::Variant money = Value(rows, u"K");
        ASSERT_EQ(money.vt, VT_CY);
        ASSERT_EQ(money.cyVal.int64, id * 15000LL);
        ASSERT_EQ(Text(Value(rows, u"T")), "wiersz " + std::to_string(id) + " zażółć");
        tlx::Variant longText = Value(rows, u"L");
        if (id == 7)
            ASSERT_EQ(Text(longText), std::string(kLongText, 'x'));
        else
            ASSERT_EQ(longText.vt, VT_NULL);
    }
    EXPECT_EQ(id, kRows);
}

TEST(LargeResultsTest, ResultsReadOneAfterAnotherAndSideBySideKeepTheirValues) {
    TempDatabase db{{}, kTable};
    tlx::ComPtr<Connection> connection = db.Open();
    constexpr char16_t kQuery[] = u"select * from TLX.Duze order by Id";
    tlx::ComPtr<Recordset> first = OpenBatch(connection.Get(), kQuery);
    tlx::ComPtr<Recordset> second = OpenBatch(connection.Get(), kQuery);
    ExpectEveryRow(first.Get());
    first.Reset();  // its blocks go back for the next result
    tlx::ComPtr<Recordset> third = OpenBatch(connection.Get(), kQuery);
    ExpectEveryRow(second.Get());
    ExpectEveryRow(third.Get());
    second.Reset();
    third.Reset();
    ExpectEveryRow(OpenBatch(connection.Get(), kQuery).Get());
}

// Counts the objects alive, to see the arena make and destroy each once.
struct Counted {
    static inline int alive = 0;
    int value = 0;
    Counted() { ++alive; }
    ~Counted() { --alive; }
};

TEST(LargeResultsTest, AnArenaKeepsWhatItGaveInPlaceAndDestroysItOnce) {
    {
        tlx::ado::BlockArena<Counted> arena(4);
        std::vector<Counted*> taken;
        for (int i = 0; i < 20000; ++i) {
            Counted* run = arena.Take(i % 5 == 0 ? 3 : 1);
            run->value = i;
            taken.push_back(run);
        }
        Counted* wide = arena.Take(tlx::ado::BlockArena<Counted>::kFullBlock + 10);  // more than a block
        wide[tlx::ado::BlockArena<Counted>::kFullBlock + 9].value = -1;
        for (int i = 0; i < 20000; ++i) ASSERT_EQ(taken[static_cast<size_t>(i)]->value, i);
        EXPECT_GE(Counted::alive, 20000 + 8000);
    }
    EXPECT_EQ(Counted::alive, 0);
}

}  // namespace

// Holds a result to the end of its thread. Made before the thread's first result, so the thread's kept
// blocks are destroyed before it and the result gives its blocks back after they are gone, as a result
// released by a static destructor does on the main thread.
struct HeldToThreadEnd {
    tlx::ComPtr<Recordset> rows;
};

TEST(LargeResultsTest, AResultReleasedAfterItsThreadsKeptBlocksAreGoneFreesItsBlocksSafely) {
    TempDatabase db{{}, kTable};
    std::thread worker([&db] {
        thread_local HeldToThreadEnd held;
        tlx::ComPtr<Connection> connection = db.Open();
        held.rows = OpenBatch(connection.Get(), u"select * from TLX.Duze order by Id");
        // A second result released now fills the thread's kept blocks, so the held one's go elsewhere.
        OpenBatch(connection.Get(), u"select * from TLX.Duze order by Id");
        ExpectEveryRow(held.rows.Get());
    });
    worker.join();  // the sanitizer reports any write into the destroyed list
}
