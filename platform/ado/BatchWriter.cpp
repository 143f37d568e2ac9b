#include "platform/ado/BatchWriter.h"
#include "platform/text/AsciiCase.h"

#include <cctype>

#include "platform/ado/AdoError.h"
#include "platform/text/CodePage.h"

namespace tlx::ado {
namespace {
std::string Quote(std::string_view name) {
    std::string out = "\"";
    for (char c : name) out += c == '"' ? std::string("\"\"") : std::string(1, c);
    return out + "\"";
}

std::string QualifiedTable(const std::string& schema, const std::string& table) {
    return Quote(schema) + "." + Quote(table);
}

[[noreturn]] void FailConflict(const std::string& sql) {
    Fail(adErrDatabase, u"Row cannot be located for updating; values may have been changed since last read [" +
                            Utf8ToUtf16(sql) + u"]");
}
}  // namespace

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
    Statement info(db_.Handle(), "PRAGMA " + Quote(target.schema) + ".table_info(" + Quote(target.table) + ")");
    int keys = 0;
    std::string keyName, keyType;
    while (info.Step()) {
        if (sqlite3_column_int(info.Get(), 5) > 0) {
            ++keys;
            keyName = reinterpret_cast<const char*>(sqlite3_column_text(info.Get(), 1));
            auto type = reinterpret_cast<const char*>(sqlite3_column_text(info.Get(), 2));
            keyType = type ? type : "";
        }
    }
    if (keys != 1) Fail(adErrFeatureNotAvailable, u"The table " + Utf8ToUtf16(target.table) + u" has no single key");
    for (size_t c : target.columns)
        if (EqualsIgnoringAsciiCase(rows_.Column(c).origin, keyName)) target.keyColumn = static_cast<int>(c);
    if (target.keyColumn < 0)
        Fail(adErrFeatureNotAvailable, u"The recordset does not hold the key of " + Utf8ToUtf16(target.table));
    target.identity = EqualsIgnoringAsciiCase(keyType, "INTEGER");
    return target;
}

void BatchWriter::Insert(const Target& target, Row& row, std::vector<std::pair<Row*, sqlite3_int64>>& newKeys) {
    std::vector<size_t> written;
    for (size_t c : target.columns)
        if (row.assigned[c]) written.push_back(c);
    std::string sql = "INSERT INTO " + QualifiedTable(target.schema, target.table);
    if (written.empty()) {
        sql += " DEFAULT VALUES";
    } else {
        std::string names, marks;
        for (size_t c : written) {
            names += (names.empty() ? "" : ", ") + Quote(rows_.Column(c).origin);
            marks += marks.empty() ? "?" : ", ?";
        }
        sql += " (" + names + ") VALUES (" + marks + ")";
    }
    Statement statement(db_.Handle(), sql);
    for (size_t i = 0; i < written.size(); ++i) BindValue(statement.Get(), static_cast<int>(i) + 1, row.values[written[i]]);
    statement.Step();
    const VARIANT& key = row.values[static_cast<size_t>(target.keyColumn)];
    if (target.identity && (key.vt == VT_NULL || key.vt == VT_EMPTY))
        newKeys.emplace_back(&row, sqlite3_last_insert_rowid(db_.Handle()));
}

void BatchWriter::UpdateRow(const Target& target, const Row& row) {
    std::vector<size_t> written;
    for (size_t c : target.columns)
        if (row.assigned[c]) written.push_back(c);
    if (written.empty()) return;
    std::string sets;
    for (size_t c : written) sets += (sets.empty() ? "" : ", ") + Quote(rows_.Column(c).origin) + " = ?";
    std::string sql = "UPDATE " + QualifiedTable(target.schema, target.table) + " SET " + sets + " WHERE " +
                      Quote(rows_.Column(static_cast<size_t>(target.keyColumn)).origin) + " = ?";
    Statement statement(db_.Handle(), sql);
    int index = 1;
    for (size_t c : written) BindValue(statement.Get(), index++, row.values[c]);
    BindValue(statement.Get(), index, row.Underlying(static_cast<size_t>(target.keyColumn)));
    statement.Step();
    if (sqlite3_changes(db_.Handle()) == 0) FailConflict(sql);
}

void BatchWriter::DeleteRow(const Target& target, const Row& row) {
    std::string sql = "DELETE FROM " + QualifiedTable(target.schema, target.table) + " WHERE " +
                      Quote(rows_.Column(static_cast<size_t>(target.keyColumn)).origin) + " = ?";
    Statement statement(db_.Handle(), sql);
    BindValue(statement.Get(), 1, row.Underlying(static_cast<size_t>(target.keyColumn)));
    statement.Step();
    if (sqlite3_changes(db_.Handle()) == 0) FailConflict(sql);
}

void BatchWriter::Write(AffectEnum affect) {
    std::vector<Row*> pending = rows_.PendingRows(affect);
    if (pending.empty()) return;
    Target target = FindTarget();
    std::vector<std::pair<Row*, sqlite3_int64>> newKeys;
    db_.Run("SAVEPOINT tlx_batch");
    try {
        for (Row* row : pending) {
            if (row->isNew && row->deleted) continue;  // added and dropped before it was ever written
            if (row->isNew) Insert(target, *row, newKeys);
            else if (row->deleted) DeleteRow(target, *row);
            else UpdateRow(target, *row);
        }
        db_.Run("RELEASE tlx_batch");
    } catch (...) {
        db_.Run("ROLLBACK TO tlx_batch");
        db_.Run("RELEASE tlx_batch");
        throw;
    }
    for (auto& [row, key] : newKeys) {
        tlx::Variant value = CoerceToField(tlx::Variant::FromDouble(static_cast<double>(key)),
                                           rows_.Column(static_cast<size_t>(target.keyColumn)).type.type);
        row->values[static_cast<size_t>(target.keyColumn)] = value;
    }
    rows_.AcceptSaved(pending);
}

void BatchWriter::Resync(Row& row, ResyncEnum values) {
    if (row.isNew) return;
    Target target = FindTarget();
    std::string names;
    for (size_t c : target.columns) names += (names.empty() ? "" : ", ") + Quote(rows_.Column(c).origin);
    std::string sql = "SELECT " + names + " FROM " + QualifiedTable(target.schema, target.table) + " WHERE " +
                      Quote(rows_.Column(static_cast<size_t>(target.keyColumn)).origin) + " = ?";
    Statement statement(db_.Handle(), sql);
    BindValue(statement.Get(), 1, row.Underlying(static_cast<size_t>(target.keyColumn)));
    if (!statement.Step()) {
        row.dbDeleted = true;
        return;
    }
    row.dbDeleted = false;
    bool keepShown = values == adResyncUnderlyingValues && row.Pending();
    for (size_t i = 0; i < target.columns.size(); ++i) {
        size_t c = target.columns[i];
        tlx::Variant stored = ReadColumn(statement.Get(), static_cast<int>(i), rows_.Column(c).type.type);
        if (keepShown) {
            row.KeepUnderlying();
            row.underlying[c] = std::move(stored);
        } else {
            row.values[c] = std::move(stored);
        }
    }
    if (!keepShown) {
        row.underlying.clear();
        row.modified = false;  // a pending delete stays pending
        row.assigned.assign(rows_.ColumnCount(), false);
    }
}

}  // namespace tlx::ado
