// What hangs on a declaration's row when the row is deleted or saved: the children removed with a
// deleted declaration, and the test whether a child collection holds changes not stored yet.
#include <vector>

#include "mv_deklaracje/Deklaracja.h"
#include "platform/com/Enumerators.h"

namespace {

// Every item of a collection, taken before any is removed.
std::vector<tlx::ComPtr<IDispatch>> ItemsOf(ICollection* collection) {
    std::vector<tlx::ComPtr<IDispatch>> items;
    tlx::ComPtr<IUnknown> enumerator;
    CheckHost(collection->get__NewEnum(enumerator.Out()));
    tlx::ComPtr<IEnumVARIANT> walk = enumerator.As<IEnumVARIANT>();
    if (!walk) RaiseHResult(E_POINTER);
    for (;;) {
        tlx::Variant item;
        ULONG fetched = 0;
        if (CheckHost(walk->Next(1, item.Out(), &fetched)) != S_OK || fetched == 0) break;
        if ((item.vt == VT_DISPATCH || item.vt == VT_UNKNOWN) && item.punkVal) {
            tlx::ComPtr<IDispatch> object;
            CheckHost(item.punkVal->QueryInterface(IID_IDispatch, object.OutVoid()));
            items.push_back(object);
        }
    }
    return items;
}

tlx::ComPtr<Recordset> RowsOf(ICollection* collection) {
    tlx::ComPtr<IAdoCollection> rows = tlx::ComPtr<ICollection>(collection).As<IAdoCollection>();
    if (!rows) RaiseHResult(E_POINTER);
    tlx::ComPtr<Recordset> recordset;
    CheckHost(rows->get_Recordset(recordset.Out()));
    if (!recordset) RaiseHResult(E_POINTER);
    return recordset;
}

// Rows added, changed or deleted and not stored yet. The pending-rows filter stays on the recordset;
// the collection puts its own back before its next walk.
bool HasPendingRows(ICollection* collection) {
    tlx::ComPtr<Recordset> rows = RowsOf(collection);
    LONG count = 0;
    CheckHost(rows->get_RecordCount(&count));
    if (count == -1) return false;
    CheckHost(rows->put_Filter(tlx::Variant::FromLong(adFilterPendingRecords)));
    CheckHost(rows->get_RecordCount(&count));
    return count > 0;
}

}  // namespace

// A deleted declaration takes its pages' unsaved changes back and removes its stored values and its
// child declarations; collections never built are left alone.
void CDeklaracja::OnDelete2() {
    if (const auto& pages = children_[static_cast<int>(Child::Pages)]) CheckHost(RowsOf(pages.Get())->CancelBatch(adAffectAll));
    for (Child which : {Child::Elements, Child::Declarations}) {
        const auto& collection = children_[static_cast<int>(which)];
        if (!collection) continue;
        for (const auto& item : ItemsOf(collection.Get()))
            CheckHost(collection->Delete(tlx::Variant::FromDispatch(item.Get())));
    }
}

// Whether a built page, stored-value, printout or side-list collection holds changes not stored yet.
bool CDeklaracja::ChildrenHavePendingChanges() {
    for (Child which : {Child::Pages, Child::Elements, Child::Printouts})
        if (const auto& collection = children_[static_cast<int>(which)]; collection && HasPendingRows(collection.Get()))
            return true;
    for (const auto& list : subLists_)
        if (list && HasPendingRows(list.Get())) return true;
    return false;
}
