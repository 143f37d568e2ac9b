#include "mv_deklaracje/pfron/Infd.h"

#include "mv_deklaracje/pfron/InfdExport.h"
#include "mv_deklaracje/pfron/InfdRun.h"
#include "mv_deklaracje/pfron/PfronDeclaration.h"
#include "mv_deklaracje/pfron/PfronUserError.h"
#include "platform/com/Bstr.h"

namespace {
constexpr const OLECHAR* kCalculating = u"Wyliczanie deklaracji INFD";
constexpr const OLECHAR* kCalculated = u"Wyliczanie deklaracji INFD zakończone";
constexpr const OLECHAR* kCalculationFailed = u"Błąd wyliczania deklaracji INFD";
constexpr const OLECHAR* kInitialising = u"Inicjowanie deklaracji INFD";
constexpr const OLECHAR* kInitialised = u"Inicjowanie deklaracji INFD zakończone";
constexpr const OLECHAR* kInitialisationFailed = u"Błąd inicjowania deklaracji INFD";

void Fire(HRESULT (IDeklaracja2::*event)(BSTR), IDeklaracja2* declaration, const OLECHAR* text) {
    CheckHost((declaration->*event)(tlx::Bstr(text).Get()));
}
}  // namespace

// Runs the calculation in a session of its own and stores it in one save: the old attachments go, the
// new ones and the counts come, or nothing changes. The bound declaration then reads what was stored.
HRESULT CINFD::Przelicz() {
    return ComBoundary([&] {
        tlx::ComPtr<IDeklaracja2> declaration = RequireDeklaracja(declaration_.Get());
        LONG id = 0;
        CheckHost(declaration->get_ID(&id));
        Fire(&IDeklaracja2::WillAction, declaration.Get(), kCalculating);
        try {
            InfdRun run(id);
            run.RemoveAttachments();
            try {
                Fire(&IDeklaracja2::WillAction, declaration.Get(), kInitialising);
                Fire(&IDeklaracja2::ActionCompleted, declaration.Get(), kInitialised);
            } catch (...) {
                Fire(&IDeklaracja2::ActionFailed, declaration.Get(), kInitialisationFailed);
                throw;
            }
            const LONG count = PrzeliczZalaczniki(run);
            run.WriteCounts(count);
            run.Save();
            CheckHost(declaration->ResyncKolekcje());
            if (count == 0) RaisePfronUserError(NoAttachmentText());
            Fire(&IDeklaracja2::ActionCompleted, declaration.Get(), kCalculated);
        } catch (...) {
            Fire(&IDeklaracja2::ActionFailed, declaration.Get(), kCalculationFailed);
            throw;
        }
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
    return ComBoundary([&] { InfdExport(GetSession().Get(), lDeklID, CBstr(sDir)).WriteFiles(); });
}

HRESULT CINFD::ExportToSODVC(LONG lDeklID, BSTR sDir) {
    return ComBoundary([&] { InfdExport(GetSession().Get(), lDeklID, CBstr(sDir)).SendFiles(fileCopy_); });
}

HRESULT CINFD::get_DeklId(LONG* pVal) {
    return ComBoundary([&] {
        LONG id = 0;
        if (tlx::ComPtr<IDeklaracja2> declaration = GetDeklaracja()) CheckHost(declaration->get_ID(&id));
        *RequireOut(pVal) = id;
    });
}

HRESULT CINFD::put_DeklId(LONG value) {
    return ComBoundary([&] {
        tlx::ComPtr<ISession> session = GetSession();
        tlx::ComPtr<IDeklaracja2> declaration = BindDeclaration(session.Get(), value);
        declaration_ = AttachDeclaration(session.Get(), declaration.Get());
    });
}

tlx::ComPtr<IDeklaracja2> CINFD::GetDeklaracja() const { return ::GetDeklaracja(declaration_.Get()); }
