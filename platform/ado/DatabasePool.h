// Open SQLite connections of the process kept for reuse: a connection closed by its last user goes back
// to the pool when it holds no transaction and no table, view or trigger its user made on it, and the
// next Open of the same file takes it instead of opening, attaching and setting up a new one. A few idle
// connections are kept, the most recently used; the others are closed.
#pragma once

#include <deque>
#include <memory>
#include <mutex>
#include <string>

#include "platform/ado/SqliteDatabase.h"

namespace tlx::ado {

// Which file a path named when it was looked at (device and inode; zero when there was none).
struct FileIdentity {
    unsigned long long device = 0, inode = 0;
    bool operator==(const FileIdentity& other) const = default;
    static FileIdentity Of(const std::string& path);
};

class DatabasePool {
public:
    static DatabasePool& Instance();

    // A connection to `file`, shared by its users; it returns to the pool when the last one lets go.
    std::shared_ptr<SqliteDatabase> Open(const std::string& file);
    // Closes every idle connection (the host stops, or a file is about to be removed).
    void Clear();

private:
    // An idle connection with the file it was opened on: a path whose file was replaced since is
    // another database.
    struct Idle {
        FileIdentity file;
        std::unique_ptr<SqliteDatabase> database;
    };
    void GiveBack(const FileIdentity& file, SqliteDatabase* database);

    static constexpr std::size_t kMaxIdle = 8;
    std::mutex mutex_;
    std::deque<Idle> idle_;  // oldest first
};

}  // namespace tlx::ado
