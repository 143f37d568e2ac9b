// The PFRON application documents of an INF-D export: the INF-D's own document and one per INF-D-P
// attachment, each a `wniosek` in the exchange envelope, written as one line of text.
//
// An export builds the INF-D's document first: it keeps the register number, the reporting period and
// the kind of information, which every attachment's document repeats.
#pragma once

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/pfron/SodDocumentSet.h"

class InfdDocuments final : public SodDocumentSet {
public:
    // The INF-D's document; keeps the texts the attachments repeat.
    CBstr BuildInfdDocument(IDeklaracja2* declaration);
    // An attachment's document; sets FileKey().
    CBstr BuildInfdpDocument(IDeklaracja2* attachment);

    // The form versions its export writes.
    static constexpr LONG kExportedVersions[] = {1, 2, 3};

    // SodDocumentSet
    Forms MainForms() const override { return {300, kExportedVersions, u"TLXDeklaracje.INFD"}; }
    CBstr BuildMain(IDeklaracja2* declaration) override { return BuildInfdDocument(declaration); }
    void StartAttachments() override { withoutPesel_ = 0; }
    CBstr BuildAttachment(IDeklaracja2* attachment) override { return BuildInfdpDocument(attachment); }
    CBstr MainFilePrefix() const override { return CBstr(u"infd"); }
    CBstr AttachmentFilePrefix() const override { return CBstr(u"infdp"); }
    const CBstr& ReportingPeriod() const override { return okresSprawozdawczy_; }
    const CBstr& FileKey() const override { return fileKey_; }

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
