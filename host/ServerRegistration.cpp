#include "host/ServerRegistration.h"

#include <dlfcn.h>

#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace tlx::host {
namespace {
HRESULT CallEntry(const std::string& path, const char* entry) {
    void* handle = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = ::dlerror();
        return SetErrorText(CO_E_DLLNOTFOUND,
                            Utf8ToUtf16("Cannot load the library " + path + ": " + (why ? why : "unknown reason")));
    }
    auto fn = reinterpret_cast<HRESULT (*)()>(::dlsym(handle, entry));
    HRESULT hr = fn ? fn() : SetErrorText(CO_E_ERRORINDLL, Utf8ToUtf16("The library " + path + " does not export " + entry));
    ::dlclose(handle);
    return hr;
}
}  // namespace

HRESULT RegisterServer(const std::string& libraryPath) { return CallEntry(libraryPath, "DllRegisterServer"); }
HRESULT UnregisterServer(const std::string& libraryPath) { return CallEntry(libraryPath, "DllUnregisterServer"); }
}  // namespace tlx::host
