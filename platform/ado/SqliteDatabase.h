// One SQLite connection with a company (or configuration) database file attached under the schema
// name TLX, and the statement handle that goes with it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ado/StatementCache.h"

struct sqlite3;
struct sqlite3_stmt;

namespace tlx::ado {

class RowSet;
class SqliteDatabase;
struct StatementColumns;

class Statement {
public:
    Statement() = default;
    Statement(sqlite3* db, std::string_view sql);  // fails with the database's message and the text
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    // Finalizes the statement, or hands one that its database keeps for reuse back to it.
    ~Statement();

    sqlite3_stmt* Get() const { return statement_; }
    // True while a row is ready; fails with the database's message and the statement.
    bool Step();
    // Binds a whole number to the parameter at `index` (the first is 1).
    void BindInteger(int index, long long value);
    // The unparsed rest of the text after the first statement.
    std::string_view Tail() const { return tail_; }
    // What the reader of the statement's rows made of its columns, kept with the statement while its
    // database keeps it for reuse (null until set).
    std::shared_ptr<const StatementColumns>& Columns() { return columns_; }

private:
    friend class SqliteDatabase;
    void Release();

    sqlite3* db_ = nullptr;
    sqlite3_stmt* statement_ = nullptr;
    std::string_view tail_;
    StatementCache* keeper_ = nullptr;          // the cache that takes the statement back
    StatementCache::Entry* kept_ = nullptr;     // there, the text it was prepared from
    std::shared_ptr<const StatementColumns> columns_;
};

class SqliteDatabase {
public:
    // Attaches `file` as TLX to a new connection; a file that does not exist fails (nothing is created).
    explicit SqliteDatabase(const std::string& file);
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    sqlite3* Handle() const { return db_; }
    // The file attached as TLX, as it was named.
    const std::string& File() const { return file_; }
    // Runs statements without results (no values pasted: used for fixed texts only).
    void Run(std::string_view sql);
    // Installs a registered host function on this connection the first time a statement names it.
    void EnsureFunction(const std::string& internalName);
    // A row set whose batch was written inside the open transaction: when the transaction ends, its
    // rows are put back as they were (rolled back) or its kept rows are dropped (committed).
    void HoldUntilTransactionEnds(const std::shared_ptr<RowSet*>& rows);
    void EndTransaction(bool committed);
    // A prepared statement for the text of one statement, kept by the connection for the next use of
    // the same text: when the object ends, the statement is reset, its bindings cleared, and kept (the
    // texts used least recently give way past the cache's capacity). A text in use is prepared afresh
    // for a second, nested user. The tail is not kept: the text must hold one statement.
    Statement Prepare(std::string_view sql);
    // How many prepared statements the connection keeps.
    std::size_t KeptStatements() const { return statements_.Size(); }
    // A statement that keeps a read transaction of the attached file open while it lives, so that the
    // statements run meanwhile share it instead of each locking and unlocking the file. Hold it only
    // across reads that follow one another within one call: a writer's commit waits while it lives.
    Statement HoldRead();
    // A number that changes whenever the attached file changed since it was last asked: by a statement
    // of this connection or by another connection's commit.
    std::uint64_t ChangeStamp();
    // Whether a transaction that wrote has committed on this connection since ForgetCommittedWrites (or
    // since it was opened). Whatever a user can leave on a connection for the next one (a table, view or
    // trigger of its own schemas) is made by such a transaction; reads alone never set it.
    bool CommittedWrites() const { return committedWrites_; }
    void ForgetCommittedWrites() { committedWrites_ = false; }
    // What a writer read of a table's definition, kept by "schema.table" with the versions of that
    // schema and of the temporary one it was read at: a definition whose versions still hold need not be
    // read again. A rollback forgets them all (it puts a schema version back to an earlier number).
    struct TableDefinition {
        std::int64_t schemaVersion = -1;
        std::int64_t tempVersion = -1;
        int keys = 0;                             // columns of the primary key
        std::string keyName, keyType;             // the key column's name and declared type, when one
        std::vector<std::string> withoutDefault;  // the columns whose default is NULL
        bool triggers = false;                    // a trigger of the schema or a temporary one is on the table
    };
    TableDefinition& KeptDefinition(const std::string& schemaAndTable) { return definitions_[schemaAndTable]; }
    void ForgetDefinitions() { definitions_.clear(); }

private:
    std::string file_;
    sqlite3* db_ = nullptr;
    std::vector<std::weak_ptr<RowSet*>> held_;
    std::unordered_map<RowSet**, std::size_t> heldIndex_;  // a token's place in held_
    std::set<std::string> installed_;
    StatementCache statements_;
    bool committedWrites_ = false;
    std::unordered_map<std::string, TableDefinition> definitions_;
};

// Creates a database file from nothing by running SQL scripts on it (each a series of statements).
void CreateDatabaseFile(const std::string& file, const std::vector<std::string>& scripts);

}  // namespace tlx::ado
