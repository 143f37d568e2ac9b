// The host session: the object every business object is initialised with, through which it creates
// host and module objects, reaches the company database and the operator's login, and stores its work.
#pragma once

#include "platform/com/Variant.h"

struct Connection;  // ADO, platform/ado
struct Recordset;
struct ILogin;
struct ISession;

// A counted handle on an object of a session. Business objects keep one for their session (obtained
// with a null object) and for the objects they link to, never the objects themselves, so that parents
// and children form no reference cycles. Some callers call this interface IObjectReference; it is one
// interface under one name here.
struct ISessionReference : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{BF46FEEA-724C-4991-8774-D0153A8DC2DF}");
    using Base = IDispatch;
    // The session the reference belongs to.
    virtual HRESULT GetSession(ISession** session) = 0;
    // The object the reference was obtained for; null for the session's own reference.
    virtual HRESULT GetObject(IDispatch** object) = 0;

protected:
    ~ISessionReference() = default;
};
using IObjectReference = ISessionReference;

// What a session keeps, shares and isolates:
// - It keeps its unit of work (below), the objects its references stand for (GetReference), the
//   configuration values read through it (until the company database changes; a dated value per day
//   asked) and its company-database connection, opened on first use.
// - Connections: a session takes an idle connection to its company file from the process's pool when
//   one is there (a new one otherwise) and gives it back when it closes; it never shares a connection
//   with another open session. Statements are kept prepared per connection by their text, and a T-SQL
//   text is rewritten once for the process.
// - It isolates its transaction and its pending changes: another session sees what this one stored
//   only once it is committed.
// - It lets go of everything when it is closed: the unit of work, the kept objects, the collections'
//   items and the connection (back to the pool). The host closes its open sessions when it stops, and
//   closes a session as soon as nothing outside it holds it any longer: no caller or script holds the
//   session, and no one holds an object of it beyond what the session and its objects keep of each
//   other (the unit of work, the kept objects, a collection's items, a collection kept by its parent or
//   by the module collection in front of it, the references its objects keep). An object created through
//   a session therefore keeps it alive only while the object itself is held. The host looks for such
//   sessions whenever the login opens a new one (a session found held is looked at again after twice as
//   many new sessions as the last time), so a process that opens a session per employee keeps about one.
//   A session with changes no one saved is not closed so (they are not dropped silently), and a reference
//   alone (ISessionReference, without its object or the session) does not keep a session open.
//
// Object creation, shared by ISession::CreateObject and ISession2::CreateObject/OpenObject:
// - The class is a ProgID ("TLXDeklaracje.Deklaracja") or a braced CLSID text. The object is created
//   through the class registry (host classes first, then registered servers) and, when it answers
//   IInitializeSession, initialised with this session before anything else touches it.
// - Without a parameter (missing, empty or VT_NULL) the new object is the answer.
// - With a parameter the answer is one record: a collection class answers its item for the parameter
//   as ICollection::Item reads a key (see hostapi/Collections.h: a decimal text is the identifier,
//   "Col=value" criteria, "@" + bookmark), except that a whole number is the identifier too, not a
//   position as Item reads it; a record class that is not a collection reads the parameter as the
//   identifier of its row. No matching row answers HOST_E_NOROW (0x80050458).
//   A host collection made only for such a parameter reads only the matching rows when the key is an
//   identifier or criteria of whole numbers.
// - The session's unit of work (see SaveChanges) holds the host collections created in it with their
//   AutoSave switch set, the collections it creates itself to answer a parameter, and the objects
//   handed to ISession2::AddObject.
struct ISession : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{039A61C4-AB6D-4586-BCCF-6B69C57C03EF}");
    using Base = IDispatch;
    virtual HRESULT CreateObject(BSTR classText, VARIANT parameter, IDispatch** object) = 0;
    // With null: the session's own reference (ISessionReference::GetSession answers this session).
    // With an object: a reference that answers the object through GetObject. The session keeps every
    // object it hands out a reference for until the session is closed (see above); the reference itself
    // holds only the session, so objects that keep references to each other form no reference cycle of
    // their own.
    virtual HRESULT GetReference(IDispatch* object, ISessionReference** reference) = 0;
    // Makes the session ready for a run of work: opens its connection when it is not open yet.
    virtual HRESULT Prepare() = 0;
    // Stores every change made in the session: each object of the unit of work is saved by the
    // collection save protocol (hostapi/Collections.h), all in one transaction of the company database;
    // a failure rolls everything back and leaves every pending change in place. Callers also call this
    // operation ISession::Save; it is one operation under one name here (ISession2::Save is the same
    // work reached through the second interface).
    virtual HRESULT SaveChanges() = 0;

protected:
    ~ISession() = default;
};

// The session's second interface, queried from the session.
struct ISession2 : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{9AEDDD2A-3098-4474-BA75-4500D0F29A1F}");
    using Base = IDispatch;
    // As ISession::CreateObject; the parameter is usually a filter such as "Pra_PraID=5".
    virtual HRESULT CreateObject(BSTR classText, VARIANT filter, IDispatch** object) = 0;
    // Opens one existing record of a (collection) class by a filter. Mode 1 is the one mode callers
    // pass: the record is read as stored. Callers also name this operation ISession2::CreateFiltered;
    // it is one operation under the name OpenObject here. HOST_E_NOROW when nothing matches.
    virtual HRESULT OpenObject(BSTR classText, LONG mode, BSTR filter, IDispatch** object) = 0;
    // The company-database connection of the session (schema TLX), on which callers open recordsets.
    virtual HRESULT get_Connection(Connection** connection) = 0;
    // The configuration-database connection (operators, databases).
    virtual HRESULT get_ConfigConnection(Connection** connection) = 0;
    // The operator's login the session belongs to.
    virtual HRESULT get_Login(ILogin** login) = 0;
    // The same work as ISession::SaveChanges.
    virtual HRESULT Save() = 0;
    // A reference of this session to an object (as ISession::GetReference with an object).
    virtual HRESULT GetObjectReference(IDispatch* object, ISessionReference** reference) = 0;
    // Adds an object (an accounting entry the caller created) to the unit of work: it is saved with
    // the next SaveChanges.
    virtual HRESULT AddObject(IDispatch* object) = 0;
    // Tells the session an object was removed from a collection the session does not save itself: the
    // next SaveChanges deletes its row (its collection is saved with the unit of work).
    virtual HRESULT RemoveObject(IDispatch* object) = 0;

protected:
    ~ISession2() = default;
};

inline constexpr IID IID_ISession = ISession::kIid;
inline constexpr IID IID_ISession2 = ISession2::kIid;
inline constexpr IID IID_ISessionReference = ISessionReference::kIid;
