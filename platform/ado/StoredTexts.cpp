#include "platform/ado/StoredTexts.h"

#include <algorithm>
#include <cstring>

namespace tlx::ado {

const char* StoredTexts::Keep(const char* text, std::size_t length) {
    if (size_ - used_ < length + 1) {
        // A text longer than a block gets a block of its own.
        size_ = std::max(blocks_.empty() ? kFirstBlockSize : std::min(size_ * 2, kLargestBlockSize), length + 1);
        blocks_.push_back(std::make_unique_for_overwrite<char[]>(size_));
        used_ = 0;
    }
    char* kept = blocks_.back().get() + used_;
    if (length) std::memcpy(kept, text, length);
    kept[length] = '\0';
    used_ += length + 1;
    return kept;
}

}  // namespace tlx::ado
