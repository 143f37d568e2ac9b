// Blocks of memory of one size that row sets keep their rows, values and texts in, kept by each thread
// for its next row sets when a row set ends. A large result read again and again would otherwise take
// fresh pages from the kernel every time (the allocator hands the freed top of its heap back at once),
// which costs more than reading the rows. A thread keeps at most kKeptBlocks; the rest are freed.
#pragma once

#include <cstddef>

namespace tlx::ado {

class BlockCache {
public:
    static constexpr std::size_t kBlockBytes = 64 * 1024;
    static constexpr std::size_t kKeptBlocks = 256;

    // kBlockBytes, uninitialised, aligned for any object.
    static void* Take();
    // A block from Take (of any thread), kept or freed.
    static void Give(void* block) noexcept;
};

}  // namespace tlx::ado
