// The classes of the ZUS declarations and reports that the library's object map registers.
#pragma once

#include <cstddef>
#include <span>

#include "mv_deklaracje/core/ObjectMapEntry.h"

namespace zus {
inline constexpr std::size_t kClassCount = 7;
std::span<const ObjectMapEntry> Classes();
}  // namespace zus
