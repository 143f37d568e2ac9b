// Whether changes not stored yet hang below an item of a session: a pending row (added, changed or
// deleted) in a collection whose parent is the item, or, at any depth, below one of that collection's
// items. The save protocol asks it so that a save visits only the items with work to store.
//
// Worked out from the bottom, when first asked: from the session's list of collections with pending
// rows up through the parent of each and the collection that made that parent, and so on. The holder
// found for a collection's parent is kept on the collection, so a save neither walks nor indexes the
// session's other collections and allocates nothing per collection.
#pragma once

#include <vector>

#include "platform/com/Unknown.h"

namespace tlx::host {

class HostCollection;
struct IHostSession;

class PendingChanges {
public:
    // The session's collections must not change while the object is used.
    explicit PendingChanges(IHostSession* session) : session_(session) {}

    bool Below(IUnknown* item);
    // The items (identities) with pending rows below them, each once, in no particular order.
    const std::vector<IUnknown*>& Items();

private:
    void Work();
    // Marks the parent of the collection, then the parent of the collection holding that one, and so on.
    void MarkUpFrom(HostCollection* collection);
    // The collection that made the collection's parent item (null: none of the session's did).
    HostCollection* HolderOfParent(HostCollection* collection, IUnknown* parent);

    IHostSession* session_;
    bool worked_ = false;
    unsigned long walk_ = 0;
    std::vector<IUnknown*> marked_;  // sorted
};

}  // namespace tlx::host
