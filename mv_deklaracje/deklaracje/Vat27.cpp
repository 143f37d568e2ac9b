#include "mv_deklaracje/deklaracje/Vat27.h"

#include "mv_deklaracje/core/RecordColumns.h"
#include "mv_deklaracje/core/SendClaims.h"

CVat27::CVat27() {
    AddConnectionPoint(DIID__IDisplayEvents);
    AddConnectionPoint(DIID__IProgressEvents);
}

HRESULT CVat27::InitializeParent(IDispatch* _rParent) {
    return ComBoundary([&] {
        tlx::ComPtr<ISessionReference> reference;
        CheckHost(GetSession()->GetReference(_rParent, reference.Out()));
        parent_ = reference;
        OnParentInitialized();
    });
}

HRESULT CVat27::get_DkNId(LONG* value) { return GetLongColumn(*this, u"DkNId", value); }
HRESULT CVat27::put_DkNId(LONG value) { return PutLongColumn(*this, u"DkNId", value); }
HRESULT CVat27::get_kwota(CY* value) { return GetMoneyColumn(*this, u"Kwota", value); }
HRESULT CVat27::put_kwota(CY value) { return PutMoneyColumn(*this, u"Kwota", value); }
HRESULT CVat27::get_Lp(LONG* value) { return GetLongColumn(*this, u"LP", value); }
HRESULT CVat27::put_Lp(LONG value) { return PutLongColumn(*this, u"LP", value); }
HRESULT CVat27::get_NIP(BSTR* value) { return GetTextColumn(*this, u"NIP", value); }
HRESULT CVat27::put_NIP(BSTR value) { return PutTextColumn(*this, u"NIP", value); }
HRESULT CVat27::get_Nazwa(BSTR* value) { return GetTextColumn(*this, u"Nazwa", value); }
HRESULT CVat27::put_Nazwa(BSTR value) { return PutTextColumn(*this, u"Nazwa", value); }
HRESULT CVat27::get_Numer(LONG* value) { return GetLongColumn(*this, u"Numer", value); }
HRESULT CVat27::put_Numer(LONG value) { return PutLongColumn(*this, u"Numer", value); }
HRESULT CVat27::get_Typ(LONG* value) { return GetLongColumn(*this, u"Typ", value); }
HRESULT CVat27::put_Typ(LONG value) { return PutLongColumn(*this, u"Typ", value); }
HRESULT CVat27::get_Zmiana(LONG* value) { return GetLongColumn(*this, u"Zmiana", value); }
HRESULT CVat27::put_Zmiana(LONG value) { return PutLongColumn(*this, u"Zmiana", value); }

void CVat27::OnLoadRecord(LONG) {
    // A new item gets no defaults; the binding only has to stand on a recordset.
    if (!BoundRecordset()) RaiseHResult(E_POINTER);
}

void CVat27::OnSave(LONG mode) {
    LONG saveMode = 0;
    CheckHost(get_ROSaveMode(&saveMode));
    if (saveMode != 1 && !BoundRecordset()) RaiseHResult(E_POINTER);
    // The row is part of what its declaration's send files: not changed while another session sends it.
    if (mode == hostSavePrepare || mode == hostSaveDeleted)
        RefuseListRowWhileSent(GetSession().Get(), BoundRecordset().Get(), u"V27_DkNID", static_cast<IVat27*>(this));
}

void CVat27::OnVerify() {
    if (!BoundRecordset()) RaiseHResult(E_POINTER);
}
