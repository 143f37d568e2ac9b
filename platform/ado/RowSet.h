// The rows of a client-side recordset: columns, rows with their pending batch changes, and the
// cursor over the rows that the filter and the sort let through. Rows read from the database keep
// their values as SQLite answered them; a field's VARIANT is made when it is read, and a row holds
// VARIANTs of its own only once it is written.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ado/BlockArena.h"
#include "platform/ado/ColumnMarks.h"
#include "platform/ado/FilterExpression.h"
#include "platform/ado/FieldValues.h"
#include "platform/ado/RowEdits.h"
#include "platform/ado/RowValue.h"
#include "platform/ado/RowsWatcher.h"
#include "platform/ado/StoredTexts.h"

struct sqlite3_stmt;

namespace tlx::ado {

struct ColumnInfo {
    std::u16string name;
    ColumnType type;
    std::string schema;  // where the column comes from, for batch updates (empty for expressions)
    std::string table;
    std::string origin;
};

// The values of the rows read from the database, as SQLite gave them, with the types their fields are
// made as (before undeclared columns are settled). Kept in blocks that never move: each row points at
// its first value. The blocks are made with the first row, room for a few rows at first.
struct FetchedValues {
    // Shared with the statement's other row sets until one changes a type (copied then).
    std::shared_ptr<std::vector<DataTypeEnum>> types = std::make_shared<std::vector<DataTypeEnum>>();
    std::optional<BlockArena<StoredValue>> values;
    StoredTexts texts;
};

struct Row {
    Row() = default;
    Row(const Row& other);
    Row& operator=(const Row& other);
    Row(Row&&) noexcept = default;
    Row& operator=(Row&&) noexcept = default;
    // A copy keeps no place among a transaction's held rows (`held`).

    double bookmark = 0;                     // stable for the row's life, also across Sort and Filter
    const FetchedValues* fetched = nullptr;  // where a row read from the database has its values
    const StoredValue* stored = nullptr;     // its first value there
    std::unique_ptr<RowEdits> edits;         // null until the row is written (a new row has them)
    bool isNew = false;
    bool modified = false;
    bool deleted = false;
    bool dbDeleted = false;  // Resync found the row gone from the database
    // 1 + the row's place among its row set's held rows while a transaction holds it, 0 when it has none
    // (kept in the room the flags leave, so the row costs no more).
    std::uint32_t held = 0;

    bool Pending() const { return isNew || modified || deleted; }
    // The shown value of a column, made afresh for the caller.
    tlx::Variant Value(size_t column) const;
    // The same into an empty VARIANT that the caller owns.
    void ReadValue(size_t column, VARIANT* value) const;
    // As the database holds it (the shown value until they differ).
    tlx::Variant Underlying(size_t column) const;
    bool Assigned(size_t column) const { return edits && edits->assigned.Marked(column); }
    // The row's own values, made from the fetched ones the first time.
    RowEdits& Edits();
    // Every shown value, made in `scratch`.
    const std::vector<tlx::Variant>& Values(std::vector<tlx::Variant>& scratch) const;
    // Keeps the database's values apart before the shown ones change (a new row's are NULL already).
    void KeepUnderlying() {
        if (isNew) return;
        RowEdits& own = Edits();
        if (!own.underlying) own.underlying = own.CopyOfValues();
    }
    LONG Status() const;
};

class RowSet {
public:
    RowSet() = default;
    // Columns that a prepared statement shares with the row sets it reads: copied only when changed.
    explicit RowSet(std::shared_ptr<std::vector<ColumnInfo>> columns);
    // The same with the types their values are fetched as, made once for the statement by FetchedTypes.
    RowSet(std::shared_ptr<std::vector<ColumnInfo>> columns, std::shared_ptr<std::vector<DataTypeEnum>> types);
    static std::shared_ptr<std::vector<DataTypeEnum>> FetchedTypes(const std::vector<ColumnInfo>& columns);
    RowSet(const RowSet&) = delete;
    RowSet& operator=(const RowSet&) = delete;

    // Columns first, then rows.
    void AddColumn(ColumnInfo column);
    // The statement's current row, its values kept as the columns' types need them; EndFetch after
    // the last puts the rows read in view.
    void FetchRow(sqlite3_stmt* statement);
    void EndFetch() { view_ = rows_; }
    // Makes a column's fetched values as a field of `type` (a column found to hold dates).
    void SetFetchedType(size_t column, DataTypeEnum type) { OwnTypes()[column] = type; }
    // The type of each column, undeclared ones typed by their first non-null values.
    std::vector<ColumnType> SettledTypes() const;
    // Gives undeclared columns those types.
    void SettleColumnTypes();
    // The columns, to be shared with row sets read later by the same statement.
    const std::shared_ptr<std::vector<ColumnInfo>>& SharedColumns() const { return columns_; }
    // Columns equal to the row set's own but for the settled types of undeclared columns.
    void UseColumns(std::shared_ptr<std::vector<ColumnInfo>> columns) { columns_ = std::move(columns); }

    size_t ColumnCount() const { return columns_->size(); }
    const ColumnInfo& Column(size_t index) const { return (*columns_)[index]; }
    // A column to change (copied first while the statement that read the rows shares them).
    ColumnInfo& MutableColumn(size_t index) { return OwnColumns()[index]; }
    // -1 when no column has this name (compared without regard to case).
    int FindColumn(std::u16string_view name) const;

    bool Bof() const;
    bool Eof() const;
    void MoveFirst();
    void MoveLast();
    void MoveNext();
    void MovePrevious();
    // The rows the cursor walks.
    LONG RecordCount() const { return static_cast<LONG>(view_.size()); }
    // Fails with adErrNoCurrentRecord at BOF or EOF.
    Row& Current() const {
        if (!detached_ && position_ >= 0 && static_cast<size_t>(position_) < view_.size())
            return *view_[static_cast<size_t>(position_)];
        return CurrentOrFail();
    }
    bool HasCurrent() const;
    void MoveToBookmark(double bookmark);

    // Writes a field of the current row (already coerced to the field's type).
    void SetValue(size_t column, tlx::Variant value);
    void AddNew();
    void DeleteCurrent();
    EditModeEnum EditMode() const;

    // Criteria text (empty: none) or the pending-rows group; both move to the first row.
    void SetFilter(const std::u16string& criteria);
    void SetPendingFilter();
    void ClearFilter();
    void SetSort(const std::u16string& sort);

    // Whether any row is in the pending-rows group (a row added and deleted again is not).
    bool AnyPending() const;
    // Called before a row is changed from outside the row set (a batch's resync): a transaction's
    // rollback gives it back, and what the row set worked out from its rows is worked out again.
    void WillChange(Row& row) {
        Touch(&row);
        RowsChanged();
    }
    // Rows with pending changes, in the order they were read or added.
    std::vector<Row*> PendingRows(AffectEnum affect) const;
    // A batch's insert gives a written row the key the database chose (before AcceptSaved).
    void SetSavedKey(Row& row, size_t column, tlx::Variant value);
    // After a successful batch: the rows' changes became the database's.
    void AcceptSaved(const std::vector<Row*>& rows);
    // Before a batch written inside a transaction: the rows as they stand before the transaction's first
    // batch are kept until it ends; RestoreHeld puts them back (rolled back), ReleaseHeld drops them
    // (committed).
    void HoldForTransaction();
    void RestoreHeld();
    void ReleaseHeld();
    // Lives as long as the row set; the database keeps it weakly to reach the row set when the
    // transaction ends.
    std::shared_ptr<RowSet*> HoldToken() const { return holdToken_; }
    void CancelBatch(AffectEnum affect);
    void RefreshView();
    // Every row, in the order read or added, whatever the filter.
    std::vector<Row*> AllRows() const;
    // Tells the watcher of every change of the rows from now on (null: none).
    void Watch(RowsWatcher* watcher) { watcher_ = watcher; }

private:
    Row& CurrentOrFail() const;
    bool Visible(const Row& row) const;
    void KeepCurrentAfterRebuild(Row* current);
    std::vector<ColumnInfo>& OwnColumns();
    std::vector<DataTypeEnum>& OwnTypes();
    // A row from the row set's blocks, which grow as rows are read; a row dropped from the set stays
    // there emptied until the set ends.
    Row* NewRow() { return rowBlocks_.Take(1); }
    // Empties a row; it keeps its place among the held rows, which put it back on a rollback.
    void Drop(Row* row) {
        std::uint32_t held = row->held;
        *row = Row();
        row->held = held;
    }

    // Shared with the statement that read the rows until a column changes here (copied then).
    std::shared_ptr<std::vector<ColumnInfo>> columns_ = std::make_shared<std::vector<ColumnInfo>>();
    FetchedValues fetched_;
    BlockArena<Row> rowBlocks_{8};
    std::vector<Row*> rows_;
    std::vector<Row*> view_;
    long position_ = 0;          // index into view_; -1 before the first, view_.size() after the last
    Row* detached_ = nullptr;    // a current row that left the view (deleted) until the cursor moves
    double nextBookmark_ = 1;
    std::unique_ptr<FilterExpression> filter_;
    bool pendingFilter_ = false;
    std::u16string sort_;
    // A row as it stood before the transaction. One that only the transaction's batch has changed keeps
    // just what the batch changes, the rest of the row being as it was: its flags, which fields were
    // written and the database's values (moved here when the batch accepts the row) and the shown values
    // the batch set (the key an insert got). Any other change first makes a whole copy, so a save of many
    // new rows does not hold a second copy of every value.
    // A new row's database values are all NULL and are not kept.
    struct HeldRow {
        // Fits the bits the held row keeps the key's column in.
        static constexpr std::uint32_t kNoKey = (1u << 24) - 1;

        // What only some rows need kept: a changed row's database values, a key that was not NULL, or
        // the whole row (after which the rest is not used).
        struct Kept {
            std::unique_ptr<RowValue[]> underlying;
            RowValue keyBefore;
            std::unique_ptr<Row> whole;
        };

        Row* row;
        std::unique_ptr<Kept> kept;
        ColumnMarks assigned;
        // A save of many new rows holds one of these for each: the key's column and the flags share a word.
        std::uint32_t keyColumn : 24 = kNoKey;  // the column the batch set, with its value before
        bool isNew : 1 = false, modified : 1 = false, deleted : 1 = false, dbDeleted : 1 = false;
        bool accepted : 1 = false;    // `assigned` and the kept database values hold the row's own
        bool keyWasNull : 1 = false;  // the key's value before, when NULL (else in `kept`)

        Kept& OwnKept() {
            if (!kept) kept = std::make_unique<Kept>();
            return *kept;
        }
        Row* Whole() const { return kept ? kept->whole.get() : nullptr; }
        void KeepWhole(std::unique_ptr<Row> copy) {
            Kept& own = OwnKept();
            own.underlying.reset();
            own.keyBefore = RowValue::Null();
            own.whole = std::move(copy);
        }

        explicit HeldRow(Row& row);
        // Gives `row` (as it stands now) back what the batch changed.
        void Undo(Row& row);
        // Puts the row back as it stood before the transaction.
        void Restore(Row& row);
    };
    static_assert(sizeof(HeldRow) <= 4 * sizeof(void*));
    // The rows as they stood before the transaction: their order, and what is needed to put back those
    // that have changed since (or were pending then, so the batch changes them); the others are as they
    // were. Each held row knows its place in `before` (Row::held), so a save of many rows keeps no
    // table to find them.
    struct Held {
        std::vector<Row*> order;
        std::vector<HeldRow> before;
        double nextBookmark;
    };
    // The held row of `row`, null when the transaction holds none for it.
    HeldRow* FindHeld(Row* row);
    // A held row for `row`, which has none yet.
    HeldRow& AddHeld(Row* row);
    // Keeps a row's state before it changes, while a transaction holds the rows.
    void Touch(Row* row);
    std::optional<Held> held_;
    // AnyPending's answer until a row changes (every change of a row's pending state passes through
    // the row set: its own members and WillChange).
    mutable std::optional<bool> anyPending_;
    // Whether the view is as the filter and sort would build it now: no row added, changed or deleted
    // since it was built.
    bool viewFresh_ = false;
    std::u16string filterText_;  // what filter_ was parsed from
    RowsWatcher* watcher_ = nullptr;
    void RowsChanged() {
        anyPending_.reset();
        viewFresh_ = false;
        if (watcher_) watcher_->RowsChanged();
    }
    // A row added, changed or deleted in place: without a filter or a sort the view, kept up by the
    // change itself, stays as a rebuild would make it (every row not deleted, in the rows' order).
    void RowChangedInPlace() {
        const bool viewKept = viewFresh_ && !filter_ && !pendingFilter_ && sort_.empty();
        RowsChanged();
        viewFresh_ = viewKept;
    }
    std::shared_ptr<RowSet*> holdToken_ = std::make_shared<RowSet*>(this);
};

}  // namespace tlx::ado
