#include "mv_deklaracje/pfron/PfronDeclaration.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/LiveDeclarations.h"
#include "mv_deklaracje/pfron/PfronText.h"
#include "hostapi/Framework.h"
#include "platform/ado/Ado.h"
#include "platform/com/Bstr.h"

tlx::ComPtr<IDeklaracja2> OpenDeclaration(ISession* session, LONG id) {
    if (!session) RaiseHResult(E_POINTER);
    // Asked for with its identifier, the session's collection reads the declaration's own row only, not
    // every declaration of the company.
    tlx::ComPtr<IDispatch> item;
    CheckHost(session->CreateObject(tlx::Bstr(tlx::GuidToText(CLSID_Deklaracje)).Get(),
                                    tlx::Variant::FromString(LongToString(id).View()), item.Out()));
    if (!item) return nullptr;
    tlx::ComPtr<IDeklaracja2> declaration;
    CheckHost(item->QueryInterface(IidOf<IDeklaracja2>(), declaration.OutVoid()));
    return declaration;
}

tlx::ComPtr<IDeklaracja2> BindDeclaration(ISession* session, LONG id) {
    if (tlx::ComPtr<IDeklaracja2> held = FindLiveDeclaration(session, id)) return held;
    return OpenDeclaration(session, id);
}

tlx::ComPtr<ISessionReference> AttachDeclaration(ISession* session, IDeklaracja2* declaration) {
    if (!declaration) return nullptr;
    tlx::ComPtr<IDispatch> object;
    CheckHost(declaration->QueryInterface(IID_IDispatch, object.OutVoid()));
    tlx::ComPtr<ISessionReference> reference;
    CheckHost(session->GetReference(object.Get(), reference.Out()));
    return reference;
}

tlx::ComPtr<IDeklaracja2> GetDeklaracja(ISessionReference* bound) {
    if (!bound) return nullptr;
    tlx::ComPtr<IDispatch> object;
    CheckHost(bound->GetObject(object.Out()));
    if (!object) return nullptr;
    tlx::ComPtr<IDeklaracja2> declaration;
    CheckHost(object->QueryInterface(IidOf<IDeklaracja2>(), declaration.OutVoid()));
    return declaration;
}

tlx::ComPtr<IDeklaracja2> RequireDeklaracja(ISessionReference* bound) {
    tlx::ComPtr<IDeklaracja2> declaration = GetDeklaracja(bound);
    if (!declaration) RaiseHResult(E_POINTER);
    return declaration;
}

CBstr OkresSprawozdawczyTekst(ISessionReference* bound) {
    tlx::ComPtr<IDeklaracja2> declaration = RequireDeklaracja(bound);
    LONG month = 0, year = 0;
    CheckHost(declaration->get_Miesiac(&month));
    CheckHost(declaration->get_Rok(&year));
    return FormatReportingPeriod(month, year);
}

// The calculation's save moves the row's modification stamp: without reading the row back, the caller's
// next save of the declaration was refused as changed by another user. A row the caller changed and
// has not saved is left as it is, so that its save reports the conflict instead of losing the changes.
void ReadBackCalculation(IDeklaracja2* declaration) {
    if (!declaration) RaiseHResult(E_POINTER);
    CheckHost(declaration->ResyncKolekcje());
    tlx::ComPtr<IInitializeRS> bound = tlx::ComPtr<IDeklaracja2>(declaration).As<IInitializeRS>();
    if (!bound) return;
    tlx::ComPtr<Recordset> row;
    CheckHost(bound->GetRecordset(row.Out()));
    if (!row) return;
    EditModeEnum mode = adEditNone;
    CheckHost(row->get_EditMode(&mode));
    if (mode == adEditNone) CheckHost(row->Resync(adAffectCurrent, adResyncAllValues));
}

namespace {
void Fire(HRESULT (IDeklaracja2::*event)(BSTR), IDeklaracja2* declaration, const std::u16string& text) {
    CheckHost((declaration->*event)(tlx::Bstr(text).Get()));
}
}  // namespace

void RunPfronCalculation(IDeklaracja2* declaration, std::u16string_view name, const std::function<void()>& prepare,
                         const std::function<void()>& calculate) {
    const std::u16string calculation = u"Wyliczanie deklaracji " + std::u16string(name);
    const std::u16string initialisation = u"Inicjowanie deklaracji " + std::u16string(name);
    constexpr std::u16string_view kDone = u" zakończone";
    Fire(&IDeklaracja2::WillAction, declaration, calculation);
    try {
        prepare();
        try {
            Fire(&IDeklaracja2::WillAction, declaration, initialisation);
            Fire(&IDeklaracja2::ActionCompleted, declaration, initialisation + std::u16string(kDone));
        } catch (...) {
            Fire(&IDeklaracja2::ActionFailed, declaration, u"Błąd inicjowania deklaracji " + std::u16string(name));
            throw;
        }
        calculate();
        Fire(&IDeklaracja2::ActionCompleted, declaration, calculation + std::u16string(kDone));
    } catch (...) {
        Fire(&IDeklaracja2::ActionFailed, declaration, u"Błąd wyliczania deklaracji " + std::u16string(name));
        throw;
    }
}
