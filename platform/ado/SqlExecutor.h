// Runs a T-SQL batch on a connection: each statement rewritten, variables of DECLARE and SET bound by
// value, procedures of the host schema called; the first statement that yields rows gives them.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/RowSet.h"
#include "platform/ado/SqliteDatabase.h"

namespace tlx::ado {

struct ExecutionResult {
    std::unique_ptr<RowSet> rows;  // null when no statement yields rows
    LONG affected = -1;            // rows changed by the last data statement, -1 when none ran
};

struct RewrittenBatch;

class SqlExecutor {
public:
    explicit SqlExecutor(SqliteDatabase& db) : db_(db) {}
    ExecutionResult Execute(std::string_view tsql);

private:
    // The batch rewritten for SQLite, once per text for the process.
    std::shared_ptr<const RewrittenBatch> Rewrite(std::string_view tsql);
    // Installs on this connection the host functions a batch rewritten before calls.
    void InstallFunctions(const RewrittenBatch& batch);
    void BindVariables(sqlite3_stmt* statement, std::string_view sql);

    SqliteDatabase& db_;
    std::map<std::string, tlx::Variant, std::less<>> variables_;  // of DECLARE and SET
    // The statement's values bound in their place, by their index: whole numbers, and texts where set.
    struct BoundLiteral {
        long long number;
        std::optional<std::string> text;
    };
    std::vector<BoundLiteral> literals_;
};

// Reads every row of a prepared statement into a new row set, typed by the columns' declared types and,
// for columns without one, by what the statement's select list is known to answer (BatchStatement).
std::unique_ptr<RowSet> LoadRowSet(Statement& statement, std::string_view kinds = {});

}  // namespace tlx::ado
