// The host's recordset-backed collections, their set-up interfaces and the host enumerator.
//
// A collection holds one client-side, batch-optimistic recordset (its table, or its query) and serves
// one item object per row: an object of its item class, created through the class registry and then
//   IInitializeSession::Initialize (the collection's session), IInitializeRS::BindRecordset (the
//   collection's recordset standing on the row, a HostBindMode, the empty prefix) and, when the
//   collection has a parent object, IInitializeParent::InitializeParent (the parent).
// The collection keeps the items it has handed out, so asking twice for one row answers the same
// object. Each item is bound to a cursor on its own row of the collection's recordset: before every
// member that reads or writes the row, the cursor moves the shared recordset to the item's row, so
// items read and write their own rows whatever was asked in between. Item, AddNew and the enumerator
// also leave the collection's recordset on the row of the item they answer.
// A collection whose item class is empty serves its rows only through its Recordset.
//
// Key grammar of ICollection::Item (also the parameter of ISession::CreateObject on a collection class):
//   missing, VT_EMPTY  the item of the recordset's current row;
//   a number           the zero-based position among the live rows in the collection's order (the
//                      parameter of ISession::CreateObject reads a whole number as the identifier
//                      instead: there a script writer means the record, never its place);
//   "@" + text         the row whose Bookmark reads as that text;
//   "Col=value"        criteria: clauses "Col=value" joined by " AND " (any case), the column named
//                      without regard to case, the value a number or a text in single quotes ('' is
//                      one quote); the first live row whose columns all equal the values;
//   other text         a decimal text: the row whose identifier column holds that number;
//   an object          the row of that item (one the collection handed out, or with the same identity).
// Nothing matching (also a position out of range, an empty collection, a current row at BOF or EOF)
// answers HOST_E_NOROW (0x80050458) with the text "Nie znaleziono rekordu: " + the key.
//
// Delete marks the item's row deleted in the recordset (after IOnDeleteObject::BeforeDelete, and
// before AfterDelete); nothing reaches the database until the collection, or its session, is saved by
// the save protocol of hostapi/Framework.h (HostSaveMode); ISaveable::Save of a collection runs the whole
// protocol whatever mode it is given. Rows that callers add or change through the collection's
// Recordset get items when the collection is saved, so that their hooks run, and new rows get the
// parent link (ICollectionSetup::SetParentLink) when their link column is still empty. Resync drops
// pending changes and re-reads the rows; items of rows that are read again are bound anew with
// hostBindRefresh, the others are dropped.
// A filter that a caller leaves on the Recordset (the pending-rows group, for one) gives way to the
// collection's own (IAdoCollection::Filter) before every walk of Item, Count, the enumerator and Save.
#pragma once

#include "platform/com/Variant.h"

struct Recordset;  // ADO, platform/ado

struct ICollection : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{EFE3B3FF-825C-468E-B2C2-81D174B25E3B}");
    using Base = IDispatch;
    // An enumerator (IEnumVARIANT) of the items of the live rows, in order.
    virtual HRESULT get__NewEnum(IUnknown** enumerator) = 0;
    virtual HRESULT Item(VARIANT key, IDispatch** item) = 0;
    // The number of live rows.
    virtual HRESULT get_Count(LONG* count) = 0;
    // Adds a row and answers its item (bound with hostBindNew). Given an object, the new row is bound
    // with hostBindClone and then, when the new item answers IInitializeClone, given the pattern's
    // recordset standing on the pattern's row (for a pattern of this same collection, a one-row copy of
    // that row, since both share one recordset).
    virtual HRESULT AddNew(VARIANT pattern, IDispatch** item) = 0;
    // Removes the item passed (an object) or found by a key of the grammar above. Some callers call this
    // operation ICollection::Remove; it is one operation under the name Delete here.
    virtual HRESULT Delete(VARIANT item) = 0;
    // Re-reads the collection's rows; the argument is ignored.
    virtual HRESULT Resync(VARIANT options) = 0;

protected:
    ~ICollection() = default;
};

struct IAdoCollection : ICollection {
    static constexpr IID kIid = tlx::MakeGuid(u"{9CED41D8-0453-49AD-AEA2-A8F8FAEB9325}");
    using Base = ICollection;
    // Slot kept for collections that stand in front of another one (they hold it); a host collection
    // holds its own rows and answers E_NOTIMPL.
    virtual HRESULT putref_Collection(IDispatch* collection) = 0;
    virtual HRESULT get_ParentObject(IDispatch** parent) = 0;
    virtual HRESULT get_IdColumn(BSTR* column) = 0;
    // The collection's recordset (callers may move it, add and delete rows and set fields through it).
    virtual HRESULT get_Recordset(Recordset** recordset) = 0;
    // Appends to this collection a copy of every live row of the source recordset (fields of the same
    // name; the identifier column and the parent link column are left to this collection).
    virtual HRESULT CloneFromRecordset(Recordset* source) = 0;
    // The filter of the recordset as criteria text (as ADO's Filter) and its sort order.
    virtual HRESULT get_Filter(BSTR* criteria) = 0;
    virtual HRESULT put_Filter(BSTR criteria) = 0;
    virtual HRESULT get_Sort(BSTR* order) = 0;
    virtual HRESULT put_Sort(BSTR order) = 0;

protected:
    ~IAdoCollection() = default;
};

// Set-up of a collection over a whole table (CAdoCollectionBase). Settings are taken before first use;
// the rows are read on the first member that needs them.
struct IAdoCollectionSetup : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{DA20AF46-580C-444D-ABE9-7B16582CB86B}");
    using Base = IUnknown;
    // ProgID or braced CLSID text of the items' class.
    virtual HRESULT put_ItemClass(BSTR classText) = 0;
    // The identifier column (an INTEGER key the database assigns to new rows).
    virtual HRESULT put_IdColumn(BSTR column) = 0;
    // True refuses AddNew, Delete and Save with E_ACCESSDENIED. Default false.
    virtual HRESULT put_ReadOnly(VARIANT_BOOL readOnly) = 0;
    // The table, in schema TLX ("DeklNag").
    virtual HRESULT put_Table(BSTR table) = 0;
    // True makes the collection part of its session's unit of work: ISession::SaveChanges saves it.
    // Default false (the owner saves it through ISaveable).
    virtual HRESULT put_AutoSave(VARIANT_BOOL autoSave) = 0;

protected:
    ~IAdoCollectionSetup() = default;
};

// Set-up of a collection over a query, usually the rows of one parent (CChildCollection).
struct ICollectionSetup : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{C7FF815B-81E4-4B51-88EB-F6BBCD7BC888}");
    using Base = IUnknown;
    virtual HRESULT put_ItemClass(BSTR classText) = 0;
    virtual HRESULT put_IdColumn(BSTR column) = 0;
    virtual HRESULT put_ReadOnly(VARIANT_BOOL readOnly) = 0;
    // The query that selects the rows ("select * from TLX.deklstr where dks_dknid=15 order by dks_lp").
    virtual HRESULT put_SQL(BSTR sql) = 0;
    // The table new and changed rows are written to; without one it is read from the query's
    // "from TLX.<table>".
    virtual HRESULT put_Table(BSTR table) = 0;
    virtual HRESULT put_AutoSave(VARIANT_BOOL autoSave) = 0;
    // The parent object handed to every item (IInitializeParent); the collection is saved after it.
    virtual HRESULT putref_ParentObject(IDispatch* parent) = 0;
    // The parent's identifier and the column that links rows to it. Every live row of the collection
    // gets the identifier in that column, and new rows get it when added; the query's condition on
    // the column is rebound to the identifier, so that a later Resync reads the parent's rows.
    virtual HRESULT SetParentLink(LONG parentId, BSTR column) = 0;

protected:
    ~ICollectionSetup() = default;
};

// Set-up of a collection of identifiers whose items another collection class serves (CQueryCollection):
// the query answers one identifier per row; item i is the item of the source collection class for that
// identifier; Delete and Save act on the source collection (created through the session once). A source
// that is a table's collection reads only the rows of the identifiers (read again at Resync), so other
// keys (criteria) find among the collection's own items only. A
// parent's save does not reach that source collection: it is saved by its own Save or, when its
// AutoSave switch is set, by the session's SaveChanges.
struct IQueryCollectionSetup : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{B20082B7-FE69-4B08-8AED-B3C435902D21}");
    using Base = IUnknown;
    virtual HRESULT put_IdColumn(BSTR column) = 0;
    virtual HRESULT put_SQL(BSTR sql) = 0;
    // The source collection class as a VARIANT holding its ProgID or braced CLSID text.
    virtual HRESULT put_ItemSource(VARIANT classText) = 0;

protected:
    ~IQueryCollectionSetup() = default;
};

// The host's for-each cursor over a collection (CHostEnumerator).
struct IHostEnumerator : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{0F155D7D-CDFE-432D-BB0A-E04685DEA68A}");
    using Base = IDispatch;
    // Starts a walk over the collection's items (through its _NewEnum), on the first item.
    virtual HRESULT Initialize(IDispatch* collection) = 0;
    virtual HRESULT IsEnd(VARIANT_BOOL* end) = 0;
    virtual HRESULT get_Current(IDispatch** item) = 0;
    virtual HRESULT MoveNext() = 0;

protected:
    ~IHostEnumerator() = default;
};

inline constexpr CLSID CLSID_CAdoCollectionBase = tlx::MakeGuid(u"{76DBCCD4-71E0-4FE8-9F04-7C9B6AA9FEDB}");
inline constexpr CLSID CLSID_CChildCollection = tlx::MakeGuid(u"{0198EDC5-5632-4E00-A43D-D42E1F28570E}");
inline constexpr CLSID CLSID_CQueryCollection = tlx::MakeGuid(u"{583CEC01-041F-4007-B259-0ABC41B45B96}");
inline constexpr CLSID CLSID_CHostEnumerator = tlx::MakeGuid(u"{3006151E-90B6-4087-B118-5C2F530F25CC}");
inline constexpr IID IID_ICollection = ICollection::kIid;
inline constexpr IID IID_IAdoCollection = IAdoCollection::kIid;
