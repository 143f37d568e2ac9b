// Growth of the lists a row set and its collection keep for each of their rows. A save of many new
// declarations holds thousands of small row sets of a few dozen rows each; a list grown by doubling
// leaves up to half of its room unused, so these lists grow by half of what they hold instead.
#pragma once

#include <cstddef>
#include <vector>

namespace tlx::ado {

// Room before the first growth.
inline constexpr std::size_t kFirstListRoom = 4;

// Room for one more element at the end of `list` (its elements move only when it has none).
template <class T>
void ReserveOneMore(std::vector<T>& list) {
    if (list.size() < list.capacity()) return;
    list.reserve(list.size() + list.size() / 2 + kFirstListRoom);
}

}  // namespace tlx::ado
