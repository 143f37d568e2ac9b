// Small helpers over the ADO layer for host code: open a recordset, run a statement, read and write a
// field of the current row. All throw HostError on failure.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/ado/Ado.h"
#include "platform/com/ComPtr.h"
#include "platform/com/Variant.h"

namespace tlx::host {

// A client-side, batch-optimistic recordset of a statement on a connection.
ComPtr<Recordset> OpenRecordset(Connection* connection, std::u16string_view sql);
// A statement that yields no rows.
void ExecuteSql(Connection* connection, std::u16string_view sql);
// A new connection to a database file, or by a connection text made for one.
ComPtr<Connection> OpenConnection(const std::string& path);
ComPtr<Connection> OpenConnection(BSTR connectionText);
std::u16string ConnectionText(const std::string& path);

bool AtEnd(Recordset* recordset);  // BOF or EOF
// Calls `visit` with every field of the recordset and its name, in column order.
void ForEachField(Recordset* recordset, const std::function<void(Field* field, std::u16string_view name)>& visit);
// The field of the current row, or null when the recordset has no such column.
ComPtr<Field> FindField(Recordset* recordset, std::u16string_view name);
Variant ReadField(Recordset* recordset, std::u16string_view name);
void WriteField(Recordset* recordset, std::u16string_view name, const VARIANT& value);
// A field read as text (NULL as the empty text) or as a number (NULL as 0).
std::u16string ReadText(Recordset* recordset, std::u16string_view name);
LONG ReadLong(Recordset* recordset, std::u16string_view name);
// The same of a field found before: a field stands for its column whatever row is current, so a walk
// over the rows finds it once.
LONG ReadLong(Field* field);

// Single quotes doubled, the text in quotes: a value pasted into a statement the host builds.
std::u16string QuoteSql(std::u16string_view text);

}  // namespace tlx::host
