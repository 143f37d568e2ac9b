#include "host/collections/PendingChanges.h"

#include "host/collections/HostCollection.h"
#include "host/session/HostSession.h"

namespace tlx::host {

PendingChanges::PendingChanges(IHostSession* session) {
    for (HostCollection* collection : session->Collections())
        if (IUnknown* parent = collection->ParentIdentity()) children_[parent].push_back(collection);
}

bool PendingChanges::Below(IUnknown* parent) {
    if (auto known = known_.find(parent); known != known_.end()) return known->second;
    auto children = children_.find(parent);
    if (children == children_.end() || !visiting_.insert(parent).second) return false;
    bool pending = false;
    for (HostCollection* child : children->second) {
        pending = child->HasPendingRows();
        for (IUnknown* item : pending ? std::vector<IUnknown*>{} : child->ItemIdentities())
            if ((pending = Below(item))) break;
        if (pending) break;
    }
    visiting_.erase(parent);
    known_[parent] = pending;
    return pending;
}

}  // namespace tlx::host
