// Which columns of a row were written: a bit for each column, held in the object itself for the first 64
// columns (a row of a save of many new rows keeps these marks twice, its own and the transaction's copy,
// so they take no allocation of their own); the bits of the columns after them, for the rare wider row,
// in a block made when one of them is first marked.
#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace tlx::ado {

class ColumnMarks {
public:
    ColumnMarks() = default;
    ColumnMarks(const ColumnMarks& other) : bits_(other.bits_) {
        if (other.more_) {
            std::size_t words = static_cast<std::size_t>(other.more_[0]) + 1;
            more_ = std::make_unique<std::uint64_t[]>(words);
            std::copy_n(other.more_.get(), words, more_.get());
        }
    }
    ColumnMarks& operator=(const ColumnMarks& other) {
        if (this != &other) *this = ColumnMarks(other);
        return *this;
    }
    ColumnMarks(ColumnMarks&& other) noexcept : bits_(other.bits_), more_(std::move(other.more_)) { other.bits_ = 0; }
    ColumnMarks& operator=(ColumnMarks&& other) noexcept {
        bits_ = other.bits_;
        more_ = std::move(other.more_);
        other.bits_ = 0;
        return *this;
    }

    // No column marked.
    void Clear() {
        bits_ = 0;
        more_.reset();
    }
    // Marks a column of a row of `count` columns.
    void Mark(std::size_t column, std::size_t count) {
        if (column < kInlineBits) {
            bits_ |= Bit(column);
            return;
        }
        std::size_t word = (column - kInlineBits) / 64;
        if (!more_ || word >= more_[0]) Grow((std::max(count, column + 1) - kInlineBits + 63) / 64);
        more_[1 + word] |= Bit(column);
    }
    bool Marked(std::size_t column) const {
        if (column < kInlineBits) return (bits_ & Bit(column)) != 0;
        std::size_t word = (column - kInlineBits) / 64;
        return more_ && word < more_[0] && (more_[1 + word] & Bit(column)) != 0;
    }

private:
    static constexpr std::size_t kInlineBits = 64;

    static std::uint64_t Bit(std::size_t column) { return std::uint64_t{1} << (column % 64); }
    // Room for `words` words after the first 64 columns, the marks made kept.
    void Grow(std::size_t words) {
        auto grown = std::make_unique<std::uint64_t[]>(words + 1);  // zeroed
        grown[0] = words;
        if (more_) std::copy_n(more_.get() + 1, std::min<std::size_t>(more_[0], words), grown.get() + 1);
        more_ = std::move(grown);
    }

    std::uint64_t bits_ = 0;                 // columns 0..63
    std::unique_ptr<std::uint64_t[]> more_;  // the number of words after it, then the columns after the 64th
};

}  // namespace tlx::ado
