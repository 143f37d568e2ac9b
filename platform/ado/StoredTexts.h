// The texts of the values a row set read, each kept once with a closing NUL in blocks that never move,
// so that a stored value points at its text for the row set's life.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

namespace tlx::ado {

class StoredTexts {
public:
    // A copy of `length` bytes and a NUL after them.
    const char* Keep(const char* text, std::size_t length);

private:
    // Blocks grow from a few texts' room to this, so that a small result keeps a small block.
    static constexpr std::size_t kFirstBlockSize = 256;
    static constexpr std::size_t kLargestBlockSize = 64 * 1024;
    std::vector<std::unique_ptr<char[]>> blocks_;
    std::size_t used_ = 0;
    std::size_t size_ = 0;
};

}  // namespace tlx::ado
