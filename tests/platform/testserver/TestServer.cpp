// A minimal in-process server: one class, the four entry points, registration of its own keys.
#include "TestServer.h"

#include <dlfcn.h>

#include "platform/com/ComObject.h"
#include "platform/com/ErrorInfo.h"
#include "platform/registry/Registry.h"
#include "platform/text/CodePage.h"

#define TEST_EXPORT extern "C" __attribute__((visibility("default")))

namespace {
class CCounter final : public tlx::ComObject<CCounter, ICounter> {
public:
    HRESULT Increment(LONG* value) override {
        if (!value) return E_POINTER;
        *value = ++count_;
        return S_OK;
    }
    HRESULT Fail(LPCOLESTR text) override { return tlx::SetErrorText(E_FAIL, text ? text : u""); }

private:
    LONG count_ = 0;
};

std::u16string OwnPath() {
    Dl_info info{};
    ::dladdr(reinterpret_cast<void*>(&OwnPath), &info);
    return tlx::Utf8ToUtf16(info.dli_fname ? info.dli_fname : "");
}
}  // namespace

TEST_EXPORT HRESULT DllCanUnloadNow() { return tlx::ThisModule().Count() == 0 ? S_OK : S_FALSE; }

TEST_EXPORT HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (clsid != CLSID_TestCounter) return CLASS_E_CLASSNOTAVAILABLE;
    return tlx::ClassFactory<CCounter>::Get(iid, out);
}

TEST_EXPORT HRESULT DllRegisterServer() {
    std::u16string clsid = tlx::GuidToText(CLSID_TestCounter);
    std::u16string path = OwnPath();
    return tlx::UpdateRegistry([&](tlx::RegistryTree& tree) {
        tree.Create(kTestCounterProgId).defaultValue = u"Counter Class";
        tree.Create(std::u16string(kTestCounterProgId) + u"\\CLSID").defaultValue = clsid;
        tree.Create(u"CLSID\\" + clsid).defaultValue = u"Counter Class";
        tree.Create(u"CLSID\\" + clsid + u"\\ProgID").defaultValue = kTestCounterProgId;
        auto& server = tree.Create(u"CLSID\\" + clsid + u"\\InprocServer32");
        server.defaultValue = path;
        server.values[u"ThreadingModel"] = u"Free";
    });
}

TEST_EXPORT HRESULT DllUnregisterServer() {
    return tlx::UpdateRegistry([](tlx::RegistryTree& tree) {
        tree.DeleteTree(kTestCounterProgId);
        tree.DeleteTree(u"CLSID\\" + tlx::GuidToText(CLSID_TestCounter));
    });
}
