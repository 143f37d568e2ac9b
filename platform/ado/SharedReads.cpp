#include "platform/ado/SharedReads.h"

#include <sqlite3.h>

#include <utility>
#include <vector>

#include "platform/ado/SqliteDatabase.h"

namespace tlx::ado {
namespace {

// What a thread keeps: the reads held, by connection, and the connection whose write is open.
struct Kept {
    int depth = 0;
    bool taking = false;  // a read is being taken: its own statement is not to take one
    std::vector<std::pair<sqlite3*, Statement>> reads;
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
    for (const auto& read : kept.reads)
        if (read.first == db) return;
    if (Writing(db)) return;
    kept.taking = true;
    Statement read;
    try {
        read = database.HoldRead();
    } catch (...) {
        // The statement itself meets what kept the read from being taken, and says so.
    }
    kept.taking = false;
    if (read.Get()) kept.reads.emplace_back(db, std::move(read));
}

void SharedReads::BeforeWrite(sqlite3* writer) {
    if (kept.depth == 0) return;
    kept.reads.clear();
    kept.writer = writer;
}

void SharedReads::Forget(SqliteDatabase& database) {
    sqlite3* db = database.Handle();
    if (kept.writer == db) kept.writer = nullptr;
    std::erase_if(kept.reads, [db](const auto& read) { return read.first == db; });
}

}  // namespace tlx::ado
