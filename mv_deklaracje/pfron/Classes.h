// The classes of the PFRON declarations that the library's object map registers.
#pragma once

#include <cstddef>
#include <span>

#include "mv_deklaracje/core/ObjectMapEntry.h"

namespace pfron {
inline constexpr std::size_t kClassCount = 4;
std::span<const ObjectMapEntry> Classes();
}  // namespace pfron
