#include "mv_deklaracje/pfron/Wnd.h"

#include "mv_deklaracje/pfron/SodExport.h"
#include "mv_deklaracje/pfron/WndCalculation.h"
#include "mv_deklaracje/pfron/WndDocuments.h"

HRESULT CWND::Przelicz() {
    return ComBoundary([&] { CalculateWnd(WndGeneration::First, RequireDeklaracja(declaration_.Get()).Get()); });
}

HRESULT CWND::ExportToSOD(LONG lDeklID, BSTR sDir) {
    return ComBoundaryIn(u"wnd_eksporty", [&] {
        WndDocuments documents;
        SodExport(GetSession().Get(), lDeklID, CBstr(sDir), documents).WriteFiles();
    });
}

HRESULT CWND::ExportToSODVC(LONG lDeklID, BSTR sDir) {
    return ComBoundaryIn(u"wnd_eksporty", [&] {
        WndDocuments documents;
        SodExport files(GetSession().Get(), lDeklID, CBstr(sDir), documents);
        files.SetMissingTransferError(kNoTransferComponent);
        files.SendFiles(fileCopy_);
    });
}
