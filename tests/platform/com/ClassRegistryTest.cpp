#include <gtest/gtest.h>

#include <dlfcn.h>

#include <fstream>

#include "tests/support/TempRegistry.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComObject.h"
#include "platform/com/ErrorInfo.h"
#include "platform/registry/Registry.h"
#include "testserver/TestServer.h"

using tlx::ComPtr;

namespace {

bool ServerLoaded() {
    void* handle = ::dlopen(TLX_TEST_SERVER, RTLD_NOW | RTLD_NOLOAD);
    if (handle) ::dlclose(handle);
    return handle != nullptr;
}

HRESULT RegisterTestServer() {
    void* handle = ::dlopen(TLX_TEST_SERVER, RTLD_NOW);
    if (!handle) return E_FAIL;
    auto reg = reinterpret_cast<HRESULT (*)()>(::dlsym(handle, "DllRegisterServer"));
    HRESULT hr = reg ? reg() : E_FAIL;
    ::dlclose(handle);
    return hr;
}

class ClassRegistry : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(RegisterTestServer(), S_OK); }
    void TearDown() override { CoFreeUnusedLibraries(); }
    TempRegistry registry_;
};

class CLocal final : public tlx::ComObject<CLocal, ICounter> {
public:
    HRESULT Increment(LONG* value) override {
        *value = 100;
        return S_OK;
    }
    HRESULT Fail(LPCOLESTR) override { return E_FAIL; }
};

}  // namespace

TEST_F(ClassRegistry, CreatesByProgIdAndByClsid) {
    CLSID clsid;
    ASSERT_EQ(CLSIDFromProgID(u"tlxtest.counter", &clsid), S_OK) << "ProgIDs ignore case";
    EXPECT_EQ(clsid, CLSID_TestCounter);

    ComPtr<ICounter> counter;
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, ICounter::kIid, counter.OutVoid()), S_OK);
    LONG value = 0;
    counter->Increment(&value);
    counter->Increment(&value);
    EXPECT_EQ(value, 2);

    LPOLESTR progId = nullptr;
    ASSERT_EQ(ProgIDFromCLSID(CLSID_TestCounter, &progId), S_OK);
    EXPECT_EQ(std::u16string_view(progId), kTestCounterProgId);
    CoTaskMemFree(progId);
}

TEST_F(ClassRegistry, UnloadIsRefusedWhileAnObjectLives) {
    ComPtr<ICounter> counter;
    ASSERT_EQ(CoCreateInstance(CLSID_TestCounter, nullptr, CLSCTX_INPROC_SERVER, ICounter::kIid, counter.OutVoid()),
              S_OK);
    CoFreeUnusedLibraries();
    ASSERT_TRUE(ServerLoaded()) << "the library stays while its object lives";
    LONG value = 0;
    EXPECT_EQ(counter->Increment(&value), S_OK);
    counter.Reset();
    CoFreeUnusedLibraries();
    EXPECT_FALSE(ServerLoaded()) << "and goes once the last object is released";
}

TEST_F(ClassRegistry, ErrorObjectSetInTheLibraryReachesTheCaller) {
    ComPtr<ICounter> counter;
    ASSERT_EQ(CoCreateInstance(CLSID_TestCounter, nullptr, CLSCTX_ALL, ICounter::kIid, counter.OutVoid()), S_OK);
    EXPECT_EQ(counter->Fail(u"Błąd w bibliotece"), E_FAIL);
    EXPECT_EQ(tlx::TakeErrorDescription(), u"Błąd w bibliotece");
}

TEST_F(ClassRegistry, UnknownNamesAnswerTheRegistryCodes) {
    CLSID clsid;
    EXPECT_EQ(CLSIDFromProgID(u"No.SuchClass", &clsid), CO_E_CLASSSTRING);
    constexpr CLSID kUnknown = tlx::MakeGuid(u"{00000000-1234-1234-1234-000000000000}");
    void* out = nullptr;
    EXPECT_EQ(CoCreateInstance(kUnknown, nullptr, CLSCTX_ALL, IID_IUnknown, &out), REGDB_E_CLASSNOTREG);
    LPOLESTR progId = nullptr;
    EXPECT_EQ(ProgIDFromCLSID(kUnknown, &progId), REGDB_E_CLASSNOTREG);
    EXPECT_EQ(CLSIDFromProgID(u"{not a guid}", &clsid), CO_E_CLASSSTRING);
}

TEST_F(ClassRegistry, MissingLibraryIsAnErrorNamingThePath) {
    constexpr CLSID kBroken = tlx::MakeGuid(u"{00000000-1234-1234-1234-000000000001}");
    ASSERT_EQ(tlx::UpdateRegistry([&](tlx::RegistryTree& tree) {
                  tree.Create(u"CLSID\\" + tlx::GuidToText(kBroken) + u"\\InprocServer32").defaultValue =
                      u"/nonexistent/libbroken.so";
              }),
              S_OK);
    void* out = nullptr;
    HRESULT hr = CoCreateInstance(kBroken, nullptr, CLSCTX_ALL, IID_IUnknown, &out);
    EXPECT_TRUE(FAILED(hr));
    EXPECT_NE(tlx::TakeErrorDescription().find(u"/nonexistent/libbroken.so"), std::u16string::npos);
}

TEST_F(ClassRegistry, LibraryWithoutEntryPointIsAnError) {
    constexpr CLSID kNoEntry = tlx::MakeGuid(u"{00000000-1234-1234-1234-000000000002}");
    Dl_info info{};
    ASSERT_TRUE(::dladdr(reinterpret_cast<void*>(&CoCreateInstance), &info));  // the platform library
    std::string path = info.dli_fname;
    ASSERT_EQ(tlx::UpdateRegistry([&](tlx::RegistryTree& tree) {
                  tree.Create(u"CLSID\\" + tlx::GuidToText(kNoEntry) + u"\\InprocServer32").defaultValue =
                      std::u16string(path.begin(), path.end());
              }),
              S_OK);
    void* out = nullptr;
    EXPECT_EQ(CoCreateInstance(kNoEntry, nullptr, CLSCTX_ALL, IID_IUnknown, &out), CO_E_ERRORINDLL);
    EXPECT_NE(tlx::TakeErrorDescription().find(u"DllGetClassObject"), std::u16string::npos);
}

TEST_F(ClassRegistry, ProcessClassesComeFirst) {
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(tlx::ClassFactory<CLocal>::Get(IID_IClassFactory, factory.OutVoid()), S_OK);
    DWORD cookie = 0;
    ASSERT_EQ(tlx::RegisterProcessClass(CLSID_TestCounter, u"Host.Local", factory.Get(), &cookie), S_OK);

    ComPtr<ICounter> counter;
    ASSERT_EQ(CoCreateInstance(CLSID_TestCounter, nullptr, CLSCTX_ALL, ICounter::kIid, counter.OutVoid()), S_OK);
    LONG value = 0;
    counter->Increment(&value);
    EXPECT_EQ(value, 100) << "the process's class hides the registered library";
    CLSID clsid;
    EXPECT_EQ(CLSIDFromProgID(u"Host.Local", &clsid), S_OK);
    EXPECT_EQ(clsid, CLSID_TestCounter);

    EXPECT_EQ(CoRevokeClassObject(cookie), S_OK);
    EXPECT_EQ(CLSIDFromProgID(u"Host.Local", &clsid), CO_E_CLASSSTRING);
}

// Each creation answers the newest registration of its class as it stands then: one made, hidden,
// revoked between creations is seen at the next.
TEST_F(ClassRegistry, TheNewestRegistrationAnswersEveryCreationAsItStandsThen) {
    auto created = [] {
        ComPtr<ICounter> counter;
        HRESULT hr = CoCreateInstance(CLSID_TestCounter, nullptr, CLSCTX_ALL, ICounter::kIid, counter.OutVoid());
        LONG value = 0;
        if (SUCCEEDED(hr)) counter->Increment(&value);
        return SUCCEEDED(hr) ? value : static_cast<LONG>(hr);
    };
    EXPECT_EQ(created(), 1) << "the registered library";
    ComPtr<IClassFactory> factory;
    ASSERT_EQ(tlx::ClassFactory<CLocal>::Get(IID_IClassFactory, factory.OutVoid()), S_OK);
    DWORD cookie = 0;
    ASSERT_EQ(tlx::RegisterProcessClass(CLSID_TestCounter, u"Host.Local", factory.Get(), &cookie), S_OK);
    EXPECT_EQ(created(), 100);
    {
        tlx::ScopedClassOverride hidden(CLSID_TestCounter, u"Host.Local", nullptr);
        EXPECT_EQ(created(), REGDB_E_CLASSNOTREG);
    }
    EXPECT_EQ(created(), 100);
    EXPECT_EQ(CoRevokeClassObject(cookie), S_OK);
    EXPECT_EQ(created(), 1);
}

TEST_F(ClassRegistry, CorruptRegistryFailsCreationCleanly) {
    std::ofstream(registry_.Path(), std::ios::binary | std::ios::trunc) << "garbage\n";
    void* out = nullptr;
    EXPECT_EQ(CoCreateInstance(CLSID_TestCounter, nullptr, CLSCTX_ALL, IID_IUnknown, &out), REGDB_E_READREGDB);
    EXPECT_EQ(out, nullptr);
}

// A class's server is found where the registry names it now: a class moved to another library after
// it was created once, and back, is looked for in each in turn.
TEST_F(ClassRegistry, AClassMovedToAnotherLibraryIsLookedForThere) {
    ComPtr<ICounter> counter;
    ASSERT_EQ(CoCreateInstance(CLSID_TestCounter, nullptr, CLSCTX_ALL, ICounter::kIid, counter.OutVoid()), S_OK);
    counter.Reset();
    const std::u16string server = u"CLSID\\" + tlx::GuidToText(CLSID_TestCounter) + u"\\InprocServer32";
    std::u16string before;
    ASSERT_EQ(tlx::UpdateRegistry([&](tlx::RegistryTree& tree) {
                  before = tree.Create(server).defaultValue.value_or(u"");
                  tree.Create(server).defaultValue = u"/nonexistent/libmoved.so";
              }),
              S_OK);
    EXPECT_TRUE(FAILED(CoCreateInstance(CLSID_TestCounter, nullptr, CLSCTX_ALL, ICounter::kIid, counter.OutVoid())));
    EXPECT_NE(tlx::TakeErrorDescription().find(u"/nonexistent/libmoved.so"), std::u16string::npos);
    ASSERT_EQ(tlx::UpdateRegistry([&](tlx::RegistryTree& tree) { tree.Create(server).defaultValue = before; }), S_OK);
    EXPECT_EQ(CoCreateInstance(CLSID_TestCounter, nullptr, CLSCTX_ALL, ICounter::kIid, counter.OutVoid()), S_OK);
}
