// Windows paths with a drive letter on Linux, which has no drives: a path "X:/…" or "X:\…" names a file
// under the folder that the environment variable TLX_DRIVE_X names (the letter upper-cased), with
// backslashes taken as folder separators. Other paths are taken as they are.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tlx {

// The variable that stands for the drive of `path` ("TLX_DRIVE_Z"), or nothing for a path without a
// drive letter.
std::optional<std::string> DriveVariableOf(std::u16string_view path);

// The path of this machine (UTF-8) for `path`: a drive path mapped under its variable's folder, any
// other path unchanged. A drive path whose variable is unset or empty answers nothing.
std::optional<std::string> NativePath(std::u16string_view path);

}  // namespace tlx
