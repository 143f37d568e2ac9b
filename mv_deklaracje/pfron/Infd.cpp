#include "mv_deklaracje/pfron/Infd.h"

#include <optional>

#include "mv_deklaracje/pfron/InfdDocuments.h"
#include "mv_deklaracje/pfron/InfdRun.h"
#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "mv_deklaracje/pfron/PfronUserError.h"
#include "mv_deklaracje/pfron/SodExport.h"
#include "platform/com/Bstr.h"

// Runs the calculation in a session of its own and stores it in one save: the old attachments go, the
// new ones and the counts come, or nothing changes. The bound declaration then reads what was stored.
HRESULT CINFD::Przelicz() {
    return ComBoundary([&] {
        tlx::ComPtr<IDeklaracja2> declaration = RequireDeklaracja(declaration_.Get());
        LONG id = 0;
        CheckHost(declaration->get_ID(&id));
        std::optional<InfdRun> run;
        RunPfronCalculation(
            declaration.Get(), u"INFD",
            [&] {
                run.emplace(id);
                run->RemoveAttachments();
            },
            [&] {
                const LONG count = PrzeliczZalaczniki(*run);
                run->WriteCounts(count);
                run->Save();
                ReadBackCalculation(declaration.Get());
                if (count == 0) RaisePfronUserError(NoAttachmentText());
            });
    });
}

LONG CINFD::PrzeliczZalaczniki(InfdRun& run) {
    LONG count = 0;
    for (LONG employee : run.EmployeeIds()) {
        if (run.PrzeliczZalacznik(employee, count + 1)) ++count;
    }
    return count;
}

HRESULT CINFD::ExportToSOD(LONG lDeklID, BSTR sDir) {
    return ComBoundaryIn(u"infd_eksporty", [&] {
        InfdDocuments documents;
        SodExport(GetSession().Get(), lDeklID, CBstr(sDir), documents).WriteFiles();
    });
}

HRESULT CINFD::ExportToSODVC(LONG lDeklID, BSTR sDir) {
    return ComBoundaryIn(u"infd_eksporty", [&] {
        InfdDocuments documents;
        SodExport(GetSession().Get(), lDeklID, CBstr(sDir), documents).SendFiles(fileCopy_);
    });
}
