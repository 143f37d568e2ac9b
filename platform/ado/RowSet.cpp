#include "platform/ado/RowSet.h"
#include "platform/text/AsciiCase.h"

#include <algorithm>

#include "platform/ado/AdoError.h"
#include "platform/text/CodePage.h"

namespace tlx::ado {
namespace {
[[noreturn]] void FailNoCurrent() {
    Fail(adErrNoCurrentRecord, u"Either BOF or EOF is True, or the current record has been deleted");
}

struct SortKey {
    size_t column;
    bool descending;
};
}  // namespace

LONG Row::Status() const {
    LONG status = isNew ? adRecNew : (deleted ? adRecDeleted : (modified ? adRecModified : adRecUnmodified));
    if (isNew && deleted) status = adRecNew | adRecDeleted;
    if (dbDeleted) status |= adRecDBDeleted;
    return status;
}

void RowSet::AddColumn(ColumnInfo column) { columns_.push_back(std::move(column)); }

void RowSet::AppendFetchedRow(std::vector<tlx::Variant> values) {
    auto row = std::make_unique<Row>();
    row->bookmark = nextBookmark_++;
    row->values = std::move(values);
    view_.push_back(row.get());
    rows_.push_back(std::move(row));
}

void RowSet::SettleColumnTypes() {
    for (size_t c = 0; c < columns_.size(); ++c) {
        if (columns_[c].type.type != adEmpty) continue;
        for (const auto& row : rows_) {
            ColumnType type = ColumnTypeOfValue(row->values[c]);
            if (type.type != adEmpty) {
                columns_[c].type = type;
                break;
            }
        }
        if (columns_[c].type.type == adEmpty) columns_[c].type = {adVarWChar, kExpressionTextSize};
    }
}

int RowSet::FindColumn(std::u16string_view name) const {
    for (size_t i = 0; i < columns_.size(); ++i)
        if (EqualsIgnoringAsciiCase(columns_[i].name, name)) return static_cast<int>(i);
    return -1;
}

bool RowSet::Bof() const { return !detached_ && (view_.empty() || position_ < 0); }
bool RowSet::Eof() const { return !detached_ && (view_.empty() || position_ >= static_cast<long>(view_.size())); }

void RowSet::MoveFirst() {
    detached_ = nullptr;
    position_ = 0;
}

void RowSet::MoveLast() {
    detached_ = nullptr;
    position_ = static_cast<long>(view_.size()) - 1;
    if (view_.empty()) position_ = 0;
}

void RowSet::MoveNext() {
    if (detached_) {
        detached_ = nullptr;  // the next row already sits at the deleted row's place
        return;
    }
    if (Eof()) FailNoCurrent();
    ++position_;
}

void RowSet::MovePrevious() {
    if (detached_) {
        detached_ = nullptr;
        --position_;
        return;
    }
    if (Bof()) FailNoCurrent();
    --position_;
}

bool RowSet::HasCurrent() const { return detached_ || (!Bof() && !Eof()); }

Row& RowSet::Current() const {
    if (detached_) return *detached_;
    if (Bof() || Eof()) FailNoCurrent();
    return *view_[static_cast<size_t>(position_)];
}

void RowSet::MoveToBookmark(double bookmark) {
    for (size_t i = 0; i < view_.size(); ++i) {
        if (view_[i]->bookmark == bookmark) {
            detached_ = nullptr;
            position_ = static_cast<long>(i);
            return;
        }
    }
    Fail(adErrItemNotFound, u"No row with this bookmark is in the recordset's current view");
}

void RowSet::SetValue(size_t column, tlx::Variant value) {
    Row& row = Current();
    if (row.deleted) FailNoCurrent();
    row.KeepUnderlying();
    row.values[column] = std::move(value);
    if (row.assigned.empty()) row.assigned.assign(columns_.size(), false);
    row.assigned[column] = true;
    if (!row.isNew) row.modified = true;
}

void RowSet::AddNew() {
    auto row = std::make_unique<Row>();
    row->bookmark = nextBookmark_++;
    row->isNew = true;
    row->values.resize(columns_.size());
    row->underlying.resize(columns_.size());  // a new row has nothing in the database: all NULL
    for (size_t i = 0; i < columns_.size(); ++i) {
        row->values[i] = tlx::Variant::Null();
        row->underlying[i] = tlx::Variant::Null();
    }
    row->assigned.assign(columns_.size(), false);
    Row* added = row.get();
    rows_.push_back(std::move(row));
    // A new row joins the view at its end, whatever the filter and sort say, until they are set again.
    view_.push_back(added);
    detached_ = nullptr;
    position_ = static_cast<long>(view_.size()) - 1;
}

void RowSet::DeleteCurrent() {
    Row& row = Current();
    if (row.deleted) FailNoCurrent();
    row.deleted = true;
    if (pendingFilter_) return;  // pending rows stay in view, deleted ones included
    auto it = std::find(view_.begin(), view_.end(), &row);
    if (it == view_.end()) return;
    position_ = static_cast<long>(it - view_.begin());
    view_.erase(it);
    detached_ = &row;
}

EditModeEnum RowSet::EditMode() const {
    if (!HasCurrent()) return adEditNone;
    const Row& row = Current();
    // Batch-optimistic: a row keeps telling its pending change until the batch is written or cancelled.
    if (row.deleted) return adEditDelete;
    if (row.isNew) return adEditAdd;
    if (row.modified) return adEditInProgress;
    return adEditNone;
}

bool RowSet::Visible(const Row& row) const {
    if (pendingFilter_) return row.Pending() && !(row.isNew && row.deleted);
    if (row.deleted) return false;
    return !filter_ || filter_->Matches(row.values);
}

void RowSet::RefreshView() {
    view_.clear();
    for (const auto& row : rows_)
        if (Visible(*row)) view_.push_back(row.get());
    if (sort_.empty()) return;
    std::vector<SortKey> keys;
    std::u16string text = sort_;
    size_t start = 0;
    while (start <= text.size()) {
        size_t comma = text.find(u',', start);
        std::u16string part = text.substr(start, comma == std::u16string::npos ? std::u16string::npos : comma - start);
        start = comma == std::u16string::npos ? text.size() + 1 : comma + 1;
        while (!part.empty() && part.front() == u' ') part.erase(0, 1);
        while (!part.empty() && part.back() == u' ') part.pop_back();
        if (part.empty()) continue;
        bool descending = false;
        size_t blank = part.find(u' ');
        if (blank != std::u16string::npos) {
            std::u16string direction = part.substr(blank + 1);
            while (!direction.empty() && direction.front() == u' ') direction.erase(0, 1);
            for (auto& c : direction) c = (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c;
            if (direction == u"DESC") descending = true;
            else if (direction != u"ASC") Fail(adErrInvalidArgument, u"Invalid sort order: " + sort_);
            part.resize(blank);
        }
        if (!part.empty() && part.front() == u'[' && part.back() == u']') part = part.substr(1, part.size() - 2);
        int column = FindColumn(part);
        if (column < 0) Fail(adErrItemNotFound, u"Unknown sort column: " + part);
        keys.push_back({static_cast<size_t>(column), descending});
    }
    std::stable_sort(view_.begin(), view_.end(), [&](const Row* a, const Row* b) {
        for (const SortKey& key : keys) {
            int order = CompareFieldValues(a->values[key.column], b->values[key.column]);
            if (order != 0) return key.descending ? order > 0 : order < 0;
        }
        return false;
    });
}

void RowSet::SetFilter(const std::u16string& criteria) {
    if (criteria.empty()) {
        ClearFilter();
        return;
    }
    filter_ = FilterExpression::Parse(criteria, [this](std::u16string_view name) { return FindColumn(name); });
    pendingFilter_ = false;
    RefreshView();
    MoveFirst();
}

void RowSet::SetPendingFilter() {
    filter_.reset();
    pendingFilter_ = true;
    RefreshView();
    MoveFirst();
}

void RowSet::ClearFilter() {
    filter_.reset();
    pendingFilter_ = false;
    RefreshView();
    MoveFirst();
}

void RowSet::SetSort(const std::u16string& sort) {
    std::u16string previous = sort_;
    sort_ = sort;
    try {
        RefreshView();
    } catch (...) {
        sort_ = previous;
        RefreshView();
        throw;
    }
    MoveFirst();
}

std::vector<Row*> RowSet::PendingRows(AffectEnum affect) const {
    std::vector<Row*> out;
    if (affect == adAffectCurrent) {
        if (HasCurrent() && Current().Pending()) out.push_back(&Current());
        return out;
    }
    if (affect == adAffectGroup) {
        for (Row* row : view_)
            if (row->Pending()) out.push_back(row);
        if (detached_ && detached_->Pending()) out.push_back(detached_);
        return out;
    }
    for (const auto& row : rows_)
        if (row->Pending()) out.push_back(row.get());
    return out;
}

std::vector<Row*> RowSet::AllRows() const {
    std::vector<Row*> out;
    for (const auto& row : rows_) out.push_back(row.get());
    return out;
}

void RowSet::KeepCurrentAfterRebuild(Row* current) {
    long oldPosition = position_;
    detached_ = nullptr;
    RefreshView();
    auto it = std::find(view_.begin(), view_.end(), current);
    if (current && it != view_.end()) {
        position_ = static_cast<long>(it - view_.begin());
    } else {
        position_ = std::clamp(oldPosition, 0L, static_cast<long>(view_.size()));
    }
}

void RowSet::HoldForTransaction() {
    if (held_) return;
    Held before{{}, nextBookmark_};
    before.rows.reserve(rows_.size());
    for (const auto& row : rows_) before.rows.push_back(*row);
    held_ = std::move(before);
}

void RowSet::AcceptSaved(const std::vector<Row*>& saved) {
    Row* current = HasCurrent() ? &Current() : nullptr;
    for (Row* row : saved) {
        row->isNew = row->modified = false;
        row->assigned.assign(columns_.size(), false);
        row->underlying.clear();
    }
    std::erase_if(rows_, [&](const std::unique_ptr<Row>& row) {
        bool gone = row->deleted && std::find(saved.begin(), saved.end(), row.get()) != saved.end();
        if (gone && current == row.get()) current = nullptr;
        return gone;
    });
    KeepCurrentAfterRebuild(current);
}

void RowSet::RestoreHeld() {
    if (!held_) return;
    std::optional<double> current;
    if (HasCurrent()) current = Current().bookmark;
    rows_.clear();
    for (Row& row : held_->rows) rows_.push_back(std::make_unique<Row>(std::move(row)));
    nextBookmark_ = std::max(nextBookmark_, held_->nextBookmark);
    held_.reset();
    Row* again = nullptr;
    for (const auto& row : rows_)
        if (current && row->bookmark == *current) again = row.get();
    KeepCurrentAfterRebuild(again);
}

void RowSet::CancelBatch(AffectEnum affect) {
    std::vector<Row*> pending = PendingRows(affect);
    Row* current = HasCurrent() ? &Current() : nullptr;
    for (Row* row : pending) {
        if (!row->isNew) {
            if (!row->underlying.empty()) row->values = std::move(row->underlying);
            row->underlying.clear();
            row->modified = row->deleted = false;
            row->assigned.assign(columns_.size(), false);
        }
    }
    std::erase_if(rows_, [&](const std::unique_ptr<Row>& row) {
        bool gone = row->isNew && std::find(pending.begin(), pending.end(), row.get()) != pending.end();
        if (gone && current == row.get()) current = nullptr;
        return gone;
    });
    KeepCurrentAfterRebuild(current);
}

}  // namespace tlx::ado
