#include "platform/ado/RowEdits.h"

#include <limits>

namespace tlx::ado {

std::unique_ptr<RowEdits> RowEdits::Make(std::size_t count) {
    if (count > std::numeric_limits<std::uint32_t>::max()) throw std::bad_alloc();
    void* memory = ::operator new(sizeof(RowEdits) + count * sizeof(RowValue));
    auto* edits = new (memory) RowEdits(count);
    std::span<RowValue> values = edits->Values();
    for (std::size_t c = 0; c < count; ++c) new (&values[c]) RowValue(RowValue::Null());
    return std::unique_ptr<RowEdits>(edits);
}

void RowEdits::operator delete(RowEdits* edits, std::destroying_delete_t) {
    std::span<RowValue> values = edits->Values();
    for (RowValue& value : values) value.~RowValue();
    edits->~RowEdits();
    ::operator delete(edits);
}

std::unique_ptr<RowValue[]> RowEdits::CopyOfValues() const {
    auto copy = std::make_unique<RowValue[]>(count_);
    for (std::size_t c = 0; c < count_; ++c) copy[c] = Values()[c];
    return copy;
}

std::unique_ptr<RowEdits> RowEdits::Clone() const {
    std::unique_ptr<RowEdits> copy = Make(count_);
    for (std::size_t c = 0; c < count_; ++c) copy->Values()[c] = Values()[c];
    if (underlying) {
        copy->underlying = std::make_unique<RowValue[]>(count_);
        for (std::size_t c = 0; c < count_; ++c) copy->underlying[c] = underlying[c];
    }
    copy->assigned = assigned;
    return copy;
}

}  // namespace tlx::ado
