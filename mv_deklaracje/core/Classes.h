// The classes of the configuration views that the library's object map registers.
#pragma once

#include <cstddef>
#include <span>

#include "mv_deklaracje/core/ObjectMapEntry.h"

namespace core {
inline constexpr std::size_t kClassCount = 2;
std::span<const ObjectMapEntry> Classes();
}  // namespace core
