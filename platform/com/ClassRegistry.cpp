#include "platform/com/ClassRegistry.h"
#include "platform/text/AsciiCase.h"

#include <dlfcn.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/com/ComPtr.h"
#include "platform/com/ErrorInfo.h"
#include "platform/registry/Registry.h"
#include "platform/text/CodePage.h"

namespace {

using GetClassObjectFn = HRESULT (*)(REFCLSID, REFIID, void**);
using CanUnloadNowFn = HRESULT (*)();

struct ProcessClass {
    CLSID clsid;
    std::u16string progId;
    tlx::ComPtr<IUnknown> factory;
};

struct LoadedLibrary {
    void* handle = nullptr;
    GetClassObjectFn getClassObject = nullptr;
    CanUnloadNowFn canUnloadNow = nullptr;
};

struct State {
    std::mutex mutex;
    std::map<DWORD, ProcessClass> processClasses;
    // The newest registration of each class asked for so far (null: none in the process), so that a
    // creation does not walk every class; emptied whenever a class is registered or revoked.
    std::map<CLSID, const ProcessClass*> newestOf;
    // The class of each ProgID registered in the process (the newest registration's), by the ProgID in
    // lower case, made when first asked after a change: a creation by ProgID does not compare every name.
    std::unordered_map<std::u16string, CLSID> classOfProgId;
    bool progIdsIndexed = false;
    DWORD nextCookie = 1;
    std::map<std::string, LoadedLibrary> libraries;
    // The in-process servers of the classes looked up in `serversOf`, the registry as last read: a
    // class's path is found in the tree once, not at every creation, until the registry changes.
    std::shared_ptr<const tlx::RegistryTree> serversOf;
    std::vector<std::pair<CLSID, std::string>> servers;
};

// After a class is registered or revoked, what was found before is looked up afresh.
void ClassesChanged(State& s) {
    s.newestOf.clear();
    s.classOfProgId.clear();
    s.progIdsIndexed = false;
}

State& Registry() {
    static State state;
    return state;
}

// The newest registration of a class wins, so that an override stands in for the class while it lives.
// `hidden` is set when that registration hides the class (an override without a factory).
tlx::ComPtr<IUnknown> FindProcessFactory(REFCLSID clsid, bool& hidden) {
    State& s = Registry();
    std::lock_guard lock(s.mutex);
    hidden = false;
    auto known = s.newestOf.find(clsid);
    if (known == s.newestOf.end()) {
        const ProcessClass* newest = nullptr;
        for (auto it = s.processClasses.rbegin(); it != s.processClasses.rend(); ++it) {
            if (it->second.clsid != clsid) continue;
            newest = &it->second;
            break;
        }
        known = s.newestOf.emplace(clsid, newest).first;
    }
    if (!known->second) return nullptr;
    const ProcessClass& found = *known->second;
    hidden = !found.factory;
    return found.factory;
}

// Loads (once) the library of an in-process server and answers its class-object entry point.
HRESULT LoadServer(const std::string& path, GetClassObjectFn& entry) {
    State& s = Registry();
    std::lock_guard lock(s.mutex);
    if (auto it = s.libraries.find(path); it != s.libraries.end()) {
        entry = it->second.getClassObject;
        return S_OK;
    }
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = ::dlerror();
        return tlx::SetErrorText(CO_E_DLLNOTFOUND, tlx::Utf8ToUtf16("Cannot load the library " + path + ": " +
                                                                   (why ? why : "unknown reason")));
    }
    auto get = reinterpret_cast<GetClassObjectFn>(::dlsym(handle, "DllGetClassObject"));
    auto canUnload = reinterpret_cast<CanUnloadNowFn>(::dlsym(handle, "DllCanUnloadNow"));
    if (!get) {
        ::dlclose(handle);
        return tlx::SetErrorText(CO_E_ERRORINDLL,
                                 tlx::Utf8ToUtf16("The library " + path + " does not export DllGetClassObject"));
    }
    s.libraries[path] = LoadedLibrary{handle, get, canUnload};
    entry = get;
    return S_OK;
}

// The path of a class's in-process server in the registry `tree`; empty when it names none.
std::string ServerOf(REFCLSID clsid, const std::shared_ptr<const tlx::RegistryTree>& tree) {
    State& s = Registry();
    std::lock_guard lock(s.mutex);
    if (s.serversOf != tree) {
        s.serversOf = tree;
        s.servers.clear();
    }
    for (const auto& [known, path] : s.servers)
        if (known == clsid) return path;
    auto server = tree->Value(u"CLSID\\" + tlx::GuidToText(clsid) + u"\\InprocServer32");
    std::string path = server ? tlx::Utf16ToUtf8(*server) : std::string();
    s.servers.emplace_back(clsid, path);
    return path;
}

}  // namespace

HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, void* /*reserved*/, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    bool hidden = false;
    if (auto factory = FindProcessFactory(clsid, hidden)) return factory->QueryInterface(iid, object);
    if (hidden) return REGDB_E_CLASSNOTREG;
    if (!(context & CLSCTX_INPROC_SERVER)) return REGDB_E_CLASSNOTREG;

    std::shared_ptr<const tlx::RegistryTree> tree;
    if (HRESULT hr = tlx::ReadRegistry(tree); FAILED(hr)) return hr;
    const std::string server = ServerOf(clsid, tree);
    if (server.empty()) return REGDB_E_CLASSNOTREG;

    GetClassObjectFn entry = nullptr;
    if (HRESULT hr = LoadServer(server, entry); FAILED(hr)) return hr;
    return entry(clsid, iid, object);
}

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** object) {
    if (!object) return E_POINTER;
    *object = nullptr;
    if (outer && iid != IID_IUnknown) return CLASS_E_NOAGGREGATION;
    tlx::ComPtr<IClassFactory> factory;
    if (HRESULT hr = CoGetClassObject(clsid, context, nullptr, IID_IClassFactory, factory.OutVoid()); FAILED(hr))
        return hr;
    return factory->CreateInstance(outer, iid, object);
}

HRESULT OleRun(IUnknown* object) { return object ? S_OK : E_INVALIDARG; }

HRESULT CoRegisterClassObject(REFCLSID clsid, IUnknown* factory, DWORD /*context*/, DWORD /*flags*/, DWORD* cookie) {
    return tlx::RegisterProcessClass(clsid, {}, factory, cookie);
}

HRESULT CoRevokeClassObject(DWORD cookie) {
    tlx::ComPtr<IUnknown> released;  // released outside the lock
    State& s = Registry();
    std::lock_guard lock(s.mutex);
    auto it = s.processClasses.find(cookie);
    if (it == s.processClasses.end()) return E_INVALIDARG;
    released = std::move(it->second.factory);
    s.processClasses.erase(it);
    ClassesChanged(s);
    return S_OK;
}

HRESULT CLSIDFromProgID(LPCOLESTR progId, CLSID* clsid) {
    if (!progId || !clsid) return E_INVALIDARG;
    std::u16string_view name(progId);
    if (!name.empty() && name[0] == u'{') return CLSIDFromString(progId, clsid);
    {
        State& s = Registry();
        std::lock_guard lock(s.mutex);
        if (!s.progIdsIndexed) {
            for (const auto& [cookie, c] : s.processClasses)  // in registration order: the newest stays
                if (!c.progId.empty()) s.classOfProgId[tlx::AsciiLowerCopy(std::u16string_view(c.progId))] = c.clsid;
            s.progIdsIndexed = true;
        }
        if (auto found = s.classOfProgId.find(tlx::AsciiLowerCopy(name)); found != s.classOfProgId.end()) {
            *clsid = found->second;
            return S_OK;
        }
    }
    std::shared_ptr<const tlx::RegistryTree> tree;
    if (HRESULT hr = tlx::ReadRegistry(tree); FAILED(hr)) return hr;
    auto text = tree->Value(std::u16string(name) + u"\\CLSID");
    if (!text) return CO_E_CLASSSTRING;
    return tlx::ParseGuid(*text, *clsid) ? S_OK : REGDB_E_INVALIDVALUE;
}

HRESULT ProgIDFromCLSID(REFCLSID clsid, LPOLESTR* progId) {
    if (!progId) return E_INVALIDARG;
    *progId = nullptr;
    std::u16string found;
    {
        State& s = Registry();
        std::lock_guard lock(s.mutex);
        for (const auto& [cookie, c] : s.processClasses)
            if (c.clsid == clsid && !c.progId.empty()) found = c.progId;
    }
    if (found.empty()) {
        std::shared_ptr<const tlx::RegistryTree> tree;
        if (HRESULT hr = tlx::ReadRegistry(tree); FAILED(hr)) return hr;
        auto text = tree->Value(u"CLSID\\" + tlx::GuidToText(clsid) + u"\\ProgID");
        if (!text || text->empty()) return REGDB_E_CLASSNOTREG;
        found = *text;
    }
    auto* out = static_cast<OLECHAR*>(CoTaskMemAlloc((found.size() + 1) * sizeof(OLECHAR)));
    if (!out) return E_OUTOFMEMORY;
    found.copy(out, found.size());
    out[found.size()] = 0;
    *progId = out;
    return S_OK;
}

void* CoTaskMemAlloc(std::size_t size) { return std::malloc(size); }
void CoTaskMemFree(void* block) { std::free(block); }

void CoFreeUnusedLibraries() {
    std::vector<void*> unload;
    {
        State& s = Registry();
        std::lock_guard lock(s.mutex);
        for (auto it = s.libraries.begin(); it != s.libraries.end();) {
            if (it->second.canUnloadNow && it->second.canUnloadNow() == S_OK) {
                unload.push_back(it->second.handle);
                it = s.libraries.erase(it);
            } else {
                ++it;
            }
        }
    }
    for (void* handle : unload) ::dlclose(handle);
}

namespace tlx {
HRESULT RegisterProcessClass(REFCLSID clsid, std::u16string_view progId, IUnknown* factory, DWORD* cookie) {
    if (!factory || !cookie) return E_INVALIDARG;
    State& s = Registry();
    std::lock_guard lock(s.mutex);
    *cookie = s.nextCookie++;
    s.processClasses[*cookie] = ProcessClass{clsid, std::u16string(progId), ComPtr<IUnknown>(factory)};
    ClassesChanged(s);
    return S_OK;
}

ScopedClassOverride::ScopedClassOverride(REFCLSID clsid, std::u16string_view progId, IUnknown* factory) {
    State& s = Registry();
    std::lock_guard lock(s.mutex);
    cookie_ = s.nextCookie++;
    s.processClasses[cookie_] = ProcessClass{clsid, std::u16string(progId), ComPtr<IUnknown>(factory)};
    ClassesChanged(s);
}

ScopedClassOverride::~ScopedClassOverride() { CoRevokeClassObject(cookie_); }
}  // namespace tlx
