// Room for objects of one type in blocks that never move, so that what is taken keeps its address for
// the arena's life. Blocks grow with what is taken, from a few objects' room to a BlockCache block;
// blocks of that size come from the thread's BlockCache and go back to it. Each new block holds half of
// what the arena holds so far rather than doubling it, since a save of many new rows keeps thousands of
// small row sets: so at most a third of their room is left unused, not a half. Objects are made when their
// block is made and destroyed with the arena, except those of a trivially copyable and destructible type
// (a stored value, a text's bytes): their block is left as it came, and whoever takes room writes it.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>
#include <vector>

#include "platform/ado/BlockCache.h"

namespace tlx::ado {

template <class T>
class BlockArena {
public:
    // Room for the most objects a cached block holds.
    static constexpr std::size_t kFullBlock = BlockCache::kBlockBytes / sizeof(T);
    static_assert(kFullBlock > 0);

    explicit BlockArena(std::size_t firstBlock) : firstSize_(std::clamp<std::size_t>(firstBlock, 1, kFullBlock)) {}
    BlockArena(const BlockArena&) = delete;
    BlockArena& operator=(const BlockArena&) = delete;
    ~BlockArena() {
        for (Block& block : blocks_) Free(block);
    }

    // `count` objects next to each other.
    T* Take(std::size_t count) {
        if (blocks_.empty() || blocks_.back().size - blocks_.back().used < count) AddBlock(count);
        Block& block = blocks_.back();
        T* taken = block.items + block.used;
        block.used += count;
        return taken;
    }

private:
    static constexpr bool kLeftUnmade = std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>;

    struct Block {
        T* items;
        std::size_t size;
        std::size_t used;
    };

    void AddBlock(std::size_t count) {
        std::size_t size = std::max(std::min(std::max(firstSize_, held_ / 2), kFullBlock), count);
        blocks_.reserve(blocks_.size() + 1);
        void* memory = size == kFullBlock ? BlockCache::Take() : ::operator new(size * sizeof(T));
        T* items = static_cast<T*>(memory);
        if constexpr (!kLeftUnmade) {
            try {
                std::uninitialized_default_construct_n(items, size);
            } catch (...) {
                Release(memory, size);
                throw;
            }
        }
        blocks_.push_back(Block{items, size, 0});
        held_ += size;
    }
    static void Release(void* memory, std::size_t size) noexcept {
        if (size == kFullBlock)
            BlockCache::Give(memory);
        else
            ::operator delete(memory);
    }
    static void Free(Block& block) noexcept {
        if constexpr (!kLeftUnmade) std::destroy_n(block.items, block.size);
        Release(block.items, block.size);
    }

    std::vector<Block> blocks_;
    std::size_t firstSize_;
    std::size_t held_ = 0;  // room of every block
};

}  // namespace tlx::ado
