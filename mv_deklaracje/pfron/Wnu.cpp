#include "mv_deklaracje/pfron/Wnu.h"

#include "mv_deklaracje/pfron/PfronDeclaration.h"

HRESULT CWNU::Przelicz() {
    return ComBoundary([&] {
        (void)RequireDeklaracja(declaration_.Get());
        RaiseHResult(E_NOTIMPL);
    });
}

HRESULT CWNU::ExportToSOD(LONG, BSTR) { return E_NOTIMPL; }

HRESULT CWNU::ExportToSODVC(LONG, BSTR) { return E_NOTIMPL; }
