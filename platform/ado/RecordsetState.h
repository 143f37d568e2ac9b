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

// Answered by our Recordset objects: whether rows were added, changed or deleted and not written yet,
// found without moving the cursor or changing the filter (what setting the pending-rows filter and
// counting would answer, for callers that ask it of many recordsets at every save), and a watcher told
// of every change of the rows, also of the rows the recordset opens later, so that its owner knows which
// recordsets may hold pending rows without asking them all.
struct IPendingRows : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{3C7E52A9-84D1-4F0B-B6E2-51A9D0C3F7E4}");
    using Base = IUnknown;
    virtual bool HasPendingRows() = 0;
    // Null stops the telling; the watcher must outlive it or be taken back.
    virtual void WatchRows(RowsWatcher* watcher) = 0;

protected:
    ~IPendingRows() = default;
};

}  // namespace tlx::ado
