// A fixture for host tests: a fresh company database in a temporary folder (the scripts of db/company/
// and the tables of these tests), the host started on it, and one session.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "host/Database.h"
#include "hostapi/SessionDispatch.h"
#include "hostapi/Framework.h"

namespace tlx::host::test {

class HostTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs a statement on the session's company database.
    void Execute(std::u16string_view sql);
    // The value of a one-row, one-column query, as text ("NULL" for a NULL value).
    std::u16string Scalar(std::u16string_view sql);
    ComPtr<IDispatch> Create(std::u16string_view classText, const VARIANT& parameter = Variant::Missing());
    // A child collection of the test items (TLX.Pozycje, items TLX.TestPozycja) numbered `number`, below
    // `parent`; nothing read yet.
    ComPtr<IDispatch> PozycjeBelow(IDispatch* parent, LONG number);
    Connection* Database();

    std::filesystem::path folder_;
    std::string database_;
    ComPtr<ISession> session_;
};

// Reads a property of a dispatch object by name.
Variant GetProperty(IDispatch* object, const char16_t* name);
// Calls a method of a dispatch object by name with up to two arguments.
HRESULT CallMethod(IDispatch* object, const char16_t* name, Variant* result, const VARIANT* first = nullptr,
                   const VARIANT* second = nullptr);

}  // namespace tlx::host::test
