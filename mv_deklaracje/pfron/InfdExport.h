// The export of an INF-D and its INF-D-P attachments as PFRON application files: "infd_" + period for
// the INF-D, "infdp_" + period + "_" + the attachment's key for each attachment, all built before the
// first is written. Either into a folder of this machine, or to a folder on the user's machine through
// the host's remote file transfer (a local operator) or remote file copy (a remote-desktop operator).
#pragma once

#include <utility>
#include <vector>

#include "hostapi/Files.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/Bstr.h"
#include "platform/com/ComPtr.h"

class InfdExport {
public:
    // Builds the documents of declaration `id`, loaded through `session`. An empty folder is refused
    // with E_INVALIDARG.
    InfdExport(ISession* session, LONG id, const CBstr& folder);

    // Writes every file into the folder of this machine.
    void WriteFiles();
    // Delivers every file to the folder on the user's machine; `copy` keeps the file copy component
    // of the calling object between exports.
    void SendFiles(tlx::ComPtr<IRemoteFileCopy>& copy);

    // The files: name and content, the INF-D's first, then the attachments by their number.
    const std::vector<std::pair<CBstr, CBstr>>& Files() const { return files_; }

private:
    // The folder and the name joined with one separator.
    static CBstr Join(const CBstr& folder, const CBstr& name, char16_t separator);

    CBstr folder_;
    std::vector<std::pair<CBstr, CBstr>> files_;
};

// A text safe in a file name: separators and control characters become "_".
CBstr SafeFileNamePart(const CBstr& text);
