// An ADO connection to a company or configuration database: a SQLite file attached as schema TLX.
#pragma once

#include <memory>
#include <string>

#include "platform/ado/AdoDispatch.h"
#include "platform/ado/RecordsetState.h"
#include "platform/com/ComObject.h"

namespace tlx::ado {

class CConnection final : public tlx::ComObject<CConnection, tlx::Dispatch<Connection>, IDatabaseProvider> {
public:
    HRESULT get_ConnectionString(BSTR* text) override;
    HRESULT put_ConnectionString(BSTR text) override;
    HRESULT get_State(LONG* state) override;
    HRESULT Open(BSTR connectionString, BSTR user, BSTR password, LONG options) override;
    HRESULT Close() override;
    HRESULT Execute(BSTR commandText, VARIANT* recordsAffected, LONG options, Recordset** result) override;
    HRESULT BeginTrans(LONG* level) override;
    HRESULT CommitTrans() override;
    HRESULT RollbackTrans() override;

    std::shared_ptr<SqliteDatabase> Database() override { return database_; }

    // The database file a connection string names: "Data Source=<file>" or the text itself.
    static std::string DataSourceOf(std::u16string_view connectionString);

private:
    SqliteDatabase& OpenDatabase() const;

    std::u16string connectionString_;
    std::shared_ptr<SqliteDatabase> database_;
    bool inTransaction_ = false;
};

}  // namespace tlx::ado
