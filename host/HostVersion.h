// The host library's file version, which the module writes into its export headers.
#pragma once

namespace tlx::host {

// The name under which the host library's version is registered, as the library is named on Windows.
inline constexpr char16_t kHostLibraryFileName[] = u"TLX_AX.dll";

// Registers the project's four-part version under the host library's name.
void RegisterHostVersion();

}  // namespace tlx::host
