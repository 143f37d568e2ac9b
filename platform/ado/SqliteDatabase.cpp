#include "platform/ado/SqliteDatabase.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include <utility>

#include "platform/ado/AdoError.h"
#include "platform/ado/RowSet.h"
#include "platform/ado/SharedReads.h"
#include "platform/ado/SqlFunctions.h"
#include "platform/ado/SqlRoutines.h"

namespace tlx::ado {

namespace {
// SQLite counts every allocation it makes under a process-wide lock unless told not to; nothing here
// asks for those counts, and the payroll reads allocate for each text value they step over. Set while
// the library loads, before any connection initializes SQLite (afterwards the call has no effect).
const bool kAllocationsUncounted = sqlite3_config(SQLITE_CONFIG_MEMSTATUS, 0) == SQLITE_OK;
}  // namespace

Statement::Statement(sqlite3* db, std::string_view sql) : db_(db) {
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, sql.data(), static_cast<int>(sql.size()), &statement_, &tail) != SQLITE_OK) {
        std::string message = sqlite3_errmsg(db);
        sqlite3_finalize(statement_);
        statement_ = nullptr;
        FailDatabase(message, sql);
    }
    tail_ = std::string_view(tail, static_cast<size_t>(sql.data() + sql.size() - tail));
}

Statement::Statement(Statement&& other) noexcept
    : db_(other.db_),
      statement_(std::exchange(other.statement_, nullptr)),
      tail_(other.tail_),
      keeper_(std::exchange(other.keeper_, nullptr)),
      kept_(std::exchange(other.kept_, nullptr)),
      columns_(std::move(other.columns_)) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        Release();
        db_ = other.db_;
        statement_ = std::exchange(other.statement_, nullptr);
        tail_ = other.tail_;
        keeper_ = std::exchange(other.keeper_, nullptr);
        kept_ = std::exchange(other.kept_, nullptr);
        columns_ = std::move(other.columns_);
    }
    return *this;
}

Statement::~Statement() { Release(); }

void Statement::Release() {
    sqlite3_stmt* statement = std::exchange(statement_, nullptr);
    if (!statement) return;
    if (StatementCache* keeper = std::exchange(keeper_, nullptr))
        keeper->Give(std::exchange(kept_, nullptr), statement, std::move(columns_));
    else
        sqlite3_finalize(statement);
    columns_.reset();
}

void Statement::BindInteger(int index, long long value) {
    if (sqlite3_bind_int64(statement_, index, value) != SQLITE_OK) {
        const char* sql = sqlite3_sql(statement_);
        FailDatabase(sqlite3_errmsg(db_), sql ? sql : "");
    }
}

bool Statement::Step() {
    if (!statement_) return false;
    if (SharedReads::Open() && !sqlite3_stmt_busy(statement_) && !sqlite3_stmt_readonly(statement_))
        SharedReads::BeforeWrite(db_);
    int rc = sqlite3_step(statement_);
    if (rc == SQLITE_ROW) return true;
    if (rc == SQLITE_DONE) return false;
    const char* sql = sqlite3_sql(statement_);
    FailDatabase(sqlite3_errmsg(db_), sql ? sql : "");
}

SqliteDatabase::SqliteDatabase(const std::string& file) : file_(file) {
    // A connection opens a database that exists; it never creates an empty file where none was
    // (CreateDatabaseFile makes new ones).
    struct stat info {};
    if (file.empty() || ::stat(file.c_str(), &info) != 0) FailDatabase("unable to open database file: no such file", file);
    // A connection serves one caller at a time (its session's), so SQLite need not lock it on every call.
    if (sqlite3_open_v2(":memory:", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr) !=
        SQLITE_OK) {
        std::string message = db_ ? sqlite3_errmsg(db_) : "out of memory";
        sqlite3_close(db_);
        FailDatabase(message, "");
    }
    // A writer waits for another connection's write to end this long (a host may set its own).
    sqlite3_busy_timeout(db_, 60000);
    try {
        Statement attach(db_, "ATTACH DATABASE ?1 AS TLX");
        sqlite3_bind_text(attach.Get(), 1, file.c_str(), static_cast<int>(file.size()), SQLITE_TRANSIENT);
        attach.Step();
        Run("PRAGMA foreign_keys = ON");
        InstallBuiltinFunctions(db_);
        sqlite3_commit_hook(
            db_,
            [](void* self) {
                static_cast<SqliteDatabase*>(self)->committedWrites_ = true;
                return 0;  // the commit goes on
            },
            this);
        sqlite3_rollback_hook(
            db_, [](void* self) { static_cast<SqliteDatabase*>(self)->ForgetDefinitions(); }, this);
    } catch (...) {
        sqlite3_close(db_);
        throw;
    }
}

SqliteDatabase::~SqliteDatabase() {
    SharedReads::Forget(*this);
    // Closing with a transaction open rolls it back.
    if (db_ && !sqlite3_get_autocommit(db_)) EndTransaction(false);
    statements_.Clear();
    sqlite3_close_v2(db_);
}

Statement SqliteDatabase::Prepare(std::string_view sql) {
    SharedReads::BeforeStatement(*this);
    StatementCache::Taken taken = statements_.Take(sql);
    Statement statement;
    if (taken.statement) {
        statement.db_ = db_;
        statement.statement_ = taken.statement;
        statement.columns_ = std::move(taken.columns);
    } else {
        try {
            statement = Statement(db_, sql);
        } catch (...) {
            statements_.Abandon(taken.entry);
            throw;
        }
        statement.tail_ = {};
    }
    statement.keeper_ = &statements_;
    statement.kept_ = taken.entry;
    return statement;
}

Statement SqliteDatabase::HoldRead() {
    Statement holder = Prepare("SELECT 1 FROM TLX.sqlite_master");
    holder.Step();  // stays on its first row until it is reset
    return holder;
}

std::uint64_t SqliteDatabase::ChangeStamp() {
    // The file's data version moves with every commit of another connection; the connection's own
    // changes are counted apart.
    Statement version = Prepare("PRAGMA TLX.data_version");
    std::uint64_t others = version.Step() ? static_cast<std::uint64_t>(sqlite3_column_int64(version.Get(), 0)) : 0;
    return (others << 40) ^ static_cast<std::uint64_t>(sqlite3_total_changes64(db_));
}

void SqliteDatabase::Run(std::string_view sql) {
    while (!sql.empty()) {
        Statement statement(db_, sql);
        while (statement.Step()) {
        }
        sql = statement.Tail();
        while (!sql.empty() && (sql.front() == ' ' || sql.front() == '\n' || sql.front() == '\t' || sql.front() == '\r'))
            sql.remove_prefix(1);
    }
}

// A transaction that writes thousands of recordsets registers each once, found by its token's address
// (an address whose token is gone is taken by the new one).
void SqliteDatabase::HoldUntilTransactionEnds(const std::shared_ptr<RowSet*>& rows) {
    auto [known, added] = heldIndex_.try_emplace(rows.get(), held_.size());
    if (!added && held_[known->second].lock() == rows) return;
    if (!added) {
        held_[known->second] = rows;
        return;
    }
    held_.push_back(rows);
}

void SqliteDatabase::EndTransaction(bool committed) {
    std::vector<std::weak_ptr<RowSet*>> held = std::move(held_);
    held_.clear();
    heldIndex_.clear();
    for (const auto& entry : held) {
        if (auto rows = entry.lock()) {
            if (committed)
                (*rows)->ReleaseHeld();
            else
                (*rows)->RestoreHeld();
        }
    }
}

void SqliteDatabase::EnsureFunction(const std::string& internalName) {
    if (installed_.count(internalName)) return;
    SqlRoutines::Instance().InstallFunction(db_, internalName);
    installed_.insert(internalName);
}

void CreateDatabaseFile(const std::string& file, const std::vector<std::string>& scripts) {
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK) {
        std::string message = db ? sqlite3_errmsg(db) : "out of memory";
        sqlite3_close(db);
        FailDatabase(message, file);
    }
    std::unique_ptr<sqlite3, int (*)(sqlite3*)> owner(db, sqlite3_close);
    for (const std::string& script : scripts) {
        char* error = nullptr;
        if (sqlite3_exec(db, script.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
            std::string message = error ? error : "failed";
            sqlite3_free(error);
            FailDatabase(message, file);
        }
    }
}

}  // namespace tlx::ado
