// The PFRON application documents of a WN-U export: the WN-U's own document (the layout it shares with
// the first-generation WN-D) and one per INF-U-P attachment. Which attributes of the attachment's
// degrees carry the employee's days depends on the company's refund status, read once per export as
// it stands on the first day of the WN-U's month.
#pragma once

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/pfron/SodDocumentSet.h"
#include "mv_deklaracje/pfron/SodMainDocument.h"

class WnuDocuments final : public SodDocumentSet {
public:
    // The WN-U's document; reads the refund status of its month.
    CBstr BuildWnuXml(IDeklaracja2* declaration);
    // An attachment's document; sets FileKey().
    CBstr BuildInfUpXml(IDeklaracja2* attachment);

    // The form versions its export writes.
    static constexpr LONG kExportedVersions[] = {1};

    // SodDocumentSet
    Forms MainForms() const override { return {320, kExportedVersions, u"TLXDeklaracje.WNU"}; }
    CBstr BuildMain(IDeklaracja2* declaration) override { return BuildWnuXml(declaration); }
    void StartAttachments() override { noPeselCounter_ = 0; }
    CBstr BuildAttachment(IDeklaracja2* attachment) override { return BuildInfUpXml(attachment); }
    CBstr MainFilePrefix() const override { return CBstr(u"wnu"); }
    CBstr AttachmentFilePrefix() const override { return CBstr(u"infup"); }
    const CBstr& ReportingPeriod() const override { return main_.OkresSprawozdawczy(); }
    const CBstr& FileKey() const override { return attachmentFileKey_; }

    static constexpr long kTypeAttachment = 30;
    // The refund status under which the days go to the norm attributes instead of the ust4 ones.
    static constexpr long kNormRefundStatus = 3;

private:
    SodMainDocument main_;
    long refundStatus_ = 0;
    CBstr attachmentFileKey_;
    long noPeselCounter_ = 0;
};
