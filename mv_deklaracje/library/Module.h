// The module object: the library's object map, its instance, its type library and its lock count, from
// which the four exported entry points (DllGetClassObject, DllCanUnloadNow, DllRegisterServer,
// DllUnregisterServer) answer.
#pragma once

#include <span>
#include <string>

#include "platform/com/Unknown.h"
#include "mv_deklaracje/core/ModuleResources.h"
#include "mv_deklaracje/core/ObjectMapEntry.h"

// The 28 classes this library creates, in registration order.
std::span<const ObjectMapEntry> ObjectMap();

class CDeklaracjeModule {
public:
    // Called when the library is attached and detached.
    void Init(std::span<const ObjectMapEntry> map, HINSTANCE instance, REFGUID libid);
    void Term();

    // The class factory of a mapped class; CLASS_E_CLASSNOTAVAILABLE for any other class.
    HRESULT GetClassObject(REFCLSID clsid, REFIID iid, void** out) const;
    // Writes (or removes) every mapped class and the type library in one registry update.
    HRESULT RegisterServer() const;
    HRESULT UnregisterServer() const;

    // Live objects plus class-factory locks.
    long GetLockCount() const;
    HINSTANCE Instance() const { return instance_; }
    const GUID& TypeLibId() const { return libid_; }
    // The file this library was loaded from (the InprocServer32 of every class).
    static std::u16string ModulePath() { return ModuleFilePath(); }

private:
    std::span<const ObjectMapEntry> map_;
    HINSTANCE instance_ = nullptr;
    GUID libid_{};
};

CDeklaracjeModule& Module();
