// The host's user-facing texts of its error codes, in the form "message|details" (hostapi/Errors.h).
#pragma once

#include <optional>
#include <string>

#include "platform/com/Types.h"

namespace tlx::host {

// The text of a host code for IApplication::GetErrorText: "message|details", the message being the
// caller's own text when it gave one and the host's otherwise; nothing for a code the host does not know.
// A caller's text that is a parameter list ("%1%=value%2%=value") is not a wording of its own: its
// values are put into the host's message in place of "%1%", "%2%" ...
std::optional<std::u16string> HostErrorText(HRESULT code, std::u16string_view callerText);

}  // namespace tlx::host
