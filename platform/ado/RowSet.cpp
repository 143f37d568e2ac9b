#include "platform/ado/RowSet.h"
#include "platform/text/AsciiCase.h"

#include <algorithm>
#include <unordered_set>

#include "platform/ado/AdoError.h"
#include "platform/ado/ListGrowth.h"
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

Row::Row(const Row& other)
    : bookmark(other.bookmark),
      fetched(other.fetched),
      stored(other.stored),
      edits(other.edits ? other.edits->Clone() : nullptr),
      isNew(other.isNew),
      modified(other.modified),
      deleted(other.deleted),
      dbDeleted(other.dbDeleted) {}

Row& Row::operator=(const Row& other) {
    if (this != &other) *this = Row(other);
    return *this;
}

tlx::Variant Row::Value(size_t column) const {
    if (edits) return edits->Values()[column].Copy();
    return FieldValueOf(stored[column], (*fetched->types)[column]);
}

void Row::ReadValue(size_t column, VARIANT* value) const {
    if (edits) {
        if (HRESULT hr = VariantCopy(value, &edits->Values()[column].View()); FAILED(hr)) throw std::bad_alloc();
        return;
    }
    MakeFieldValue(stored[column], (*fetched->types)[column], value);
}

tlx::Variant Row::Underlying(size_t column) const {
    if (isNew) return tlx::Variant::Null();
    if (edits && edits->underlying) return edits->underlying[column].Copy();
    return Value(column);
}

RowEdits& Row::Edits() {
    if (!edits) {
        size_t count = fetched ? fetched->types->size() : 0;
        std::unique_ptr<RowEdits> made = RowEdits::Make(count);
        for (size_t c = 0; c < count; ++c) made->Values()[c] = RowValue(Value(c));
        edits = std::move(made);
    }
    return *edits;
}

const std::vector<tlx::Variant>& Row::Values(std::vector<tlx::Variant>& scratch) const {
    scratch.clear();
    size_t count = edits ? edits->Count() : fetched ? fetched->types->size() : 0;
    for (size_t c = 0; c < count; ++c) scratch.push_back(Value(c));
    return scratch;
}

RowSet::RowSet(std::shared_ptr<std::vector<ColumnInfo>> columns) : RowSet(columns, FetchedTypes(*columns)) {}

RowSet::RowSet(std::shared_ptr<std::vector<ColumnInfo>> columns, std::shared_ptr<std::vector<DataTypeEnum>> types)
    : columns_(std::move(columns)), fetched_{std::move(types), std::nullopt, {}} {}

std::shared_ptr<std::vector<DataTypeEnum>> RowSet::FetchedTypes(const std::vector<ColumnInfo>& columns) {
    auto types = std::make_shared<std::vector<DataTypeEnum>>();
    types->reserve(columns.size());
    for (const ColumnInfo& column : columns) types->push_back(column.type.type);
    return types;
}

std::vector<DataTypeEnum>& RowSet::OwnTypes() {
    if (fetched_.types.use_count() > 1) fetched_.types = std::make_shared<std::vector<DataTypeEnum>>(*fetched_.types);
    return *fetched_.types;
}

std::vector<ColumnInfo>& RowSet::OwnColumns() {
    if (columns_.use_count() > 1) columns_ = std::make_shared<std::vector<ColumnInfo>>(*columns_);
    return *columns_;
}

void RowSet::AddColumn(ColumnInfo column) {
    OwnTypes().push_back(column.type.type);
    OwnColumns().push_back(std::move(column));
}

void RowSet::FetchRow(sqlite3_stmt* statement) {
    RowsChanged();
    constexpr size_t kFirstRows = 8;
    size_t count = fetched_.types->size();
    if (!fetched_.values) fetched_.values.emplace(kFirstRows * count);
    StoredValue* values = fetched_.values->Take(count);
    ReadStoredRow(statement, fetched_.types->data(), count, values);
    for (size_t c = 0; c < count; ++c)
        if (values[c].kind == StoredValue::kText) values[c].text = fetched_.texts.Keep(values[c].text, values[c].length);
    Row* row = NewRow();
    row->bookmark = nextBookmark_++;
    row->fetched = &fetched_;
    row->stored = values;
    ReserveOneMore(rows_);
    rows_.push_back(row);
}

std::vector<ColumnType> RowSet::SettledTypes() const {
    std::vector<ColumnType> types;
    for (size_t c = 0; c < ColumnCount(); ++c) {
        ColumnType settled = Column(c).type;
        if (settled.type == adEmpty) {
            settled = {adVarWChar, kExpressionTextSize};
            for (const Row* row : rows_) {
                ColumnType type = ColumnTypeOfValue(row->Value(c));
                if (type.type != adEmpty) {
                    settled = type;
                    break;
                }
            }
        }
        types.push_back(settled);
    }
    return types;
}

void RowSet::SettleColumnTypes() {
    std::vector<ColumnType> types = SettledTypes();
    for (size_t c = 0; c < ColumnCount(); ++c)
        if (Column(c).type.type == adEmpty) OwnColumns()[c].type = types[c];
}

int RowSet::FindColumn(std::u16string_view name) const {
    for (size_t i = 0; i < columns_->size(); ++i)
        if (EqualsIgnoringAsciiCase((*columns_)[i].name, name)) return static_cast<int>(i);
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

Row& RowSet::CurrentOrFail() const {
    if (detached_) return *detached_;
    if (Bof() || Eof()) FailNoCurrent();
    return *view_[static_cast<size_t>(position_)];
}

void RowSet::MoveToBookmark(double bookmark) {
    // Unsorted, the view keeps the rows in the order they were read or added, which is bookmark order.
    if (sort_.empty()) {
        auto found = std::lower_bound(view_.begin(), view_.end(), bookmark,
                                      [](const Row* row, double wanted) { return row->bookmark < wanted; });
        if (found != view_.end() && (*found)->bookmark == bookmark) {
            detached_ = nullptr;
            position_ = static_cast<long>(found - view_.begin());
            return;
        }
    }
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
    RowChangedInPlace();
    Row& row = Current();
    if (row.deleted) FailNoCurrent();
    Touch(&row);
    row.KeepUnderlying();
    RowEdits& edits = row.Edits();
    edits.Values()[column] = RowValue(std::move(value));
    edits.assigned.Mark(column, ColumnCount());
    if (!row.isNew) row.modified = true;
}

void RowSet::AddNew() {
    RowChangedInPlace();
    Row* added = NewRow();
    added->bookmark = nextBookmark_++;
    added->isNew = true;
    // A new row has nothing in the database: all NULL (its underlying values are left empty).
    added->edits = RowEdits::Make(ColumnCount());
    ReserveOneMore(rows_);
    ReserveOneMore(view_);
    rows_.push_back(added);
    // A new row joins the view at its end, whatever the filter and sort say, until they are set again.
    view_.push_back(added);
    detached_ = nullptr;
    position_ = static_cast<long>(view_.size()) - 1;
}

void RowSet::DeleteCurrent() {
    RowChangedInPlace();
    Row& row = Current();
    if (row.deleted) FailNoCurrent();
    Touch(&row);
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
    if (!filter_) return true;
    std::vector<tlx::Variant> scratch;
    return filter_->Matches(row.Values(scratch));
}

void RowSet::RefreshView() {
    viewFresh_ = false;
    view_.clear();
    for (Row* row : rows_)
        if (Visible(*row)) view_.push_back(row);
    if (sort_.empty()) {
        viewFresh_ = true;
        return;
    }
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
    // The keys of each row made once, not at every comparison.
    std::vector<std::pair<Row*, std::vector<tlx::Variant>>> keyed;
    keyed.reserve(view_.size());
    for (Row* row : view_) {
        std::vector<tlx::Variant> values;
        values.reserve(keys.size());
        for (const SortKey& key : keys) values.push_back(row->Value(key.column));
        keyed.emplace_back(row, std::move(values));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [&](const auto& a, const auto& b) {
        for (size_t k = 0; k < keys.size(); ++k) {
            int order = CompareFieldValues(a.second[k], b.second[k]);
            if (order != 0) return keys[k].descending ? order > 0 : order < 0;
        }
        return false;
    });
    for (size_t i = 0; i < keyed.size(); ++i) view_[i] = keyed[i].first;
    viewFresh_ = true;
}

// Setting the filter the view was built with again, no row having changed since, keeps the view: the
// host sets a collection's own filter before every lookup of one of its rows.
void RowSet::SetFilter(const std::u16string& criteria) {
    if (criteria.empty()) {
        ClearFilter();
        return;
    }
    if (!(viewFresh_ && filter_ && !pendingFilter_ && filterText_ == criteria)) {
        filter_ = FilterExpression::Parse(criteria, [this](std::u16string_view name) { return FindColumn(name); });
        filterText_ = criteria;
        pendingFilter_ = false;
        RefreshView();
    }
    MoveFirst();
}

void RowSet::SetPendingFilter() {
    filter_.reset();
    pendingFilter_ = true;
    RefreshView();
    MoveFirst();
}

void RowSet::ClearFilter() {
    if (!(viewFresh_ && !filter_ && !pendingFilter_)) {
        filter_.reset();
        pendingFilter_ = false;
        RefreshView();
    }
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

bool RowSet::AnyPending() const {
    if (!anyPending_)
        anyPending_ = std::any_of(rows_.begin(), rows_.end(),
                                  [](const Row* row) { return row->Pending() && !(row->isNew && row->deleted); });
    return *anyPending_;
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
    for (Row* row : rows_)
        if (row->Pending()) out.push_back(row);
    return out;
}

std::vector<Row*> RowSet::AllRows() const {
    return rows_;
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

RowSet::HeldRow::HeldRow(Row& row)
    : row(&row), isNew(row.isNew), modified(row.modified), deleted(row.deleted), dbDeleted(row.dbDeleted) {}

void RowSet::HeldRow::Undo(Row& row) {
    row.isNew = isNew;
    row.modified = modified;
    row.deleted = deleted;
    row.dbDeleted = dbDeleted;
    if (!row.edits) return;
    if (accepted) {
        row.edits->assigned = std::move(assigned);
        row.edits->underlying = isNew || !kept ? nullptr : std::move(kept->underlying);
    }
    if (keyColumn != kNoKey)
        row.edits->Values()[keyColumn] = keyWasNull ? RowValue::Null() : std::move(OwnKept().keyBefore);
}

void RowSet::HeldRow::Restore(Row& row) {
    if (Row* whole = Whole()) {
        row = std::move(*whole);
        return;
    }
    Undo(row);
}

RowSet::HeldRow* RowSet::FindHeld(Row* row) {
    if (!held_ || row->held == 0) return nullptr;
    return &held_->before[row->held - 1];
}

RowSet::HeldRow& RowSet::AddHeld(Row* row) {
    held_->before.emplace_back(*row);
    row->held = static_cast<std::uint32_t>(held_->before.size());
    return held_->before.back();
}

void RowSet::HoldForTransaction() {
    if (held_) return;
    // Only the pending rows are noted now (the batch is about to change them, and they keep what it
    // changes); any other row is copied when it first changes, so a save costs what it writes, not the
    // size of the recordset.
    held_ = Held{rows_, {}, nextBookmark_};
    held_->before.reserve(static_cast<size_t>(
        std::count_if(rows_.begin(), rows_.end(), [](const Row* row) { return row->Pending(); })));
    for (Row* row : rows_)
        if (row->Pending()) AddHeld(row);
}

void RowSet::ReleaseHeld() {
    if (!held_) return;
    for (HeldRow& before : held_->before) before.row->held = 0;
    held_.reset();
}

void RowSet::Touch(Row* row) {
    if (!held_) return;
    HeldRow* found = FindHeld(row);
    if (!found) {
        auto copy = std::make_unique<Row>(*row);
        AddHeld(row).KeepWhole(std::move(copy));
        return;
    }
    HeldRow& held = *found;
    if (held.Whole()) return;
    auto copy = std::make_unique<Row>(*row);
    held.Undo(*copy);
    held.KeepWhole(std::move(copy));
}

void RowSet::SetSavedKey(Row& row, size_t column, tlx::Variant value) {
    if (held_) {
        HeldRow* found = FindHeld(&row);
        if (!found || found->accepted || column >= HeldRow::kNoKey ||
            (found->keyColumn != HeldRow::kNoKey && found->keyColumn != column)) {
            Touch(&row);
            found = FindHeld(&row);
        }
        HeldRow& held = *found;
        if (!held.Whole() && held.keyColumn == HeldRow::kNoKey) {
            held.keyColumn = static_cast<std::uint32_t>(column);
            const RowValue& before = row.Edits().Values()[column];
            if (before.Type() == VT_NULL)
                held.keyWasNull = true;
            else
                held.OwnKept().keyBefore = before;
        }
    }
    row.Edits().Values()[column] = RowValue(std::move(value));
}

void RowSet::AcceptSaved(const std::vector<Row*>& saved) {
    RowsChanged();
    Row* current = HasCurrent() ? &Current() : nullptr;
    for (Row* row : saved) {
        HeldRow* held = nullptr;
        if (held_) {
            HeldRow* found = FindHeld(row);
            if (!found || found->accepted) Touch(row);
            held = FindHeld(row);
        }
        if (held && !held->Whole()) {
            // What accepting changes moves into the held row instead of being copied there.
            held->accepted = true;
            if (row->edits) {
                held->assigned = std::move(row->edits->assigned);
                std::unique_ptr<RowValue[]> underlying = std::move(row->edits->underlying);
                if (!held->isNew && underlying) held->OwnKept().underlying = std::move(underlying);
            }
        }
        row->isNew = row->modified = false;
        if (row->edits) {
            row->edits->assigned.Clear();  // no field written since
            row->edits->underlying.reset();
        }
    }
    std::erase_if(rows_, [&](Row* row) {
        bool gone = row->deleted && std::find(saved.begin(), saved.end(), row) != saved.end();
        if (gone && current == row) current = nullptr;
        if (gone) Touch(row);  // a whole copy before the row is emptied
        if (gone) Drop(row);
        return gone;
    });
    KeepCurrentAfterRebuild(current);
}

void RowSet::RestoreHeld() {
    RowsChanged();
    if (!held_) return;
    std::optional<double> current;
    if (HasCurrent()) current = Current().bookmark;
    std::unordered_set<Row*> kept(held_->order.begin(), held_->order.end());
    for (Row* row : rows_)
        if (!kept.count(row)) Drop(row);  // added during the transaction
    rows_ = std::move(held_->order);
    for (HeldRow& before : held_->before) {
        before.Restore(*before.row);
        before.row->held = 0;
    }
    nextBookmark_ = std::max(nextBookmark_, held_->nextBookmark);
    held_.reset();
    Row* again = nullptr;
    for (Row* row : rows_)
        if (current && row->bookmark == *current) again = row;
    KeepCurrentAfterRebuild(again);
}

void RowSet::CancelBatch(AffectEnum affect) {
    RowsChanged();
    std::vector<Row*> pending = PendingRows(affect);
    Row* current = HasCurrent() ? &Current() : nullptr;
    for (Row* row : pending) {
        Touch(row);
        if (!row->isNew) {
            if (row->edits) {
                if (row->edits->underlying) {
                    std::span<RowValue> values = row->edits->Values();
                    for (size_t c = 0; c < values.size(); ++c) values[c] = std::move(row->edits->underlying[c]);
                }
                row->edits->underlying.reset();
                row->edits->assigned.Clear();
            }
            row->modified = row->deleted = false;
        }
    }
    std::erase_if(rows_, [&](Row* row) {
        bool gone = row->isNew && std::find(pending.begin(), pending.end(), row) != pending.end();
        if (gone && current == row) current = nullptr;
        if (gone) Drop(row);
        return gone;
    });
    KeepCurrentAfterRebuild(current);
}

}  // namespace tlx::ado
