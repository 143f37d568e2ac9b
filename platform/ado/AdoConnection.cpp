#include "platform/ado/AdoConnection.h"

#include "platform/ado/AdoError.h"
#include "platform/ado/AdoRecordset.h"
#include "platform/ado/DatabasePool.h"
#include "platform/ado/SqlExecutor.h"
#include "platform/text/AsciiCase.h"
#include "platform/text/CodePage.h"

namespace tlx::ado {
namespace {
std::u16string_view Trim(std::u16string_view text) {
    while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
    return text;
}

bool NamesDataSource(std::u16string_view key) {
    for (std::u16string_view name : {u"Data Source", u"Database", u"Filename"})
        if (EqualsIgnoringAsciiCase(key, name)) return true;
    return false;
}
}  // namespace

std::string CConnection::DataSourceOf(std::u16string_view connectionString) {
    if (connectionString.find(u'=') == std::u16string_view::npos) return Utf16ToUtf8(Trim(connectionString));
    size_t start = 0;
    while (start < connectionString.size()) {
        size_t end = connectionString.find(u';', start);
        std::u16string_view part = connectionString.substr(start, end == std::u16string_view::npos ? end : end - start);
        size_t equals = part.find(u'=');
        if (equals != std::u16string_view::npos && NamesDataSource(Trim(part.substr(0, equals))))
            return Utf16ToUtf8(Trim(part.substr(equals + 1)));
        if (end == std::u16string_view::npos) break;
        start = end + 1;
    }
    Fail(adErrInvalidArgument, u"The connection string names no data source: " + std::u16string(connectionString));
}

SqliteDatabase& CConnection::OpenDatabase() const {
    if (!database_) Fail(adErrObjectClosed, u"Operation is not allowed when the object is closed");
    return *database_;
}

HRESULT CConnection::get_ConnectionString(BSTR* text) {
    if (!text) return E_POINTER;
    *text = tlx::Bstr(connectionString_).Detach();
    return S_OK;
}

HRESULT CConnection::put_ConnectionString(BSTR text) {
    return Boundary([&] {
        if (database_) Fail(adErrObjectOpen, u"Operation is not allowed when the object is open");
        connectionString_ = text ? std::u16string(text, SysStringLen(text)) : std::u16string();
    });
}

HRESULT CConnection::get_State(LONG* state) {
    if (!state) return E_POINTER;
    *state = database_ ? adStateOpen : adStateClosed;
    return S_OK;
}

HRESULT CConnection::Open(BSTR connectionString, BSTR, BSTR, LONG) {
    return Boundary([&] {
        if (database_) Fail(adErrObjectOpen, u"Operation is not allowed when the object is open");
        if (connectionString && SysStringLen(connectionString) > 0)
            connectionString_ = std::u16string(connectionString, SysStringLen(connectionString));
        database_ = DatabasePool::Instance().Open(DataSourceOf(connectionString_));
    });
}

HRESULT CConnection::Close() {
    return Boundary([&] {
        OpenDatabase();
        if (inTransaction_) {
            database_->Run("ROLLBACK");
            database_->EndTransaction(false);
        }
        inTransaction_ = false;
        database_.reset();  // recordsets opened on it keep the database until they close
    });
}

HRESULT CConnection::Execute(BSTR commandText, VARIANT* recordsAffected, LONG options, Recordset** result) {
    if (result) *result = nullptr;
    if (recordsAffected) VariantInit(recordsAffected);
    return Boundary([&] {
        if (options != adCmdText && options != adCmdUnspecified && options != adCmdUnknown && options != 0)
            Fail(adErrFeatureNotAvailable, u"Only command text is executed");
        SqlExecutor executor(OpenDatabase());
        std::string sql = commandText ? Utf16ToUtf8({commandText, SysStringLen(commandText)}) : std::string();
        ExecutionResult outcome = executor.Execute(sql);
        if (recordsAffected) *recordsAffected = tlx::Variant::FromLong(outcome.affected).Detach();
        if (outcome.rows && result) {
            auto recordset = CRecordset::Make();
            recordset->Attach(std::move(outcome.rows), database_, adLockReadOnly, ComPtr<Connection>(this));
            *result = recordset.Detach();
        }
    });
}

HRESULT CConnection::BeginTrans(LONG* level) {
    return Boundary([&] {
        if (inTransaction_) Fail(adErrFeatureNotAvailable, u"Transactions do not nest");
        OpenDatabase().Run("BEGIN IMMEDIATE");
        inTransaction_ = true;
        if (level) *level = 1;
    });
}

HRESULT CConnection::CommitTrans() {
    return Boundary([&] {
        if (!inTransaction_) Fail(adErrFeatureNotAvailable, u"No transaction is active");
        OpenDatabase().Run("COMMIT");
        inTransaction_ = false;
        OpenDatabase().EndTransaction(true);
    });
}

HRESULT CConnection::RollbackTrans() {
    return Boundary([&] {
        if (!inTransaction_) Fail(adErrFeatureNotAvailable, u"No transaction is active");
        OpenDatabase().Run("ROLLBACK");
        inTransaction_ = false;
        OpenDatabase().EndTransaction(false);
    });
}

}  // namespace tlx::ado
