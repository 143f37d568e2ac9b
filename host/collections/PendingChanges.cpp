#include "host/collections/PendingChanges.h"

#include "host/collections/HostCollection.h"
#include "host/session/HostSession.h"

namespace tlx::host {

// Worked from the bottom: only the collections holding pending rows lead anywhere, and there are few of
// them, whereas walking down from every item would visit every item the session ever read at every save.
bool PendingChanges::Below(IUnknown* parent) {
    if (!worked_) {
        worked_ = true;
        collections_ = session_->Collections();
        for (HostCollection* collection : collections_)
            if (IUnknown* owner = collection->ParentIdentity(); owner && collection->HasPendingRows()) MarkUpFrom(owner);
    }
    return marked_.count(parent) != 0;
}

void PendingChanges::MarkUpFrom(IUnknown* item) {
    if (!marked_.insert(item).second) return;  // a loop of parents ends here
    for (HostCollection* holder : HoldersOf(item))
        if (IUnknown* owner = holder->ParentIdentity()) MarkUpFrom(owner);
}

// The first few items are looked for in every collection; past them (a save of many new declarations
// with their children) every item of the session is indexed once, so the marking stays linear.
std::vector<HostCollection*> PendingChanges::HoldersOf(IUnknown* item) {
    constexpr int kLookupsBeforeIndex = 8;
    std::vector<HostCollection*> holders;
    if (++lookups_ <= kLookupsBeforeIndex) {
        for (HostCollection* collection : collections_)
            if (collection->ParentIdentity() && collection->Holds(item)) holders.push_back(collection);
        return holders;
    }
    if (!indexed_) {
        indexed_ = true;
        for (HostCollection* collection : collections_)
            if (collection->ParentIdentity())
                for (IUnknown* identity : collection->ItemIdentities()) holderOf_[identity].push_back(collection);
    }
    if (auto found = holderOf_.find(item); found != holderOf_.end()) holders = found->second;
    return holders;
}

}  // namespace tlx::host
