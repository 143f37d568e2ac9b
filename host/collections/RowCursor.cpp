#include "host/collections/RowCursor.h"

#include "platform/com/VariantConversion.h"

namespace tlx::host {
namespace {

bool AtEnd(Recordset* rows) {
    VARIANT_BOOL bof = VARIANT_TRUE, eof = VARIANT_TRUE;
    if (FAILED(rows->get_BOF(&bof)) || FAILED(rows->get_EOF(&eof))) return true;
    return bof || eof;
}

}  // namespace

CRowCursor::CRowCursor(ComPtr<Recordset> rows) : rows_(std::move(rows)) { Follow(S_OK); }

HRESULT CRowCursor::Follow(HRESULT moved) {
    if (FAILED(moved)) return moved;
    hasRow_ = !AtEnd(rows_.Get());
    if (hasRow_) {
        Variant bookmark, number;
        if (FAILED(rows_->get_Bookmark(bookmark.Out())))
            hasRow_ = false;
        else if (bookmark.vt == VT_R8)
            bookmark_ = bookmark.dblVal;
        else if (SUCCEEDED(VariantChangeType(&number, &bookmark, 0, VT_R8)))
            bookmark_ = number.dblVal;
        else
            hasRow_ = false;
    }
    return moved;
}

HRESULT CRowCursor::PutOwnBookmark() { return rows_->put_Bookmark(Variant::FromDouble(bookmark_)); }

HRESULT CRowCursor::Position() {
    if (!hasRow_) return S_OK;
    if (SUCCEEDED(PutOwnBookmark())) return S_OK;
    Variant current;
    rows_->get_Filter(current.Out());
    if (SUCCEEDED(rows_->put_Filter(Variant::FromLong(adFilterNone))) && SUCCEEDED(PutOwnBookmark()))
        return S_OK;
    if (SUCCEEDED(rows_->put_Filter(Variant::FromLong(adFilterPendingRecords))) &&
        SUCCEEDED(PutOwnBookmark()))
        return S_OK;
    rows_->put_Filter(current);
    return adErrNoCurrentRecord;
}

HRESULT CRowCursor::get_Fields(Fields** fields) {
    if (HRESULT hr = Position(); FAILED(hr)) return hr;
    return rows_->get_Fields(fields);
}

HRESULT CRowCursor::get_BOF(VARIANT_BOOL* bof) {
    if (!bof) return E_POINTER;
    if (hasRow_) {
        *bof = VARIANT_FALSE;
        return S_OK;
    }
    return rows_->get_BOF(bof);
}

HRESULT CRowCursor::get_EOF(VARIANT_BOOL* eof) {
    if (!eof) return E_POINTER;
    if (hasRow_) {
        *eof = VARIANT_FALSE;
        return S_OK;
    }
    return rows_->get_EOF(eof);
}

HRESULT CRowCursor::MoveFirst() { return Follow(rows_->MoveFirst()); }
HRESULT CRowCursor::MoveLast() { return Follow(rows_->MoveLast()); }

HRESULT CRowCursor::MoveNext() {
    if (HRESULT hr = Position(); FAILED(hr)) return hr;
    return Follow(rows_->MoveNext());
}

HRESULT CRowCursor::MovePrevious() {
    if (HRESULT hr = Position(); FAILED(hr)) return hr;
    return Follow(rows_->MovePrevious());
}

HRESULT CRowCursor::get_RecordCount(LONG* count) { return rows_->get_RecordCount(count); }

HRESULT CRowCursor::get_Bookmark(VARIANT* bookmark) {
    if (HRESULT hr = Position(); FAILED(hr)) return hr;
    return rows_->get_Bookmark(bookmark);
}

HRESULT CRowCursor::put_Bookmark(VARIANT bookmark) { return Follow(rows_->put_Bookmark(bookmark)); }

HRESULT CRowCursor::get_EditMode(EditModeEnum* mode) {
    if (HRESULT hr = Position(); FAILED(hr)) return hr;
    return rows_->get_EditMode(mode);
}

HRESULT CRowCursor::get_Status(LONG* status) {
    if (HRESULT hr = Position(); FAILED(hr)) return hr;
    return rows_->get_Status(status);
}

HRESULT CRowCursor::get_State(LONG* state) { return rows_->get_State(state); }
HRESULT CRowCursor::get_Filter(VARIANT* criteria) { return rows_->get_Filter(criteria); }
HRESULT CRowCursor::put_Filter(VARIANT criteria) { return Follow(rows_->put_Filter(criteria)); }
HRESULT CRowCursor::get_Sort(BSTR* criteria) { return rows_->get_Sort(criteria); }
HRESULT CRowCursor::put_Sort(BSTR criteria) { return rows_->put_Sort(criteria); }
HRESULT CRowCursor::get_CursorLocation(CursorLocationEnum* location) { return rows_->get_CursorLocation(location); }
HRESULT CRowCursor::put_CursorLocation(CursorLocationEnum location) { return rows_->put_CursorLocation(location); }
HRESULT CRowCursor::get_LockType(LockTypeEnum* lockType) { return rows_->get_LockType(lockType); }
HRESULT CRowCursor::put_LockType(LockTypeEnum lockType) { return rows_->put_LockType(lockType); }
HRESULT CRowCursor::get_ActiveConnection(VARIANT* connection) { return rows_->get_ActiveConnection(connection); }
HRESULT CRowCursor::putref_ActiveConnection(IDispatch* connection) { return rows_->putref_ActiveConnection(connection); }

HRESULT CRowCursor::Open(VARIANT source, VARIANT activeConnection, CursorTypeEnum cursorType, LockTypeEnum lockType,
                         LONG options) {
    return Follow(rows_->Open(source, activeConnection, cursorType, lockType, options));
}

HRESULT CRowCursor::Close() { return rows_->Close(); }
HRESULT CRowCursor::AddNew(VARIANT fieldList, VARIANT values) { return Follow(rows_->AddNew(fieldList, values)); }

HRESULT CRowCursor::Update(VARIANT fields, VARIANT values) {
    if (HRESULT hr = Position(); FAILED(hr)) return hr;
    return rows_->Update(fields, values);
}

HRESULT CRowCursor::CancelUpdate() {
    if (HRESULT hr = Position(); FAILED(hr)) return hr;
    return rows_->CancelUpdate();
}

HRESULT CRowCursor::Delete(AffectEnum affectRecords) {
    if (HRESULT hr = Position(); FAILED(hr)) return hr;
    return rows_->Delete(affectRecords);
}

HRESULT CRowCursor::UpdateBatch(AffectEnum affectRecords) {
    if (affectRecords == adAffectCurrent)
        if (HRESULT hr = Position(); FAILED(hr)) return hr;
    return rows_->UpdateBatch(affectRecords);
}

HRESULT CRowCursor::CancelBatch(AffectEnum affectRecords) {
    if (affectRecords == adAffectCurrent)
        if (HRESULT hr = Position(); FAILED(hr)) return hr;
    return rows_->CancelBatch(affectRecords);
}

HRESULT CRowCursor::Resync(AffectEnum affectRecords, ResyncEnum resyncValues) {
    if (affectRecords == adAffectCurrent)
        if (HRESULT hr = Position(); FAILED(hr)) return hr;
    return rows_->Resync(affectRecords, resyncValues);
}

}  // namespace tlx::host
