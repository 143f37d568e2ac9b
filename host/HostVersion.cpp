#include "host/HostVersion.h"

#include <cstdint>

#include "platform/res/FileVersion.h"

namespace tlx::host {

void RegisterHostVersion() {
    RegisterFileVersion(kHostLibraryFileName,
                        {static_cast<std::uint16_t>(TLX_VERSION_MAJOR), static_cast<std::uint16_t>(TLX_VERSION_MINOR),
                         static_cast<std::uint16_t>(TLX_VERSION_PATCH), static_cast<std::uint16_t>(TLX_VERSION_TWEAK)});
}

}  // namespace tlx::host
