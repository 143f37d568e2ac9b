#include "platform/ado/BlockCache.h"

#include <new>
#include <vector>

namespace tlx::ado {
namespace {

struct KeptBlocks {
    std::vector<void*> blocks;
    KeptBlocks() { blocks.reserve(BlockCache::kKeptBlocks); }
    ~KeptBlocks() {
        for (void* block : blocks) ::operator delete(block);
    }
};

KeptBlocks& Kept() {
    thread_local KeptBlocks kept;
    return kept;
}

}  // namespace

void* BlockCache::Take() {
    std::vector<void*>& blocks = Kept().blocks;
    if (blocks.empty()) return ::operator new(kBlockBytes);
    void* block = blocks.back();
    blocks.pop_back();
    return block;
}

void BlockCache::Give(void* block) noexcept {
    std::vector<void*>& blocks = Kept().blocks;
    if (blocks.size() < kKeptBlocks)
        blocks.push_back(block);  // the room was reserved: never allocates
    else
        ::operator delete(block);
}

}  // namespace tlx::ado
