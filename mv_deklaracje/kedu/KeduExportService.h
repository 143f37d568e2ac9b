// The KEDU documents of single ZUS declarations as the DRA service answers its export members with
// them: the export route, the header, the body, and the document put into a file here or on the
// user's machine. It reads the declarations of the session it was made for and keeps the host's file
// copy component between exports.
#pragma once

#include "hostapi/Files.h"
#include "hostapi/Session.h"
#include "platform/com/ComObject.h"
#include "tlb/Kedu.h"

class CKeduExportService final : public tlx::ComObject<CKeduExportService, IKeduDocuments> {
public:
    // Keeps a reference obtained from the session, not the session itself.
    explicit CKeduExportService(tlx::ComPtr<ISessionReference> session);

    HRESULT FormatEksportu(LONG lDeklID, FormatEksportuZUSEnum* format) override;
    HRESULT NaglowekXML(BSTR* header) override;
    HRESULT ToXML(LONG lDeklID, BSTR* body) override;
    HRESULT ExportToXML(LONG lDeklID, BSTR fileName) override;
    HRESULT ExportToXMLCIV(LONG lDeklID, BSTR fileName, BSTR appPath) override;

private:
    tlx::ComPtr<ISession> Session() const;

    tlx::ComPtr<ISessionReference> session_;
    tlx::ComPtr<IRemoteFileCopy> copy_;
};
