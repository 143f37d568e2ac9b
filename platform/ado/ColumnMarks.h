// Which columns of a row were written: a bit for each column. A row of a save of many new rows keeps
// these marks twice (its own and the transaction's copy), so they take one word and no allocation while
// only columns 0..62 are marked: the word holds their bits above a low bit that tells it from a pointer.
// A row that marks a column after them, the rare wider row, moves every mark to a block of words then.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace tlx::ado {

class ColumnMarks {
public:
    ColumnMarks() = default;
    ColumnMarks(const ColumnMarks& other) : word_(other.word_) {
        if (const std::uint64_t* block = other.Block()) {
            std::size_t words = static_cast<std::size_t>(block[0]) + 1;
            auto* copy = new std::uint64_t[words];
            std::copy_n(block, words, copy);
            word_ = reinterpret_cast<std::uintptr_t>(copy);
        }
    }
    ColumnMarks& operator=(const ColumnMarks& other) {
        if (this != &other) *this = ColumnMarks(other);
        return *this;
    }
    ColumnMarks(ColumnMarks&& other) noexcept : word_(other.word_) { other.word_ = 0; }
    ColumnMarks& operator=(ColumnMarks&& other) noexcept {
        if (this != &other) {
            Clear();
            word_ = other.word_;
            other.word_ = 0;
        }
        return *this;
    }
    ~ColumnMarks() { Clear(); }

    // No column marked.
    void Clear() {
        delete[] Block();
        word_ = 0;
    }
    // Marks a column of a row of `count` columns.
    void Mark(std::size_t column, std::size_t count) {
        if (!Block() && column < kInlineColumns) {
            word_ |= kInline | InlineBit(column);
            return;
        }
        std::size_t words = (std::max(count, column + 1) + 63) / 64;
        std::uint64_t* block = Block();
        if (!block || column / 64 >= block[0]) block = Grow(words);
        block[1 + column / 64] |= std::uint64_t{1} << (column % 64);
    }
    bool Marked(std::size_t column) const {
        if (const std::uint64_t* block = Block())
            return column / 64 < block[0] && (block[1 + column / 64] & (std::uint64_t{1} << (column % 64))) != 0;
        return column < kInlineColumns && (word_ & InlineBit(column)) != 0;
    }

private:
    static constexpr std::uintptr_t kInline = 1;  // the word holds marks, not a block's address
    static constexpr std::size_t kInlineColumns = 63;
    static_assert(sizeof(std::uintptr_t) * 8 > kInlineColumns);

    static std::uintptr_t InlineBit(std::size_t column) { return std::uintptr_t{1} << (column + 1); }
    // The block of words (its count of words first, then column 0's word on), null while the marks are
    // in the word itself.
    std::uint64_t* Block() const {
        return word_ != 0 && (word_ & kInline) == 0 ? reinterpret_cast<std::uint64_t*>(word_) : nullptr;
    }
    // A block of `words` words (zeroed) with the marks made so far.
    std::uint64_t* Grow(std::size_t words) {
        auto* grown = new std::uint64_t[words + 1]();
        grown[0] = words;
        if (std::uint64_t* block = Block()) {
            std::copy_n(block + 1, std::min<std::size_t>(block[0], words), grown + 1);
            delete[] block;
        } else {
            for (std::size_t column = 0; column < kInlineColumns; ++column)
                if (word_ & InlineBit(column)) grown[1 + column / 64] |= std::uint64_t{1} << (column % 64);
        }
        word_ = reinterpret_cast<std::uintptr_t>(grown);
        return grown;
    }

    // 0: nothing marked; kInline set: the marks of columns 0..62 above it; else the block's address.
    std::uintptr_t word_ = 0;
};

}  // namespace tlx::ado
