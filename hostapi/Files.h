// The host's file services the module calls: the sibling library that stores a file in a record.
#pragma once

#include "platform/com/Variant.h"

struct Recordset;  // ADO, platform/ado

// The host's sibling library that stores a file in a record, installed in the module library's own
// folder: its file name there and the export SaveImageFromFile. The callee takes over (and releases) the
// recordset reference and the path string; the prefix stays the caller's. Mode -1 reads the whole file; it writes the size
// into prefix + "_Rozmiar", the file name into prefix + "_Nazwa" and the bytes in base64 into
// prefix + "_Obraz" of the recordset's current row (the last two when the table has them). A failure (no
// recordset, an unreadable file) is answered as an HRESULT with an error object.
inline constexpr char kSysLibraryName[] = "libtlx_sys.so";
inline constexpr char kSaveImageFromFileExport[] = "SaveImageFromFile";
using SaveImageFromFileFn = HRESULT (*)(Recordset* recordset, BSTR prefix, LONG mode, BSTR path);
