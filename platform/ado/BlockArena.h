// Room for objects of one type in blocks that never move, so that what is taken keeps its address for
// the arena's life. Blocks grow with what is taken, from a few objects' room to a BlockCache block;
// blocks of that size come from the thread's BlockCache and go back to it. Each new block holds half of
// what the arena holds so far rather than doubling it, since a save of many new rows keeps thousands of
// small row sets: so at most a third of their room is left unused, not a half. Objects are made when their
// block is made and destroyed with the arena, except those of a trivially copyable and destructible type
// (a stored value, a text's bytes): their block is left as it came, and whoever takes room writes it.
// A block carries its own header, chaining it to the one before, so that an arena is three words and a
// row set's arenas take no allocation beside their blocks.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <new>
#include <type_traits>

#include "platform/ado/BlockCache.h"

namespace tlx::ado {

template <class T>
class BlockArena {
    // Each block begins with this header, which chains it to the block before; the objects follow it.
    struct Block {
        Block* previous;
        std::size_t size;  // room for objects
        std::size_t used;
    };
    static_assert(alignof(T) <= alignof(std::max_align_t) && alignof(Block) <= alignof(std::max_align_t));
    static constexpr std::size_t kHeader = (sizeof(Block) + alignof(T) - 1) / alignof(T) * alignof(T);

public:
    // Room for the most objects a cached block holds.
    static constexpr std::size_t kFullBlock = (BlockCache::kBlockBytes - kHeader) / sizeof(T);
    static_assert(kFullBlock > 0);

    explicit BlockArena(std::size_t firstBlock) : firstSize_(std::clamp<std::size_t>(firstBlock, 1, kFullBlock)) {}
    BlockArena(const BlockArena&) = delete;
    BlockArena& operator=(const BlockArena&) = delete;
    ~BlockArena() {
        while (last_) {
            Block* previous = last_->previous;
            Free(last_);
            last_ = previous;
        }
    }

    // `count` objects next to each other.
    T* Take(std::size_t count) {
        if (!last_ || last_->size - last_->used < count) AddBlock(count);
        T* taken = Items(last_) + last_->used;
        last_->used += count;
        return taken;
    }

private:
    static constexpr bool kLeftUnmade = std::is_trivially_copyable_v<T> && std::is_trivially_destructible_v<T>;

    static T* Items(Block* block) { return reinterpret_cast<T*>(reinterpret_cast<char*>(block) + kHeader); }

    void AddBlock(std::size_t count) {
        std::size_t size = std::max(std::min(std::max(firstSize_, held_ / 2), kFullBlock), count);
        void* memory = size == kFullBlock ? BlockCache::Take() : ::operator new(kHeader + size * sizeof(T));
        Block* block = ::new (memory) Block{last_, size, 0};
        if constexpr (!kLeftUnmade) {
            try {
                std::uninitialized_default_construct_n(Items(block), size);
            } catch (...) {
                Release(block);
                throw;
            }
        }
        last_ = block;
        held_ += size;
    }
    static void Release(Block* block) noexcept {
        if (block->size == kFullBlock)
            BlockCache::Give(block);
        else
            ::operator delete(block);
    }
    static void Free(Block* block) noexcept {
        if constexpr (!kLeftUnmade) std::destroy_n(Items(block), block->size);
        Release(block);
    }

    Block* last_ = nullptr;  // the newest block, whose room is taken next
    std::size_t firstSize_;
    std::size_t held_ = 0;  // room of every block
};

}  // namespace tlx::ado
