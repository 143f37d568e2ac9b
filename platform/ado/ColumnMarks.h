// Which columns of a row were written: a bit for each column, held in the object itself for rows of up
// to 64 columns (a row of a save of many new rows keeps these marks twice, its own and the transaction's
// copy, so they take no allocation of their own). Empty (no marks at all) until Reset gives it its
// columns.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

namespace tlx::ado {

class ColumnMarks {
public:
    ColumnMarks() = default;
    ColumnMarks(const ColumnMarks& other) : count_(other.count_), bits_(other.bits_) {
        if (other.more_) {
            more_ = std::make_unique<std::uint64_t[]>(MoreWords());
            for (std::size_t i = 0; i < MoreWords(); ++i) more_[i] = other.more_[i];
        }
    }
    ColumnMarks& operator=(const ColumnMarks& other) {
        if (this != &other) *this = ColumnMarks(other);
        return *this;
    }
    ColumnMarks(ColumnMarks&& other) noexcept
        : count_(other.count_), bits_(other.bits_), more_(std::move(other.more_)) {
        other.count_ = 0;
        other.bits_ = 0;
    }
    ColumnMarks& operator=(ColumnMarks&& other) noexcept {
        count_ = other.count_;
        bits_ = other.bits_;
        more_ = std::move(other.more_);
        other.count_ = 0;
        other.bits_ = 0;
        return *this;
    }

    // No marks at all (not even cleared ones): nothing was written since the marks were cleared.
    bool Empty() const { return count_ == 0; }
    // `count` columns, none marked.
    void Reset(std::size_t count) {
        count_ = static_cast<std::uint32_t>(count);
        bits_ = 0;
        more_.reset();
        if (count > kInlineBits) more_ = std::make_unique<std::uint64_t[]>(MoreWords());
    }
    void Clear() { Reset(0); }
    void Mark(std::size_t column) { Word(column) |= Bit(column); }
    bool Marked(std::size_t column) const {
        return column < count_ && (const_cast<ColumnMarks*>(this)->Word(column) & Bit(column)) != 0;
    }

private:
    static constexpr std::size_t kInlineBits = 64;

    std::size_t MoreWords() const { return count_ > kInlineBits ? (count_ - kInlineBits + 63) / 64 : 0; }
    std::uint64_t& Word(std::size_t column) {
        return column < kInlineBits ? bits_ : more_[(column - kInlineBits) / 64];
    }
    static std::uint64_t Bit(std::size_t column) { return std::uint64_t{1} << (column % 64); }

    std::uint32_t count_ = 0;
    std::uint64_t bits_ = 0;
    std::unique_ptr<std::uint64_t[]> more_;  // the columns after the first 64
};

}  // namespace tlx::ado
