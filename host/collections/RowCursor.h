// The recordset an item of a host collection is bound to: a cursor on the item's own row of the
// collection's shared recordset. Before every member that reads or writes the current row it moves the
// shared recordset to the item's row, so an item reads and writes its own row whatever other items or
// callers did with the shared recordset in between. Members about the recordset as a whole (count,
// filter, sort, batch) go to the shared recordset as they are; moves move the shared recordset and the
// cursor follows.
#pragma once

#include "platform/ado/Ado.h"
#include "platform/ado/AdoDispatch.h"
#include "platform/com/Dispatch.h"

namespace tlx::host {

class CRowCursor final : public ComObject<CRowCursor, Dispatch<Recordset>> {
public:
    // `rows` stands on the item's row (or at BOF/EOF for an item without a row).
    explicit CRowCursor(ComPtr<Recordset> rows);

    HRESULT get_Fields(Fields** fields) override;
    HRESULT get_BOF(VARIANT_BOOL* bof) override;
    HRESULT get_EOF(VARIANT_BOOL* eof) override;
    HRESULT MoveFirst() override;
    HRESULT MoveLast() override;
    HRESULT MoveNext() override;
    HRESULT MovePrevious() override;
    HRESULT get_RecordCount(LONG* count) override;
    HRESULT get_Bookmark(VARIANT* bookmark) override;
    HRESULT put_Bookmark(VARIANT bookmark) override;
    HRESULT get_EditMode(EditModeEnum* mode) override;
    HRESULT get_Status(LONG* status) override;
    HRESULT get_State(LONG* state) override;
    HRESULT get_Filter(VARIANT* criteria) override;
    HRESULT put_Filter(VARIANT criteria) override;
    HRESULT get_Sort(BSTR* criteria) override;
    HRESULT put_Sort(BSTR criteria) override;
    HRESULT get_CursorLocation(CursorLocationEnum* location) override;
    HRESULT put_CursorLocation(CursorLocationEnum location) override;
    HRESULT get_LockType(LockTypeEnum* lockType) override;
    HRESULT put_LockType(LockTypeEnum lockType) override;
    HRESULT get_ActiveConnection(VARIANT* connection) override;
    HRESULT putref_ActiveConnection(IDispatch* connection) override;
    HRESULT Open(VARIANT source, VARIANT activeConnection, CursorTypeEnum cursorType, LockTypeEnum lockType,
                 LONG options) override;
    HRESULT Close() override;
    HRESULT AddNew(VARIANT fieldList, VARIANT values) override;
    HRESULT Update(VARIANT fields, VARIANT values) override;
    HRESULT CancelUpdate() override;
    HRESULT Delete(AffectEnum affectRecords) override;
    HRESULT UpdateBatch(AffectEnum affectRecords) override;
    HRESULT CancelBatch(AffectEnum affectRecords) override;
    HRESULT Resync(AffectEnum affectRecords, ResyncEnum resyncValues) override;

private:
    // Moves the shared recordset to the cursor's row; a row that left the view (deleted) is reached
    // through the pending-rows group.
    HRESULT Position();
    // Takes the shared recordset's current row as the cursor's row after a move.
    HRESULT Follow(HRESULT moved);

    // Moves the shared recordset to the cursor's row by its bookmark, as it stands.
    HRESULT PutOwnBookmark();

    // Every item of a collection keeps a cursor, so the cursor is kept small: the flag first, where the
    // object's base leaves room, and the row's bookmark as the number it is (the collection's recordset
    // numbers its rows), not as a VARIANT.
    bool hasRow_ = false;
    ComPtr<Recordset> rows_;
    double bookmark_ = 0;
};

}  // namespace tlx::host
