// The WN-U calculator: bound by DeklId to a WN-U declaration (PfronCalculator), Przelicz builds one
// INF-U-P attachment per reported disabled employee or group of linked cards, with wages, contributions,
// refund costs and working-time days. Its PFRON application files are not written yet: the export
// members answer E_NOTIMPL.
#pragma once

#include "mv_deklaracje/pfron/PfronCalculator.h"

class CWNU final : public PfronCalculator<CWNU, IWNU> {
public:
    // IWNU
    HRESULT Przelicz() override;
    HRESULT ExportToSOD(LONG lDeklID, BSTR sDir) override;
    HRESULT ExportToSODVC(LONG lDeklID, BSTR sDir) override;
};
