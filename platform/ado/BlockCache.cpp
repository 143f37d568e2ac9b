#include "platform/ado/BlockCache.h"

#include <new>
#include <vector>

namespace tlx::ado {
namespace {

// Set once the thread's kept blocks are destroyed. A row set released later on that thread (by another
// thread-local object, or by a static destructor on the main thread, whose thread-locals go first) then
// takes and frees its blocks directly: the destroyed list can never be written to again. A plain bool
// has no destructor, so it stays readable to the thread's very end.
thread_local bool tKeptGone = false;

struct KeptBlocks {
    std::vector<void*> blocks;
    KeptBlocks() { blocks.reserve(BlockCache::kKeptBlocks); }
    ~KeptBlocks() {
        for (void* block : blocks) ::operator delete(block);
        blocks.clear();
        tKeptGone = true;
    }
};

KeptBlocks& Kept() {
    thread_local KeptBlocks kept;
    return kept;
}

}  // namespace

void* BlockCache::Take() {
    if (tKeptGone) return ::operator new(kBlockBytes);
    std::vector<void*>& blocks = Kept().blocks;
    if (blocks.empty()) return ::operator new(kBlockBytes);
    void* block = blocks.back();
    blocks.pop_back();
    return block;
}

void BlockCache::Give(void* block) noexcept {
    if (tKeptGone) {
        ::operator delete(block);
        return;
    }
    std::vector<void*>& blocks = Kept().blocks;
    if (blocks.size() < kKeptBlocks)
        blocks.push_back(block);  // the room was reserved: never allocates
    else
        ::operator delete(block);
}

}  // namespace tlx::ado
