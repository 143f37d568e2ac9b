// Counts kept by object identity in one flat table, for a session's look at what holds its objects:
// a large session lists every item of its collections (a hundred thousand for a run that adds an
// attachment per employee), and a table that allocated a node for each cost more than the look itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/com/Unknown.h"

namespace tlx::host {

// The top `bits` bits (1 to 63) of an object identity's multiplicative hash: objects are aligned, and the
// product's high bits spread them over a table of 2^bits places.
inline std::size_t IdentityHash(const IUnknown* identity, int bits) {
    return static_cast<std::size_t>((reinterpret_cast<std::uintptr_t>(identity) * 0x9E3779B97F4A7C15ULL) >> (64 - bits));
}

class IdentityCounts {
public:
    // `expected`: about how many identities will be added (the table grows past it if need be).
    explicit IdentityCounts(std::size_t expected);
    // Adds `count` to the identity's (0 makes it known with nothing counted); a null identity is ignored.
    void Add(IUnknown* identity, ULONG count);
    bool Contains(IUnknown* identity) const;
    // Calls `visit(identity, count)` for every identity added, in no particular order, until it answers
    // true; answers whether one did.
    template <class Visit>
    bool Any(Visit visit) const {
        for (const Slot& slot : slots_)
            if (slot.identity && visit(slot.identity, slot.count)) return true;
        return false;
    }

private:
    struct Slot {
        IUnknown* identity = nullptr;
        ULONG count = 0;
    };
    // The slot that holds the identity, or the empty one where it would go.
    std::size_t SlotOf(IUnknown* identity) const;
    void Grow();

    std::vector<Slot> slots_;  // a power of two, never more than half full
    std::size_t used_ = 0;
};

}  // namespace tlx::host
