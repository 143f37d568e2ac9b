#include "mv_deklaracje/pfron/Wnu.h"

#include <optional>

#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "mv_deklaracje/pfron/SodExport.h"
#include "mv_deklaracje/pfron/WnuDocuments.h"
#include "mv_deklaracje/pfron/WnuRun.h"

// Runs the calculation in a session of its own and stores it in one save: the old attachments go, the
// new ones and the counts come, or nothing changes. The bound declaration then reads what was stored.
HRESULT CWNU::Przelicz() {
    return ComBoundary([&] {
        tlx::ComPtr<IDeklaracja2> declaration = RequireDeklaracja(declaration_.Get());
        LONG id = 0;
        CheckHost(declaration->get_ID(&id));
        std::optional<WnuRun> run;
        RunPfronCalculation(
            declaration.Get(), u"WNU",
            [&] {
                run.emplace(id);
                run->RemoveAttachments();
            },
            [&] {
                run->Finish(run->WriteAttachments());
                run->Save();
                ReadBackCalculation(declaration.Get());
            });
    });
}

HRESULT CWNU::ExportToSOD(LONG lDeklID, BSTR sDir) {
    return ComBoundaryIn(u"wnu_eksporty", [&] {
        WnuDocuments documents;
        SodExport(GetSession().Get(), lDeklID, CBstr(sDir), documents).WriteFiles();
    });
}

// Always through the transfer, whoever the operator is.
HRESULT CWNU::ExportToSODVC(LONG lDeklID, BSTR sDir) {
    return ComBoundaryIn(u"wnu_eksporty", [&] {
        WnuDocuments documents;
        SodExport files(GetSession().Get(), lDeklID, CBstr(sDir), documents);
        files.SetMissingTransferError(kNoTransferComponent);
        files.TransferFiles();
    });
}
