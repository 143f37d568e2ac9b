#include "platform/ado/StoredTexts.h"

#include <cstring>

namespace tlx::ado {

const char* StoredTexts::Keep(const char* text, std::size_t length) {
    char* kept = blocks_.Take(length + 1);
    if (length) std::memcpy(kept, text, length);
    kept[length] = '\0';
    return kept;
}

}  // namespace tlx::ado
