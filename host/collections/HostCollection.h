// What a session asks of the host collections created in it: whether one holds an item, the link to
// its parent for the save protocol, and releasing its items when the session closes. A collection tells
// its session when its rows change (IHostSession::CollectionRowsChanged), so that a save reaches the
// collections with pending rows from the session's short list of them instead of asking every one.
#pragma once

#include <vector>

#include "platform/com/Types.h"
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
    // A collection the session made to serve the items of a collection of identifiers (CQueryCollection)
    // reads only the rows of those identifiers, one query through the table's key, when it has read
    // nothing yet; given again, the new set is read at its next Resync. Answers whether it reads only
    // those rows (false: it reads its whole table or its own query, as it would without them).
    virtual bool ServeIdentifiers(const std::vector<LONG>& ids) = 0;
    // How many references the collection itself keeps on its session.
    virtual ULONG HoldsOnSession() = 0;
    // Whether the item (its identity) is one the collection made for one of its rows and still holds:
    // the one collection an item belongs to (a collection serving another one's items answers no).
    virtual bool MadeItem(IUnknown* /*item*/) { return false; }

    // What the session keeps on the collection for its saves, so that they allocate nothing for it.
    struct SessionMarks {
        // On the session's list of collections whose rows changed since they were last found unchanged.
        bool listed = false;
        // Always listed: its rows do not tell of their changes, so it is asked at every save.
        bool untold = false;
        // The last walk up from pending rows that passed the collection (PendingChanges).
        unsigned long walk = 0;
        // The collection found to have made the parent item `holderFor` (null: none did), with its
        // registration number in the session and its count of dropped items then: kept while that
        // collection is registered and has dropped no item since, so it still holds that one.
        IUnknown* holderFor = nullptr;
        HostCollection* holder = nullptr;
        unsigned long holderRegistration = 0;
        unsigned long holderDropped = 0;
        // How many times the collection's items left its list (deleted rows, read again, released).
        unsigned long itemsDropped = 0;
    };
    SessionMarks sessionMarks;

protected:
    ~HostCollection() = default;
};

// A process-wide counter of parent links given, to tell which collections received one during a save.
unsigned NextLinkSerial();
unsigned CurrentLinkSerial();

}  // namespace tlx::host
