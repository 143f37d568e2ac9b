#include "mv_deklaracje/pfron/Wnd3.h"

#include "mv_deklaracje/pfron/SodExport.h"
#include "mv_deklaracje/pfron/Wnd3Documents.h"
#include "mv_deklaracje/pfron/WndCalculation.h"

HRESULT CWND3::Przelicz() {
    return ComBoundary([&] { CalculateWnd(WndGeneration::Current, RequireDeklaracja(declaration_.Get()).Get()); });
}

HRESULT CWND3::ExportToSOD(LONG lDeklID, BSTR sDir) {
    return ComBoundary([&] {
        tlx::ComPtr<ISession> session = GetSession();
        Wnd3Documents documents(session.Get(), Wnd3Documents::Road::Folder);
        SodExport(session.Get(), lDeklID, CBstr(sDir), documents).WriteFiles();
    });
}

HRESULT CWND3::ExportToSODVC(LONG lDeklID, BSTR sDir) {
    return ComBoundary([&] {
        tlx::ComPtr<ISession> session = GetSession();
        Wnd3Documents documents(session.Get(), Wnd3Documents::Road::UserMachine);
        SodExport files(session.Get(), lDeklID, CBstr(sDir), documents);
        files.SetMissingTransferError(E_FAIL);
        files.SendFiles(fileCopy_);
    });
}
