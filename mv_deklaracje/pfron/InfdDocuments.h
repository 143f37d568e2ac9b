// The PFRON application documents of an INF-D export: the INF-D's own document and one per INF-D-P
// attachment, each a `wniosek` in the exchange envelope, written as one line of text.
//
// An export builds the INF-D's document first: it keeps the register number, the reporting period and
// the kind of information, which every attachment's document repeats. Each attachment's document leaves
// the key of its file: the employee's PESEL, or for an attachment without one its running number among
// such attachments of the export, eleven digits with leading zeros.
#pragma once

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje_tlb.h"

class InfdDocuments {
public:
    // The INF-D's document; keeps the texts the attachments repeat.
    CBstr BuildInfdDocument(IDeklaracja2* declaration);
    // An attachment's document; sets FileKey().
    CBstr BuildInfdpDocument(IDeklaracja2* attachment);

    const CBstr& ReportingPeriod() const { return okresSprawozdawczy_; }
    const CBstr& FileKey() const { return fileKey_; }

    static constexpr long kTypeCorrection = 7;   // RODZAJINFORMACJI "K"
    static constexpr long kTypeInformation = 3;
    static constexpr long kTypeAttachment = 5;

private:
    CBstr nrPfron_;
    CBstr okresSprawozdawczy_;
    CBstr rodzajInformacji_;
    CBstr fileKey_;
    long withoutPesel_ = 0;
};
