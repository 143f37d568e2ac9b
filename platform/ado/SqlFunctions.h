// The T-SQL built-in functions the rewritten statements call, installed on every connection: YEAR,
// MONTH, DAY, GETDATE, DATEADD, DATEDIFF, and tlx_text / tlx_datetime behind CONVERT and CAST.
#pragma once

struct sqlite3;

namespace tlx::ado {
void InstallBuiltinFunctions(sqlite3* db);
}  // namespace tlx::ado
