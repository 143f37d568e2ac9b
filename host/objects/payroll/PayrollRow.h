// One row of a payroll table read into memory: its values by column name (compared without regard to
// ASCII case), with typed readers that take NULL and a missing column as empty, 0 or the empty date, and
// fail naming the column, the row and the value when a value is not of the kind read.
// The payroll objects read their rows once and answer from these copies.
#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "platform/ado/Ado.h"
#include "platform/ado/RowSet.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/com/Variant.h"

namespace tlx::host {

class PayrollRow {
public:
    // The column names of one query's rows, shared by those rows: a column is found by name without
    // regard to ASCII case through an index made once, not by comparing every name at every read (the
    // ZUS amounts of a payout are read by name twenty at a time).
    class Columns {
    public:
        static constexpr std::size_t kNone = static_cast<std::size_t>(-1);
        void Add(std::u16string_view name);
        // The position of the first column of that name; kNone when there is none.
        std::size_t Find(std::u16string_view name) const;
        std::size_t Size() const { return names_.size(); }
        const std::u16string& Name(std::size_t i) const { return names_[i]; }

    private:
        struct FoldedHash {
            using is_transparent = void;
            std::size_t operator()(std::u16string_view name) const;
        };
        struct FoldedEqual {
            using is_transparent = void;
            bool operator()(std::u16string_view a, std::u16string_view b) const;
        };
        std::vector<std::u16string> names_;
        std::unordered_map<std::u16string, std::size_t, FoldedHash, FoldedEqual> index_;
    };

    PayrollRow(std::shared_ptr<const Columns> columns, std::vector<Variant> values);
    // A row of a statement's row set, whose values are made as they are first read (an employee's
    // record has some ninety columns, of which a declaration reads a few): the row set is kept with it.
    // `first`: where the row's columns begin in the row set's (a part of a joined row, see Part).
    PayrollRow(std::shared_ptr<const Columns> columns, std::shared_ptr<const ado::RowSet> source, const ado::Row& row,
               std::size_t first = 0)
        : columns_(std::move(columns)), source_(std::move(source)), row_(&row), first_(first), slots_(columns_->Size()) {}

    // The value of a column; VT_EMPTY when the row has no such column.
    const Variant& Value(std::u16string_view column) const;
    LONG Long(std::u16string_view column) const;
    double Double(std::u16string_view column) const;
    DATE Date(std::u16string_view column) const;  // whole days; 0 for NULL
    std::optional<DATE> DateOrNull(std::u16string_view column) const;  // the same, nullopt for NULL
    CY Money(std::u16string_view column) const;
    // The same by the column's position in Columns() (Columns::kNone: a column the row lacks).
    CY MoneyAt(std::size_t position) const;
    LONG LongAt(std::size_t position) const;
    const std::shared_ptr<const Columns>& ColumnList() const { return columns_; }
    // The row of the columns `columns` names, which stand in this row from the position `first` on.
    std::shared_ptr<PayrollRow> Part(std::shared_ptr<const Columns> columns, std::size_t first) const;
    std::u16string Text(std::u16string_view column) const;
    bool IsNull(std::u16string_view column) const;
    void Set(std::u16string_view column, const VARIANT& value);

private:
    Variant Converted(std::u16string_view column, VARTYPE type) const;
    const Variant& At(std::size_t i) const;

    std::shared_ptr<const Columns> columns_;
    std::shared_ptr<const ado::RowSet> source_;  // null for a row whose values were all given
    const ado::Row* row_ = nullptr;              // its row there
    std::size_t first_ = 0;                      // the position there of this row's first column
    // The values made so far, in the order they were made, and for each column where its value stands
    // there (kNotMade: not read yet). Only the values read are made; a deque keeps a value where it was
    // made while more are made after it (callers hold its reference), and is made with the first value
    // (the payout's own columns of each of its joined rows but the first are never read).
    using Slot = std::uint16_t;  // a row has fewer columns than SQLite's limit of 32 767
    static constexpr Slot kNotMade = 0;
    std::deque<Variant>& Made() const;
    mutable std::optional<std::deque<Variant>> values_;
    mutable std::vector<Slot> slots_;  // values_[slots_[i] - 1] is column i's
};

using PayrollRows = std::vector<std::shared_ptr<PayrollRow>>;

// Every row a query answers, in its order (throws HostError when the query fails).
PayrollRows ReadRows(Connection* connection, std::u16string_view sql);

// Every row of a query of the company file written for SQLite as it stands, whose one parameter, ?1, is a
// whole number (the card, payout or element read). On our own connections the text is prepared once per
// connection and the number bound, without the T-SQL rewriting of ReadRows that such a text does not
// need, nor its scan for numbers at every call; on another connection the number is written into it.
PayrollRows ReadRowsByKey(Connection* connection, std::string_view sql, LONG key);

// The rows of a join of a row with the rows that hang on it (a payout with its elements), read as one
// statement: each row's own columns, up to the first of the joined table's (`firstJoined`, its key), and
// the joined rows, those whose key is not NULL (an outer join that found none answers no joined row).
struct JoinedRows {
    PayrollRows rows;
    PayrollRows joined;
};
JoinedRows SplitJoinedRows(const PayrollRows& rows, std::u16string_view firstJoined);

// Keeps one read transaction open on our own connections while it lives (SqliteDatabase::HoldRead); on
// another connection it holds nothing.
ado::Statement HoldRead(Connection* connection);

// A row built in memory from column names and values (for objects that are never stored).
std::shared_ptr<PayrollRow> MakeRow(std::initializer_list<std::pair<std::u16string_view, Variant>> values);
std::shared_ptr<PayrollRow> MakeRow(const std::vector<std::pair<std::u16string, Variant>>& values);

}  // namespace tlx::host
