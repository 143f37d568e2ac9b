#include "ModuleClassFixture.h"
#include "tests/support/CompanyDatabase.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "host/Database.h"
#include "host/HostTables.h"
#include "hostapi/Collections.h"
#include "host/session/HostEnvironment.h"
#include "mv_deklaracje/library/Module.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/CodePage.h"

namespace {

}  // namespace

void ModuleClassTest::SetUp() {
    // The host's schema store: the official schemas beside the checkout.
    setenv("TLX_SCHEMA_DIR", TLX_SCHEMA_DIR, 0);
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() / ("tlx-module-test-" + std::to_string(random()));
    std::filesystem::create_directories(folder_);
    database_ = (folder_ / "firma.db").string();
    std::vector<std::string> scripts = tlx::test::CompanyScripts(WithDemoCompany());
    if (WithHostDemoData()) scripts.push_back(tlx::host::HostDemoSql());
    tlx::ado::CreateDatabaseFile(database_, scripts);

    tlx::host::LoginSettings settings;
    settings.companyDatabase = database_;
    settings.companyName = CompanyName();
    if (WithConfigDatabase()) {
        settings.configDatabase = (folder_ / "konfiguracja.db").string();
        tlx::ado::CreateDatabaseFile(settings.configDatabase, {tlx::test::ReadSourceText("db/config.sql")});
    }
    settings.op.today = operatorToday_;
    settings.op.type = OperatorType();
    settings.op.remote = RemoteSession();
    settings.modules = HostModules();
    ASSERT_EQ(tlx::host::StartHost(settings), S_OK);
    ASSERT_EQ(tlx::host::CurrentLogin()->CreateSession(session_.Out()), S_OK);

    // The module's classes, as the host would find them in the registry after registration.
    for (const ObjectMapEntry& entry : ObjectMap()) {
        tlx::ComPtr<IClassFactory> factory;
        ASSERT_EQ(entry.getClassObject(IID_IClassFactory, factory.OutVoid()), S_OK);
        DWORD cookie = 0;
        ASSERT_EQ(tlx::RegisterProcessClass(entry.clsid, entry.progId, factory.Get(), &cookie), S_OK);
        cookies_.push_back(cookie);
    }
}

void ModuleClassTest::TearDown() {
    session_.Reset();
    tlx::host::StopHost();
    for (DWORD cookie : cookies_) CoRevokeClassObject(cookie);
    tlx::TakeErrorDescription();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

Connection* ModuleClassTest::Database() {
    tlx::ComPtr<Connection> connection;
    EXPECT_EQ(session_.As<ISession2>()->get_Connection(connection.Out()), S_OK);
    return connection.Get();  // the session keeps it
}

void ModuleClassTest::Execute(std::u16string_view sql) { tlx::host::ExecuteSql(Database(), sql); }

void ModuleClassTest::ExecuteConfig(std::u16string_view sql) {
    tlx::ComPtr<Connection> connection;
    ASSERT_EQ(session_.As<ISession2>()->get_ConfigConnection(connection.Out()), S_OK);
    tlx::host::ExecuteSql(connection.Get(), sql);
}

std::u16string ModuleClassTest::Scalar(std::u16string_view sql) {
    tlx::ComPtr<Recordset> rows = Rows(sql);
    if (tlx::host::AtEnd(rows.Get())) return u"(brak)";
    tlx::ComPtr<Fields> fields;
    rows->get_Fields(fields.Out());
    tlx::ComPtr<::Field> field;
    fields->get_Item(tlx::Variant::FromLong(0), field.Out());
    tlx::Variant value;
    field->get_Value(value.Out());
    return AsText(value);
}

LONG ModuleClassTest::InsertDeclarationRow(int type, int yearMonth) {
    Execute(u"INSERT INTO TLX.DeklNag (DkN_TypDeklar, DkN_RokMiesiac) VALUES (" +
            tlx::Utf8ToUtf16(std::to_string(type)) + u", " + tlx::Utf8ToUtf16(std::to_string(yearMonth)) + u")");
    return std::stol(tlx::Utf16ToUtf8(Scalar(u"SELECT MAX(DkN_DkNID) FROM TLX.DeklNag")));
}

tlx::ComPtr<Recordset> ModuleClassTest::Rows(std::u16string_view sql) {
    return tlx::host::OpenRecordset(Database(), sql);
}

tlx::ComPtr<IDispatch> ModuleClassTest::Create(std::u16string_view classText) {
    tlx::ComPtr<IDispatch> object;
    tlx::Bstr text(classText);
    EXPECT_EQ(session_->CreateObject(text.Get(), tlx::Variant::Missing(), object.Out()), S_OK);
    return object;
}

tlx::ComPtr<IDispatch> ModuleClassTest::ChildCollection(const CLSID& itemClass, std::u16string_view idColumn,
                                                        std::u16string_view sql) {
    tlx::ComPtr<IDispatch> collection = Create(tlx::GuidToText(CLSID_CChildCollection));
    auto setup = collection.As<ICollectionSetup>();
    EXPECT_TRUE(setup);
    setup->put_ItemClass(tlx::Bstr(tlx::GuidToText(itemClass)).Get());
    setup->put_IdColumn(tlx::Bstr(idColumn).Get());
    setup->put_SQL(tlx::Bstr(sql).Get());
    return collection;
}

HRESULT TryGet(IDispatch* object, const char16_t* name, tlx::Variant* result) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id); FAILED(hr)) return hr;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    *result = tlx::Variant();  // a reused result is cleared first
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, result, nullptr, nullptr);
}

tlx::Variant Get(IDispatch* object, const char16_t* name) {
    tlx::Variant result;
    EXPECT_EQ(TryGet(object, name, &result), S_OK) << "a property read failed";
    return result;
}

HRESULT Put(IDispatch* object, const char16_t* name, const VARIANT& value) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id); FAILED(hr)) return hr;
    VARIANT arg = value;
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{&arg, &named, 1, 1};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYPUT, &params, nullptr, nullptr, nullptr);
}

HRESULT Call(IDispatch* object, const char16_t* name, std::initializer_list<tlx::Variant> args, tlx::Variant* result) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id); FAILED(hr)) return hr;
    std::vector<VARIANT> reversed;
    for (const tlx::Variant& arg : args) reversed.insert(reversed.begin(), static_cast<const VARIANT&>(arg));
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    if (result) *result = tlx::Variant();  // a reused result is cleared first
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params, result, nullptr, nullptr);
}

tlx::Variant ColumnValue(Recordset* rows, const char16_t* name) { return tlx::host::ReadField(rows, name); }

std::u16string AsText(const VARIANT& value) {
    if (value.vt == VT_NULL) return u"NULL";
    if (value.vt == VT_EMPTY) return u"EMPTY";
    tlx::Variant text;
    // The C locale: a decimal point, dates as numbers.
    tlx::Variant number;
    if (value.vt == VT_CY || value.vt == VT_DATE || value.vt == VT_R8) {
        VariantChangeType(&number, &value, 0, VT_R8);
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, "%.4f", number.dblVal);
        std::string s(buffer);
        return std::u16string(s.begin(), s.end());
    }
    if (FAILED(VariantChangeType(&text, &value, 0, VT_BSTR))) return u"?";
    return std::u16string(text.bstrVal, SysStringLen(text.bstrVal));
}

std::u16string LastError() {
    auto text = tlx::TakeErrorDescription();
    return std::u16string(text.begin(), text.end());
}
