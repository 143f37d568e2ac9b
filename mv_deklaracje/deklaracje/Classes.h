// The classes of the declaration and its records that the library's object map registers.
#pragma once

#include <cstddef>
#include <span>

#include "mv_deklaracje/core/ObjectMapEntry.h"

namespace deklaracje {
inline constexpr std::size_t kClassCount = 12;
std::span<const ObjectMapEntry> Classes();
}  // namespace deklaracje
