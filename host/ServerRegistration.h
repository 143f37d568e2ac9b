// Registration of an in-process server library, as a setup program does it: load the library and call
// its DllRegisterServer or DllUnregisterServer.
#pragma once

#include <string>

#include "platform/com/Types.h"

namespace tlx::host {
// Failures (a library that cannot be loaded or lacks the entry point) answer a failing HRESULT with an
// error object that names the library.
HRESULT RegisterServer(const std::string& libraryPath);
HRESULT UnregisterServer(const std::string& libraryPath);
}  // namespace tlx::host
