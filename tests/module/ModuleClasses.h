// Test support: the module's classes registered in this process under their ProgIDs, as registering
// the library makes them known to the host, and reading properties of an object by name.
#pragma once

#include <gtest/gtest.h>

#include <vector>

#include "mv_deklaracje/library/Module.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"

class RegisteredModuleClasses {
public:
    RegisteredModuleClasses() {
        for (const ObjectMapEntry& entry : ObjectMap()) {
            tlx::ComPtr<IUnknown> factory;
            EXPECT_EQ(entry.getClassObject(IID_IUnknown, factory.OutVoid()), S_OK);
            DWORD cookie = 0;
            EXPECT_EQ(tlx::RegisterProcessClass(entry.clsid, entry.progId, factory.Get(), &cookie), S_OK);
            cookies_.push_back(cookie);
        }
    }
    ~RegisteredModuleClasses() {
        for (DWORD cookie : cookies_) CoRevokeClassObject(cookie);
    }
    RegisteredModuleClasses(const RegisteredModuleClasses&) = delete;
    RegisteredModuleClasses& operator=(const RegisteredModuleClasses&) = delete;

private:
    std::vector<DWORD> cookies_;
};

// Reads a property by name through IDispatch; the HRESULT of the call and the value.
inline HRESULT ReadProperty(IDispatch* object, const char16_t* name, tlx::Variant& value) {
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    if (HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id); FAILED(hr)) return hr;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    return object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none, value.Out(), nullptr,
                          nullptr);
}
