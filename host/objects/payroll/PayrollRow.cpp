#include "host/objects/payroll/PayrollRow.h"

#include <cmath>
#include <mutex>
#include <unordered_map>

#include "host/Database.h"
#include "host/HostError.h"
#include "platform/ado/AdoError.h"
#include "platform/ado/RecordsetState.h"
#include "platform/ado/SqlExecutor.h"
#include "platform/text/CodePage.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/AsciiCase.h"

namespace tlx::host {

std::size_t PayrollRow::Columns::FoldedHash::operator()(std::u16string_view name) const {
    std::size_t hash = 14695981039346656037ull;
    for (char16_t c : name) hash = (hash ^ AsciiLower(c)) * 1099511628211ull;
    return hash;
}

bool PayrollRow::Columns::FoldedEqual::operator()(std::u16string_view a, std::u16string_view b) const {
    return EqualsIgnoringAsciiCase(a, b);
}

void PayrollRow::Columns::Add(std::u16string_view name) {
    names_.emplace_back(name);
    index_.emplace(std::u16string(name), names_.size() - 1);
}

std::size_t PayrollRow::Columns::Find(std::u16string_view name) const {
    auto found = index_.find(name);
    return found == index_.end() ? kNone : found->second;
}

PayrollRow::PayrollRow(std::shared_ptr<const Columns> columns, std::vector<Variant> values)
    : columns_(std::move(columns)),
      values_(std::in_place, std::make_move_iterator(values.begin()), std::make_move_iterator(values.end())),
      slots_(values_->size()) {
    for (std::size_t i = 0; i < slots_.size(); ++i) slots_[i] = static_cast<Slot>(i + 1);
}

std::deque<Variant>& PayrollRow::Made() const {
    if (!values_) values_.emplace();
    return *values_;
}

const Variant& PayrollRow::At(std::size_t i) const {
    if (slots_[i] == kNotMade) {
        std::deque<Variant>& made = Made();
        row_->ReadValue(first_ + i, made.emplace_back().Out());
        slots_[i] = static_cast<Slot>(made.size());
    }
    return (*values_)[slots_[i] - 1];
}

const Variant& PayrollRow::Value(std::u16string_view column) const {
    static const Variant kEmpty;
    std::size_t i = columns_->Find(column);
    return i == Columns::kNone ? kEmpty : At(i);
}

bool PayrollRow::IsNull(std::u16string_view column) const {
    const Variant& value = Value(column);
    return value.vt == VT_NULL || value.vt == VT_EMPTY;
}

namespace {
std::u16string AsText(const Variant& value) {
    Variant text;
    if (FAILED(VariantChangeType(&text, &value, 0, VT_BSTR)) || !text.bstrVal) {
        TakeErrorDescription();
        return u"?";
    }
    return std::u16string(text.bstrVal, SysStringLen(text.bstrVal));
}

const char16_t* KindName(VARTYPE type) {
    switch (type) {
        case VT_I4: return u"liczbą całkowitą";
        case VT_R8: return u"liczbą";
        case VT_DATE: return u"datą";
        case VT_CY: return u"kwotą";
        default: return u"tekstem";
    }
}
}  // namespace

// A stored value that is not of the kind asked for fails naming its column, its row (by the row's
// first column, its key) and the value, so that whoever reads it can say what to mend.
Variant PayrollRow::Converted(std::u16string_view column, VARTYPE type) const {
    const Variant& value = Value(column);
    if (value.vt == type) return value;
    Variant out;
    if (value.vt == VT_NULL || value.vt == VT_EMPTY) return out;
    if (HRESULT hr = VariantChangeType(&out, &value, 0, type); FAILED(hr)) {
        TakeErrorDescription();
        std::u16string row = columns_->Size() == 0 ? u"" : u" (wiersz " + columns_->Name(0) + u" = " + AsText(At(0)) + u")";
        Fail(hr, u"Wartość \"" + AsText(value) + u"\" w kolumnie " + std::u16string(column) + row + u" nie jest " +
                     KindName(type) + u".");
    }
    return out;
}

LONG PayrollRow::Long(std::u16string_view column) const {
    if (const Variant& stored = Value(column); stored.vt == VT_I4) return stored.lVal;
    Variant value = Converted(column, VT_I4);
    return value.vt == VT_I4 ? value.lVal : 0;
}

double PayrollRow::Double(std::u16string_view column) const {
    Variant value = Converted(column, VT_R8);
    return value.vt == VT_R8 ? value.dblVal : 0.0;
}

DATE PayrollRow::Date(std::u16string_view column) const { return DateOrNull(column).value_or(0.0); }

std::optional<DATE> PayrollRow::DateOrNull(std::u16string_view column) const {
    const Variant& stored = Value(column);
    if (stored.vt == VT_DATE) return std::floor(stored.date);
    if (stored.vt == VT_NULL || stored.vt == VT_EMPTY) return std::nullopt;
    Variant value = Converted(column, VT_DATE);
    return value.vt == VT_DATE ? std::floor(value.date) : 0.0;
}

CY PayrollRow::Money(std::u16string_view column) const {
    if (const Variant& stored = Value(column); stored.vt == VT_CY) return stored.cyVal;
    Variant value = Converted(column, VT_CY);
    return value.vt == VT_CY ? value.cyVal : CY{0};
}

CY PayrollRow::MoneyAt(std::size_t position) const {
    if (position == Columns::kNone) return CY{0};
    if (const Variant& stored = At(position); stored.vt == VT_CY) return stored.cyVal;
    return Money(columns_->Name(position));
}

LONG PayrollRow::LongAt(std::size_t position) const {
    if (position == Columns::kNone) return 0;
    if (const Variant& stored = At(position); stored.vt == VT_I4) return stored.lVal;
    return Long(columns_->Name(position));
}

std::u16string PayrollRow::Text(std::u16string_view column) const {
    Variant value = Converted(column, VT_BSTR);
    return value.vt == VT_BSTR && value.bstrVal ? std::u16string(value.bstrVal, SysStringLen(value.bstrVal))
                                                 : std::u16string();
}

std::shared_ptr<PayrollRow> PayrollRow::Part(std::shared_ptr<const Columns> columns, std::size_t first) const {
    if (source_) return std::make_shared<PayrollRow>(std::move(columns), source_, *row_, first_ + first);
    std::vector<Variant> values;
    values.reserve(columns->Size());
    for (std::size_t i = 0; i < columns->Size(); ++i) values.push_back(At(first + i));
    return std::make_shared<PayrollRow>(std::move(columns), std::move(values));
}

void PayrollRow::Set(std::u16string_view column, const VARIANT& value) {
    std::size_t i = columns_->Find(column);
    if (i != Columns::kNone && slots_[i] != kNotMade) {
        (*values_)[slots_[i] - 1] = Variant(value);
        return;
    }
    if (i == Columns::kNone) {
        auto columns = std::make_shared<Columns>(*columns_);
        columns->Add(column);
        columns_ = std::move(columns);
        i = slots_.size();
        slots_.push_back(kNotMade);
    }
    Made().emplace_back(value);
    slots_[i] = static_cast<Slot>(values_->size());
}

namespace {
// The rows through a recordset and its field objects: for a connection that is not one of ours.
PayrollRows ReadRowsOfRecordset(Connection* connection, std::u16string_view sql) {
    ComPtr<Recordset> rows = OpenRecordset(connection, sql);
    PayrollRows out;
    ComPtr<Fields> fields;
    Check(rows->get_Fields(fields.Out()));
    LONG count = 0;
    Check(fields->get_Count(&count));
    std::vector<ComPtr<Field>> byIndex;
    auto columns = std::make_shared<PayrollRow::Columns>();
    for (LONG i = 0; i < count; ++i) {
        ComPtr<Field> field;
        Check(fields->get_Item(Variant::FromLong(i), field.Out()));
        Bstr name;
        Check(field->get_Name(name.Out()));
        columns->Add(name.View());
        byIndex.push_back(field);
    }
    while (!AtEnd(rows.Get())) {
        std::vector<Variant> values(static_cast<std::size_t>(count));
        for (LONG i = 0; i < count; ++i) Check(byIndex[static_cast<std::size_t>(i)]->get_Value(values[static_cast<std::size_t>(i)].Out()));
        out.push_back(std::make_shared<PayrollRow>(columns, std::move(values)));
        Check(rows->MoveNext());
    }
    return out;
}
}  // namespace

// The column index of a statement's rows, made once for the column list that the prepared statement
// shares with every row set it reads (one employee after another reads the same statements), and made
// afresh when the statement describes its columns anew. Entries whose list is gone are dropped when the
// store fills.
namespace {
std::shared_ptr<const PayrollRow::Columns> ColumnsOf(const ado::RowSet& rows) {
    struct Known {
        std::weak_ptr<const std::vector<ado::ColumnInfo>> source;
        std::shared_ptr<const PayrollRow::Columns> columns;
    };
    static constexpr std::size_t kMaxKnown = 256;
    static std::mutex mutex;
    static std::unordered_map<const void*, Known> known;
    const std::shared_ptr<std::vector<ado::ColumnInfo>>& source = rows.SharedColumns();
    std::lock_guard lock(mutex);
    if (auto found = known.find(source.get()); found != known.end() && found->second.source.lock() == source)
        return found->second.columns;
    if (known.size() >= kMaxKnown) std::erase_if(known, [](const auto& entry) { return entry.second.source.expired(); });
    if (known.size() >= kMaxKnown) known.clear();
    auto columns = std::make_shared<PayrollRow::Columns>();
    for (std::size_t i = 0; i < rows.ColumnCount(); ++i) columns->Add(rows.Column(i).name);
    known[source.get()] = Known{source, columns};
    return columns;
}
}  // namespace

// Our own connections hand over their database: the query runs as a recordset's would (the same
// rewriting, the same values as its fields answer, its failures in the same words), and the rows are
// copied straight from its row set, without a recordset and a field object per column. The payroll
// reads are what every ZUS and PFRON declaration pays per employee.
namespace {
std::shared_ptr<ado::SqliteDatabase> DatabaseOf(Connection* connection) {
    ComPtr<ado::IDatabaseProvider> provider = ComPtr<Connection>(Require(connection)).As<ado::IDatabaseProvider>();
    return provider ? provider->Database() : nullptr;
}

PayrollRows RowsOf(const std::shared_ptr<ado::RowSet>& rows) {
    std::shared_ptr<const PayrollRow::Columns> columns = ColumnsOf(*rows);
    PayrollRows out;
    out.reserve(static_cast<std::size_t>(rows->RecordCount()));
    for (rows->MoveFirst(); !rows->Eof(); rows->MoveNext()) out.push_back(std::make_shared<PayrollRow>(columns, rows, rows->Current()));
    return out;
}
}  // namespace

PayrollRows ReadRows(Connection* connection, std::u16string_view sql) {
    std::shared_ptr<ado::SqliteDatabase> database = DatabaseOf(connection);
    if (!database) return ReadRowsOfRecordset(connection, sql);
    std::shared_ptr<ado::RowSet> rows;
    Check(ado::Boundary([&] {
        rows = ado::SqlExecutor(*database).Execute(Utf16ToUtf8(sql)).rows;
        if (!rows) ado::Fail(adErrObjectClosed, u"The statement answers no rows");
    }));
    return RowsOf(rows);
}

PayrollRows ReadRowsByKey(Connection* connection, std::string_view sql, LONG key) {
    std::shared_ptr<ado::SqliteDatabase> database = DatabaseOf(connection);
    if (!database) {
        std::string written(sql);
        std::size_t at = written.find("?1");
        if (at != std::string::npos) written.replace(at, 2, std::to_string(key));
        return ReadRowsOfRecordset(connection, Utf8ToUtf16(written));
    }
    std::shared_ptr<ado::RowSet> rows;
    Check(ado::Boundary([&] {
        ado::Statement statement = database->Prepare(sql);
        statement.BindInteger(1, key);
        rows = ado::LoadRowSet(statement);
    }));
    return RowsOf(rows);
}

namespace {
// A column list's two sides, split before the position `at`, made once for the list: the lists of our
// own statements live with the statement, so one payout after another finds its sides made.
std::pair<std::shared_ptr<const PayrollRow::Columns>, std::shared_ptr<const PayrollRow::Columns>> SplitColumns(
    const std::shared_ptr<const PayrollRow::Columns>& all, std::size_t at) {
    struct Known {
        std::weak_ptr<const PayrollRow::Columns> all;
        std::size_t at;
        std::shared_ptr<const PayrollRow::Columns> left, right;
    };
    static constexpr std::size_t kMaxKnown = 64;
    static std::mutex mutex;
    static std::unordered_map<const void*, Known> known;
    std::lock_guard lock(mutex);
    if (auto found = known.find(all.get());
        found != known.end() && found->second.at == at && found->second.all.lock() == all)
        return {found->second.left, found->second.right};
    if (known.size() >= kMaxKnown) std::erase_if(known, [](const auto& entry) { return entry.second.all.expired(); });
    if (known.size() >= kMaxKnown) known.clear();
    auto left = std::make_shared<PayrollRow::Columns>(), right = std::make_shared<PayrollRow::Columns>();
    for (std::size_t i = 0; i < all->Size(); ++i) (i < at ? left : right)->Add(all->Name(i));
    known[all.get()] = Known{all, at, left, right};
    return {left, right};
}
}  // namespace

JoinedRows SplitJoinedRows(const PayrollRows& rows, std::u16string_view firstJoined) {
    JoinedRows out;
    if (rows.empty()) return out;
    const std::shared_ptr<const PayrollRow::Columns>& all = rows.front()->ColumnList();
    const std::size_t at = all->Find(firstJoined);
    if (at == PayrollRow::Columns::kNone)
        Fail(E_FAIL, u"Złączenie nie ma kolumny " + std::u16string(firstJoined));
    auto [left, right] = SplitColumns(all, at);
    out.rows.reserve(rows.size());
    for (const auto& row : rows) {
        out.rows.push_back(row->Part(left, 0));
        // Its key read from the joined part, which is read anyway: the whole row is never read.
        std::shared_ptr<PayrollRow> joined = row->Part(right, at);
        if (!joined->IsNull(firstJoined)) out.joined.push_back(std::move(joined));
    }
    return out;
}

ado::Statement HoldRead(Connection* connection) {
    std::shared_ptr<ado::SqliteDatabase> database = DatabaseOf(connection);
    ado::Statement holder;
    if (database) Check(ado::Boundary([&] { holder = database->HoldRead(); }));
    return holder;
}

std::shared_ptr<PayrollRow> MakeRow(std::initializer_list<std::pair<std::u16string_view, Variant>> values) {
    auto columns = std::make_shared<PayrollRow::Columns>();
    std::vector<Variant> data;
    for (const auto& [name, value] : values) {
        columns->Add(name);
        data.push_back(value);
    }
    return std::make_shared<PayrollRow>(columns, std::move(data));
}

std::shared_ptr<PayrollRow> MakeRow(const std::vector<std::pair<std::u16string, Variant>>& values) {
    auto columns = std::make_shared<PayrollRow::Columns>();
    std::vector<Variant> data;
    data.reserve(values.size());
    for (const auto& [name, value] : values) {
        columns->Add(name);
        data.push_back(value);
    }
    return std::make_shared<PayrollRow>(columns, std::move(data));
}

}  // namespace tlx::host
