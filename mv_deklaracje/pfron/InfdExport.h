// The export of an INF-D and its INF-D-P attachments as PFRON application files: "infd_" + period for
// the INF-D, "infdp_" + period + "_" + the attachment's key for each attachment, all built and checked
// before the first is written. The files take the export road (export/ExportDelivery): into a folder of
// this machine, or to a folder on the user's machine.
#pragma once

#include <optional>

#include "hostapi/Files.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/export/ExportDelivery.h"
#include "platform/com/ComPtr.h"

class InfdExport {
public:
    // Builds the documents of declaration `id`, loaded through `session`. An empty folder is refused
    // with E_INVALIDARG.
    InfdExport(ISession* session, LONG id, const CBstr& folder);

    // Writes every file into the folder of this machine.
    void WriteFiles() const { delivery_->WriteFiles(); }
    // Delivers every file to the folder on the user's machine; `copy` keeps the file copy component
    // of the calling object between exports.
    void SendFiles(tlx::ComPtr<IRemoteFileCopy>& copy) const { delivery_->SendFiles(copy); }

    // The files: name and content, the INF-D's first, then the attachments by their number.
    const std::vector<ExportDelivery::File>& Files() const { return delivery_->Files(); }

private:
    std::optional<ExportDelivery> delivery_;
};
