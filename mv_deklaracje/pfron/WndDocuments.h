// The PFRON application documents of a first-generation WN-D export: the WN-D's own document (the
// layout it shares with the WN-U) and one per INF-D-P attachment, whose working-time and employment
// elements only an attachment of form version 1 carries.
#pragma once

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/pfron/SodDocumentSet.h"
#include "mv_deklaracje/pfron/SodMainDocument.h"

class WndDocuments final : public SodDocumentSet {
public:
    CBstr BuildWndXml(IDeklaracja2* declaration) { return main_.Build(declaration, SodMainDocument::Kind::Wnd); }
    // An attachment's document; sets FileKey().
    CBstr BuildInfDpXml(IDeklaracja2* attachment);

    // The form versions its export writes.
    static constexpr LONG kExportedVersions[] = {1};

    // SodDocumentSet
    Forms MainForms() const override { return {310, kExportedVersions, u"TLXDeklaracje.WND"}; }
    CBstr BuildMain(IDeklaracja2* declaration) override { return BuildWndXml(declaration); }
    void StartAttachments() override { noPeselCounter_ = 0; }
    CBstr BuildAttachment(IDeklaracja2* attachment) override { return BuildInfDpXml(attachment); }
    CBstr MainFilePrefix() const override { return CBstr(u"wnd2"); }
    CBstr AttachmentFilePrefix() const override { return CBstr(u"infdp"); }
    const CBstr& ReportingPeriod() const override { return main_.OkresSprawozdawczy(); }
    const CBstr& FileKey() const override { return attachmentFileKey_; }

    static constexpr long kTypeAttachment = 5;
    static constexpr long kAttachmentVersionSent = 4;

private:
    SodMainDocument main_;
    CBstr attachmentFileKey_;
    long noPeselCounter_ = 0;
};
