#include "host/collections/PendingChanges.h"

#include "host/collections/HostCollection.h"
#include "host/session/HostSession.h"

namespace tlx::host {

// Worked from the bottom: only the collections holding pending rows lead anywhere, and there are few of
// them, whereas walking down from every item would visit every item the session ever read at every save.
bool PendingChanges::Below(IUnknown* parent) {
    if (!worked_) {
        worked_ = true;
        for (HostCollection* collection : session_->Collections())
            if (IUnknown* owner = collection->ParentIdentity(); owner && collection->HasPendingRows()) MarkUpFrom(owner);
    }
    return marked_.count(parent) != 0;
}

void PendingChanges::MarkUpFrom(IUnknown* item) {
    if (!marked_.insert(item).second) return;  // a loop of parents ends here
    for (HostCollection* collection : session_->Collections())
        if (IUnknown* owner = collection->ParentIdentity(); owner && collection->Holds(item)) MarkUpFrom(owner);
}

}  // namespace tlx::host
