#include "host/session/IdentityCounts.h"

#include <bit>

namespace tlx::host {

IdentityCounts::IdentityCounts(std::size_t expected) : slots_(std::bit_ceil(expected * 2 + 2)) {}

std::size_t IdentityCounts::SlotOf(IUnknown* identity) const {
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = IdentityHash(identity, std::countr_zero(slots_.size()));
    while (slots_[at].identity && slots_[at].identity != identity) at = (at + 1) & mask;
    return at;
}

void IdentityCounts::Add(IUnknown* identity, ULONG count) {
    if (!identity) return;
    if ((used_ + 1) * 2 > slots_.size()) Grow();
    Slot& slot = slots_[SlotOf(identity)];
    if (!slot.identity) {
        slot.identity = identity;
        ++used_;
    }
    slot.count += count;
}

bool IdentityCounts::Contains(IUnknown* identity) const { return identity && slots_[SlotOf(identity)].identity; }

void IdentityCounts::Grow() {
    std::vector<Slot> old(slots_.size() * 2);
    old.swap(slots_);
    for (const Slot& slot : old)
        if (slot.identity) slots_[SlotOf(slot.identity)] = slot;
}

}  // namespace tlx::host
