// The rows of a client-side recordset: columns, rows with their pending batch changes, and the
// cursor over the rows that the filter and the sort let through. Knows nothing of the database.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/ado/FilterExpression.h"
#include "platform/ado/FieldValues.h"

namespace tlx::ado {

struct ColumnInfo {
    std::u16string name;
    ColumnType type;
    std::string schema;  // where the column comes from, for batch updates (empty for expressions)
    std::string table;
    std::string origin;
};

struct Row {
    double bookmark = 0;                   // stable for the row's life, also across Sort and Filter
    std::vector<tlx::Variant> values;      // as the recordset shows them
    // As the database holds them, kept apart only once the shown values differ (empty until then).
    std::vector<tlx::Variant> underlying;
    std::vector<bool> assigned;            // written since read (or since added); empty until a write
    bool isNew = false;
    bool modified = false;
    bool deleted = false;
    bool dbDeleted = false;  // Resync found the row gone from the database

    bool Pending() const { return isNew || modified || deleted; }
    const tlx::Variant& Underlying(size_t column) const {
        return underlying.empty() ? values[column] : underlying[column];
    }
    // Keeps the database's values apart before the shown ones change.
    void KeepUnderlying() {
        if (underlying.empty()) underlying = values;
    }
    LONG Status() const;
};

class RowSet {
public:
    RowSet() = default;
    RowSet(const RowSet&) = delete;
    RowSet& operator=(const RowSet&) = delete;

    // Columns first, then rows.
    void AddColumn(ColumnInfo column);
    void AppendFetchedRow(std::vector<tlx::Variant> values);
    // Fixes the type of undeclared columns from their first non-null values.
    void SettleColumnTypes();

    size_t ColumnCount() const { return columns_.size(); }
    const ColumnInfo& Column(size_t index) const { return columns_[index]; }
    ColumnInfo& Column(size_t index) { return columns_[index]; }
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
    Row& Current() const;
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

    // Rows with pending changes, in the order they were read or added.
    std::vector<Row*> PendingRows(AffectEnum affect) const;
    // After a successful batch: the rows' changes became the database's.
    void AcceptSaved(const std::vector<Row*>& rows);
    // Before a batch written inside a transaction: the rows as they stand before the transaction's first
    // batch are kept until it ends; RestoreHeld puts them back (rolled back), ReleaseHeld drops them
    // (committed).
    void HoldForTransaction();
    void RestoreHeld();
    void ReleaseHeld() { held_.reset(); }
    // Lives as long as the row set; the database keeps it weakly to reach the row set when the
    // transaction ends.
    std::shared_ptr<RowSet*> HoldToken() const { return holdToken_; }
    void CancelBatch(AffectEnum affect);
    void RefreshView();
    // Every row, in the order read or added, whatever the filter.
    std::vector<Row*> AllRows() const;

private:
    bool Visible(const Row& row) const;
    void KeepCurrentAfterRebuild(Row* current);

    std::vector<ColumnInfo> columns_;
    std::vector<std::unique_ptr<Row>> rows_;
    std::vector<Row*> view_;
    long position_ = 0;          // index into view_; -1 before the first, view_.size() after the last
    Row* detached_ = nullptr;    // a current row that left the view (deleted) until the cursor moves
    double nextBookmark_ = 1;
    std::unique_ptr<FilterExpression> filter_;
    bool pendingFilter_ = false;
    std::u16string sort_;
    struct Held {
        std::vector<Row> rows;
        double nextBookmark;
    };
    std::optional<Held> held_;
    std::shared_ptr<RowSet*> holdToken_ = std::make_shared<RowSet*>(this);
};

}  // namespace tlx::ado
