// The mapping between the database's declared column types and the field types and VARIANT kinds of
// a recordset, and the coercion of a value written into a field.
//
//   INT, INTEGER -> adInteger (VT_I4)     SMALLINT, TINYINT -> adSmallInt (VT_I2)   BIGINT -> adBigInt (VT_I8)
//   BIT -> adBoolean (VT_BOOL)            MONEY, SMALLMONEY -> adCurrency (VT_CY), stored as a number
//   DATETIME, DATE, SMALLDATETIME -> adDBTimeStamp (VT_DATE), stored as "YYYY-MM-DD HH:MM:SS"
//   VARCHAR(n), NVARCHAR(n) -> adVarWChar, DefinedSize n      CHAR(n), NCHAR(n) -> adWChar, DefinedSize n
//   TEXT, NTEXT, VARCHAR(MAX) -> adLongVarWChar               FLOAT, REAL, DECIMAL, NUMERIC -> adDouble
// A column without a declared type (an expression) takes the type of its first non-null value.
#pragma once

#include <cstdint>
#include <string_view>

#include "platform/ado/Ado.h"

struct sqlite3_stmt;

namespace tlx::ado {

struct ColumnType {
    DataTypeEnum type = adEmpty;  // adEmpty: not declared, decided by the values
    LONG definedSize = 0;
};

inline constexpr LONG kLongTextSize = 1073741823;
inline constexpr LONG kExpressionTextSize = 4000;

// Types outside the list above answer adEmpty: the column is typed by its values.
ColumnType ColumnTypeFromDeclared(std::string_view declared);
// The defined size ADO reports for fixed-size types.
LONG FixedSizeOf(DataTypeEnum type);
bool IsTextType(DataTypeEnum type);

// A value of a row as SQLite answered it, in the form a field of its column's type is made from: a
// number as a 64-bit integer or a double, a text as UTF-8 bytes with a closing NUL. Making the field's
// VARIANT waits until the field is read.
struct StoredValue {
    enum Kind : std::uint8_t { kNull, kInteger, kReal, kText };
    Kind kind = kNull;
    std::uint32_t length = 0;  // of a text, in bytes
    union {
        std::int64_t integer = 0;
        double real;
        const char* text;
    };
};

// Column `column` of the statement's current row, as a field of `type` is made from it; a text stays
// SQLite's until the statement moves on.
StoredValue ReadStoredValue(sqlite3_stmt* statement, int column, DataTypeEnum type);
// The statement's current row, a value for each of `count` columns of the given types.
void ReadStoredRow(sqlite3_stmt* statement, const DataTypeEnum* types, size_t count, StoredValue* values);
// The value a field of `type` holds for a stored value (VT_NULL for a database NULL); an undeclared
// column (adEmpty) takes the value's own kind.
tlx::Variant FieldValueOf(const StoredValue& value, DataTypeEnum type);
// The same made straight into an empty VARIANT.
void MakeFieldValue(const StoredValue& value, DataTypeEnum type, VARIANT* out);

// The value of column `column` of the statement's current row as a field of `type` holds it.
tlx::Variant ReadColumn(sqlite3_stmt* statement, int column, DataTypeEnum type);
// The field type of a value read from an undeclared column.
ColumnType ColumnTypeOfValue(const VARIANT& value);

// Binds a value (already coerced to its field's type) as parameter `index`; MONEY goes in as a number
// with four decimal places, dates as text.
void BindValue(sqlite3_stmt* statement, int index, const VARIANT& value);

// The value a field of `type` takes when `value` is written into it: empty and NULL become NULL, other
// kinds are converted; a value that cannot be converted fails with adErrDataConversion.
tlx::Variant CoerceToField(const VARIANT& value, DataTypeEnum type);

}  // namespace tlx::ado
