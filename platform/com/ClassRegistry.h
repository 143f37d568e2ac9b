// Object creation by CLSID or ProgID. Classes that the process registers (the host's) are found first;
// then the registry: a ProgID's "CLSID" subkey, a class's "InprocServer32" library, which is loaded with
// dlopen and asked through its DllGetClassObject.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/com/Unknown.h"

HRESULT CoCreateInstance(REFCLSID clsid, IUnknown* outer, DWORD context, REFIID iid, void** object);
HRESULT CoGetClassObject(REFCLSID clsid, DWORD context, void* reserved, REFIID iid, void** object);
// Puts a created object into its running state. Every class here serves from within this process, so an
// object is running once created: S_OK for any object, E_INVALIDARG for none.
HRESULT OleRun(IUnknown* object);

// REGCLS_MULTIPLEUSE is the one registration flag honoured: a process class serves every caller.
inline constexpr DWORD REGCLS_MULTIPLEUSE = 1;
HRESULT CoRegisterClassObject(REFCLSID clsid, IUnknown* factory, DWORD context, DWORD flags, DWORD* cookie);
HRESULT CoRevokeClassObject(DWORD cookie);

// CO_E_CLASSSTRING when the ProgID is known neither to the process nor to the registry. A braced
// CLSID text is accepted as well.
HRESULT CLSIDFromProgID(LPCOLESTR progId, CLSID* clsid);
// REGDB_E_CLASSNOTREG when the class has no ProgID; the text is freed with CoTaskMemFree.
HRESULT ProgIDFromCLSID(REFCLSID clsid, LPOLESTR* progId);

void* CoTaskMemAlloc(std::size_t size);
void CoTaskMemFree(void* block);

// Unloads the libraries whose DllCanUnloadNow answers S_OK.
void CoFreeUnusedLibraries();

namespace tlx {
// Registers a class of this process under a ProgID as well (the host's own classes); revoke the cookie
// with CoRevokeClassObject.
HRESULT RegisterProcessClass(REFCLSID clsid, std::u16string_view progId, IUnknown* factory, DWORD* cookie);

// Stands a class factory in for a class, by CLSID and ProgID, ahead of every earlier registration while
// the object lives (tests replace the host's components so). A null factory hides the class: creating it
// answers REGDB_E_CLASSNOTREG.
class ScopedClassOverride {
public:
    ScopedClassOverride(REFCLSID clsid, std::u16string_view progId, IUnknown* factory);
    ~ScopedClassOverride();
    ScopedClassOverride(const ScopedClassOverride&) = delete;
    ScopedClassOverride& operator=(const ScopedClassOverride&) = delete;

private:
    DWORD cookie_ = 0;
};
}  // namespace tlx
