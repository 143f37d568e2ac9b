#include "platform/ado/SharedReads.h"

#include <sqlite3.h>

#include <chrono>
#include <utility>
#include <vector>

#include "platform/ado/SqliteDatabase.h"

namespace tlx::ado {
namespace {

using Clock = std::chrono::steady_clock;

// How long one read is kept before it is let go and taken anew. A writer of another process waits for
// the readers of the file to end: with reads kept for a whole calculation, another user's save would
// wait for all of it (or fail after the busy timeout); this way it waits about this long.
constexpr auto kKeepAtMost = std::chrono::milliseconds(100);

struct KeptRead {
    sqlite3* db;
    Statement holder;
    Clock::time_point taken;
};

// What a thread keeps: the reads held, by connection, and the connection whose write is open.
struct Kept {
    int depth = 0;
    bool taking = false;  // a read is being taken: its own statement is not to take one
    std::vector<KeptRead> reads;
    sqlite3* writer = nullptr;
};

thread_local Kept kept;

bool Writing(sqlite3* db) { return sqlite3_txn_state(db, nullptr) == SQLITE_TXN_WRITE; }

}  // namespace

SharedReads::SharedReads() { ++kept.depth; }

SharedReads::~SharedReads() {
    if (--kept.depth > 0) return;
    kept.reads.clear();
    kept.writer = nullptr;
}

bool SharedReads::Open() { return kept.depth > 0; }

int SharedReads::Kept() { return static_cast<int>(kept.reads.size()); }

void SharedReads::BeforeStatement(SqliteDatabase& database) {
    if (kept.depth == 0 || kept.taking) return;
    if (kept.writer) {
        if (Writing(kept.writer)) return;
        kept.writer = nullptr;
    }
    sqlite3* db = database.Handle();
    const Clock::time_point now = Clock::now();
    for (auto read = kept.reads.begin(); read != kept.reads.end(); ++read) {
        if (read->db != db) continue;
        if (now - read->taken < kKeepAtMost) return;
        // Let a writer that waits for this read in: the read is taken again below, after the writer.
        kept.reads.erase(read);
        break;
    }
    if (Writing(db)) return;
    kept.taking = true;
    Statement read;
    try {
        read = database.HoldRead();
    } catch (...) {
        // The statement itself meets what kept the read from being taken, and says so.
    }
    kept.taking = false;
    if (read.Get()) kept.reads.push_back({db, std::move(read), now});
}

void SharedReads::BeforeWrite(sqlite3* writer) {
    if (kept.depth == 0) return;
    kept.reads.clear();
    kept.writer = writer;
}

void SharedReads::Forget(SqliteDatabase& database) {
    sqlite3* db = database.Handle();
    if (kept.writer == db) kept.writer = nullptr;
    std::erase_if(kept.reads, [db](const KeptRead& read) { return read.db == db; });
}

}  // namespace tlx::ado
