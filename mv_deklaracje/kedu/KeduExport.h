// The KEDU document of one declaration put into a file: on this machine, or, for an operator working
// in a remote-desktop session, on the user's machine. The roads to the user's machine are the export
// layer's.
#pragma once

#include <utility>

#include "hostapi/Files.h"
#include "mv_deklaracje/core/Bstr.h"
#include "platform/com/ComPtr.h"

// A target path cut at its last "/" or "\" into its folder (with that separator; "." for a bare name)
// and its file name. An empty name, one of separators only, and the names "." and ".." are refused with
// E_INVALIDARG.
std::pair<CBstr, CBstr> SplitTarget(const CBstr& fileName);

// The document, one line ended by CR LF in UTF-8, as the file `fileName`: written here whole or not at
// all, or, for a remote-desktop operator, written to the temporary folder under its bare name, copied to
// the user's machine under `fileName` through `copy` (kept between exports) and removed. A failure of
// the hand-over fails the export.
void ExportKeduDocument(const CBstr& document, const CBstr& fileName, tlx::ComPtr<IRemoteFileCopy>& copy);

// The document sent to the user's machine as `fileName`: through the host's transfer for a local
// operator, opened there with `appPath` when one is given; as `ExportKeduDocument` writes it for a
// remote-desktop operator. An application path or a target holding a control character is refused
// with E_INVALIDARG before anything is sent. A transfer component that cannot be had fails with `missingTransfer` when
// one is given, otherwise with the creation's own error.
void SendKeduDocument(const CBstr& document, const CBstr& fileName, const CBstr& appPath,
                      tlx::ComPtr<IRemoteFileCopy>& copy, HRESULT missingTransfer = S_OK);
