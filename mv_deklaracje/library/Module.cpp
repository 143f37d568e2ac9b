// The library's entry points: class objects from the object map, the unload check, registration.
#include "mv_deklaracje/library/Module.h"

#include "mv_deklaracje_tlb.h"
#include "mv_deklaracje/library/ClassRegistration.h"
#include "platform/com/ComObject.h"
#include "platform/registry/Registry.h"
#include "platform/text/CodePage.h"

#define TLX_EXPORT extern "C" __attribute__((visibility("default")))

void CDeklaracjeModule::Init(std::span<const ObjectMapEntry> map, HINSTANCE instance, REFGUID libid) {
    map_ = map;
    instance_ = instance;
    libid_ = libid;
}

// Class objects are made per request, so ending the module has nothing of them to release.
void CDeklaracjeModule::Term() {
    map_ = {};
    instance_ = nullptr;
}

HRESULT CDeklaracjeModule::GetClassObject(REFCLSID clsid, REFIID iid, void** out) const {
    if (!out) return E_POINTER;
    *out = nullptr;
    for (const ObjectMapEntry& entry : map_)
        if (entry.clsid == clsid) return entry.getClassObject(iid, out);
    return CLASS_E_CLASSNOTAVAILABLE;
}

HRESULT CDeklaracjeModule::RegisterServer() const {
    std::u16string path = ModulePath();
    return tlx::UpdateRegistry([&](tlx::RegistryTree& tree) {
        for (const ObjectMapEntry& entry : map_) WriteClassRegistration(tree, entry, path);
        WriteTypeLibRegistration(tree, path);
    });
}

HRESULT CDeklaracjeModule::UnregisterServer() const {
    return tlx::UpdateRegistry([&](tlx::RegistryTree& tree) {
        for (const ObjectMapEntry& entry : map_) RemoveClassRegistration(tree, entry);
        RemoveTypeLibRegistration(tree);
    });
}

long CDeklaracjeModule::GetLockCount() const { return tlx::ThisModule().Count(); }

CDeklaracjeModule& Module() {
    static CDeklaracjeModule module;
    return module;
}

namespace {
// Process attach and detach of the library.
__attribute__((constructor)) void AttachModule() {
    Module().Init(ObjectMap(), ModuleResources(), LIBID_MV_DEKLARACJELib);
}
__attribute__((destructor)) void DetachModule() { Module().Term(); }
}  // namespace

TLX_EXPORT HRESULT DllCanUnloadNow() { return Module().GetLockCount() == 0 ? S_OK : S_FALSE; }

TLX_EXPORT HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    return Module().GetClassObject(clsid, iid, out);
}

TLX_EXPORT HRESULT DllRegisterServer() { return Module().RegisterServer(); }

TLX_EXPORT HRESULT DllUnregisterServer() { return Module().UnregisterServer(); }
