#include "mv_deklaracje/core/RecordsetValues.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/VariantHelpers.h"

tlx::ComPtr<Field> RecordsetField(Recordset* rows, std::u16string_view column) {
    if (!rows) RaiseHResult(E_POINTER);
    tlx::ComPtr<Fields> fields;
    CheckHost(rows->get_Fields(fields.Out()));
    if (!fields) RaiseHResult(E_POINTER);
    tlx::ComPtr<Field> field;
    CheckHost(fields->get_Item(tlx::Variant::FromString(column), field.Out()));
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
