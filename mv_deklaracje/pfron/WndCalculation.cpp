#include "mv_deklaracje/pfron/WndCalculation.h"

#include <optional>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "mv_deklaracje/pfron/WndRun.h"

// Everything is stored in one save at the end: a failure, a refund status of 1 or a month without
// attachments leaves the declaration and its earlier attachments as they were.
void CalculateWnd(WndGeneration generation, IDeklaracja2* declaration) {
    if (!declaration) RaiseHResult(E_POINTER);
    LONG id = 0;
    CheckHost(declaration->get_ID(&id));
    std::optional<WndRun> run;
    RunPfronCalculation(
        declaration, u"WND",
        [&] {
            run.emplace(generation, id);
            run->RemoveAttachments();
        },
        [&] {
            run->WriteEmployerFigures();
            run->Finish(run->WriteAttachments());
            run->Save();
            ReadBackCalculation(declaration);
        });
}
