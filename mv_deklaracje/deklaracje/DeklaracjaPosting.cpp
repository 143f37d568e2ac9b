// The declaration's part in the host's accounting when it is saved: its pre-posting entry follows the
// declaration's lock and its saves (made, linked, or removed from the accounting).
#include "hostapi/Errors.h"
#include "mv_deklaracje/deklaracje/Deklaracja.h"

// Run for every save mode but the rollback (5), with the row's edit mode before the save.
void CDeklaracja::UpdateAccountingLinkOnSave(LONG mode, LONG editMode) {
    if (editMode == adEditDelete || editMode == 5 || IsCurrentRowDeleted()) return;
    LONG approved = 0;
    if (!linkedEntry_) {
        CheckHost(get_Zatwierdzony(&approved));
        if (approved > 0 || mode != hostSaveDiscard) return;
        if (LONG id = ReadPreDekId()) DeletePreDocument(id);
        return;
    }
    bool readOnly = IsLinkedReadOnly();
    CheckHost(get_Zatwierdzony(&approved));
    if (mode == hostSaveCheck) EntryObject();
    if (mode == hostSaveDiscard) {
        if (approved <= 0)
            if (LONG id = ReadPreDekId()) DeletePreDocument(id);
        if (GetLinkedEntryNumber() == 0) DiscardPostingEntry(0);
        postingCounter_ = 0;
    }
    if (mode == hostSaveDeleted) {
        linkedEntry_.Reset();
        ResyncCurrentRow();
    }
    if (readOnly || mode != hostSavePrepare || !HasLinkWithoutId()) return;
    tlx::ComPtr<IPostingEntry> entry = EntryObject();
    LONG linked = ReadPreDekId();
    if (!entry) return;
    LONG id = 0;
    entry->get_ID(&id);  // a failure leaves 0, refused below
    if (id == 0) RaiseHResult(HOST_E_ZEROLINK);
    if (id != linked) {
        ResyncCurrentRow();
        WritePreDekId(id);
    }
}

// Removes the accounting entry `id` (the session deletes it with its next save) and clears the link.
void CDeklaracja::DeletePreDocument(LONG id) {
    if (id == 0) return;
    tlx::ComPtr<ISession2> session = GetSession().As<ISession2>();
    if (!session) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDispatch> object;
    tlx::Bstr entriesClass(tlx::GuidToText(CLSID_Dekrety));
    CheckHost(session->CreateObject(entriesClass.Get(), tlx::Variant::Missing(), object.Out()));
    tlx::ComPtr<ICollection> entries = object.As<ICollection>();
    if (!entries) RaiseHResult(E_POINTER);
    tlx::ComPtr<IDispatch> entry;
    CheckHost(entries->Item(tlx::Variant::FromString(LongToString(id).View()), entry.Out()));
    CheckHost(entries->Delete(tlx::Variant::FromDispatch(entry.Get())));
    // The collection is not saved by anyone: the session deletes the row with its next save.
    CheckHost(session->RemoveObject(entry.Get()));
    // The linked entry, when it is the one removed, goes with it: it is not removed a second time.
    if (linkedEntry_) {
        LONG linkedId = 0;
        if (auto identity = linkedEntry_.As<IIdentity>()) CheckHost(identity->get_ID(&linkedId));
        if (linkedId == id) linkedEntry_.Reset();
    }
    ClearPreDekIdLink();
}
