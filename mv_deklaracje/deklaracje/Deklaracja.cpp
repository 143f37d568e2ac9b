// The declaration's header record: its columns, fixed answers and the members kept for the caller.
#include "mv_deklaracje/deklaracje/Deklaracja.h"

#include "hostapi/Accounting.h"
#include "mv_deklaracje/core/LiveDeclarations.h"
#include "platform/com/OleDate.h"

CDeklaracja::CDeklaracja(HMODULE resources)
    : progress_(AddConnectionPoint(DIID__IProgressEvents)), definition_(resources) {}

// The progress sinks are not detached here: the connection point goes with the object.
CDeklaracja::~CDeklaracja() {
    RemoveLiveDeclaration(static_cast<IDeklaracja2*>(this));
    ForgetPendingNumber();
}

void CDeklaracja::OnInitialize() { AddLiveDeclaration(GetSession().Get(), static_cast<IDeklaracja2*>(this)); }

HRESULT CDeklaracja::GetLong(const OLECHAR* column, LONG* out) {
    return ComBoundary([&] { *RequireOut(out) = ReadLong(column); });
}
HRESULT CDeklaracja::PutLong(const OLECHAR* column, LONG value) {
    return ComBoundary([&] { WriteLong(column, value); });
}
HRESULT CDeklaracja::GetText(const OLECHAR* column, BSTR* out) {
    return ComBoundary([&] {
        RequireOut(out);
        *out = ReadText(column).Copy();
    });
}
HRESULT CDeklaracja::PutText(const OLECHAR* column, BSTR value) {
    return ComBoundary([&] {
        SetFieldValue(column, tlx::Variant::FromString(std::u16string_view(value ? value : u"", SysStringLen(value))));
    });
}
HRESULT CDeklaracja::GetDate(const OLECHAR* column, DATE* out) {
    return ComBoundary([&] { *RequireOut(out) = ReadDate(column).Value(); });
}
HRESULT CDeklaracja::PutDate(const OLECHAR* column, DATE value) {
    return ComBoundary([&] { WriteDate(column, CDate(value)); });
}
// The e-declaration's sending and receipt times: the day count as given, time of day included and not clamped;
// the empty date is day 0. A value that is no calendar date is refused.
HRESULT CDeklaracja::PutDateTime(const OLECHAR* column, DATE value) {
    return ComBoundary([&] {
        if (!tlx::CalendarFromDate(value))
            RaiseComErrorFormat(DISP_E_OVERFLOW, u"Data w polu \"%s\" jest poza zakresem dat.", column);
        SetFieldValue(column, tlx::Variant::FromDouble(value));
    });
}

LONG CDeklaracja::RokMiesiac() { return ReadLong(u"RokMiesiac"); }

HRESULT CDeklaracja::get_ID(LONG* value) { return GetLong(u"DknId", value); }

LONG CDeklaracja::IdentityObjectType() { return 30000 + ReadLong(u"TypDeklar"); }
LONG CDeklaracja::IdentityObjectVersion() { return ReadLong(u"Wersja"); }
double CDeklaracja::IdentityDocumentDate() {
    LONG period = RokMiesiac();
    int year = static_cast<int>(period / 100), month = static_cast<int>(period % 100);
    return CDate(month, DaysInMonth(month, year), year).Value();
}

HRESULT CDeklaracja::get_Stempel(IDispatch** stamp) {
    return ComBoundary([&] {
        RequireOut(stamp);
        *stamp = nullptr;
        tlx::ComPtr<IDispatch> object = GetStempel();
        HRESULT hr = object->QueryInterface(IidOf<IStempel>(), reinterpret_cast<void**>(stamp));
        if (FAILED(hr) && hr != E_NOINTERFACE) RaiseHostFailure(hr);
    });
}

HRESULT CDeklaracja::get_Podatnik(IDispatch**) { return E_NOTIMPL; }
HRESULT CDeklaracja::put_Podatnik(IDispatch*) { return E_NOTIMPL; }
HRESULT CDeklaracja::get_Data(DATE* value) { return GetDate(u"Data", value); }
HRESULT CDeklaracja::put_Data(DATE value) { return PutDate(u"Data", value); }
HRESULT CDeklaracja::get_TypDeklar(LONG* value) { return GetLong(u"TypDeklar", value); }
HRESULT CDeklaracja::put_TypDeklar(LONG value) { return PutLong(u"TypDeklar", value); }

HRESULT CDeklaracja::get_Rok(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = RokMiesiac() / 100; });
}
HRESULT CDeklaracja::get_Miesiac(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = RokMiesiac() % 100; });
}

HRESULT CDeklaracja::get_Numer(LONG* value) { return GetLong(u"Numer", value); }
HRESULT CDeklaracja::put_Numer(LONG value) { return PutLong(u"Numer", value); }
HRESULT CDeklaracja::get_Wersja(LONG* value) { return GetLong(u"Wersja", value); }
HRESULT CDeklaracja::put_Wersja(LONG value) { return PutLong(u"Wersja", value); }
HRESULT CDeklaracja::get_Zablokowana(LONG* value) { return GetLong(u"Zablokowana", value); }
HRESULT CDeklaracja::put_Zablokowana(LONG value) {
    return ComBoundary([&] { WriteLock(value); });
}

HRESULT CDeklaracja::get_DataObowiazywaniaOd(LONG* yearMonth) {
    return ComBoundary([&] {
        *RequireOut(yearMonth) = definition_.DataObowiazywaniaOd();
    });
}
HRESULT CDeklaracja::get_DataObowiazywaniaDo(LONG* yearMonth) {
    return ComBoundary([&] {
        *RequireOut(yearMonth) = definition_.DataObowiazywaniaDo();
    });
}

HRESULT CDeklaracja::get_This(IDeklaracja** self) {
    return ComBoundary([&] {
        RequireOut(self);
        *self = nullptr;
        CheckHost(QueryInterface(IidOf<IDeklaracja>(), reinterpret_cast<void**>(self)));
    });
}

HRESULT CDeklaracja::get_DekID(LONG* value) { return GetLong(u"DekID", value); }
HRESULT CDeklaracja::put_DekID(LONG value) { return PutLong(u"DekID", value); }
HRESULT CDeklaracja::get_TypZrodla(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = 6; });
}
HRESULT CDeklaracja::get_PodTypZrodla(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = 1; });
}
HRESULT CDeklaracja::put_PodTypZrodla(LONG) { return S_OK; }
HRESULT CDeklaracja::get_DataKur(DATE*) { return S_OK; }
HRESULT CDeklaracja::put_DataKur(DATE) { return S_OK; }
HRESULT CDeklaracja::get_Finalna(LONG* value) { return GetLong(u"Finalna", value); }
HRESULT CDeklaracja::get_ParentId(LONG* value) { return GetLong(u"ParentId", value); }
HRESULT CDeklaracja::put_ParentId(LONG value) { return PutLong(u"ParentId", value); }
HRESULT CDeklaracja::get_BR_ModulPlace(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = brModulPlace_; });
}
HRESULT CDeklaracja::put_BR_ModulPlace(LONG value) {
    brModulPlace_ = value;
    return S_OK;
}

HRESULT CDeklaracja::get_Transformata(BSTR* name) {
    return ComBoundary([&] {
        RequireOut(name);
        tlx::Variant value = FireFormEvent(CBstr(u"transformata"));
        *name = (value.vt <= VT_NULL ? CBstr(u"") : VariantToBstr(value)).Copy();
    });
}

HRESULT CDeklaracja::get_ImportRowID(BSTR* value) { return GetText(u"ImportRowID", value); }
HRESULT CDeklaracja::put_ImportRowID(BSTR value) { return PutText(u"ImportRowID", value); }
HRESULT CDeklaracja::get_JestemKlonem(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = jestemKlonem_; });
}
HRESULT CDeklaracja::get_Recordset(IDispatch** recordset) {
    return ComBoundary([&] {
        RequireOut(recordset);
        *recordset = nullptr;
        if (BoundRecordset())
            CheckHost(BoundRecordset()->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(recordset)));
    });
}
HRESULT CDeklaracja::get_ConstNIP(BSTR* value) { return GetText(u"ConstNIP", value); }
HRESULT CDeklaracja::put_ConstNIP(BSTR value) { return PutText(u"ConstNIP", value); }

// The e-declaration columns: each property is the column of its own name.
HRESULT CDeklaracja::get_EDekl_RefID(BSTR* v) { return GetText(u"EDekl_RefID", v); }
HRESULT CDeklaracja::put_EDekl_RefID(BSTR v) { return PutText(u"EDekl_RefID", v); }
HRESULT CDeklaracja::get_EDekl_Status(LONG* v) { return GetLong(u"EDekl_Status", v); }
HRESULT CDeklaracja::put_EDekl_Status(LONG v) { return PutLong(u"EDekl_Status", v); }
HRESULT CDeklaracja::get_EDekl_StatusOpis(BSTR* v) { return GetText(u"EDekl_StatusOpis", v); }
HRESULT CDeklaracja::put_EDekl_StatusOpis(BSTR v) { return PutText(u"EDekl_StatusOpis", v); }
HRESULT CDeklaracja::get_EDekl_Podmiot(BSTR* v) { return GetText(u"EDekl_Podmiot", v); }
HRESULT CDeklaracja::put_EDekl_Podmiot(BSTR v) { return PutText(u"EDekl_Podmiot", v); }
HRESULT CDeklaracja::get_EDekl_DokumentID(BSTR* v) { return GetText(u"EDekl_DokumentID", v); }
HRESULT CDeklaracja::put_EDekl_DokumentID(BSTR v) { return PutText(u"EDekl_DokumentID", v); }
HRESULT CDeklaracja::get_EDekl_DataWplyniecia(BSTR* v) { return GetText(u"EDekl_DataWplyniecia", v); }
HRESULT CDeklaracja::put_EDekl_DataWplyniecia(BSTR v) { return PutText(u"EDekl_DataWplyniecia", v); }
HRESULT CDeklaracja::get_EDekl_SkrotDokumentu(BSTR* v) { return GetText(u"EDekl_SkrotDokumentu", v); }
HRESULT CDeklaracja::put_EDekl_SkrotDokumentu(BSTR v) { return PutText(u"EDekl_SkrotDokumentu", v); }
HRESULT CDeklaracja::get_EDekl_SkrotStruktury(BSTR* v) { return GetText(u"EDekl_SkrotStruktury", v); }
HRESULT CDeklaracja::put_EDekl_SkrotStruktury(BSTR v) { return PutText(u"EDekl_SkrotStruktury", v); }
HRESULT CDeklaracja::get_EDekl_StrukturaLogiczna(BSTR* v) { return GetText(u"EDekl_StrukturaLogiczna", v); }
HRESULT CDeklaracja::put_EDekl_StrukturaLogiczna(BSTR v) { return PutText(u"EDekl_StrukturaLogiczna", v); }
HRESULT CDeklaracja::get_EDekl_NIP1(BSTR* v) { return GetText(u"EDekl_NIP1", v); }
HRESULT CDeklaracja::put_EDekl_NIP1(BSTR v) { return PutText(u"EDekl_NIP1", v); }
HRESULT CDeklaracja::get_EDekl_NIP2(BSTR* v) { return GetText(u"EDekl_NIP2", v); }
HRESULT CDeklaracja::put_EDekl_NIP2(BSTR v) { return PutText(u"EDekl_NIP2", v); }
HRESULT CDeklaracja::get_EDekl_StempelCzasu(BSTR* v) { return GetText(u"EDekl_StempelCzasu", v); }
HRESULT CDeklaracja::put_EDekl_StempelCzasu(BSTR v) { return PutText(u"EDekl_StempelCzasu", v); }
HRESULT CDeklaracja::get_EDekl_SigningTime(BSTR* v) { return GetText(u"EDekl_SigningTime", v); }
HRESULT CDeklaracja::put_EDekl_SigningTime(BSTR v) { return PutText(u"EDekl_SigningTime", v); }
HRESULT CDeklaracja::get_EDekl_DataWyslania(DATE* v) { return GetDate(u"EDekl_DataWyslania", v); }
HRESULT CDeklaracja::put_EDekl_DataWyslania(DATE v) { return PutDateTime(u"EDekl_DataWyslania", v); }
HRESULT CDeklaracja::get_EDekl_DataOdebraniaUPO(DATE* v) { return GetDate(u"EDekl_DataOdebraniaUPO", v); }
HRESULT CDeklaracja::put_EDekl_DataOdebraniaUPO(DATE v) { return PutDateTime(u"EDekl_DataOdebraniaUPO", v); }
HRESULT CDeklaracja::get_EDekl_OperatorWysylajacy(LONG* v) { return GetLong(u"EDekl_OperatorWysylajacy", v); }
HRESULT CDeklaracja::put_EDekl_OperatorWysylajacy(LONG v) { return PutLong(u"EDekl_OperatorWysylajacy", v); }
HRESULT CDeklaracja::get_EDekl_OperatorPobierajacyUPO(LONG* v) { return GetLong(u"EDekl_OperatorPobierajacyUPO", v); }
HRESULT CDeklaracja::put_EDekl_OperatorPobierajacyUPO(LONG v) { return PutLong(u"EDekl_OperatorPobierajacyUPO", v); }
HRESULT CDeklaracja::get_EDekl_KodUrzedu(BSTR* v) { return GetText(u"EDekl_KodUrzedu", v); }
HRESULT CDeklaracja::put_EDekl_KodUrzedu(BSTR v) { return PutText(u"EDekl_KodUrzedu", v); }

HRESULT CDeklaracja::get_Seryjna(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = seryjna_; });
}
HRESULT CDeklaracja::put_Seryjna(LONG value) {
    seryjna_ = value;
    return S_OK;
}
HRESULT CDeklaracja::get_RodzajAdresu(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = rodzajAdresu_; });
}
HRESULT CDeklaracja::put_RodzajAdresu(LONG value) {
    rodzajAdresu_ = value;
    return S_OK;
}

HRESULT CDeklaracja::get_Zatwierdzony(LONG* value) {
    // The accounting document's approval: approved for a locked declaration, otherwise the host's
    // "not approved" mark.
    constexpr LONG kApproved = 1;
    constexpr LONG kNotApproved = -61;
    return ComBoundary([&] { *RequireOut(value) = ReadLong(u"Zablokowana") ? kApproved : kNotApproved; });
}

HRESULT CDeklaracja::put_FormaPlatnosci(IDispatch* method) {
    formaPlatnosci_ = tlx::ComPtr<IDispatch>(method);
    return S_OK;
}
HRESULT CDeklaracja::get_Symbol(BSTR* symbol) {
    return ComBoundary([&] {
        RequireOut(symbol);
        EnsureFormLoaded();
        *symbol = definition_.Symbol().Copy();
    });
}
