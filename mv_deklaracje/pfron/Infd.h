// The INF-D calculator: bound by DeklId to an INF-D declaration (PfronCalculator), it builds one INF-D-P
// attachment per qualifying disabled employee and exports the declaration as PFRON application files.
#pragma once

#include "hostapi/Files.h"
#include "mv_deklaracje/pfron/PfronCalculator.h"

class InfdRun;

class CINFD final : public PfronCalculator<CINFD, IINFD> {
public:
    // The unit an unexpected error of the calculator's own members names.
    static constexpr std::u16string_view kSourceUnit = u"infd";

    // IINFD
    HRESULT Przelicz() override;
    HRESULT ExportToSOD(LONG lDeklID, BSTR sDir) override;
    HRESULT ExportToSODVC(LONG lDeklID, BSTR sDir) override;

private:
    // Builds the attachments of every qualifying employee, numbered from 1; answers their count.
    LONG PrzeliczZalaczniki(InfdRun& run);

    // The remote file copy, created by the first export that needs it and kept for the object's life.
    tlx::ComPtr<IRemoteFileCopy> fileCopy_;
};
