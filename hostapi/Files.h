// The host's file services the module calls: the sibling library that stores a file in a record, and the
// components that deliver export files to the machine of a user who works on a remote desktop: the
// transfer channel, which takes a file's content, and the file copy, which takes a local file.
//
// There is no remote desktop here: the user's machine is the folder $TLX_CLIENT_ROOT (by default
// tlx-klient in the system's temporary folder), and a name on it maps into that folder with its drive
// as the first folder and backslashes (or slashes) as separators: "C:\Eksport\a.xml" lands in
// <folder>/C/Eksport/a.xml, the folders made as needed. A name holding ".." is refused with
// E_ACCESSDENIED and nothing is written. Files are written through a temporary file renamed into place.
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

// The transfer channel. One run: Reset with the application path, then per file SetFileName, SetKind,
// SetContent and Transfer. Kind "file" writes the content (UTF-8) to the mapped name; kind "app" does the
// same and also appends a line "<application path> TAB <file name>" to <folder>/aplikacje.log, the
// application the user's machine would open the file with.
struct IRemoteFileTransfer : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{E575F044-B3B5-41B1-BBD4-CBC876EE55AD}");
    using Base = IDispatch;
    // "file" or "app".
    virtual HRESULT SetKind(BSTR kind) = 0;
    // Delivers the file; without a file name or a kind it fails and writes nothing.
    virtual HRESULT Transfer() = 0;
    virtual HRESULT SetContent(BSTR content) = 0;
    // Starts a new run with this application path: the file name, kind and content are forgotten.
    virtual HRESULT Reset(BSTR appPath) = 0;
    virtual HRESULT SetFileName(BSTR name) = 0;

protected:
    ~IRemoteFileTransfer() = default;
};

// The file copy: puts a copy of a local file under a name on the user's machine; the local file is left
// closed and in place for the caller to delete. A missing local file fails naming it.
struct IRemoteFileCopy : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{846E8A87-EEE4-4074-A3DB-AE88061738E0}");
    using Base = IDispatch;
    virtual HRESULT Copy(BSTR target, BSTR source) = 0;

protected:
    ~IRemoteFileCopy() = default;
};

inline constexpr CLSID CLSID_CRemoteFileTransfer = tlx::MakeGuid(u"{4B50D57F-ECF5-4515-BFFD-392392F58BBC}");
inline constexpr CLSID CLSID_CRemoteFileCopy = tlx::MakeGuid(u"{ACD5530E-2C83-4D6C-8D29-19DE639BFED3}");
inline constexpr IID IID_IRemoteFileTransfer = IRemoteFileTransfer::kIid;
inline constexpr IID IID_IRemoteFileCopy = IRemoteFileCopy::kIid;
