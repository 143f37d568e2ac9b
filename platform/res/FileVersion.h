// The file versions of the process's libraries, standing in for the version resources that a Windows
// library carries: a library registers its four-part version under its file name when it starts, and
// anyone may ask for it by that name.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tlx {

// Most significant part first: 2026.1.0.0 is {2026, 1, 0, 0}.
using FileVersion = std::array<std::uint16_t, 4>;

// Registers (or replaces) the version of the library named `fileName` ("TLX_AX.dll").
void RegisterFileVersion(std::u16string_view fileName, const FileVersion& version);

// The version registered under `fileName`, compared without regard to ASCII case as Windows compares
// file names; nothing for a library that registered none.
std::optional<FileVersion> FindFileVersion(std::u16string_view fileName);

}  // namespace tlx
