// Whether changes not stored yet hang below an item of a session: a pending row (added, changed or
// deleted) in a collection whose parent is the item, or, at any depth, below one of that collection's
// items. The save protocol asks it so that a save visits only the items with work to store.
#pragma once

#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/com/Unknown.h"

namespace tlx::host {

class HostCollection;
struct IHostSession;

class PendingChanges {
public:
    // The answer is worked out from the session's collections when first asked; they must not change
    // while the object is used.
    explicit PendingChanges(IHostSession* session) : session_(session) {}

    bool Below(IUnknown* parent);

private:
    // Marks an item and, through the collections holding it, every item above it.
    void MarkUpFrom(IUnknown* item);
    // The collections with a parent that hold the item.
    std::vector<HostCollection*> HoldersOf(IUnknown* item);

    IHostSession* session_;
    bool worked_ = false;
    std::vector<HostCollection*> collections_;
    std::unordered_set<IUnknown*> marked_;
    int lookups_ = 0;
    bool indexed_ = false;
    std::unordered_map<IUnknown*, std::vector<HostCollection*>> holderOf_;
};

}  // namespace tlx::host
