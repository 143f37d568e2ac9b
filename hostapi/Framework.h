// The host's business-object framework: the interfaces through which the host initialises, binds,
// checks, saves, identifies and describes business objects of every module. Business objects (the
// module's classes, the host's records) implement them; the host calls them.
#pragma once

#include "platform/com/Variant.h"

struct ISession;
struct Recordset;  // ADO, platform/ado

// Bind modes: the second argument of IInitializeRS::BindRecordset, as the host's collections pass it.
enum HostBindMode : LONG {
    hostBindRead = 1,     // an existing row handed out by Item, the enumerator or CreateObject
    hostBindClone = 2,    // a new row about to receive a copy of another object (IInitializeClone)
    hostBindNew = 3,      // a new row added by AddNew
    hostBindRefresh = 4,  // the same row bound again after Resync or a save that renumbered rows
};

// Save modes: the argument of ISaveable::Save. A host collection (and a session's SaveChanges) saves its
// items in this order, the order being part of the contract. The items with work to store are those
// whose row is pending (added, changed or deleted; an item is made for a pending row nobody asked for),
// or a collection whose parent they are holds pending rows, at any depth; items merely read are not
// visited, so a save costs what changed, not what the collection has handed out.
//   1. before the session's database transaction opens (by the save that opens it): hostSaveCheck (6)
//      for every item of a live row with work to store, in row order, so that checks and scripts hold
//      no write lock and other users' saves wait only while this one writes;
//   2. inside the transaction, item by item in row order: hostSaveCheck (6) for an item not checked in
//      step 1 (a child collection's items, an item that got work during the checks); then
//      hostSavePrepare (7) for an item of a live row, hostSaveCheck (6) and hostSaveDeleted (4) for an
//      item of a deleted row;
//   3. the collection's rows are written as one batch inside the transaction;
//   4. hostSaveWritten (2) for every item of step 2 of a live row, in row order: new rows now carry their
//      identifiers (children take them as their parent link);
//   5. the child collections of the items of step 2 (collections created with the item as parent object, or
//      given a parent link during step 4) are saved by this same protocol inside the same transaction;
//   6. the transaction is committed (when the save opened it).
// A failure anywhere rolls the transaction back, sends hostSaveRollback (5) to every item that had
// received mode 6, and leaves every collection's pending rows as they were before the save: rows written
// by a batch get their pending changes back (and new rows lose the identifiers the rolled-back insert
// gave them) when the transaction is rolled back. A row changed or deleted by another user since it was
// read fails the save with adErrConcurrencyViolation.
// hostSaveDiscard (1) is passed by callers that drop an object without saving it.
enum HostSaveMode : LONG {
    hostSaveDiscard = 1,
    hostSaveWritten = 2,
    hostSaveDeleted = 4,
    hostSaveRollback = 5,
    hostSaveCheck = 6,
    hostSavePrepare = 7,
};

// Initial states answered by IInitializeSession::Initialize.
inline constexpr LONG hostStateBusinessObject = 2;
inline constexpr LONG hostStateCollection = 5;

struct IInitializeSession : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{FB2FD88A-D36D-4345-92F8-4A1EEB084B11}");
    using Base = IUnknown;
    virtual HRESULT Initialize(ISession* session, LONG* state) = 0;

protected:
    ~IInitializeSession() = default;
};

struct ISessionable : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{41B903E8-55F6-490A-93EE-C5475B8C184B}");
    using Base = IUnknown;
    virtual HRESULT get_Session(ISession** session) = 0;

protected:
    ~ISessionable() = default;
};

// Binds a record object to the current row of a recordset; its properties are the columns named by the
// prefix followed by the property's column name. An empty prefix takes the object's own.
struct IInitializeRS : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{888457DA-A298-4658-BF46-F08CA7086C0D}");
    using Base = IUnknown;
    virtual HRESULT BindRecordset(Recordset* recordset, LONG mode, BSTR prefix) = 0;
    virtual HRESULT GetRecordset(Recordset** recordset) = 0;

protected:
    ~IInitializeRS() = default;
};

struct ISaveable : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{E367BAA6-44B1-4385-810F-093167EE3C44}");
    using Base = IUnknown;
    // A number the object keeps for the host; non-zero marks an object the host must not change.
    virtual HRESULT get_ROSaveMode(LONG* mode) = 0;
    virtual HRESULT put_ROSaveMode(LONG mode) = 0;
    virtual HRESULT Save(LONG mode) = 0;

protected:
    ~ISaveable() = default;
};

struct IStateable : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{190260C1-8862-40FE-979B-8BCC9028567C}");
    using Base = IUnknown;
    virtual HRESULT get_State(IDispatch** state) = 0;
    virtual HRESULT putref_State(IDispatch* state) = 0;

protected:
    ~IStateable() = default;
};

struct IVerifiable : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{65A1AFAF-B872-4AF0-94BD-C3BAFAAFEBC5}");
    using Base = IUnknown;
    virtual HRESULT Verify() = 0;

protected:
    ~IVerifiable() = default;
};

// Called by a host collection's Delete on the item being deleted: BeforeDelete before its row is marked
// deleted (a failure keeps the row), AfterDelete right after (the item removes what hangs on it). The
// argument is 0; it is reserved for the kind of deletion.
struct IOnDeleteObject : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{EE1768A8-909B-4975-A175-D6B1B80C3241}");
    using Base = IUnknown;
    virtual HRESULT BeforeDelete(LONG mode) = 0;
    virtual HRESULT AfterDelete(LONG mode) = 0;

protected:
    ~IOnDeleteObject() = default;
};

// The class of the items of a collection, as braced CLSID text or ProgID.
struct IItemClass : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{857130C3-A222-4B3C-A108-ED3F6C3F92FD}");
    using Base = IUnknown;
    virtual HRESULT get_ItemClass(BSTR* classText) = 0;

protected:
    ~IItemClass() = default;
};

// Gives a child record its parent object (a host collection calls it with its parent object on each
// item it creates).
struct IInitializeParent : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{A025EA0A-02A5-4820-A575-A0B0C86242CD}");
    using Base = IUnknown;
    virtual HRESULT InitializeParent(IDispatch* parent) = 0;

protected:
    ~IInitializeParent() = default;
};

// A new row becomes a copy of another object: the pattern recordset stands on the pattern's row.
struct IInitializeClone : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{9CEB45E6-BBBA-4493-8B83-A2E3CE208A4C}");
    using Base = IUnknown;
    virtual HRESULT InitializeClone(Recordset* pattern) = 0;

protected:
    ~IInitializeClone() = default;
};

struct IIdentity : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{60BE2763-350E-462C-BF6C-A3C2CD3E0DCB}");
    using Base = IUnknown;
    virtual HRESULT get_ID(LONG* id) = 0;

protected:
    ~IIdentity() = default;
};

// Typed read-only descriptors by which the host lists and labels an object without knowing its class.
struct IMirvakObjectTypeInfo : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{0B13B89B-0D84-4B5C-8513-68265CDCFF0D}");
    using Base = IUnknown;
    virtual HRESULT get_ObjectType(LONG* value) = 0;        // 1: kind of object (module base + subtype)
    virtual HRESULT get_ObjectVersion(LONG* value) = 0;     // 2
    virtual HRESULT get_ObjectID(LONG* value) = 0;          // 3: the identifier, as IIdentity
    virtual HRESULT get_Number(BSTR* value) = 0;            // 4: document number
    virtual HRESULT get_Period(BSTR* value) = 0;            // 5: period text
    virtual HRESULT get_DocumentDate(double* value) = 0;    // 6: OLE date
    virtual HRESULT get_SecondDate(double* value) = 0;      // 7
    virtual HRESULT get_SubjectType(LONG* value) = 0;       // 8
    virtual HRESULT get_SubjectID(LONG* value) = 0;         // 9
    virtual HRESULT get_ThirdValue(double* value) = 0;      // 10
    virtual HRESULT get_Description(BSTR* value) = 0;       // 11
    virtual HRESULT get_SubjectName(BSTR* value) = 0;       // 12
    virtual HRESULT get_Note(BSTR* value) = 0;              // 13
    virtual HRESULT get_Flags(LONG* value) = 0;             // 14

protected:
    ~IMirvakObjectTypeInfo() = default;
};

// A business document of the host.
struct IDokument : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{29ACE1A1-6EDD-11D5-8D61-004095D04FB0}");
    using Base = IUnknown;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_TypDokumentu(LONG* value) = 0;
    virtual HRESULT get_DataDok(DATE* value) = 0;
    virtual HRESULT get_DataOpe(DATE* value) = 0;
    virtual HRESULT get_Kwota(CY* value) = 0;
    virtual HRESULT get_Status(LONG* value) = 0;
    virtual HRESULT get_Podmiot(IDispatch** subject) = 0;
    virtual HRESULT get_PodAdres(IDispatch** address) = 0;
    virtual HRESULT get_Kategoria(LONG* value) = 0;

protected:
    ~IDokument() = default;
};

// An object that has a business subject (a company or a person).
struct IPodmiotowy : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{77BE8FDE-C513-4912-A4C2-FE2942D7C6C4}");
    using Base = IUnknown;
    virtual HRESULT get_Podmiot(IDispatch** subject) = 0;
    virtual HRESULT put_Podmiot(IDispatch* subject) = 0;

protected:
    ~IPodmiotowy() = default;
};

// An object that belongs to a category of the host.
struct IKategoryczny : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{804AA628-989C-4EB1-AFC0-8E6E7EB9F989}");
    using Base = IUnknown;
    virtual HRESULT get_Kategoria(IDispatch** category) = 0;
    virtual HRESULT putref_Kategoria(IDispatch* category) = 0;

protected:
    ~IKategoryczny() = default;
};

// The host's state object of a record (CLSID_CObjectState): SaveState keeps the values of the
// recordset's current row; RestoreState writes the kept values back into the current row of the
// recordset it is given (fields it lacks are skipped).
struct IObjectState : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{9B26A93D-B388-484E-83F9-0C6B75D10298}");
    using Base = IUnknown;
    virtual HRESULT SaveState(Recordset* recordset) = 0;
    virtual HRESULT RestoreState(Recordset* recordset) = 0;

protected:
    ~IObjectState() = default;
};

inline constexpr CLSID CLSID_CObjectState = tlx::MakeGuid(u"{120E5763-D862-4624-87B6-9C715C73EF0E}");
