// One row of a payroll table read into memory: its values by column name (compared without regard to
// ASCII case), with typed readers that take NULL and a missing column as empty, 0 or the empty date, and
// fail naming the column, the row and the value when a value is not of the kind read.
// The payroll objects read their rows once and answer from these copies.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/ado/Ado.h"
#include "platform/com/Variant.h"

namespace tlx::host {

class PayrollRow {
public:
    using Columns = std::vector<std::u16string>;

    PayrollRow(std::shared_ptr<const Columns> columns, std::vector<Variant> values)
        : columns_(std::move(columns)), values_(std::move(values)) {}

    // The value of a column; VT_EMPTY when the row has no such column.
    const Variant& Value(std::u16string_view column) const;
    LONG Long(std::u16string_view column) const;
    double Double(std::u16string_view column) const;
    DATE Date(std::u16string_view column) const;  // whole days; 0 for NULL
    CY Money(std::u16string_view column) const;
    std::u16string Text(std::u16string_view column) const;
    bool IsNull(std::u16string_view column) const;
    void Set(std::u16string_view column, const VARIANT& value);

private:
    Variant Converted(std::u16string_view column, VARTYPE type) const;

    std::shared_ptr<const Columns> columns_;
    std::vector<Variant> values_;
};

using PayrollRows = std::vector<std::shared_ptr<PayrollRow>>;

// Every row a query answers, in its order (throws HostError when the query fails).
PayrollRows ReadRows(Connection* connection, std::u16string_view sql);

// A row built in memory from column names and values (for objects that are never stored).
std::shared_ptr<PayrollRow> MakeRow(std::initializer_list<std::pair<std::u16string_view, Variant>> values);

}  // namespace tlx::host
