// The built module library, loaded by its path for one test and unloaded after it.
#pragma once

#include <dlfcn.h>

#include <string>

#include "platform/com/Unknown.h"

class ModuleLibrary {
public:
    ModuleLibrary() : handle_(::dlopen(TLX_MODULE_PATH, RTLD_NOW | RTLD_LOCAL)) {}
    ~ModuleLibrary() {
        if (handle_) ::dlclose(handle_);
    }
    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    bool Loaded() const { return handle_ != nullptr; }
    static std::u16string Path() {
        std::string path = TLX_MODULE_PATH;
        return std::u16string(path.begin(), path.end());
    }

    HRESULT DllRegisterServer() const { return Call<HRESULT (*)()>("DllRegisterServer")(); }
    HRESULT DllUnregisterServer() const { return Call<HRESULT (*)()>("DllUnregisterServer")(); }
    HRESULT DllCanUnloadNow() const { return Call<HRESULT (*)()>("DllCanUnloadNow")(); }
    HRESULT DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) const {
        return Call<HRESULT (*)(REFCLSID, REFIID, void**)>("DllGetClassObject")(clsid, iid, out);
    }

private:
    template <class Fn>
    Fn Call(const char* name) const {
        return reinterpret_cast<Fn>(::dlsym(handle_, name));
    }

    void* handle_;
};
