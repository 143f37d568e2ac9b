// An ADO recordset: client-side, static and batch-optimistic. Every row is read when it opens;
// changes stay pending in the recordset until UpdateBatch writes them in one transaction.
#pragma once

#include <memory>
#include <string>

#include "platform/ado/AdoDispatch.h"
#include "platform/ado/AdoFields.h"
#include "platform/ado/RecordsetState.h"
#include "platform/com/ComObject.h"

namespace tlx::ado {

class CRecordset final : public tlx::ComObject<CRecordset, tlx::Dispatch<Recordset>, IPendingRows> {
public:
    CRecordset();

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

    bool HasPendingRows() override { return state_->rows && state_->rows->AnyPending(); }
    void WatchRows(RowsWatcher* watcher) override;

    // Opens the recordset on rows already read (Connection.Execute).
    void Attach(std::unique_ptr<RowSet> rows, std::shared_ptr<SqliteDatabase> database, LockTypeEnum lockType,
                ComPtr<Connection> connection);

private:
    void SetFieldValues(const VARIANT& fields, const VARIANT& values);
    ComPtr<Connection> ConnectionFor(const VARIANT& activeConnection);

    // Gives the rows now open the watcher.
    void WatchOpenRows();

    std::shared_ptr<RecordsetState> state_;
    RowsWatcher* watcher_ = nullptr;
    ComPtr<CFields> fields_;
    ComPtr<Connection> connection_;
    CursorLocationEnum cursorLocation_ = adUseServer;
    tlx::Variant filter_;
    std::u16string sort_;
};

}  // namespace tlx::ado
