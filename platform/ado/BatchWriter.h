// Writes a recordset's pending rows to its base table in one transaction (a savepoint, so it nests
// inside the host's transaction): INSERT for new rows with the identity key read back, UPDATE of the
// changed columns, only while the database still holds in them what the row read (a conflict fails the
// batch), and DELETE by key for the others; Resync reads a row again by its key. Values are bound, never pasted. A failure rolls
// the whole batch back and leaves every pending row as it was.
#pragma once

#include <sqlite3.h>

#include "platform/ado/RowSet.h"
#include "platform/ado/SqliteDatabase.h"

namespace tlx::ado {

class BatchWriter {
public:
    BatchWriter(SqliteDatabase& db, RowSet& rows) : db_(db), rows_(rows) {}
    void Write(AffectEnum affect);
    // Reads the row again from the database: the underlying values always, the shown values too unless
    // the row has pending changes and only the underlying values are asked for. A row gone from the
    // database gets adRecDBDeleted.
    void Resync(Row& row, ResyncEnum values);

private:
    struct Target {
        std::string schema;
        std::string table;
        std::vector<size_t> columns;  // recordset columns that belong to the table
        int keyColumn = -1;           // the recordset column of the table's key
        bool identity = false;        // the key is an INTEGER PRIMARY KEY the database assigns
        std::string quotedTable;          // "schema"."table", as statements name it
        std::vector<std::string> quoted;  // by recordset column: the quoted name of a table's column
        // By recordset column: the table's column has no default (and no trigger may change a new row).
        std::vector<bool> nullDefaults;
        bool triggers = false;  // a trigger (of the table's schema or a temporary one) is on the table
    };
    const SqliteDatabase::TableDefinition& DefinitionOf(const std::string& schema, const std::string& table) const;
    Target FindTarget() const;
    void Insert(const Target& target, Row& row, std::vector<std::pair<Row*, sqlite3_int64>>& newKeys);
    void UpdateRow(const Target& target, const Row& row);
    void DeleteRow(const Target& target, const Row& row);
    void CheckUnchanged(const Target& target, const Row& row, const std::vector<size_t>& columns) const;
    [[noreturn]] void FailConflict(const Target& target, const Row& row, std::u16string_view why) const;

    SqliteDatabase& db_;
    RowSet& rows_;
    // Rows inserted by the batch with the table's defaults of the columns they did not write.
    std::vector<std::pair<Row*, std::vector<std::pair<size_t, tlx::Variant>>>> storedDefaults_;
    // The INSERT text of the last new row written and the recordset columns it writes.
    std::string insertSql_;
    std::vector<size_t> insertColumns_;
};

}  // namespace tlx::ado
