// The functions and procedures of the host database schema (TLX.DeklNumer, exec TLX.DRA ...), which the
// host registers in C++ or as SQL. Statements name them schema-qualified; names compare without regard
// to case. The registry is process-wide: every connection sees every routine.
#pragma once

#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/com/Variant.h"

struct sqlite3;
struct sqlite3_value;
struct sqlite3_context;

namespace tlx::ado {

// A statement with its ?1..?n arguments: what a procedure answers for its rows (empty: no rows).
struct SqlQuery {
    std::string sql;
    std::vector<tlx::Variant> arguments;
};

// Arguments arrive as VT_NULL, VT_I4, VT_I8, VT_R8 or VT_BSTR; the database handle is the calling
// connection's, for routines that read tables.
using SqlFunction = std::function<tlx::Variant(sqlite3* db, const std::vector<tlx::Variant>& arguments)>;
using SqlProcedure = std::function<SqlQuery(sqlite3* db, const std::vector<tlx::Variant>& arguments)>;

class SqlRoutines {
public:
    static SqlRoutines& Instance();

    // `qualifiedName` as statements write it: "TLX.DeklNumer".
    void RegisterFunction(std::string_view qualifiedName, SqlFunction function);
    // A SELECT over ?1..?n; the function answers the first column of its first row (NULL without rows).
    void RegisterFunction(std::string_view qualifiedName, std::string selectSql);
    void RegisterProcedure(std::string_view qualifiedName, SqlProcedure procedure);
    // Statements over ?1..?n separated by ';'; the rows of the last one are the procedure's rows.
    void RegisterProcedure(std::string_view qualifiedName, std::string body);
    void Unregister(std::string_view qualifiedName);

    // The name a rewritten statement calls the function by, or nothing when none is registered.
    std::optional<std::string> FunctionSqlName(std::string_view qualifiedName) const;
    std::optional<SqlProcedure> FindProcedure(std::string_view qualifiedName) const;
    // Installs the function named by FunctionSqlName on a connection.
    void InstallFunction(sqlite3* db, const std::string& sqlName) const;

private:
    mutable std::mutex mutex_;
    std::map<std::string, SqlFunction> functions_;  // by SQL name
    std::map<std::string, SqlProcedure> procedures_;  // by folded qualified name
};

// SQLite values and VARIANTs for routine arguments and results.
tlx::Variant VariantFromSqlite(sqlite3_value* value);
void ResultFromVariant(sqlite3_context* context, const VARIANT& value);

}  // namespace tlx::ado
