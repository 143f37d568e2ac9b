// What a recordset and its Fields and Field objects share: the rows once open, the columns declared
// before Open(), the lock type and the database the rows came from.
#pragma once

#include <memory>
#include <vector>

#include "platform/ado/RowSet.h"
#include "platform/ado/SqliteDatabase.h"

namespace tlx::ado {

struct RecordsetState {
    std::unique_ptr<RowSet> rows;             // null while closed
    std::vector<ColumnInfo> appendedColumns;  // Fields.Append before Open()
    LockTypeEnum lockType = adLockReadOnly;
    bool fabricated = false;                  // built with Fields.Append, belongs to no database
    std::shared_ptr<SqliteDatabase> database;

    // Fails with adErrObjectClosed while closed.
    RowSet& Rows() const;
    // Fails while closed and for a read-only recordset.
    RowSet& UpdatableRows() const;
};

// Answered by our Connection objects: the database behind them, for the recordsets opened on them.
struct IDatabaseProvider : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{6F1A0C41-2B7D-4E55-9A63-0D5B7C1E4A10}");
    using Base = IUnknown;
    // Null while the connection is closed.
    virtual std::shared_ptr<SqliteDatabase> Database() = 0;

protected:
    ~IDatabaseProvider() = default;
};

}  // namespace tlx::ado
