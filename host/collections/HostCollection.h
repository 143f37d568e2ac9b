// What a session asks of the host collections created in it: whether one holds an item, the link to
// its parent for the save protocol, and releasing its items when the session closes.
#pragma once

#include <vector>

#include "platform/com/Unknown.h"

namespace tlx::host {

class HostCollection {
public:
    virtual IUnknown* Unknown() = 0;
    virtual bool Holds(IUnknown* item) = 0;
    // Marks the item's row deleted, as ICollection::Delete does.
    virtual void DeleteItem(IUnknown* item) = 0;
    // The identity (IUnknown) of the parent object, or null.
    virtual IUnknown* ParentIdentity() = 0;
    // Runs the save protocol (hostapi/Framework.h) inside the session's unit of database work.
    virtual void SaveRows() = 0;
    // The check step of the save protocol for the items with work to store, run before the unit of
    // database work opens, so that their checks and scripts hold no lock; the next SaveRows does not
    // check them again. ForgetCheck drops what a save that failed before SaveRows had checked.
    virtual void CheckBeforeWork() = 0;
    virtual void ForgetCheck() = 0;
    // Whether a row was added, changed or deleted and not stored yet (false when nothing was read).
    virtual bool HasPendingRows() = 0;
    // The identities (IUnknown) of the items the collection has handed out.
    virtual std::vector<IUnknown*> ItemIdentities() = 0;
    virtual void ReleaseItems() = 0;
    // A collection the session made only to answer one key (ISession::CreateObject with a parameter)
    // reads only the rows of that key, when it has read nothing yet and the key is an identifier or
    // criteria; any other key leaves it reading its whole table.
    virtual void ServeOneKey(const VARIANT& key) = 0;
    // How many references the collection itself keeps on its session.
    virtual ULONG HoldsOnSession() = 0;

protected:
    ~HostCollection() = default;
};

// A process-wide counter of parent links given, to tell which collections received one during a save.
unsigned NextLinkSerial();
unsigned CurrentLinkSerial();

}  // namespace tlx::host
