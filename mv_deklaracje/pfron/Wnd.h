// The first generation of the WN-D calculator (form version 1): bound by DeklId to a WN-D declaration
// (PfronCalculator), Przelicz states the employer's employment and builds one INF-D-P attachment per
// eligible disabled employee or group of linked cards. Its PFRON application files are not written yet:
// the export members answer E_NOTIMPL.
#pragma once

#include "mv_deklaracje/pfron/PfronCalculator.h"

class CWND final : public PfronCalculator<CWND, IWND> {
public:
    // IWND
    HRESULT Przelicz() override;
    HRESULT ExportToSOD(LONG lDeklID, BSTR sDir) override;
    HRESULT ExportToSODVC(LONG lDeklID, BSTR sDir) override;
};
