#include "HostFixture.h"
#include "tests/support/CompanyDatabase.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "host/HostTables.h"
#include "host/session/HostEnvironment.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/CodePage.h"

namespace tlx::host::test {
namespace {

// Tables only these tests use: rows of items with a name, a number and a parent link.
constexpr const char* kTestTables = R"sql(
CREATE TABLE Pozycje (
    Poz_PozID INTEGER PRIMARY KEY,
    Poz_Numer INT,
    Poz_Nazwa VARCHAR(20),
    Poz_RodzicID INT
);
)sql";

}  // namespace

void HostTest::SetUp() {
    // The host's schema store: the official schemas beside the checkout.
    setenv("TLX_SCHEMA_DIR", TLX_SCHEMA_DIR, 0);
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() / ("tlx-host-test-" + std::to_string(random()));
    std::filesystem::create_directories(folder_);
    database_ = (folder_ / "firma.db").string();
    std::vector<std::string> scripts = tlx::test::CompanyScripts();
    scripts.push_back(kTestTables);
    ado::CreateDatabaseFile(database_, scripts);
    LoginSettings settings;
    settings.companyDatabase = database_;
    settings.op.today = 45000;
    ASSERT_EQ(StartHost(settings), S_OK);
    ASSERT_EQ(CurrentLogin()->CreateSession(session_.Out()), S_OK);
}

void HostTest::TearDown() {
    session_.Reset();
    StopHost();
    TakeErrorDescription();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

Connection* HostTest::Database() {
    ComPtr<Connection> connection;
    EXPECT_EQ(session_.As<ISession2>()->get_Connection(connection.Out()), S_OK);
    return connection.Get();  // the session keeps it
}

void HostTest::Execute(std::u16string_view sql) { ExecuteSql(Database(), sql); }

std::u16string HostTest::Scalar(std::u16string_view sql) {
    ComPtr<Recordset> rows = OpenRecordset(Database(), sql);
    if (AtEnd(rows.Get())) return u"(brak)";
    ComPtr<Fields> fields;
    rows->get_Fields(fields.Out());
    ComPtr<Field> field;
    fields->get_Item(Variant::FromLong(0), field.Out());
    Variant value, text;
    field->get_Value(value.Out());
    if (value.vt == VT_NULL) return u"NULL";
    VariantChangeType(&text, &value, 0, VT_BSTR);
    return std::u16string(text.bstrVal, SysStringLen(text.bstrVal));
}

ComPtr<IDispatch> HostTest::Create(std::u16string_view classText, const VARIANT& parameter) {
    ComPtr<IDispatch> object;
    Bstr text(classText);
    HRESULT hr = session_->CreateObject(text.Get(), parameter, object.Out());
    EXPECT_EQ(hr, S_OK) << "creating the object failed";
    return object;
}

ComPtr<IDispatch> HostTest::PozycjeBelow(IDispatch* parent, LONG number) {
    ComPtr<IDispatch> object = Create(u"TLX.ChildCollection");
    ComPtr<ICollectionSetup> setup = object.As<ICollectionSetup>();
    EXPECT_EQ(setup->put_IdColumn(Bstr(u"Poz_PozID").Get()), S_OK);
    std::u16string sql = u"select * from TLX.Pozycje where Poz_Numer = " + Utf8ToUtf16(std::to_string(number));
    EXPECT_EQ(setup->put_SQL(Bstr(sql).Get()), S_OK);
    EXPECT_EQ(setup->put_ItemClass(Bstr(u"TLX.TestPozycja").Get()), S_OK);
    EXPECT_EQ(setup->putref_ParentObject(parent), S_OK);
    return object;
}

Variant GetProperty(IDispatch* object, const char16_t* name) {
    Variant result;
    EXPECT_EQ(CallMethod(object, name, &result), S_OK);
    return result;
}

HRESULT CallMethod(IDispatch* object, const char16_t* name, Variant* result, const VARIANT* first,
                   const VARIANT* second) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id); FAILED(hr)) return hr;
    VARIANT args[2];
    UINT count = 0;
    if (second) args[count++] = *second;  // arguments go in reverse order
    if (first) args[count++] = *first;
    DISPPARAMS params{args, nullptr, count, 0};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD | DISPATCH_PROPERTYGET, &params,
                          result, nullptr, nullptr);
}

}  // namespace tlx::host::test
