#include "platform/ado/FieldValues.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <new>
#include <string>

#include "platform/ado/AdoError.h"
#include "platform/ado/DateText.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/CodePage.h"

namespace tlx::ado {
namespace {
std::string Upper(std::string_view text) {
    std::string out;
    for (char c : text)
        if (c != ' ') out += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return out;
}

// "(n)" after the type name; MAX gives the long-text size.
LONG SizeArgument(const std::string& declared, size_t open) {
    size_t close = declared.find(')', open);
    std::string inside = declared.substr(open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
    if (inside == "MAX") return kLongTextSize;
    return static_cast<LONG>(std::strtol(inside.c_str(), nullptr, 10));
}

// A decimal text with '.' or ',' as the separator, read exactly to four places for money.
std::optional<LONGLONG> ParseScaled(std::string_view text) {
    std::string clean;
    for (char c : text)
        if (c != ' ' && c != '\xa0') clean += c == ',' ? '.' : c;
    if (clean.empty()) return std::nullopt;
    char* end = nullptr;
    double value = std::strtod(clean.c_str(), &end);
    if (*end != '\0') return std::nullopt;
    double count = value * 10000.0;
    if (!std::isfinite(count) || std::fabs(count) >= 9223372036854775808.0) return std::nullopt;
    return std::llround(count);
}

std::optional<double> ParseNumber(std::string_view text) {
    std::string clean;
    for (char c : text)
        if (c != ' ' && c != '\xa0') clean += c == ',' ? '.' : c;
    if (clean.empty()) return std::nullopt;
    char* end = nullptr;
    double value = std::strtod(clean.c_str(), &end);
    if (*end != '\0') return std::nullopt;
    return value;
}

std::string Utf8Of(const VARIANT& value) {
    return value.bstrVal ? Utf16ToUtf8({value.bstrVal, SysStringLen(value.bstrVal)}) : std::string();
}

[[noreturn]] void FailConversion(VARTYPE from, DataTypeEnum to) {
    Fail(adErrDataConversion, u"Cannot convert a value of kind " + Utf8ToUtf16(std::to_string(from)) +
                                  u" to a field of type " + Utf8ToUtf16(std::to_string(static_cast<long>(to))));
}

[[noreturn]] void FailOverflow(DataTypeEnum to) {
    Fail(DISP_E_OVERFLOW, u"The number is outside the range of a field of type " +
                              Utf8ToUtf16(std::to_string(static_cast<long>(to))));
}

// Any numeric kind as a double; nothing for text and others.
std::optional<double> NumberOf(const VARIANT& v) {
    switch (v.vt) {
        case VT_I2: return v.iVal;
        case VT_I4: return v.lVal;
        case VT_I8: return static_cast<double>(v.llVal);
        case VT_R4: return v.fltVal;
        case VT_R8: return v.dblVal;
        case VT_CY: return static_cast<double>(v.cyVal.int64) / 10000.0;
        case VT_DATE: return v.date;
        case VT_BOOL: return v.boolVal ? -1.0 : 0.0;
        case VT_UI1: return v.bVal;
        case VT_INT: return v.intVal;
        case VT_UI4: return v.ulVal;
        case VT_BSTR: {
            if (auto number = ParseNumber(Utf8Of(v))) return number;
            // Other number texts (thousands separators, currency) as the user's locale writes them.
            tlx::Variant converted;
            if (SUCCEEDED(VariantChangeType(&converted, &v, 0, VT_R8))) return converted.dblVal;
            return std::nullopt;
        }
        default: return std::nullopt;
    }
}

std::string NumberText(double value) {
    if (value == std::floor(value) && std::fabs(value) < 1e15) return std::to_string(static_cast<LONGLONG>(value));
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.15g", value);
    return buffer;
}

std::u16string TextOf(const VARIANT& v, DataTypeEnum to) {
    switch (v.vt) {
        case VT_BSTR: return v.bstrVal ? std::u16string(v.bstrVal, SysStringLen(v.bstrVal)) : std::u16string();
        case VT_I2: case VT_I4: case VT_I8: case VT_UI1: case VT_INT: case VT_UI4:
            return Utf8ToUtf16(std::to_string(static_cast<LONGLONG>(*NumberOf(v))));
        case VT_CY: {
            LONGLONG cents = v.cyVal.int64;
            std::string text = std::to_string(cents / 10000);
            LONGLONG rest = std::llabs(cents % 10000);
            if (cents < 0 && cents > -10000) text = "-" + text;
            if (rest) {
                char buffer[8];
                std::snprintf(buffer, sizeof buffer, ".%04lld", static_cast<long long>(rest));
                std::string fraction = buffer;
                while (fraction.back() == '0') fraction.pop_back();
                text += fraction;
            }
            return Utf8ToUtf16(text);
        }
        case VT_R4: case VT_R8: return Utf8ToUtf16(NumberText(*NumberOf(v)));
        case VT_DATE:
            if (auto text = FormatDateText(v.date)) return Utf8ToUtf16(*text);
            FailConversion(v.vt, to);
        case VT_BOOL: return v.boolVal ? u"True" : u"False";
        default: FailConversion(v.vt, to);
    }
}
}  // namespace

ColumnType ColumnTypeFromDeclared(std::string_view declaredText) {
    std::string declared = Upper(declaredText);
    size_t open = declared.find('(');
    std::string name = declared.substr(0, open);
    if (name == "INT" || name == "INTEGER") return {adInteger, 4};
    if (name == "SMALLINT" || name == "TINYINT") return {adSmallInt, 2};
    if (name == "BIGINT") return {adBigInt, 8};
    if (name == "BIT") return {adBoolean, 2};
    if (name == "MONEY" || name == "SMALLMONEY") return {adCurrency, 8};
    if (name == "DATETIME" || name == "DATE" || name == "SMALLDATETIME") return {adDBTimeStamp, 16};
    if (name == "FLOAT" || name == "REAL" || name == "DOUBLE" || name == "DECIMAL" || name == "NUMERIC")
        return {adDouble, 8};
    if (name == "TEXT" || name == "NTEXT") return {adLongVarWChar, kLongTextSize};
    if (name == "VARCHAR" || name == "NVARCHAR" || name == "CHAR" || name == "NCHAR") {
        LONG size = open == std::string::npos ? 1 : SizeArgument(declared, open);
        if (size >= kLongTextSize) return {adLongVarWChar, kLongTextSize};
        return {name == "CHAR" || name == "NCHAR" ? adWChar : adVarWChar, size};
    }
    // Any other declared type (BLOB, a type of another dialect) reads as its values' own kinds.
    return {adEmpty, 0};
}

LONG FixedSizeOf(DataTypeEnum type) {
    switch (type) {
        case adSmallInt: case adBoolean: return 2;
        case adInteger: return 4;
        case adBigInt: case adCurrency: case adDouble: case adDate: return 8;
        case adDBTimeStamp: return 16;
        case adLongVarWChar: return kLongTextSize;
        default: return 0;
    }
}

bool IsTextType(DataTypeEnum type) {
    return type == adVarWChar || type == adVarChar || type == adWChar || type == adLongVarWChar;
}

namespace {

// A stored text as a VT_BSTR, widened in place when it is plain ASCII (most stored texts are), so that
// reading a row makes one allocation per text.
tlx::Variant TextVariant(std::string_view utf8) {
    bool ascii = std::all_of(utf8.begin(), utf8.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!ascii) return tlx::Variant::FromString(Utf8ToUtf16(utf8));
    tlx::Variant out;
    out.vt = VT_BSTR;
    out.bstrVal = SysAllocStringLen(nullptr, static_cast<UINT>(utf8.size()));
    if (!out.bstrVal) throw std::bad_alloc();
    std::copy(utf8.begin(), utf8.end(), out.bstrVal);
    return out;
}

}  // namespace

StoredValue ReadStoredValue(sqlite3_stmt* statement, int column, DataTypeEnum type) {
    StoredValue out;
    // The column's value object answers without the statement's checks on every call.
    sqlite3_value* stored = sqlite3_column_value(statement, column);
    int storage = sqlite3_value_type(stored);
    if (storage == SQLITE_NULL) return out;
    auto integer = [&] {
        out.kind = StoredValue::kInteger;
        out.integer = sqlite3_value_int64(stored);
        return out;
    };
    auto real = [&] {
        out.kind = StoredValue::kReal;
        out.real = sqlite3_value_double(stored);
        return out;
    };
    auto text = [&] {
        auto bytes = reinterpret_cast<const char*>(sqlite3_value_text(stored));
        out.kind = StoredValue::kText;
        out.length = static_cast<std::uint32_t>(sqlite3_value_bytes(stored));
        out.text = bytes ? bytes : "";
        return out;
    };
    switch (type) {
        case adInteger: case adSmallInt: case adBigInt: case adBoolean:
            return integer();
        case adCurrency:
            if (storage == SQLITE_INTEGER) return integer();
            if (storage == SQLITE_TEXT) return text();
            return real();
        case adDate: case adDBTimeStamp:
            return storage == SQLITE_TEXT ? text() : real();
        case adDouble:
            return real();
        case adVarWChar: case adVarChar: case adWChar: case adLongVarWChar:
            return text();
        default:
            break;
    }
    // Undeclared: the value's own kind.
    switch (storage) {
        case SQLITE_INTEGER: return integer();
        case SQLITE_FLOAT: return real();
        default: return text();
    }
}

void ReadStoredRow(sqlite3_stmt* statement, const DataTypeEnum* types, size_t count, StoredValue* values) {
    for (size_t c = 0; c < count; ++c) values[c] = ReadStoredValue(statement, static_cast<int>(c), types[c]);
}

tlx::Variant FieldValueOf(const StoredValue& value, DataTypeEnum type) {
    tlx::Variant out;
    MakeFieldValue(value, type, &out);
    return out;
}

void MakeFieldValue(const StoredValue& value, DataTypeEnum type, VARIANT* made) {
    // Numbers are written in place; texts and dates through a Variant of their own.
    auto take = [made](tlx::Variant from) { *made = from.Detach(); };
    VARIANT& out = *made;
    switch (value.kind) {
        case StoredValue::kNull:
            out.vt = VT_NULL;
            return;
        case StoredValue::kInteger:
            switch (type) {
                case adSmallInt:
                    out.vt = VT_I2;
                    out.iVal = static_cast<SHORT>(static_cast<int>(value.integer));
                    return;
                case adBoolean:
                    out.vt = VT_BOOL;
                    out.boolVal = value.integer ? VARIANT_TRUE : VARIANT_FALSE;
                    return;
                case adCurrency:
                    // A stored value that no currency value holds is answered as it is stored, never as
                    // another number.
                    if (!__builtin_mul_overflow(value.integer, LONGLONG{10000}, &out.cyVal.int64)) {
                        out.vt = VT_CY;
                        return;
                    }
                    [[fallthrough]];
                case adBigInt:
                    out.vt = VT_I8;
                    out.llVal = value.integer;
                    return;
                default:  // adInteger, or an undeclared column's integer
                    if (value.integer >= std::numeric_limits<LONG>::min() &&
                        value.integer <= std::numeric_limits<LONG>::max()) {
                        out.vt = VT_I4;
                        out.lVal = static_cast<LONG>(value.integer);
                    } else {
                        out.vt = VT_I8;
                        out.llVal = value.integer;
                    }
                    return;
            }
        case StoredValue::kReal:
            if (type == adCurrency) {
                double count = value.real * 10000.0;
                if (std::isfinite(count) && std::fabs(count) < 9223372036854775808.0) {
                    out.vt = VT_CY;
                    out.cyVal.int64 = std::llround(count);
                    return;
                }
            } else if (type == adDate || type == adDBTimeStamp) {
                out.vt = VT_DATE;
                out.date = value.real;
                return;
            }
            out.vt = VT_R8;
            out.dblVal = value.real;
            return;
        case StoredValue::kText:
            if (type == adCurrency) {
                if (auto scaled = ParseScaled(value.text)) return take(tlx::Variant::FromCurrency(CY{*scaled}));
            } else if (type == adDate || type == adDBTimeStamp) {
                if (auto date = ParseDateText(value.text)) return take(tlx::Variant::FromDate(*date));
                return take(tlx::Variant::FromString(Utf8ToUtf16(value.text)));  // kept as it stands rather than lost
            }
            return take(TextVariant(std::string_view(value.text, value.length)));
    }
}

tlx::Variant ReadColumn(sqlite3_stmt* statement, int column, DataTypeEnum type) {
    return FieldValueOf(ReadStoredValue(statement, column, type), type);
}

ColumnType ColumnTypeOfValue(const VARIANT& value) {
    switch (value.vt) {
        case VT_I4: return {adInteger, 4};
        case VT_I8: return {adBigInt, 8};
        case VT_R8: return {adDouble, 8};
        case VT_BSTR: return {adVarWChar, kExpressionTextSize};
        default: return {adEmpty, 0};
    }
}

void BindValue(sqlite3_stmt* statement, int index, const VARIANT& v) {
    switch (v.vt) {
        case VT_EMPTY: case VT_NULL: sqlite3_bind_null(statement, index); return;
        case VT_I2: sqlite3_bind_int(statement, index, v.iVal); return;
        case VT_I4: sqlite3_bind_int(statement, index, v.lVal); return;
        case VT_I8: sqlite3_bind_int64(statement, index, v.llVal); return;
        case VT_BOOL: sqlite3_bind_int(statement, index, v.boolVal ? 1 : 0); return;
        case VT_R4: sqlite3_bind_double(statement, index, v.fltVal); return;
        case VT_R8: sqlite3_bind_double(statement, index, v.dblVal); return;
        case VT_CY:
            if (v.cyVal.int64 % 10000 == 0)
                sqlite3_bind_int64(statement, index, v.cyVal.int64 / 10000);
            else
                sqlite3_bind_double(statement, index, static_cast<double>(v.cyVal.int64) / 10000.0);
            return;
        case VT_DATE: {
            auto text = FormatDateText(v.date);
            if (!text) Fail(adErrDataConversion, u"The date is outside 0100-01-01 .. 9999-12-31");
            sqlite3_bind_text(statement, index, text->c_str(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
            return;
        }
        case VT_BSTR: {
            std::string text = Utf8Of(v);
            sqlite3_bind_text(statement, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
            return;
        }
        default:
            Fail(adErrDataConversion, u"A value of kind " + Utf8ToUtf16(std::to_string(v.vt)) + u" cannot be stored");
    }
}

tlx::Variant CoerceToField(const VARIANT& input, DataTypeEnum type) {
    tlx::Variant value;
    VariantCopyInd(&value, &input);
    if (value.vt == VT_EMPTY || value.vt == VT_NULL) return tlx::Variant::Null();
    switch (type) {
        case adEmpty:
            return value;
        case adInteger: case adSmallInt: case adBigInt: case adBoolean: {
            auto number = NumberOf(value);
            if (!number) FailConversion(value.vt, type);
            double rounded = std::nearbyint(*number);  // OLE rounds halves to even
            if (!std::isfinite(rounded) || rounded < -9223372036854775808.0 || rounded >= 9223372036854775808.0)
                FailOverflow(type);
            tlx::Variant out;
            if (type == adBoolean) return tlx::Variant::FromBool(rounded != 0);
            if (type == adSmallInt) {
                if (rounded < -32768 || rounded > 32767) FailOverflow(type);
                out.vt = VT_I2;
                out.iVal = static_cast<SHORT>(rounded);
            } else if (type == adInteger) {
                if (rounded < std::numeric_limits<LONG>::min() || rounded > std::numeric_limits<LONG>::max())
                    FailOverflow(type);
                out.vt = VT_I4;
                out.lVal = static_cast<LONG>(rounded);
            } else {
                out.vt = VT_I8;
                out.llVal = value.vt == VT_I8 ? value.llVal : static_cast<LONGLONG>(rounded);
            }
            return out;
        }
        case adCurrency: {
            if (value.vt == VT_CY) return value;
            std::optional<LONGLONG> scaled;
            if (value.vt == VT_BSTR) {
                scaled = ParseScaled(Utf8Of(value));
            } else if (value.vt == VT_I8) {
                LONGLONG product = 0;
                if (__builtin_mul_overflow(value.llVal, LONGLONG{10000}, &product)) FailOverflow(type);
                scaled = product;
            } else if (auto number = NumberOf(value)) {
                double count = *number * 10000.0;
                if (!std::isfinite(count) || std::fabs(count) >= 9223372036854775808.0) FailOverflow(type);
                scaled = std::llround(count);
            }
            if (!scaled) FailConversion(value.vt, type);
            return tlx::Variant::FromCurrency(CY{*scaled});
        }
        case adDate: case adDBTimeStamp: {
            if (value.vt == VT_DATE) return value;
            if (value.vt == VT_BSTR) {
                if (auto date = ParseDateText(Utf8Of(value))) return tlx::Variant::FromDate(*date);
                tlx::Variant converted;  // a date as the user's locale writes it
                if (SUCCEEDED(VariantChangeType(&converted, &value, 0, VT_DATE))) return converted;
                FailConversion(value.vt, type);
            }
            auto number = NumberOf(value);
            if (!number) FailConversion(value.vt, type);
            if (!std::isfinite(*number)) FailOverflow(type);
            return tlx::Variant::FromDate(*number);  // an OLE day number
        }
        case adDouble: {
            auto number = NumberOf(value);
            if (!number) FailConversion(value.vt, type);
            if (!std::isfinite(*number)) FailOverflow(type);  // SQLite would store NULL or infinity
            return tlx::Variant::FromDouble(*number);
        }
        case adVarWChar: case adVarChar: case adWChar: case adLongVarWChar:
            return tlx::Variant::FromString(TextOf(value, type));
        default:
            FailConversion(value.vt, type);
    }
}

}  // namespace tlx::ado
