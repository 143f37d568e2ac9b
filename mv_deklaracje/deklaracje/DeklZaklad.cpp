#include "mv_deklaracje/deklaracje/DeklZaklad.h"

#include "mv_deklaracje/core/RecordColumns.h"

namespace {
// The country of a new establishment.
constexpr char16_t kKrajDomyslny[] = u"Polska";
}  // namespace

HRESULT CDeklZaklad::InterfaceSupportsErrorInfo(REFIID iid) { return iid == IDeklZaklad::kIid ? S_OK : S_FALSE; }

HRESULT CDeklZaklad::get_Stempel(IDispatch** stamp) {
    return ComBoundary([&] {
        RequireOut(stamp);
        *stamp = nullptr;
        tlx::ComPtr<IDispatch> held = GetStempel();
        if (!held) RaiseHResult(E_POINTER);
        // A stamp without the audit stamp's interface answers no object, and no failure.
        held->QueryInterface(IStempel::kIid, reinterpret_cast<void**>(stamp));
    });
}

HRESULT CDeklZaklad::get_NazwaPelna(BSTR* value) { return GetTextColumn(*this, u"NazwaPelna", value); }
HRESULT CDeklZaklad::put_NazwaPelna(BSTR value) { return PutTextColumn(*this, u"NazwaPelna", value); }
HRESULT CDeklZaklad::get_NazwaSkrocona(BSTR* value) { return GetTextColumn(*this, u"NazwaSkrocona", value); }
HRESULT CDeklZaklad::put_NazwaSkrocona(BSTR value) { return PutTextColumn(*this, u"NazwaSkrocona", value); }
HRESULT CDeklZaklad::get_NIP(BSTR* value) { return GetTextColumn(*this, u"NIP", value); }
HRESULT CDeklZaklad::put_NIP(BSTR value) { return PutTextColumn(*this, u"NIP", value); }
HRESULT CDeklZaklad::get_REGON(BSTR* value) { return GetTextColumn(*this, u"REGON", value); }
HRESULT CDeklZaklad::put_REGON(BSTR value) { return PutTextColumn(*this, u"REGON", value); }
HRESULT CDeklZaklad::get_LiczbaZatrudnionych(LONG* value) {
    return GetLongColumn(*this, u"LiczbaZatrudnionych", value);
}
HRESULT CDeklZaklad::put_LiczbaZatrudnionych(LONG value) { return PutLongColumn(*this, u"LiczbaZatrudnionych", value); }
HRESULT CDeklZaklad::get_DataRozpDzial(DATE* value) { return GetDateColumn(*this, u"DataRozpDzial", value); }
HRESULT CDeklZaklad::put_DataRozpDzial(DATE value) { return PutDateColumn(*this, u"DataRozpDzial", value); }
HRESULT CDeklZaklad::get_Kraj(BSTR* value) { return GetTextColumn(*this, u"Kraj", value); }
HRESULT CDeklZaklad::put_Kraj(BSTR value) { return PutTextColumn(*this, u"Kraj", value); }
HRESULT CDeklZaklad::get_Wojewodztwo(BSTR* value) { return GetTextColumn(*this, u"Wojewodztwo", value); }
HRESULT CDeklZaklad::put_Wojewodztwo(BSTR value) { return PutTextColumn(*this, u"Wojewodztwo", value); }
HRESULT CDeklZaklad::get_Powiat(BSTR* value) { return GetTextColumn(*this, u"Powiat", value); }
HRESULT CDeklZaklad::put_Powiat(BSTR value) { return PutTextColumn(*this, u"Powiat", value); }
HRESULT CDeklZaklad::get_Gmina(BSTR* value) { return GetTextColumn(*this, u"Gmina", value); }
HRESULT CDeklZaklad::put_Gmina(BSTR value) { return PutTextColumn(*this, u"Gmina", value); }
HRESULT CDeklZaklad::get_KodGminy(BSTR* value) { return GetTextColumn(*this, u"KodGminy", value); }
HRESULT CDeklZaklad::put_KodGminy(BSTR value) { return PutTextColumn(*this, u"KodGminy", value); }
HRESULT CDeklZaklad::get_Ulica(BSTR* value) { return GetTextColumn(*this, u"Ulica", value); }
HRESULT CDeklZaklad::put_Ulica(BSTR value) { return PutTextColumn(*this, u"Ulica", value); }
HRESULT CDeklZaklad::get_NrDomu(BSTR* value) { return GetTextColumn(*this, u"NrDomu", value); }
HRESULT CDeklZaklad::put_NrDomu(BSTR value) { return PutTextColumn(*this, u"NrDomu", value); }
HRESULT CDeklZaklad::get_NrLokalu(BSTR* value) { return GetTextColumn(*this, u"NrLokalu", value); }
HRESULT CDeklZaklad::put_NrLokalu(BSTR value) { return PutTextColumn(*this, u"NrLokalu", value); }
HRESULT CDeklZaklad::get_Miasto(BSTR* value) { return GetTextColumn(*this, u"Miasto", value); }
HRESULT CDeklZaklad::put_Miasto(BSTR value) { return PutTextColumn(*this, u"Miasto", value); }
HRESULT CDeklZaklad::get_KodP(BSTR* value) { return GetTextColumn(*this, u"KodP", value); }
HRESULT CDeklZaklad::put_KodP(BSTR value) { return PutTextColumn(*this, u"KodP", value); }
HRESULT CDeklZaklad::get_Poczta(BSTR* value) { return GetTextColumn(*this, u"Poczta", value); }
HRESULT CDeklZaklad::put_Poczta(BSTR value) { return PutTextColumn(*this, u"Poczta", value); }
HRESULT CDeklZaklad::get_Nieaktywny(LONG* value) { return GetLongColumn(*this, u"Nieaktywny", value); }
HRESULT CDeklZaklad::put_Nieaktywny(LONG value) { return PutLongColumn(*this, u"Nieaktywny", value); }
HRESULT CDeklZaklad::get_UwzgledniajNaCITST(LONG* value) { return GetLongColumn(*this, u"UwzgledniajNaCITST", value); }
HRESULT CDeklZaklad::put_UwzgledniajNaCITST(LONG value) { return PutLongColumn(*this, u"UwzgledniajNaCITST", value); }
HRESULT CDeklZaklad::get_UwzgledniajNaCITSTA(LONG* value) {
    return GetLongColumn(*this, u"UwzgledniajNaCITSTA", value);
}
HRESULT CDeklZaklad::put_UwzgledniajNaCITSTA(LONG value) { return PutLongColumn(*this, u"UwzgledniajNaCITSTA", value); }

// A row being added whose full name is still empty becomes an active establishment in Poland, counted
// on both CIT-ST attachments. A refreshed binding, an existing row and a row already filled in (a copy)
// keep their values. A name not yet assigned (NULL) counts as empty.
void CDeklZaklad::OnLoadRecord(LONG mode) {
    if (mode == hostBindRefresh) return;
    if (!BoundRecordset()) RaiseHResult(E_POINTER);
    EditModeEnum editMode = adEditNone;
    CheckHost(BoundRecordset()->get_EditMode(&editMode));
    if (editMode != adEditAdd) return;
    tlx::Variant name = GetFieldValue(u"NazwaPelna");
    if (name.vt > VT_NULL && SysStringLen(ConvertVariant(name, VT_BSTR).bstrVal) > 0) return;
    WriteLong(u"Nieaktywny", 0);
    WriteLong(u"UwzgledniajNaCITST", 1);
    WriteLong(u"UwzgledniajNaCITSTA", 1);
    WriteText(u"Kraj", CBstr(kKrajDomyslny));
}

bool CDeklZaklad::OnStateChange(LONG state, LONG mode) { return StampStateChange(state, mode); }
