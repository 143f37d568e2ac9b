// Column access on the current row of a recordset the module opened or was handed: the field by name,
// its value, an amount with NULL as 0. A missing field raises the recordset's own error.
#pragma once

#include <string_view>

#include "mv_deklaracje/core/Money.h"
#include "platform/ado/Ado.h"
#include "platform/com/ComPtr.h"

tlx::ComPtr<Field> RecordsetField(Recordset* rows, std::u16string_view column);
// The same with the column's name already made into the key the recordset's fields take.
tlx::ComPtr<Field> RecordsetField(Recordset* rows, const VARIANT& column);
tlx::Variant ReadRecordsetValue(Recordset* rows, std::u16string_view column);
CMoney ReadRecordsetAmount(Recordset* rows, std::u16string_view column);
// A forward-only, read-only recordset of a statement on the connection.
tlx::ComPtr<Recordset> OpenRows(Connection* connection, std::u16string_view sql);
void WriteRecordsetValue(Recordset* rows, std::u16string_view column, const VARIANT& value);
