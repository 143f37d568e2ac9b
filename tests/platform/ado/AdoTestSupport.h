// A company database in a temporary file, created from db/, and a connection to it for the ADO tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "platform/ado/AdoConnection.h"
#include "platform/ado/AdoRecordset.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"
#include "tests/support/CompanyDatabase.h"

namespace adotest {

inline std::string ReadSourceFile(const std::string& relative) { return tlx::test::ReadSourceText(relative); }

// A database file built from the named scripts of db/ ("db/company": the company database's scripts),
// removed with the object.
class TempDatabase {
public:
    static constexpr const char* kCompanyScripts = "db/company";

    explicit TempDatabase(std::vector<std::string> scripts = {kCompanyScripts}, const std::string& extra = "") {
        path_ = (std::filesystem::temp_directory_path() /
                 ("tlxado-" + std::to_string(::getpid()) + "-" + std::to_string(counter_++) + ".db"))
                    .string();
        std::vector<std::string> texts;
        for (const auto& script : scripts) {
            if (script != kCompanyScripts) {
                texts.push_back(ReadSourceFile(script));
                continue;
            }
            for (std::string& text : tlx::test::CompanyScripts()) texts.push_back(std::move(text));
        }
        if (!extra.empty()) texts.push_back(extra);
        tlx::ado::CreateDatabaseFile(path_, texts);
    }
    ~TempDatabase() {
        std::error_code ec;
        std::filesystem::remove(path_, ec);
    }
    const std::string& Path() const { return path_; }

    tlx::ComPtr<Connection> Open() const {
        auto connection = tlx::ado::CConnection::Make();
        tlx::Bstr text(u"Data Source=" + tlx::Utf8ToUtf16(path_));
        EXPECT_EQ(connection->Open(text.Get(), nullptr, nullptr, 0), S_OK);
        return tlx::ComPtr<Connection>(connection.Get());
    }

private:
    static inline int counter_ = 0;
    std::string path_;
};

inline tlx::ComPtr<Recordset> Execute(Connection* connection, std::u16string_view sql) {
    tlx::ComPtr<Recordset> rows;
    tlx::Bstr text(sql);
    HRESULT hr = connection->Execute(text.Get(), nullptr, adCmdText, rows.Out());
    EXPECT_EQ(hr, S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription()) << " in " << tlx::Utf16ToUtf8(sql);
    return rows;
}

// Opens an updatable client-side recordset as the host's collections do.
inline tlx::ComPtr<Recordset> OpenBatch(Connection* connection, std::u16string_view sql) {
    auto rows = tlx::ComPtr<Recordset>(tlx::ado::CRecordset::Make().Get());
    rows->put_CursorLocation(adUseClient);
    tlx::Variant source = tlx::Variant::FromString(sql);
    tlx::Variant active = tlx::Variant::FromDispatch(connection);
    HRESULT hr = rows->Open(source, active, adOpenStatic, adLockBatchOptimistic, adCmdText);
    EXPECT_EQ(hr, S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    return rows;
}

inline tlx::Variant Value(Recordset* rows, std::u16string_view field) {
    tlx::ComPtr<Fields> fields;
    rows->get_Fields(fields.Out());
    tlx::ComPtr<Field> item;
    HRESULT hr = fields->get_Item(tlx::Variant::FromString(field), item.Out());
    EXPECT_EQ(hr, S_OK) << tlx::Utf16ToUtf8(field);
    tlx::Variant value;
    if (item) item->get_Value(value.Out());
    return value;
}

inline tlx::Variant Value(Recordset* rows, LONG index) {
    tlx::ComPtr<Fields> fields;
    rows->get_Fields(fields.Out());
    tlx::ComPtr<Field> item;
    EXPECT_EQ(fields->get_Item(tlx::Variant::FromLong(index), item.Out()), S_OK);
    tlx::Variant value;
    if (item) item->get_Value(value.Out());
    return value;
}

inline HRESULT Put(Recordset* rows, std::u16string_view field, const VARIANT& value) {
    tlx::ComPtr<Fields> fields;
    rows->get_Fields(fields.Out());
    tlx::ComPtr<Field> item;
    if (HRESULT hr = fields->get_Item(tlx::Variant::FromString(field), item.Out()); FAILED(hr)) return hr;
    return item->put_Value(value);
}

inline bool AtEnd(Recordset* rows) {
    VARIANT_BOOL eof = VARIANT_FALSE;
    rows->get_EOF(&eof);
    return eof != VARIANT_FALSE;
}

inline LONG Count(Recordset* rows) {
    LONG count = -1;
    rows->get_RecordCount(&count);
    return count;
}

inline LONG Status(Recordset* rows) {
    LONG status = -1;
    rows->get_Status(&status);
    return status;
}

inline EditModeEnum EditMode(Recordset* rows) {
    EditModeEnum mode = adEditNone;
    rows->get_EditMode(&mode);
    return mode;
}

inline std::u16string Text(const VARIANT& value) {
    return value.vt == VT_BSTR ? std::u16string(value.bstrVal, SysStringLen(value.bstrVal)) : u"<not text>";
}

}  // namespace adotest
