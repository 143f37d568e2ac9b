#include "platform/ado/SqlRoutines.h"

#include <sqlite3.h>

#include <cctype>

#include "platform/ado/AdoError.h"
#include "platform/ado/DateText.h"
#include "platform/ado/FieldValues.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/text/CodePage.h"

namespace tlx::ado {
namespace {
std::string Folded(std::string_view name) {
    std::string out;
    for (char c : name) out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string SqlNameOf(std::string_view qualifiedName) {
    std::string name = "tlx_fn_";
    for (char c : Folded(qualifiedName)) name += c == '.' ? '_' : c;
    return name;
}

void BindArguments(sqlite3_stmt* statement, const std::vector<tlx::Variant>& arguments) {
    int count = sqlite3_bind_parameter_count(statement);
    for (int i = 1; i <= count && static_cast<size_t>(i) <= arguments.size(); ++i)
        BindValue(statement, i, arguments[static_cast<size_t>(i - 1)]);
}

void CallFunction(sqlite3_context* context, int argc, sqlite3_value** argv) {
    auto* function = static_cast<SqlFunction*>(sqlite3_user_data(context));
    std::vector<tlx::Variant> arguments;
    for (int i = 0; i < argc; ++i) arguments.push_back(VariantFromSqlite(argv[i]));
    try {
        ResultFromVariant(context, (*function)(sqlite3_context_db_handle(context), arguments));
    } catch (const AdoError& error) {
        std::string text = Utf16ToUtf8(error.Description());
        sqlite3_result_error(context, text.c_str(), static_cast<int>(text.size()));
    } catch (...) {
        sqlite3_result_error(context, "host function failed", -1);
    }
}

void DeleteFunction(void* function) { delete static_cast<SqlFunction*>(function); }
}  // namespace

SqlRoutines& SqlRoutines::Instance() {
    static SqlRoutines routines;
    return routines;
}

void SqlRoutines::RegisterFunction(std::string_view qualifiedName, SqlFunction function) {
    std::lock_guard lock(mutex_);
    functions_[SqlNameOf(qualifiedName)] = std::move(function);
}

void SqlRoutines::RegisterFunction(std::string_view qualifiedName, std::string selectSql) {
    RegisterFunction(qualifiedName, [sql = std::move(selectSql)](sqlite3* db, const std::vector<tlx::Variant>& args) {
        Statement statement(db, sql);
        BindArguments(statement.Get(), args);
        if (!statement.Step()) return tlx::Variant::Null();
        return VariantFromSqlite(sqlite3_column_value(statement.Get(), 0));
    });
}

void SqlRoutines::RegisterProcedure(std::string_view qualifiedName, SqlProcedure procedure) {
    std::lock_guard lock(mutex_);
    procedures_[Folded(qualifiedName)] = std::move(procedure);
}

void SqlRoutines::RegisterProcedure(std::string_view qualifiedName, std::string body) {
    RegisterProcedure(qualifiedName, [body = std::move(body)](sqlite3* db, const std::vector<tlx::Variant>& args) {
        std::string_view rest = body;
        while (true) {
            while (!rest.empty() && std::isspace(static_cast<unsigned char>(rest.front()))) rest.remove_prefix(1);
            Statement statement(db, rest);
            std::string_view tail = statement.Tail();
            while (!tail.empty() && std::isspace(static_cast<unsigned char>(tail.front()))) tail.remove_prefix(1);
            if (tail.empty()) return SqlQuery{std::string(rest), args};
            BindArguments(statement.Get(), args);
            while (statement.Step()) {
            }
            rest = tail;
        }
    });
}

void SqlRoutines::Unregister(std::string_view qualifiedName) {
    std::lock_guard lock(mutex_);
    functions_.erase(SqlNameOf(qualifiedName));
    procedures_.erase(Folded(qualifiedName));
}

std::optional<std::string> SqlRoutines::FunctionSqlName(std::string_view qualifiedName) const {
    std::lock_guard lock(mutex_);
    std::string name = SqlNameOf(qualifiedName);
    if (!functions_.count(name)) return std::nullopt;
    return name;
}

std::optional<SqlProcedure> SqlRoutines::FindProcedure(std::string_view qualifiedName) const {
    std::lock_guard lock(mutex_);
    auto it = procedures_.find(Folded(qualifiedName));
    if (it == procedures_.end()) return std::nullopt;
    return it->second;
}

void SqlRoutines::InstallFunction(sqlite3* db, const std::string& sqlName) const {
    std::unique_ptr<SqlFunction> copy;
    {
        std::lock_guard lock(mutex_);
        auto it = functions_.find(sqlName);
        if (it == functions_.end()) Fail(adErrItemNotFound, u"Unknown SQL function " + Utf8ToUtf16(sqlName));
        copy = std::make_unique<SqlFunction>(it->second);
    }
    if (sqlite3_create_function_v2(db, sqlName.c_str(), -1, SQLITE_UTF8, copy.get(), CallFunction, nullptr, nullptr,
                                   DeleteFunction) != SQLITE_OK)
        FailDatabase(sqlite3_errmsg(db), sqlName);
    copy.release();  // the connection owns it now and deletes it through DeleteFunction
}

tlx::Variant VariantFromSqlite(sqlite3_value* value) {
    switch (sqlite3_value_type(value)) {
        case SQLITE_INTEGER: {
            sqlite3_int64 n = sqlite3_value_int64(value);
            if (n >= INT32_MIN && n <= INT32_MAX) return tlx::Variant::FromLong(static_cast<LONG>(n));
            tlx::Variant v;
            v.vt = VT_I8;
            v.llVal = n;
            return v;
        }
        case SQLITE_FLOAT: return tlx::Variant::FromDouble(sqlite3_value_double(value));
        case SQLITE_NULL: return tlx::Variant::Null();
        default: {
            auto text = reinterpret_cast<const char*>(sqlite3_value_text(value));
            return tlx::Variant::FromString(Utf8ToUtf16(
                std::string_view(text ? text : "", static_cast<size_t>(sqlite3_value_bytes(value)))));
        }
    }
}

void ResultFromVariant(sqlite3_context* context, const VARIANT& v) {
    switch (v.vt) {
        case VT_EMPTY: case VT_NULL: sqlite3_result_null(context); return;
        case VT_I2: sqlite3_result_int(context, v.iVal); return;
        case VT_I4: sqlite3_result_int(context, v.lVal); return;
        case VT_I8: sqlite3_result_int64(context, v.llVal); return;
        case VT_BOOL: sqlite3_result_int(context, v.boolVal ? 1 : 0); return;
        case VT_R8: sqlite3_result_double(context, v.dblVal); return;
        case VT_CY: sqlite3_result_double(context, static_cast<double>(v.cyVal.int64) / 10000.0); return;
        case VT_DATE: {
            auto text = FormatDateText(v.date);
            if (!text) return sqlite3_result_error(context, "The date is outside 0100-01-01 .. 9999-12-31", -1);
            sqlite3_result_text(context, text->c_str(), static_cast<int>(text->size()), SQLITE_TRANSIENT);
            return;
        }
        default: {
            tlx::Variant text = CoerceToField(v, adVarWChar);
            std::string utf8 = Utf16ToUtf8({text.bstrVal, SysStringLen(text.bstrVal)});
            sqlite3_result_text(context, utf8.c_str(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
        }
    }
}

}  // namespace tlx::ado
