#include "host/collections/PendingChanges.h"

#include <algorithm>
#include <atomic>

#include "host/collections/HostCollection.h"
#include "host/session/HostSession.h"

namespace tlx::host {
namespace {

// Numbers the walks, so that a collection tells by its mark whether this walk passed it already
// (sessions on other threads walk too).
std::atomic<unsigned long> g_walks{0};

}  // namespace

bool PendingChanges::Below(IUnknown* item) {
    Work();
    return std::binary_search(marked_.begin(), marked_.end(), item);
}

const std::vector<IUnknown*>& PendingChanges::Items() {
    Work();
    return marked_;
}

void PendingChanges::Work() {
    if (worked_) return;
    worked_ = true;
    walk_ = ++g_walks;
    for (HostCollection* collection : session_->CollectionsWithPendingRows()) MarkUpFrom(collection);
    std::sort(marked_.begin(), marked_.end());
    marked_.erase(std::unique(marked_.begin(), marked_.end()), marked_.end());
}

void PendingChanges::MarkUpFrom(HostCollection* collection) {
    // A collection passed already in this walk marked everything above it: a loop of parents ends too.
    while (collection && collection->sessionMarks.walk != walk_) {
        collection->sessionMarks.walk = walk_;
        IUnknown* parent = collection->ParentIdentity();
        if (!parent) return;
        marked_.push_back(parent);
        collection = HolderOfParent(collection, parent);
    }
}

// An item is made by one collection for one of its rows, and a parent is kept alive by the session for
// the child collection's life: the collection found stays the answer while it is registered and has
// dropped no item (so it still holds this one), and "none" stays the answer for that parent.
HostCollection* PendingChanges::HolderOfParent(HostCollection* collection, IUnknown* parent) {
    HostCollection::SessionMarks& marks = collection->sessionMarks;
    if (marks.holderFor == parent &&
        (!marks.holder || (session_->Registered(marks.holder, marks.holderRegistration) &&
                           marks.holder->sessionMarks.itemsDropped == marks.holderDropped)))
        return marks.holder;
    marks.holderFor = parent;
    marks.holder = session_->MakerOf(parent, &marks.holderRegistration);
    marks.holderDropped = marks.holder ? marks.holder->sessionMarks.itemsDropped : 0;
    return marks.holder;
}

}  // namespace tlx::host
