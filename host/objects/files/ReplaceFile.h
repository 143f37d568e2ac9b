// Writing a whole file so that a failure never leaves half of it: the bytes go to a temporary file beside
// the target, which is renamed over the target only once everything is on disk.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include "platform/com/Guid.h"

namespace tlx::host {

// Replaces (or creates) `target` with `bytes`; its folder must exist. On failure the target is as it
// was, no temporary file is left, and a HostError is thrown with `iid` and a message naming the file.
void ReplaceFile(const std::filesystem::path& target, std::string_view bytes, REFIID iid);

// The HRESULT and Polish message of a failed file operation (errno `error`) on `path`.
[[noreturn]] void FailFile(int error, const std::filesystem::path& path, REFIID iid);

}  // namespace tlx::host
