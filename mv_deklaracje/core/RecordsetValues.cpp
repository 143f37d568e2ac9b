#include "mv_deklaracje/core/RecordsetValues.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "platform/com/ClassRegistry.h"

tlx::ComPtr<Field> RecordsetField(Recordset* rows, std::u16string_view column) {
    return RecordsetField(rows, tlx::Variant::FromString(column));
}

tlx::ComPtr<Field> RecordsetField(Recordset* rows, const VARIANT& column) {
    if (!rows) RaiseHResult(E_POINTER);
    tlx::ComPtr<Fields> fields;
    CheckHost(rows->get_Fields(fields.Out()));
    if (!fields) RaiseHResult(E_POINTER);
    tlx::ComPtr<Field> field;
    CheckHost(fields->get_Item(column, field.Out()));
    if (!field) RaiseHResult(E_POINTER);
    return field;
}

tlx::Variant ReadRecordsetValue(Recordset* rows, std::u16string_view column) {
    tlx::Variant value;
    CheckHost(RecordsetField(rows, column)->get_Value(value.Out()));
    return value;
}

CMoney ReadRecordsetAmount(Recordset* rows, std::u16string_view column) {
    return VariantToMoneyOr(ReadRecordsetValue(rows, column).Detach(), 0.0);
}

void WriteRecordsetValue(Recordset* rows, std::u16string_view column, const VARIANT& value) {
    CheckHost(RecordsetField(rows, column)->put_Value(value));
}

tlx::ComPtr<Recordset> OpenRows(Connection* connection, std::u16string_view sql) {
    if (!connection) RaiseComError(E_POINTER, u"Brak połączenia z bazą danych");
    tlx::ComPtr<Recordset> rows;
    HRESULT hr = CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, IidOf<Recordset>(), rows.OutVoid());
    if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHostFailure(hr);
    if (!rows) RaiseHResult(E_POINTER);
    CheckHost(rows->Open(tlx::Variant::FromString(sql), tlx::Variant::FromDispatch(connection), adOpenForwardOnly,
                         adLockReadOnly, adCmdText));
    return rows;
}
