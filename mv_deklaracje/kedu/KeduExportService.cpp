#include "mv_deklaracje/kedu/KeduExportService.h"

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/kedu/KeduBody.h"
#include "mv_deklaracje/kedu/KeduDeclaration.h"
#include "mv_deklaracje/kedu/KeduExport.h"
#include "mv_deklaracje/kedu/KeduHeader.h"

HRESULT CreateKeduDocuments(ISession* session, IKeduDocuments** documents) {
    return ComBoundary([&] {
        RequireOut(documents);
        *documents = nullptr;
        if (!session) RaiseHResult(E_POINTER);
        tlx::ComPtr<ISessionReference> reference;
        CheckHost(session->GetReference(nullptr, reference.Out()));
        tlx::ComPtr<CKeduExportService> service = CKeduExportService::Make(reference);
        if (!service) RaiseHResult(E_OUTOFMEMORY);
        *documents = tlx::ComPtr<IKeduDocuments>(service.Get()).Detach();
    });
}

CKeduExportService::CKeduExportService(tlx::ComPtr<ISessionReference> session) : session_(std::move(session)) {}

tlx::ComPtr<ISession> CKeduExportService::Session() const {
    if (!session_) RaiseHResult(E_POINTER);
    tlx::ComPtr<ISession> session;
    CheckHost(session_->GetSession(session.Out()));
    if (!session) RaiseHResult(E_POINTER);
    return session;
}

HRESULT CKeduExportService::FormatEksportu(LONG lDeklID, FormatEksportuZUSEnum* format) {
    return ComBoundary([&] {
        RequireOut(format);
        const KeduDeclaration declaration(Session().Get(), lDeklID);
        const long version = declaration.Wersja();
        *format = ExportRouteOfStored(declaration.Id(), declaration.TypDeklar(), version);
    });
}

HRESULT CKeduExportService::NaglowekXML(BSTR* header) {
    return ComBoundary([&] {
        RequireOut(header);
        *header = BuildKeduHeader(Session().Get(), 0).Copy();
    });
}

HRESULT CKeduExportService::ToXML(LONG lDeklID, BSTR* body) {
    return ComBoundary([&] {
        RequireOut(body);
        *body = nullptr;
        const CBstr text = WriteKeduBody(Session().Get(), lDeklID);
        if (!text.IsEmpty()) *body = text.Copy();
    });
}

HRESULT CKeduExportService::ExportToXML(LONG lDeklID, BSTR fileName) {
    return ComBoundary([&] {
        // The document is built whole before any file is touched.
        const CBstr document = BuildKeduDocument(Session().Get(), lDeklID);
        ExportKeduDocument(document, CBstr(fileName), copy_);
    });
}

HRESULT CKeduExportService::ExportToXMLCIV(LONG lDeklID, BSTR fileName, BSTR appPath) {
    return ComBoundary([&] {
        const CBstr document = BuildKeduDocument(Session().Get(), lDeklID);
        SendKeduDocument(document, CBstr(fileName), CBstr(appPath), copy_);
    });
}
