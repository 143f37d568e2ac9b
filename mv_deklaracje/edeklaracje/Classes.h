// The classes of the e-declaration that the library's object map registers.
#pragma once

#include <cstddef>
#include <span>

#include "mv_deklaracje/core/ObjectMapEntry.h"

namespace edeklaracje {
inline constexpr std::size_t kClassCount = 1;
std::span<const ObjectMapEntry> Classes();
}  // namespace edeklaracje
