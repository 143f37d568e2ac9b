// The current generation of the WN-D calculator (form versions 3 to 6): bound by DeklId to a WN-D declaration
// (PfronCalculator), Przelicz states the employer's employment and builds one INF-D-P attachment per
// eligible disabled employee or group of linked cards; ExportToSOD and ExportToSODVC write the WN-D and
// its attachments as PFRON application files into a folder or onto the user's machine.
#pragma once

#include "hostapi/Files.h"
#include "mv_deklaracje/pfron/PfronCalculator.h"

class CWND3 final : public PfronCalculator<CWND3, IWND> {
public:
    // The unit an unexpected error of the calculator's own members names.
    static constexpr std::u16string_view kSourceUnit = u"wnd3";

    // IWND
    HRESULT Przelicz() override;
    HRESULT ExportToSOD(LONG lDeklID, BSTR sDir) override;
    HRESULT ExportToSODVC(LONG lDeklID, BSTR sDir) override;

private:
    // The remote file copy, created by the first export that needs it and kept for the object's life.
    tlx::ComPtr<IRemoteFileCopy> fileCopy_;
};
