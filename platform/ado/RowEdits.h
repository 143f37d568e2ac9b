// What writing a row gives it of its own: its shown values, the database's values once they differ from
// the shown ones, and which fields were written. Made in one allocation with room for a value of every
// column right after it, since a save of many new rows holds one for each of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>
#include <span>

#include "platform/ado/ColumnMarks.h"
#include "platform/ado/RowValue.h"

namespace tlx::ado {

class RowEdits {
public:
    // Every shown value NULL.
    static std::unique_ptr<RowEdits> Make(std::size_t count);
    std::unique_ptr<RowEdits> Clone() const;
    RowEdits(const RowEdits&) = delete;
    RowEdits& operator=(const RowEdits&) = delete;
    // Destroys the values after the object too and frees the one allocation.
    void operator delete(RowEdits* edits, std::destroying_delete_t);
    // Public only because some compilers check it at a delete even though the destroying delete runs it.
    ~RowEdits() = default;

    std::size_t Count() const { return count_; }
    // As the recordset shows them.
    std::span<RowValue> Values() { return {reinterpret_cast<RowValue*>(this + 1), count_}; }
    std::span<const RowValue> Values() const { return {reinterpret_cast<const RowValue*>(this + 1), count_}; }
    // A copy of the shown values, for `underlying`.
    std::unique_ptr<RowValue[]> CopyOfValues() const;

    // As the database holds them, Count() of them; null while they are the shown values, and for a new
    // row, whose database values are all NULL.
    std::unique_ptr<RowValue[]> underlying;
    ColumnMarks assigned;  // written since read (or since added); empty until a write

private:
    explicit RowEdits(std::size_t count) : count_(static_cast<std::uint32_t>(count)) {}

    std::uint32_t count_;
};
static_assert(sizeof(RowEdits) % alignof(RowValue) == 0);
// A new row of a save of many rows holds one: its header stays three words.
static_assert(sizeof(RowEdits) <= 3 * sizeof(void*));

}  // namespace tlx::ado
