// The folder that stands for a remote user's machine, and where a name on that machine lands in it
// (see hostapi/Files.h).
#pragma once

#include <filesystem>
#include <string_view>

#include "platform/com/Guid.h"

namespace tlx::host {

// $TLX_CLIENT_ROOT, or tlx-klient in the system's temporary folder.
std::filesystem::path ClientRoot();

// The place of `name` in the client folder: the drive ("C:") becomes the first folder, backslashes and
// slashes separate folders, empty and "." pieces are skipped. A name holding ".." is refused with
// E_ACCESSDENIED; an empty name, one of separators only or one holding a NUL with E_INVALIDARG (both
// HostError with `iid` and a message naming the name).
std::filesystem::path MapClientPath(std::u16string_view name, REFIID iid);

// Writes `bytes` to the mapped name, making its folders, through a temporary file renamed into place.
std::filesystem::path DeliverToClient(std::u16string_view name, std::string_view bytes, REFIID iid);

}  // namespace tlx::host
