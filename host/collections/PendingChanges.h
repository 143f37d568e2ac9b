// Whether changes not stored yet hang below an item of a session: a pending row (added, changed or
// deleted) in a collection whose parent is the item, or, at any depth, below one of that collection's
// items. The save protocol asks it so that a save visits only the items with work to store.
#pragma once

#include <map>
#include <set>
#include <vector>

#include "platform/com/Unknown.h"

namespace tlx::host {

class HostCollection;
struct IHostSession;

class PendingChanges {
public:
    // The session's collections are indexed by their parent when first asked; they must not change
    // while the object is used.
    explicit PendingChanges(IHostSession* session) : session_(session) {}

    bool Below(IUnknown* parent);

private:
    IHostSession* session_;
    bool indexed_ = false;
    std::map<IUnknown*, std::vector<HostCollection*>> children_;
    std::map<IUnknown*, bool> known_;
    std::set<IUnknown*> visiting_;  // a loop of parents counts as nothing pending
};

}  // namespace tlx::host
