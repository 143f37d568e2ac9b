// The texts of the values a row set read, each kept once with a closing NUL in blocks that never move,
// so that a stored value points at its text for the row set's life. Blocks grow from a few texts' room to
// a BlockCache block; a text longer than that gets a block of its own.
#pragma once

#include <cstddef>

#include "platform/ado/BlockArena.h"

namespace tlx::ado {

class StoredTexts {
public:
    // A copy of `length` bytes and a NUL after them.
    const char* Keep(const char* text, std::size_t length);

private:
    static constexpr std::size_t kFirstBlockSize = 256;
    BlockArena<char> blocks_{kFirstBlockSize};
};

}  // namespace tlx::ado
