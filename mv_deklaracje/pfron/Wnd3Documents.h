// The PFRON application documents of a WN-D export of the current generation (form versions 3 to 6, and
// version 1 of the first generation, which a file handed to the user's machine names as version 2):
// the WN-D's own document and one per INF-D-P attachment (form versions 5 to 8), each a `wniosek` in
// the exchange envelope, written as one line of text.
//
// An export builds the WN-D's document first: it keeps the register number, the reporting period, the
// kind of information and whether the attachments carry the employees' NIP, which the attachments'
// documents repeat. Which attributes a document carries depends on its form version (and for the WN-D
// version 6 on its year); the values come from the form's fields.
#pragma once

#include "hostapi/Session.h"
#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/pfron/SodDocumentSet.h"

class Wnd3Documents final : public SodDocumentSet {
public:
    // The files' road: a file handed to the user's machine names a WN-D of version 1 as version 2.
    enum class Road { Folder, UserMachine };

    // `session` opens a WN-D that an attachment names as its parent, when it is not the exported one.
    Wnd3Documents(ISession* session, Road road) : session_(session), road_(road) {}

    // The WN-D's document; keeps the texts the attachments repeat.
    CBstr BuildWndDocument(IDeklaracja2* declaration);
    // An attachment's document; sets FileKey() and the attachment's version in its file name. An
    // attachment of a version below 5 is written as version 5, whose fields it has.
    CBstr BuildInfdpDocument(IDeklaracja2* attachment);

    // The form versions its export writes: the current generation's, and the first generation's version
    // 1, whose fields the current document carries.
    static constexpr LONG kExportedVersions[] = {1, 3, 4, 5, 6};

    // SodDocumentSet
    Forms MainForms() const override { return {310, kExportedVersions, u"TLXDeklaracje.WND3"}; }
    CBstr BuildMain(IDeklaracja2* declaration) override { return BuildWndDocument(declaration); }
    void StartAttachments() override { infdpCounter_ = 0; }
    CBstr BuildAttachment(IDeklaracja2* attachment) override { return BuildInfdpDocument(attachment); }
    CBstr MainFilePrefix() const override;
    CBstr AttachmentFilePrefix() const override;
    const CBstr& ReportingPeriod() const override { return okresSprawozdawczy_; }
    const CBstr& FileKey() const override { return lastPesel_; }

    static constexpr long kTypeCorrection = 9;  // RODZAJINFORMACJI "K"
    static constexpr long kTypeApplication = 8;
    static constexpr long kTypeAttachment = 5;
    static constexpr long kFirstAttachmentVersion = 5;

private:
    // The WSTAWIACNIP of the attachment's WN-D: "1" when the attachments carry the employee's NIP.
    std::u16string ParentInsertsNip(IDeklaracja2* attachment);

    ISession* session_;
    Road road_;
    // Left by BuildWndDocument for the attachments and the file names.
    CBstr nrPfron_;
    CBstr okresSprawozdawczy_;
    CBstr rodzajInformacji_;
    long wndId_ = 0;
    long wndVersion_ = 0;
    std::u16string wstawiacNip_;
    // Left by BuildInfdpDocument for the file name.
    CBstr lastPesel_;
    long infdpVersion_ = 0;
    long infdpCounter_ = 0;
};
