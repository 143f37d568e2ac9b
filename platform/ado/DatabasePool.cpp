#include "platform/ado/DatabasePool.h"

#include <sqlite3.h>
#include <sys/stat.h>

#include "platform/ado/SharedReads.h"

namespace tlx::ado {
namespace {

// Whether a connection can serve another user as a new one would: no transaction left open and no
// table, view or trigger of its last user in the connection's own schemas (the temporary one, and the
// in-memory main one that a name without a schema creates in). Only a transaction that wrote can have
// made one: a connection on which none has committed since it was last found clean is clean still, so
// the schemas are looked at only after a write (most users only read).
bool IsClean(SqliteDatabase& database) {
    if (!sqlite3_get_autocommit(database.Handle())) return false;
    if (!database.CommittedWrites()) return true;
    try {
        // Kept prepared on the connection, as every connection given back after a write asks it.
        Statement own = database.Prepare("SELECT 1 FROM temp.sqlite_master UNION ALL SELECT 1 FROM main.sqlite_master");
        if (own.Step()) return false;
    } catch (...) {
        return false;
    }
    database.ForgetCommittedWrites();
    return true;
}

}  // namespace

FileIdentity FileIdentity::Of(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return {};
    return FileIdentity{static_cast<unsigned long long>(info.st_dev), static_cast<unsigned long long>(info.st_ino)};
}

DatabasePool& DatabasePool::Instance() {
    static DatabasePool pool;
    return pool;
}

std::shared_ptr<SqliteDatabase> DatabasePool::Open(const std::string& path) {
    FileIdentity file = FileIdentity::Of(path);
    std::unique_ptr<SqliteDatabase> database;
    {
        std::lock_guard lock(mutex_);
        for (auto idle = idle_.rbegin(); idle != idle_.rend(); ++idle) {
            if (idle->database->File() != path || !(idle->file == file)) continue;
            database = std::move(idle->database);
            idle_.erase(std::next(idle).base());
            break;
        }
    }
    if (!database) {
        database = std::make_unique<SqliteDatabase>(path);
        file = FileIdentity::Of(path);  // the file may have been created by the opening
    }
    return std::shared_ptr<SqliteDatabase>(database.release(),
                                           [this, file](SqliteDatabase* used) { GiveBack(file, used); });
}

void DatabasePool::Clear() {
    std::deque<Idle> closed;
    std::lock_guard lock(mutex_);
    closed.swap(idle_);
}

void DatabasePool::GiveBack(const FileIdentity& file, SqliteDatabase* database) {
    std::unique_ptr<SqliteDatabase> owned(database);
    // An idle connection keeps no read of its last user: the next may be on another thread.
    SharedReads::Forget(*owned);
    if (!IsClean(*owned) || file == FileIdentity{}) return;
    Idle oldest;  // closed outside the lock
    std::lock_guard lock(mutex_);
    if (idle_.size() >= kMaxIdle) {
        oldest = std::move(idle_.front());
        idle_.pop_front();
    }
    idle_.push_back(Idle{file, std::move(owned)});
}

}  // namespace tlx::ado
