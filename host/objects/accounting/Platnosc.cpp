#include "host/objects/accounting/Platnosc.h"

#include "host/HostError.h"
#include "host/objects/accounting/PlatnoscPozycje.h"

namespace tlx::host {

HRESULT CPlatnosc::get_Termin(DATE* due) {
    if (!due) return E_POINTER;
    *due = due_;
    return S_OK;
}

HRESULT CPlatnosc::put_Termin(DATE due) {
    due_ = due;
    return S_OK;
}

HRESULT CPlatnosc::get_Dokument(IDispatch** document) {
    return Boundary([&] {
        Require(document);
        *document = nullptr;
        if (document_) Check(document_->GetObject(document));
    });
}

HRESULT CPlatnosc::putref_Dokument(IDispatch* document) {
    return Boundary([&] {
        document_.Reset();
        if (document) Check(Require(session_.Get())->GetReference(document, document_.Out()));
    });
}

HRESULT CPlatnosc::get_Pozycje(ICollection** items) {
    return Boundary([&] {
        Require(items);
        if (!items_) items_ = CPlatnoscPozycje::Make().As<ICollection>();
        *items = ComPtr<ICollection>(items_).Detach();
    });
}

HRESULT CPlatnosc::Initialize(ISession* session, LONG* state) {
    if (!session || !state) return E_POINTER;
    session_ = ComPtr<ISession>(session);
    *state = hostStateBusinessObject;
    return S_OK;
}

}  // namespace tlx::host
