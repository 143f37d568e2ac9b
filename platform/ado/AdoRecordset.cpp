#include "platform/ado/AdoRecordset.h"

#include <cmath>

#include "platform/ado/AdoConnection.h"
#include "platform/ado/AdoError.h"
#include "platform/ado/BatchWriter.h"
#include "platform/ado/SqlExecutor.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace tlx::ado {
namespace {
bool IsMissing(const VARIANT& v) {
    return v.vt == VT_EMPTY || (v.vt == VT_ERROR && v.scode == DISP_E_PARAMNOTFOUND_SCODE);
}

std::u16string_view ViewOf(const VARIANT& v) {
    return v.bstrVal ? std::u16string_view(v.bstrVal, SysStringLen(v.bstrVal)) : std::u16string_view();
}

std::u16string TextOf(const VARIANT& v) { return std::u16string(ViewOf(v)); }

// An argument as it is read: one passed by reference is copied through into `copied`; others are read
// where they are, without a copy.
const VARIANT& ReadThrough(const VARIANT& input, tlx::Variant& copied) {
    if (!(input.vt & VT_BYREF)) return input;
    VariantCopyInd(&copied, &input);
    return copied;
}

// A bookmark as the recordset hands it out (VT_R8) or as text or any number.
double BookmarkValue(const VARIANT& input) {
    tlx::Variant v;
    VariantCopyInd(&v, &input);
    switch (v.vt) {
        case VT_R8: return v.dblVal;
        case VT_I4: return v.lVal;
        case VT_I2: return v.iVal;
        case VT_I8: return static_cast<double>(v.llVal);
        case VT_BSTR: {
            std::string text = Utf16ToUtf8(TextOf(v));
            char* end = nullptr;
            double value = std::strtod(text.c_str(), &end);
            if (!text.empty() && *end == '\0') return value;
            break;
        }
        default: break;
    }
    Fail(adErrInvalidArgument, u"Not a bookmark of this recordset");
}
}  // namespace

CRecordset::CRecordset() : state_(std::make_shared<RecordsetState>()) { fields_ = CFields::Make(state_); }

void CRecordset::Attach(std::unique_ptr<RowSet> rows, std::shared_ptr<SqliteDatabase> database, LockTypeEnum lockType,
                        ComPtr<Connection> connection) {
    state_->rows = std::move(rows);
    WatchOpenRows();
    state_->database = std::move(database);
    state_->lockType = lockType;
    state_->fabricated = false;
    connection_ = std::move(connection);
    cursorLocation_ = adUseClient;
}

void CRecordset::WatchRows(RowsWatcher* watcher) {
    watcher_ = watcher;
    WatchOpenRows();
}

void CRecordset::WatchOpenRows() {
    if (state_->rows) state_->rows->Watch(watcher_);
}

HRESULT CRecordset::get_Fields(Fields** fields) {
    if (!fields) return E_POINTER;
    return ComPtr<Fields>(fields_).CopyTo(fields);
}

HRESULT CRecordset::get_BOF(VARIANT_BOOL* bof) {
    if (!bof) return E_POINTER;
    return Boundary([&] { *bof = state_->Rows().Bof() ? VARIANT_TRUE : VARIANT_FALSE; });
}

HRESULT CRecordset::get_EOF(VARIANT_BOOL* eof) {
    if (!eof) return E_POINTER;
    return Boundary([&] { *eof = state_->Rows().Eof() ? VARIANT_TRUE : VARIANT_FALSE; });
}

HRESULT CRecordset::MoveFirst() {
    return Boundary([&] { state_->Rows().MoveFirst(); });
}

HRESULT CRecordset::MoveLast() {
    return Boundary([&] { state_->Rows().MoveLast(); });
}

HRESULT CRecordset::MoveNext() {
    return Boundary([&] { state_->Rows().MoveNext(); });
}

HRESULT CRecordset::MovePrevious() {
    return Boundary([&] { state_->Rows().MovePrevious(); });
}

HRESULT CRecordset::get_RecordCount(LONG* count) {
    if (!count) return E_POINTER;
    return Boundary([&] { *count = state_->Rows().RecordCount(); });
}

HRESULT CRecordset::get_Bookmark(VARIANT* bookmark) {
    if (!bookmark) return E_POINTER;
    VariantInit(bookmark);
    return Boundary([&] { *bookmark = tlx::Variant::FromDouble(state_->Rows().Current().bookmark).Detach(); });
}

HRESULT CRecordset::put_Bookmark(VARIANT bookmark) {
    return Boundary([&] { state_->Rows().MoveToBookmark(BookmarkValue(bookmark)); });
}

HRESULT CRecordset::get_EditMode(EditModeEnum* mode) {
    if (!mode) return E_POINTER;
    return Boundary([&] {
        RowSet& rows = state_->Rows();
        if (!rows.HasCurrent()) Fail(adErrNoCurrentRecord, u"Either BOF or EOF is True");
        *mode = rows.EditMode();
    });
}

HRESULT CRecordset::get_Status(LONG* status) {
    if (!status) return E_POINTER;
    return Boundary([&] { *status = state_->Rows().Current().Status(); });
}

HRESULT CRecordset::get_State(LONG* state) {
    if (!state) return E_POINTER;
    *state = state_->rows ? adStateOpen : adStateClosed;
    return S_OK;
}

HRESULT CRecordset::get_Filter(VARIANT* criteria) {
    if (!criteria) return E_POINTER;
    VariantInit(criteria);
    if (filter_.vt == VT_EMPTY) {
        *criteria = tlx::Variant::FromLong(adFilterNone).Detach();
        return S_OK;
    }
    return VariantCopy(criteria, &filter_);
}

HRESULT CRecordset::put_Filter(VARIANT criteria) {
    return Boundary([&] {
        RowSet& rows = state_->Rows();
        tlx::Variant value;
        VariantCopyInd(&value, &criteria);
        if (value.vt == VT_BSTR) {
            std::u16string text = TextOf(value);
            rows.SetFilter(text);
            filter_ = text.empty() ? tlx::Variant() : value;
            return;
        }
        LONG group = value.vt == VT_I4 ? value.lVal : value.vt == VT_I2 ? value.iVal : -1;
        if (value.vt == VT_EMPTY || group == adFilterNone) {
            rows.ClearFilter();
            filter_.Clear();
        } else if (group == adFilterPendingRecords) {
            rows.SetPendingFilter();
            filter_ = tlx::Variant::FromLong(group);
        } else {
            Fail(adErrInvalidArgument, u"Unsupported filter");
        }
    });
}

HRESULT CRecordset::get_Sort(BSTR* criteria) {
    if (!criteria) return E_POINTER;
    *criteria = tlx::Bstr(sort_).Detach();
    return S_OK;
}

HRESULT CRecordset::put_Sort(BSTR criteria) {
    return Boundary([&] {
        std::u16string text = criteria ? std::u16string(criteria, SysStringLen(criteria)) : std::u16string();
        state_->Rows().SetSort(text);
        sort_ = text;
    });
}

HRESULT CRecordset::get_CursorLocation(CursorLocationEnum* location) {
    if (!location) return E_POINTER;
    *location = cursorLocation_;
    return S_OK;
}

HRESULT CRecordset::put_CursorLocation(CursorLocationEnum location) {
    // Every recordset is client-side; the setting is kept for callers that read it back.
    if (location != adUseClient && location != adUseServer) return SetErrorText(adErrInvalidArgument, u"Invalid cursor location");
    cursorLocation_ = location;
    return S_OK;
}

HRESULT CRecordset::get_LockType(LockTypeEnum* lockType) {
    if (!lockType) return E_POINTER;
    *lockType = state_->lockType;
    return S_OK;
}

HRESULT CRecordset::put_LockType(LockTypeEnum lockType) {
    return Boundary([&] {
        if (state_->rows) Fail(adErrObjectOpen, u"Operation is not allowed when the object is open");
        state_->lockType = lockType == adLockUnspecified ? adLockReadOnly : lockType;
    });
}

HRESULT CRecordset::get_ActiveConnection(VARIANT* connection) {
    if (!connection) return E_POINTER;
    VariantInit(connection);
    if (connection_) *connection = tlx::Variant::FromDispatch(connection_.Get()).Detach();
    else connection->vt = VT_NULL;
    return S_OK;
}

HRESULT CRecordset::putref_ActiveConnection(IDispatch* connection) {
    return Boundary([&] {
        if (!connection) {
            connection_.Reset();  // disconnects; the rows stay
            state_->database.reset();
            return;
        }
        ComPtr<Connection> typed;
        if (FAILED(connection->QueryInterface(Connection::kIid, typed.OutVoid())))
            Fail(adErrInvalidArgument, u"Not a connection");
        connection_ = typed;
    });
}

ComPtr<Connection> CRecordset::ConnectionFor(const VARIANT& input) {
    tlx::Variant copied;
    const VARIANT& active = ReadThrough(input, copied);
    if (IsMissing(active) || active.vt == VT_NULL) return connection_;
    if (active.vt == VT_BSTR) {
        auto connection = CConnection::Make();
        tlx::Bstr text(TextOf(active));
        if (HRESULT hr = connection->Open(text.Get(), nullptr, nullptr, 0); FAILED(hr))
            Fail(hr, TakeErrorDescription());
        return ComPtr<Connection>(connection.Get());
    }
    if ((active.vt == VT_DISPATCH || active.vt == VT_UNKNOWN) && active.punkVal) {
        ComPtr<Connection> typed;
        if (SUCCEEDED(active.punkVal->QueryInterface(Connection::kIid, typed.OutVoid()))) return typed;
    }
    Fail(adErrInvalidArgument, u"The active connection is neither a connection nor a connection string");
}

HRESULT CRecordset::Open(VARIANT source, VARIANT activeConnection, CursorTypeEnum, LockTypeEnum lockType,
                         LONG options) {
    return Boundary([&] {
        if (state_->rows) Fail(adErrObjectOpen, u"Operation is not allowed when the object is open");
        if (lockType > 0) state_->lockType = lockType;  // left out (0) or unspecified: the property's value
        tlx::Variant copied;
        const VARIANT& text = ReadThrough(source, copied);
        if (IsMissing(text) || (text.vt == VT_BSTR && SysStringLen(text.bstrVal) == 0)) {
            // A recordset built in memory from the fields appended to it.
            if (state_->appendedColumns.empty()) Fail(adErrInvalidArgument, u"The recordset has no fields");
            auto rows = std::make_unique<RowSet>();
            for (const ColumnInfo& column : state_->appendedColumns) rows->AddColumn(column);
            state_->rows = std::move(rows);
            WatchOpenRows();
            state_->fabricated = true;
            return;
        }
        if (text.vt != VT_BSTR) Fail(adErrInvalidArgument, u"The source is not command text");
        if (options != adCmdText && options != adCmdUnspecified && options != adCmdUnknown && options != 0)
            Fail(adErrFeatureNotAvailable, u"Only command text is opened");
        ComPtr<Connection> connection = ConnectionFor(activeConnection);
        if (!connection) Fail(adErrObjectClosed, u"The recordset has no open connection");
        auto provider = connection.As<IDatabaseProvider>();
        std::shared_ptr<SqliteDatabase> database = provider ? provider->Database() : nullptr;
        if (!database) Fail(adErrObjectClosed, u"The connection is closed");
        SqlExecutor executor(*database);
        ExecutionResult outcome = executor.Execute(Utf16ToUtf8(ViewOf(text)));
        connection_ = connection;
        if (!outcome.rows) return;  // a statement without rows leaves the recordset closed
        state_->rows = std::move(outcome.rows);
        WatchOpenRows();
        state_->database = database;
        state_->fabricated = false;
        filter_.Clear();
        sort_.clear();
    });
}

HRESULT CRecordset::Close() {
    return Boundary([&] {
        state_->Rows();
        state_->rows.reset();
        state_->database.reset();
        state_->fabricated = false;
        filter_.Clear();
        sort_.clear();
    });
}

void CRecordset::SetFieldValues(const VARIANT& fieldsInput, const VARIANT& valuesInput) {
    if (IsMissing(fieldsInput)) return;
    ComPtr<Field> field;
    if (HRESULT hr = fields_->get_Item(fieldsInput, field.Out()); FAILED(hr)) Fail(hr, TakeErrorDescription());
    if (HRESULT hr = field->put_Value(valuesInput); FAILED(hr)) Fail(hr, TakeErrorDescription());
}

HRESULT CRecordset::AddNew(VARIANT fieldList, VARIANT values) {
    return Boundary([&] {
        state_->UpdatableRows().AddNew();
        SetFieldValues(fieldList, values);
    });
}

HRESULT CRecordset::Update(VARIANT fields, VARIANT values) {
    // Batch-optimistic: the row's changes are already in the recordset; UpdateBatch writes them.
    return Boundary([&] {
        state_->UpdatableRows();
        SetFieldValues(fields, values);
    });
}

HRESULT CRecordset::CancelUpdate() {
    return Boundary([&] {
        RowSet& rows = state_->Rows();
        if (rows.HasCurrent() && rows.Current().isNew) rows.CancelBatch(adAffectCurrent);
    });
}

HRESULT CRecordset::Delete(AffectEnum affectRecords) {
    return Boundary([&] {
        if (affectRecords != adAffectCurrent && affectRecords != 0) Fail(adErrFeatureNotAvailable, u"Only the current record is deleted");
        state_->UpdatableRows().DeleteCurrent();
    });
}

HRESULT CRecordset::UpdateBatch(AffectEnum affectRecords) {
    return Boundary([&] {
        RowSet& rows = state_->UpdatableRows();
        if (!state_->database) {
            if (rows.PendingRows(affectRecords).empty()) return;
            Fail(adErrFeatureNotAvailable, u"The recordset belongs to no database");
        }
        BatchWriter(*state_->database, rows).Write(affectRecords == 0 ? adAffectAll : affectRecords);
    });
}

HRESULT CRecordset::CancelBatch(AffectEnum affectRecords) {
    return Boundary([&] { state_->Rows().CancelBatch(affectRecords == 0 ? adAffectAll : affectRecords); });
}

HRESULT CRecordset::Resync(AffectEnum affectRecords, ResyncEnum resyncValues) {
    return Boundary([&] {
        RowSet& rows = state_->Rows();
        if (!state_->database) Fail(adErrFeatureNotAvailable, u"The recordset belongs to no database");
        BatchWriter writer(*state_->database, rows);
        ResyncEnum values = resyncValues == 0 ? adResyncAllValues : resyncValues;
        if (affectRecords == adAffectCurrent) {
            writer.Resync(rows.Current(), values);
            return;
        }
        for (Row* row : rows.AllRows()) writer.Resync(*row, values);
    });
}

}  // namespace tlx::ado
