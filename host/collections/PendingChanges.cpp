#include "host/collections/PendingChanges.h"

#include "host/collections/HostCollection.h"
#include "host/session/HostSession.h"

namespace tlx::host {

bool PendingChanges::Below(IUnknown* parent) {
    if (!indexed_) {
        for (HostCollection* collection : session_->Collections())
            if (IUnknown* owner = collection->ParentIdentity()) children_[owner].push_back(collection);
        indexed_ = true;
    }
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
