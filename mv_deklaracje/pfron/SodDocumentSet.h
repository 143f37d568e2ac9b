// The documents of one kind of PFRON application export (INF-D, WN-D, WN-U): the main declaration's
// document, then one per attachment. The main document is always built first: it keeps the texts that
// the attachments' documents and the file names repeat.
#pragma once

#include <span>
#include <string_view>

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje_tlb.h"

class SodDocumentSet {
public:
    virtual ~SodDocumentSet() = default;

    // The main declarations this export writes: its form type and the form versions it writes in its
    // format (the WN-D of the first generation's file cannot carry the current versions' employment
    // figures).
    struct Forms {
        LONG type;
        std::span<const LONG> versions;  // ascending
        std::u16string_view service;     // the exporting service's ProgID, for the refusal
    };
    virtual Forms MainForms() const = 0;

    // The main declaration's document.
    virtual CBstr BuildMain(IDeklaracja2* declaration) = 0;
    // Starts the attachments of an export: substitute keys number from 1 again.
    virtual void StartAttachments() = 0;
    // An attachment's document; sets FileKey() and AttachmentFilePrefix().
    virtual CBstr BuildAttachment(IDeklaracja2* attachment) = 0;

    // What opens the main file's name before "_" and the period ("infd", "wnd6").
    virtual CBstr MainFilePrefix() const = 0;
    // What opens the last built attachment's file name before "_" and the period ("infdp", "infup").
    virtual CBstr AttachmentFilePrefix() const = 0;
    // The main declaration's reporting period as stored.
    virtual const CBstr& ReportingPeriod() const = 0;
    // The last built attachment's key: its PESEL, or for one without a PESEL its running number among
    // such attachments of the export, eleven digits with leading zeros.
    virtual const CBstr& FileKey() const = 0;
};
