// What host classes ask of a session beyond ISession and ISession2: its connection, its unit of work,
// the collections created in it and the nesting of its database transaction.
#pragma once

#include <vector>

#include "hostapi/Login.h"
#include "hostapi/Session.h"
#include "platform/ado/Ado.h"
#include "platform/com/ComPtr.h"

namespace tlx::host {

class HostCollection;
class SessionSettings;

struct IHostSession : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{5418B806-A0E1-496D-A24D-F429E22359E1}");
    using Base = IUnknown;
    // The company-database connection, opened on first use (throws HostError).
    virtual Connection* CompanyConnection() = 0;
    virtual ILogin* LoginObject() = 0;
    // The configuration values the session has read, kept for its life.
    virtual SessionSettings& Settings() = 0;
    // Keeps an object for the next SaveChanges (once; later calls for the same object do nothing).
    virtual void AddToUnitOfWork(IUnknown* object) = 0;
    // The collections created in the session, weakly: each registers on creation and leaves when
    // destroyed. Child collections are found among them by the save protocol.
    virtual void RegisterCollection(HostCollection* collection) = 0;
    virtual void UnregisterCollection(HostCollection* collection) = 0;
    virtual std::vector<HostCollection*> Collections() = 0;
    // The collections whose rows may hold changes not stored yet: a collection tells the session when its
    // rows change (listed once, by its mark), and leaves the list when it is next found without pending
    // rows. CollectionsWithPendingRows answers the listed ones that hold pending rows now, dropping the
    // others, so that a save never asks the session's other collections: every collection with pending
    // rows is listed, also after a save that failed and put its rows back.
    virtual void CollectionRowsChanged(HostCollection* collection) = 0;
    virtual std::vector<HostCollection*> CollectionsWithPendingRows() = 0;
    // The collection that made the item (an identity) for one of its rows, with its registration number;
    // null when none did. The collections with pending rows are looked at first.
    virtual HostCollection* MakerOf(IUnknown* item, unsigned long* registration) = 0;
    // Whether the collection is registered under that number (and is not another one made at its address).
    virtual bool Registered(HostCollection* collection, unsigned long registration) = 0;
    // A collection's parent object changed (null: none), and a collection was given a parent link with
    // that serial (NextLinkSerial): what the save protocol asks next.
    virtual void CollectionParentChanged(HostCollection* collection, IUnknown* parent) = 0;
    virtual void CollectionLinked(HostCollection* collection, unsigned serial) = 0;
    // The collections whose parent is one of `parents`, or that were given a parent link after the serial
    // `linkedAfter`, in the order they were created: the children a save of those parents saves next.
    virtual std::vector<HostCollection*> ChildrenToSave(const std::vector<IUnknown*>& parents, unsigned linkedAfter) = 0;
    // The objects that references of the session stand for: the session keeps each alive until it is
    // closed, and a reference holds only the session and the object's cookie, so that parents and
    // children that keep references to each other form no cycle of their own.
    virtual DWORD KeepObject(IDispatch* object) = 0;
    virtual ComPtr<IDispatch> KeptObject(DWORD cookie) = 0;
    // Nested units of database work: only the outermost Begin opens a transaction and only the outermost
    // Commit commits it; a Rollback at any depth rolls the transaction back and fails the outer levels.
    // The outermost Begin waits for the database's write lock as long as the configuration's
    // "CzasOczekiwaniaNaZapis" says (seconds, 60 without it): longer than a normal save holds the lock.
    virtual void BeginWork() = 0;
    virtual void CommitWork() = 0;
    virtual void RollbackWork() = 0;
    // Whether a unit of database work is open (a save is writing).
    virtual bool InWork() const = 0;
    // Releases the unit of work, the collections' items and the connections; the session answers
    // E_UNEXPECTED from then on. Breaks the reference cycles of objects that keep their session.
    virtual void Close() = 0;
    // Closes the session when nothing outside it holds the session or any object of it (see
    // hostapi/Session.h); answers whether it did. `sweep` numbers the caller's rounds over every
    // session: a session found held waits twice as many rounds as the last time before it looks again.
    virtual bool CloseIfUnheld(unsigned long sweep) = 0;
    // A reference of the session was made (+1) or destroyed (-1).
    virtual void CountReference(int change) = 0;
    // The reference to the object of `cookie` (0: the session's own) is destroyed: the session hands out
    // another one for it next time.
    virtual void ReferenceGone(DWORD cookie, ISessionReference* reference) = 0;

protected:
    ~IHostSession() = default;
};

// What a host object that keeps its session tells the session when it looks for holders from outside:
// how many references the object itself keeps on the session.
struct ISessionHolder : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{8C1D7E52-3B9A-4F0E-9D61-2A7C4E5B0F13}");
    using Base = IUnknown;
    virtual ULONG HoldsOnSession() = 0;

protected:
    ~ISessionHolder() = default;
};

// The host side of a session object (E_POINTER when it is not a host session).
ComPtr<IHostSession> HostSessionOf(IUnknown* session);

}  // namespace tlx::host
