// The export of a PFRON declaration and its attachments as application files: the main file
// prefix + "_" + period, each attachment's prefix + "_" + period + "_" + its key, all built and checked
// before the first is written or handed over. Attachments go in the order of their numbers; the period
// and the keys are cleaned for a file name, and a key met twice (a PESEL given twice) gets "_" and the
// attachment's number. The files take the export road (export/ExportDelivery): into a folder of this
// machine, or to a folder on the user's machine.
#pragma once

#include <optional>

#include "hostapi/Files.h"
#include "hostapi/Session.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/export/ExportDelivery.h"
#include "mv_deklaracje/pfron/SodDocumentSet.h"
#include "platform/com/ComPtr.h"

class SodExport {
public:
    // Builds the documents of declaration `id`, loaded through `session`. An empty folder is refused
    // with E_INVALIDARG.
    SodExport(ISession* session, LONG id, const CBstr& folder, SodDocumentSet& documents);

    // Writes every file into the folder of this machine.
    void WriteFiles() const { delivery_->WriteFiles(); }
    // Delivers every file to the folder on the user's machine (the copy for a remote-desktop operator,
    // the transfer otherwise); `copy` keeps the file copy component of the calling object between exports.
    void SendFiles(tlx::ComPtr<IRemoteFileCopy>& copy) const { delivery_->SendFiles(copy); }
    // Hands every file to the transfer component, whoever the operator is.
    void TransferFiles() const { delivery_->TransferFiles(); }
    // The error a missing transfer component answers (see ExportDelivery).
    void SetMissingTransferError(HRESULT hr) { delivery_->SetMissingTransferError(hr); }

    // The files: name and content, the main one first, then the attachments by their number.
    const std::vector<ExportDelivery::File>& Files() const { return delivery_->Files(); }

private:
    std::optional<ExportDelivery> delivery_;
};
