// A fixture for tests that run the module the way the host does: a fresh company database, a temporary
// registry with the built module library registered, the host started on the database and one session.
// Objects are created through the session by ProgID, so they come from the loaded library.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "hostapi/Collections.h"
#include "hostapi/Framework.h"
#include "hostapi/Session.h"
#include "mv_deklaracje_tlb.h"
#include "platform/ado/Ado.h"
#include "platform/com/ComPtr.h"
#include "platform/text/CodePage.h"
#include "tests/support/TempRegistry.h"

namespace tlx::test {

class DeclarationTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    // Also loads db/demo.sql when true.
    virtual bool WithDemoCompany() const { return false; }
    // Non-zero: the operator works in a remote-desktop session.
    virtual LONG RemoteSession() const { return 0; }

    // Declarations created from now on read their forms from the tests' own resources.
    void UseTestForms();
    // A further session of the same login (a second user at work).
    ComPtr<ISession> NewSession();
    ComPtr<IDispatch> Create(std::u16string_view classText, const VARIANT& parameter = Variant::Missing());
    ComPtr<IDispatch> Create(ISession* session, std::u16string_view classText,
                             const VARIANT& parameter = Variant::Missing());
    // A host collection over a query, with the module's item class and a parent object.
    ComPtr<ICollection> ChildCollection(std::u16string_view sql, std::u16string_view itemClass,
                                        std::u16string_view idColumn, IDispatch* parent);
    // The host collection of TLX.DeklNag whose items are declarations.
    ComPtr<ICollection> Declarations(ISession* session = nullptr);
    void Execute(std::u16string_view sql);
    // The value of a one-row, one-column query as text: "NULL" for NULL, "(brak)" without a row.
    std::u16string Scalar(std::u16string_view sql);
    Connection* Database(ISession* session = nullptr);

    TempRegistry registry_;
    std::filesystem::path folder_;
    std::string database_;
    ComPtr<ISession> session_;
    DWORD testForms_ = 0;
};

// Dispatch calls by name, as scripts and the host make them. `flags` DISPATCH_PROPERTYGET etc.
HRESULT CallByName(IDispatch* object, std::u16string_view name, WORD flags, std::vector<Variant> args,
                   Variant* result = nullptr, EXCEPINFO* exception = nullptr);
Variant Get(IDispatch* object, std::u16string_view name);
void Put(IDispatch* object, std::u16string_view name, const VARIANT& value);
// The description of the thread's error object (taken).
std::u16string LastError();
// Saves a host collection (and its items' children) by the host's save protocol.
HRESULT SaveCollection(ICollection* collection);

}  // namespace tlx::test
