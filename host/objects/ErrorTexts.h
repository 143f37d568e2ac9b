// The host's user-facing texts of its error codes, in the form "message|details" (hostapi/Errors.h).
#pragma once

#include <optional>
#include <string>

#include "platform/com/Types.h"

namespace tlx::host {

// The text of a host code for IApplication::GetErrorText: "message|details", the message being the
// caller's own text when it gave one and the host's otherwise; nothing for a code the host does not know.
std::optional<std::u16string> HostErrorText(HRESULT code, std::u16string_view callerText);

}  // namespace tlx::host
