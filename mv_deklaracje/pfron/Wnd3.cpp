#include "mv_deklaracje/pfron/Wnd3.h"

#include "mv_deklaracje/pfron/WndCalculation.h"

HRESULT CWND3::Przelicz() {
    return ComBoundary([&] { CalculateWnd(WndGeneration::Current, RequireDeklaracja(declaration_.Get()).Get()); });
}

HRESULT CWND3::ExportToSOD(LONG, BSTR) { return E_NOTIMPL; }

HRESULT CWND3::ExportToSODVC(LONG, BSTR) { return E_NOTIMPL; }
