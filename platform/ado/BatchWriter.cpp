#include "platform/ado/BatchWriter.h"
#include "platform/text/AsciiCase.h"

#include <cctype>
#include <utility>

#include "platform/ado/AdoError.h"
#include "platform/ado/DateText.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/CodePage.h"

namespace tlx::ado {
namespace {
std::string Quote(std::string_view name) {
    std::string out;
    out.reserve(name.size() + 2);
    out += '"';
    for (char c : name) {
        if (c == '"') out += '"';
        out += c;
    }
    out += '"';
    return out;
}

// A fixed statement of every batch, kept prepared by the connection.
void RunKept(SqliteDatabase& db, std::string_view sql) {
    Statement statement = db.Prepare(sql);
    while (statement.Step()) {
    }
}

std::string QualifiedTable(const std::string& schema, const std::string& table) {
    return Quote(schema) + "." + Quote(table);
}

std::u16string KeyText(const VARIANT& key) {
    tlx::Variant text;
    if (key.vt == VT_NULL || key.vt == VT_EMPTY) return u"NULL";
    if (FAILED(VariantChangeType(&text, &key, 0, VT_BSTR))) return u"?";
    return std::u16string(text.bstrVal, SysStringLen(text.bstrVal));
}

// Whether a value read from the database now is the value read (or written) before: numbers by value
// whatever their VARIANT kind, dates to the second as they are stored, texts exactly.
bool SameStoredValue(const VARIANT& now, const VARIANT& before) {
    bool nowNull = now.vt == VT_NULL || now.vt == VT_EMPTY, beforeNull = before.vt == VT_NULL || before.vt == VT_EMPTY;
    if (nowNull || beforeNull) return nowNull == beforeNull;
    if (now.vt == VT_DATE || before.vt == VT_DATE) {
        tlx::Variant a, b;
        if (FAILED(VariantChangeType(&a, &now, 0, VT_DATE)) || FAILED(VariantChangeType(&b, &before, 0, VT_DATE)))
            return false;
        return FormatDateText(a.date) == FormatDateText(b.date);
    }
    if (now.vt == VT_BSTR || before.vt == VT_BSTR) {
        tlx::Variant a, b;
        if (FAILED(VariantChangeType(&a, &now, 0, VT_BSTR)) || FAILED(VariantChangeType(&b, &before, 0, VT_BSTR)))
            return false;
        return std::u16string_view(a.bstrVal, SysStringLen(a.bstrVal)) ==
               std::u16string_view(b.bstrVal, SysStringLen(b.bstrVal));
    }
    if (now.vt == before.vt && now.vt == VT_CY) return now.cyVal.int64 == before.cyVal.int64;
    if (now.vt == before.vt && (now.vt == VT_I8)) return now.llVal == before.llVal;
    tlx::Variant a, b;
    if (FAILED(VariantChangeType(&a, &now, 0, VT_R8)) || FAILED(VariantChangeType(&b, &before, 0, VT_R8))) return false;
    return a.dblVal == b.dblVal;
}
}  // namespace

void BatchWriter::FailConflict(const Target& target, const Row& row, std::u16string_view why) const {
    Fail(adErrConcurrencyViolation,
         u"The row of " + Utf8ToUtf16(target.table) + u" with the key " +
             KeyText(row.Underlying(static_cast<size_t>(target.keyColumn))) + u" " + std::u16string(why) +
             u" since it was read; nothing was written");
}

// Batch-optimistic rule: the row is written only when the database still holds, in the columns given,
// the values the recordset read (or last wrote); otherwise the batch fails with a conflict.
void BatchWriter::CheckUnchanged(const Target& target, const Row& row, const std::vector<size_t>& columns) const {
    std::string names;
    for (size_t c : columns) names += (names.empty() ? "" : ", ") + Quote(rows_.Column(c).origin);
    if (names.empty()) names = "1";
    std::string sql = "SELECT " + names + " FROM " + QualifiedTable(target.schema, target.table) + " WHERE " +
                      Quote(rows_.Column(static_cast<size_t>(target.keyColumn)).origin) + " = ?";
    Statement statement = db_.Prepare(sql);
    BindValue(statement.Get(), 1, row.Underlying(static_cast<size_t>(target.keyColumn)));
    if (!statement.Step()) FailConflict(target, row, u"was deleted by another user");
    for (size_t i = 0; i < columns.size(); ++i) {
        size_t c = columns[i];
        tlx::Variant now = ReadColumn(statement.Get(), static_cast<int>(i), rows_.Column(c).type.type);
        if (!SameStoredValue(now, row.Underlying(c)))
            FailConflict(target, row, u"was changed by another user (" + rows_.Column(c).name + u")");
    }
}

// The table's definition as the database holds it now: read again only when the table's schema or the
// temporary one (which may hold a trigger on it) changed since it was last read on this connection.
const SqliteDatabase::TableDefinition& BatchWriter::DefinitionOf(const std::string& schema, const std::string& table) const {
    const std::string quotedSchema = Quote(schema);
    auto versionOf = [&](const std::string& quoted) {
        Statement version = db_.Prepare("PRAGMA " + quoted + ".schema_version");
        return version.Step() ? sqlite3_column_int64(version.Get(), 0) : std::int64_t{-1};
    };
    const std::int64_t schemaVersion = versionOf(quotedSchema), tempVersion = versionOf("temp");
    SqliteDatabase::TableDefinition& known = db_.KeptDefinition(schema + '.' + table);
    if (known.schemaVersion == schemaVersion && known.tempVersion == tempVersion) return known;
    SqliteDatabase::TableDefinition read;
    Statement info = db_.Prepare("PRAGMA " + quotedSchema + ".table_info(" + Quote(table) + ")");
    while (info.Step()) {
        if (sqlite3_column_type(info.Get(), 4) == SQLITE_NULL)
            read.withoutDefault.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(info.Get(), 1)));
        if (sqlite3_column_int(info.Get(), 5) > 0) {
            ++read.keys;
            read.keyName = reinterpret_cast<const char*>(sqlite3_column_text(info.Get(), 1));
            auto type = reinterpret_cast<const char*>(sqlite3_column_text(info.Get(), 2));
            read.keyType = type ? type : "";
        }
    }
    for (const std::string& master : {quotedSchema + ".sqlite_master", std::string("temp.sqlite_master")}) {
        Statement triggers =
            db_.Prepare("SELECT 1 FROM " + master + " WHERE type = 'trigger' AND tbl_name = ? COLLATE NOCASE");
        sqlite3_bind_text(triggers.Get(), 1, table.c_str(), static_cast<int>(table.size()), SQLITE_TRANSIENT);
        if (triggers.Step()) {
            read.triggers = true;
            break;
        }
    }
    read.schemaVersion = schemaVersion;
    read.tempVersion = tempVersion;
    known = std::move(read);
    return known;
}

BatchWriter::Target BatchWriter::FindTarget() const {
    Target target;
    for (size_t c = 0; c < rows_.ColumnCount(); ++c) {
        if (!rows_.Column(c).table.empty()) {
            target.schema = rows_.Column(c).schema;
            target.table = rows_.Column(c).table;
            break;
        }
    }
    if (target.table.empty())
        Fail(adErrFeatureNotAvailable, u"The recordset has no base table to write its changes to");
    for (size_t c = 0; c < rows_.ColumnCount(); ++c) {
        const ColumnInfo& column = rows_.Column(c);
        if (EqualsIgnoringAsciiCase(column.table, target.table) && EqualsIgnoringAsciiCase(column.schema, target.schema)) target.columns.push_back(c);
    }
    const SqliteDatabase::TableDefinition& definition = DefinitionOf(target.schema, target.table);
    const int keys = definition.keys;
    const std::string& keyName = definition.keyName;
    const std::string& keyType = definition.keyType;
    const std::vector<std::string>& withoutDefault = definition.withoutDefault;
    target.triggers = definition.triggers;
    if (keys != 1) Fail(adErrFeatureNotAvailable, u"The table " + Utf8ToUtf16(target.table) + u" has no single key");
    for (size_t c : target.columns)
        if (EqualsIgnoringAsciiCase(rows_.Column(c).origin, keyName)) target.keyColumn = static_cast<int>(c);
    if (target.keyColumn < 0)
        Fail(adErrFeatureNotAvailable, u"The recordset does not hold the key of " + Utf8ToUtf16(target.table));
    target.identity = EqualsIgnoringAsciiCase(keyType, "INTEGER");
    target.quotedTable = QualifiedTable(target.schema, target.table);
    target.quoted.resize(rows_.ColumnCount());
    for (size_t c : target.columns) target.quoted[c] = Quote(rows_.Column(c).origin);
    target.nullDefaults.resize(rows_.ColumnCount());
    for (size_t c : target.columns)
        for (const std::string& name : withoutDefault)
            if (EqualsIgnoringAsciiCase(rows_.Column(c).origin, name)) target.nullDefaults[c] = true;
    return target;
}

void BatchWriter::Insert(const Target& target, Row& row, std::vector<std::pair<Row*, sqlite3_int64>>& newKeys) {
    std::span<const RowValue> values = std::as_const(row.Edits()).Values();
    std::vector<size_t> written;
    for (size_t c : target.columns)
        if (row.Assigned(c)) written.push_back(c);
    // The rows of a batch mostly write the same columns: the text of the last one serves again.
    if (insertSql_.empty() || written != insertColumns_) {
        insertSql_ = "INSERT INTO " + target.quotedTable;
        if (written.empty()) {
            insertSql_ += " DEFAULT VALUES";
        } else {
            std::string names, marks;
            for (size_t c : written) {
                if (!names.empty()) names += ", ";
                names += target.quoted[c];
                marks += marks.empty() ? "?" : ", ?";
            }
            insertSql_ += " (" + names + ") VALUES (" + marks + ")";
        }
        insertColumns_ = written;
    }
    Statement statement = db_.Prepare(insertSql_);
    for (size_t i = 0; i < written.size(); ++i) BindValue(statement.Get(), static_cast<int>(i) + 1, values[written[i]].View());
    statement.Step();
    const VARIANT& key = values[static_cast<size_t>(target.keyColumn)].View();
    bool assignedKey = target.identity && (key.vt == VT_NULL || key.vt == VT_EMPTY);
    if (assignedKey) newKeys.emplace_back(&row, sqlite3_last_insert_rowid(db_.Handle()));
    // The columns the row did not write hold the table's defaults now: they become the row's underlying
    // values, so that a later change of them is checked against what the database holds. A column
    // without a default, empty in the row, is known to hold NULL: it needs no read.
    std::vector<size_t> unwritten;
    for (size_t c : target.columns) {
        if (row.Assigned(c) || static_cast<int>(c) == target.keyColumn) continue;
        const VARIANT& value = values[c].View();
        if (target.nullDefaults[c] && (value.vt == VT_NULL || value.vt == VT_EMPTY)) continue;
        unwritten.push_back(c);
    }
    if (unwritten.empty()) return;
    std::string names;
    for (size_t c : unwritten) {
        if (!names.empty()) names += ", ";
        names += target.quoted[c];
    }
    Statement stored = db_.Prepare("SELECT " + names + " FROM " + target.quotedTable + " WHERE " +
                                   target.quoted[static_cast<size_t>(target.keyColumn)] + " = ?");
    if (assignedKey)
        sqlite3_bind_int64(stored.Get(), 1, sqlite3_last_insert_rowid(db_.Handle()));
    else
        BindValue(stored.Get(), 1, key);
    if (!stored.Step()) return;
    std::vector<std::pair<size_t, tlx::Variant>> defaults;
    for (size_t i = 0; i < unwritten.size(); ++i) {
        tlx::Variant value = ReadColumn(stored.Get(), static_cast<int>(i), rows_.Column(unwritten[i]).type.type);
        if (!SameStoredValue(value, values[unwritten[i]].View())) defaults.emplace_back(unwritten[i], std::move(value));
    }
    if (!defaults.empty()) storedDefaults_.emplace_back(&row, std::move(defaults));
}

void BatchWriter::UpdateRow(const Target& target, const Row& row) {
    std::vector<size_t> written;
    for (size_t c : target.columns)
        if (row.Assigned(c)) written.push_back(c);
    if (written.empty()) return;
    CheckUnchanged(target, row, written);
    std::string sets;
    for (size_t c : written) sets += (sets.empty() ? "" : ", ") + Quote(rows_.Column(c).origin) + " = ?";
    std::string sql = "UPDATE " + QualifiedTable(target.schema, target.table) + " SET " + sets + " WHERE " +
                      Quote(rows_.Column(static_cast<size_t>(target.keyColumn)).origin) + " = ?";
    Statement statement = db_.Prepare(sql);
    int index = 1;
    for (size_t c : written) BindValue(statement.Get(), index++, row.Value(c));
    BindValue(statement.Get(), index, row.Underlying(static_cast<size_t>(target.keyColumn)));
    statement.Step();
    if (sqlite3_changes(db_.Handle()) == 0) FailConflict(target, row, u"was deleted by another user");
}

void BatchWriter::DeleteRow(const Target& target, const Row& row) {
    std::string sql = "DELETE FROM " + QualifiedTable(target.schema, target.table) + " WHERE " +
                      Quote(rows_.Column(static_cast<size_t>(target.keyColumn)).origin) + " = ?";
    Statement statement = db_.Prepare(sql);
    BindValue(statement.Get(), 1, row.Underlying(static_cast<size_t>(target.keyColumn)));
    statement.Step();
    if (sqlite3_changes(db_.Handle()) == 0) FailConflict(target, row, u"was deleted by another user");
}

void BatchWriter::Write(AffectEnum affect) {
    std::vector<Row*> pending = rows_.PendingRows(affect);
    if (pending.empty()) return;
    Target target = FindTarget();
    // A trigger (of the table's schema, or a temporary one) may change what a row holds once inserted.
    if (target.triggers) target.nullDefaults.assign(target.nullDefaults.size(), false);
    std::vector<std::pair<Row*, sqlite3_int64>> newKeys;
    storedDefaults_.clear();
    // Inside a transaction the rows keep what they were until it ends: a rollback puts them back.
    if (!sqlite3_get_autocommit(db_.Handle())) {
        rows_.HoldForTransaction();
        db_.HoldUntilTransactionEnds(rows_.HoldToken());
    }
    RunKept(db_, "SAVEPOINT tlx_batch");
    try {
        for (Row* row : pending) {
            if (row->isNew && row->deleted) continue;  // added and dropped before it was ever written
            if (row->isNew) Insert(target, *row, newKeys);
            else if (row->deleted) DeleteRow(target, *row);
            else UpdateRow(target, *row);
        }
        RunKept(db_, "RELEASE tlx_batch");
    } catch (...) {
        RunKept(db_, "ROLLBACK TO tlx_batch");
        RunKept(db_, "RELEASE tlx_batch");
        throw;
    }
    for (auto& [row, key] : newKeys) {
        tlx::Variant value = CoerceToField(tlx::Variant::FromDouble(static_cast<double>(key)),
                                           rows_.Column(static_cast<size_t>(target.keyColumn)).type.type);
        rows_.SetSavedKey(*row, static_cast<size_t>(target.keyColumn), std::move(value));
    }
    rows_.AcceptSaved(pending);
    for (auto& [row, defaults] : storedDefaults_) {
        row->KeepUnderlying();
        for (auto& [column, value] : defaults) row->Edits().underlying[column] = RowValue(std::move(value));
    }
    storedDefaults_.clear();
}

void BatchWriter::Resync(Row& row, ResyncEnum values) {
    if (row.isNew) return;
    Target target = FindTarget();
    std::string names;
    for (size_t c : target.columns) names += (names.empty() ? "" : ", ") + Quote(rows_.Column(c).origin);
    std::string sql = "SELECT " + names + " FROM " + QualifiedTable(target.schema, target.table) + " WHERE " +
                      Quote(rows_.Column(static_cast<size_t>(target.keyColumn)).origin) + " = ?";
    Statement statement = db_.Prepare(sql);
    BindValue(statement.Get(), 1, row.Underlying(static_cast<size_t>(target.keyColumn)));
    rows_.WillChange(row);
    if (!statement.Step()) {
        row.dbDeleted = true;
        return;
    }
    row.dbDeleted = false;
    bool keepShown = values == adResyncUnderlyingValues && row.Pending();
    RowEdits& edits = row.Edits();
    for (size_t i = 0; i < target.columns.size(); ++i) {
        size_t c = target.columns[i];
        tlx::Variant stored = ReadColumn(statement.Get(), static_cast<int>(i), rows_.Column(c).type.type);
        if (keepShown) {
            row.KeepUnderlying();
            edits.underlying[c] = RowValue(std::move(stored));
        } else {
            edits.Values()[c] = RowValue(std::move(stored));
        }
    }
    if (!keepShown) {
        edits.underlying.reset();
        row.modified = false;  // a pending delete stays pending
        edits.assigned.Clear();
    }
}

}  // namespace tlx::ado
