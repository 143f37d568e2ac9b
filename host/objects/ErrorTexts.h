// The host's user-facing texts of its error codes, in the form "message|details" (hostapi/Errors.h).
#pragma once

#include <optional>
#include <string>

#include "platform/com/Types.h"

namespace tlx::host {

// The text of a host code, or nothing for a code the host does not know.
std::optional<std::u16string> HostErrorText(HRESULT code);

}  // namespace tlx::host
