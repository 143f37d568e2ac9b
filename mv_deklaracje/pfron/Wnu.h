// The WN-U calculator: bound by DeklId to a WN-U declaration (PfronCalculator), Przelicz builds one
// INF-U-P attachment per reported disabled employee or group of linked cards, with wages, contributions,
// refund costs and working-time days; ExportToSOD writes the WN-U and its attachments as PFRON
// application files into a folder, ExportToSODVC hands them to the host's transfer component.
#pragma once

#include "mv_deklaracje/pfron/PfronCalculator.h"

class CWNU final : public PfronCalculator<CWNU, IWNU> {
public:
    // The unit an unexpected error of the calculator's own members names.
    static constexpr std::u16string_view kSourceUnit = u"wnu";

    // IWNU
    HRESULT Przelicz() override;
    HRESULT ExportToSOD(LONG lDeklID, BSTR sDir) override;
    HRESULT ExportToSODVC(LONG lDeklID, BSTR sDir) override;

    // What ExportToSODVC answers when the host's transfer component cannot be had.
    static constexpr HRESULT kNoTransferComponent = static_cast<HRESULT>(0x80044005);
};
