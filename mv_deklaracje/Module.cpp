// The library's entry points: class objects from the object map, the unload check, registration.
#include "mv_deklaracje/Module.h"

#include "platform/com/ComObject.h"

#define TLX_EXPORT extern "C" __attribute__((visibility("default")))

std::span<const ObjectMapEntry> ObjectMap() { return {}; }

TLX_EXPORT HRESULT DllCanUnloadNow() { return tlx::ThisModule().Count() == 0 ? S_OK : S_FALSE; }

TLX_EXPORT HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    for (const ObjectMapEntry& entry : ObjectMap())
        if (*entry.clsid == clsid) return entry.getClassObject(iid, out);
    return CLASS_E_CLASSNOTAVAILABLE;
}

TLX_EXPORT HRESULT DllRegisterServer() { return S_OK; }

TLX_EXPORT HRESULT DllUnregisterServer() { return S_OK; }
