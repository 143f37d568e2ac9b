#include "mv_deklaracje/pfron/Wnd.h"

#include "mv_deklaracje/pfron/WndCalculation.h"

HRESULT CWND::Przelicz() {
    return ComBoundary([&] { CalculateWnd(WndGeneration::First, RequireDeklaracja(declaration_.Get()).Get()); });
}

HRESULT CWND::ExportToSOD(LONG, BSTR) { return E_NOTIMPL; }

HRESULT CWND::ExportToSODVC(LONG, BSTR) { return E_NOTIMPL; }
