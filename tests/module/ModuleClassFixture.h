// A fixture for the module's classes as the host creates them: a fresh company database in a temporary
// folder (the scripts of db/company/, optionally the demo company), the host started on it, one
// session, and the module's classes registered with the process's class registry for the test.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "hostapi/SessionDispatch.h"
#include "hostapi/Framework.h"
#include "hostapi/Session.h"
#include "platform/ado/Ado.h"
#include "platform/com/Bstr.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"

class ModuleClassTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Also loads db/demo.sql when true.
    virtual bool WithDemoCompany() const { return false; }
    // Also loads the host's demo settings (tax office, company settings) when true.
    virtual bool WithHostDemoData() const { return false; }
    // The operator's kind (IOperatorObject::OperatorType).
    virtual LONG OperatorType() const { return 1; }
    // Non-zero when the operator works over a remote desktop (IOperatorObject::IsRemoteSession).
    virtual LONG RemoteSession() const { return 0; }
    // The host modules the operator works with.
    virtual std::vector<LONG> HostModules() const { return {1, 2, 6, 9, 10}; }
    // A configuration database of its own (db/config.sql) when true; else the company file is also the
    // configuration, as a single-company host keeps it.
    virtual bool WithConfigDatabase() const { return false; }
    // The company's name as the login's context gives it.
    virtual std::u16string CompanyName() const { return u"Firma"; }

    Connection* Database();
    void Execute(std::u16string_view sql);
    // Runs a statement over the session's configuration connection.
    void ExecuteConfig(std::u16string_view sql);
    // The value of a one-row, one-column query as text ("NULL" for a NULL value, "(brak)" for no row).
    std::u16string Scalar(std::u16string_view sql);
    // A bare declaration row of the form type for the period (year * 100 + month); its identifier.
    LONG InsertDeclarationRow(int type, int yearMonth);
    // A client-side recordset of a query on the session's company database.
    tlx::ComPtr<Recordset> Rows(std::u16string_view sql);
    // A module object created through the session (initialised with it) by ProgID or braced CLSID.
    tlx::ComPtr<IDispatch> Create(std::u16string_view classText);
    // A host child collection over a query whose items are of `itemClass`.
    tlx::ComPtr<IDispatch> ChildCollection(const CLSID& itemClass, std::u16string_view idColumn,
                                           std::u16string_view sql);
    // The session as the dispatch object the module's helpers take.
    tlx::ComPtr<IDispatch> SessionObject() const { return session_.As<IDispatch>(); }

    // The operator's working date; a test's constructor may choose another before SetUp.
    DATE operatorToday_ = 45000.75;  // 2023-03-15, 18:00

    std::filesystem::path folder_;
    std::string database_;
    tlx::ComPtr<ISession> session_;

private:
    std::vector<DWORD> cookies_;
};

// Dispatch calls by name, as scripts make them.
tlx::Variant Get(IDispatch* object, const char16_t* name);
HRESULT TryGet(IDispatch* object, const char16_t* name, tlx::Variant* result);
HRESULT Put(IDispatch* object, const char16_t* name, const VARIANT& value);
HRESULT Call(IDispatch* object, const char16_t* name, std::initializer_list<tlx::Variant> args,
             tlx::Variant* result = nullptr);

// The value of a field of the recordset's current row.
tlx::Variant ColumnValue(Recordset* rows, const char16_t* name);
// A value as text in the C locale (numbers with a decimal point), "NULL" for VT_NULL.
std::u16string AsText(const VARIANT& value);
// The error description left on the thread by the last failing call (and clears it).
std::u16string LastError();
