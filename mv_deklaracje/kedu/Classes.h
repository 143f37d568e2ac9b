// The classes of the KEDU packages that the library's object map registers.
#pragma once

#include <cstddef>
#include <span>

#include "mv_deklaracje/core/ObjectMapEntry.h"

namespace kedu {
inline constexpr std::size_t kClassCount = 2;
std::span<const ObjectMapEntry> Classes();
}  // namespace kedu
