#include "DeclarationFixture.h"
#include "tests/support/CompanyDatabase.h"

#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

#include "FormTestSupport.h"
#include "host/Database.h"
#include "mv_deklaracje/deklaracje/Deklaracja.h"
#include "host/HostTables.h"
#include "host/ServerRegistration.h"
#include "host/session/HostEnvironment.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ErrorInfo.h"
#include "platform/com/VariantConversion.h"

namespace tlx::test {
namespace {

// Makes declarations of this test program whose forms come from the tests' resources.
class CTestFormsFactory final : public ComObject<CTestFormsFactory, IClassFactory> {
public:
    HRESULT CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (outer) return CLASS_E_NOAGGREGATION;
        auto declaration = CDeklaracja::Make(ModuleTestResources());
        return declaration->QueryInterface(iid, out);
    }
    HRESULT LockServer(BOOL) override { return S_OK; }
};

}  // namespace

void DeclarationTest::UseTestForms() {
    auto factory = CTestFormsFactory::Make();
    ASSERT_EQ(RegisterProcessClass(CLSID_Deklaracja, u"TLXDeklaracje.Deklaracja", factory.Get(), &testForms_), S_OK);
}

void DeclarationTest::SetUp() {
    // The host's schema store: the official schemas beside the checkout.
    setenv("TLX_SCHEMA_DIR", TLX_SCHEMA_DIR, 0);
    std::random_device random;
    folder_ = std::filesystem::temp_directory_path() / ("tlx-dekl-test-" + std::to_string(random()));
    std::filesystem::create_directories(folder_);
    database_ = (folder_ / "firma.db").string();
    ado::CreateDatabaseFile(database_, CompanyScripts(WithDemoCompany()));
    ASSERT_EQ(host::RegisterServer(TLX_MODULE_PATH), S_OK) << tlx::Utf16ToUtf8(TakeErrorDescription());
    host::LoginSettings settings;
    settings.companyDatabase = database_;
    settings.op.today = 45000;
    settings.op.remote = RemoteSession();
    ASSERT_EQ(host::StartHost(settings), S_OK);
    session_ = NewSession();
}

void DeclarationTest::TearDown() {
    session_.Reset();
    if (testForms_) CoRevokeClassObject(testForms_);
    host::StopHost();
    CoFreeUnusedLibraries();
    TakeErrorDescription();
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
}

ComPtr<ISession> DeclarationTest::NewSession() {
    ComPtr<ISession> session;
    EXPECT_EQ(host::CurrentLogin()->CreateSession(session.Out()), S_OK);
    return session;
}

ComPtr<IDispatch> DeclarationTest::Create(std::u16string_view classText, const VARIANT& parameter) {
    return Create(session_.Get(), classText, parameter);
}

ComPtr<IDispatch> DeclarationTest::Create(ISession* session, std::u16string_view classText,
                                          const VARIANT& parameter) {
    ComPtr<IDispatch> object;
    Bstr text(classText);
    HRESULT hr = session->CreateObject(text.Get(), parameter, object.Out());
    EXPECT_EQ(hr, S_OK) << "creating " << Utf16ToUtf8(classText) << ": " << Utf16ToUtf8(LastError());
    return object;
}

ComPtr<ICollection> DeclarationTest::ChildCollection(std::u16string_view sql, std::u16string_view itemClass,
                                                     std::u16string_view idColumn, IDispatch* parent) {
    ComPtr<IDispatch> object = Create(GuidToText(CLSID_CChildCollection));
    auto setup = object.As<ICollectionSetup>();
    EXPECT_TRUE(setup);
    EXPECT_EQ(setup->put_IdColumn(Bstr(idColumn).Get()), S_OK);
    EXPECT_EQ(setup->put_SQL(Bstr(sql).Get()), S_OK);
    EXPECT_EQ(setup->put_ItemClass(Bstr(itemClass).Get()), S_OK);
    if (parent) {
        EXPECT_EQ(setup->putref_ParentObject(parent), S_OK);
    }
    return object.As<ICollection>();
}

ComPtr<ICollection> DeclarationTest::Declarations(ISession* session) {
    ComPtr<IDispatch> object = Create(session ? session : session_.Get(), GuidToText(CLSID_CAdoCollectionBase));
    auto setup = object.As<IAdoCollectionSetup>();
    EXPECT_TRUE(setup);
    EXPECT_EQ(setup->put_ItemClass(Bstr(u"TLXDeklaracje.Deklaracja").Get()), S_OK);
    EXPECT_EQ(setup->put_IdColumn(Bstr(u"Dkn_DknId").Get()), S_OK);
    EXPECT_EQ(setup->put_Table(Bstr(u"DeklNag").Get()), S_OK);
    return object.As<ICollection>();
}

Connection* DeclarationTest::Database(ISession* session) {
    ComPtr<Connection> connection;
    EXPECT_EQ((session ? ComPtr<ISession>(session) : session_).As<ISession2>()->get_Connection(connection.Out()), S_OK);
    return connection.Get();  // the session keeps it
}

void DeclarationTest::Execute(std::u16string_view sql) { host::ExecuteSql(Database(), sql); }

std::u16string DeclarationTest::Scalar(std::u16string_view sql) {
    ComPtr<Recordset> rows = host::OpenRecordset(Database(), sql);
    if (host::AtEnd(rows.Get())) return u"(brak)";
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

HRESULT CallByName(IDispatch* object, std::u16string_view name, WORD flags, std::vector<Variant> args,
                   Variant* result, EXCEPINFO* exception) {
    std::u16string text(name);
    LPOLESTR names[] = {text.data()};
    DISPID id = DISPID_UNKNOWN;
    if (HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id); FAILED(hr)) return hr;
    std::vector<VARIANT> reversed(args.rbegin(), args.rend());
    DISPID putId = DISPID_PROPERTYPUT;
    bool put = flags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF);
    DISPPARAMS params{reversed.data(), put ? &putId : nullptr, static_cast<UINT>(reversed.size()), put ? 1u : 0u};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, exception, nullptr);
}

Variant Get(IDispatch* object, std::u16string_view name) {
    Variant result;
    HRESULT hr = CallByName(object, name, DISPATCH_PROPERTYGET, {}, &result);
    EXPECT_EQ(hr, S_OK) << "reading " << Utf16ToUtf8(name) << ": " << Utf16ToUtf8(LastError());
    return result;
}

void Put(IDispatch* object, std::u16string_view name, const VARIANT& value) {
    HRESULT hr = CallByName(object, name, DISPATCH_PROPERTYPUT, {Variant(value)});
    EXPECT_EQ(hr, S_OK) << "writing " << Utf16ToUtf8(name) << ": " << Utf16ToUtf8(LastError());
}

std::u16string LastError() { return TakeErrorDescription(); }

HRESULT SaveCollection(ICollection* collection) {
    ComPtr<ISaveable> saveable = ComPtr<ICollection>(collection).As<ISaveable>();
    if (!saveable) return E_NOINTERFACE;
    return saveable->Save(hostSaveCheck);
}

}  // namespace tlx::test
