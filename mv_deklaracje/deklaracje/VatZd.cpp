#include "mv_deklaracje/deklaracje/VatZd.h"

#include "mv_deklaracje/core/RecordColumns.h"
#include "mv_deklaracje/core/SendClaims.h"

namespace {

// The texts of the purchase kinds 1..7; any other code is "not applicable".
constexpr const char16_t* kRodzajZakupuTexts[] = {
    u"Towary", u"Inne", u"Środki trwałe", u"Usługi", u"Środki transportu", u"Nieruchomości", u"Paliwo"};
// The texts of the deduction codes 0..2.
constexpr const char16_t* kOdliczeniaTexts[] = {u"Nie", u"Tak", u"Warunkowo"};
constexpr char16_t kNieDotyczy[] = u"Nie dotyczy";
// An item of this kind is not deducted at all.
constexpr long kTypBezOdliczen = 2;

// Rate flags: an exempt and a not-taxed item name their rate; the two percentage kinds show it.
constexpr long kFlagaZwolniona = 1;
constexpr long kFlagaProcentowa = 2;
constexpr long kFlagaProcentowaObnizona = 3;
constexpr long kFlagaNiePodlega = 4;

template <std::size_t N>
const char16_t* TextOfCode(const char16_t* const (&texts)[N], long code, long first) {
    return code >= first && code < first + static_cast<long>(N) ? texts[code - first] : kNieDotyczy;
}

}  // namespace

CVatZd::CVatZd() {
    AddConnectionPoint(DIID__IDisplayEvents);
    AddConnectionPoint(DIID__IProgressEvents);
}

bool CVatZd::IsRowDeleted() const {
    const tlx::ComPtr<Recordset>& rows = BoundRecordset();
    if (!rows) RaiseHResult(E_POINTER);
    EditModeEnum mode = adEditNone;
    CheckHost(rows->get_EditMode(&mode));
    LONG status = 0;
    CheckHost(rows->get_Status(&status));
    return mode == adEditDelete || status == adRecDeleted || status == adRecDBDeleted;
}

HRESULT CVatZd::InitializeParent(IDispatch* _rParent) {
    return ComBoundary([&] {
        tlx::ComPtr<ISessionReference> reference;
        CheckHost(GetSession()->GetReference(_rParent, reference.Out()));
        parent_ = reference;
        OnParentInitialized();
    });
}

HRESULT CVatZd::get_VaNId(LONG* value) { return GetLongColumn(*this, u"VaNId", value); }
HRESULT CVatZd::put_VaNId(LONG value) { return PutLongColumn(*this, u"VaNId", value); }
HRESULT CVatZd::get_TrNId(LONG* value) { return GetLongColumn(*this, u"TrNId", value); }
HRESULT CVatZd::put_TrNId(LONG value) { return PutLongColumn(*this, u"TrNId", value); }
HRESULT CVatZd::get_Typ(LONG* value) { return GetLongColumn(*this, u"Typ", value); }
HRESULT CVatZd::put_Typ(LONG value) { return PutLongColumn(*this, u"Typ", value); }
HRESULT CVatZd::get_DkNId(LONG* value) { return GetLongColumn(*this, u"DkNId", value); }
HRESULT CVatZd::put_DkNId(LONG value) { return PutLongColumn(*this, u"DkNId", value); }
HRESULT CVatZd::get_NazwaKontrahenta1(BSTR* value) { return GetTextColumn(*this, u"KntNazwa1", value); }
HRESULT CVatZd::put_NazwaKontrahenta1(BSTR value) { return PutTextColumn(*this, u"KntNazwa1", value); }
HRESULT CVatZd::get_NazwaKontrahenta2(BSTR* value) { return GetTextColumn(*this, u"KntNazwa2", value); }
HRESULT CVatZd::put_NazwaKontrahenta2(BSTR value) { return PutTextColumn(*this, u"KntNazwa2", value); }
HRESULT CVatZd::get_NazwaKontrahenta3(BSTR* value) { return GetTextColumn(*this, u"KntNazwa3", value); }
HRESULT CVatZd::put_NazwaKontrahenta3(BSTR value) { return PutTextColumn(*this, u"KntNazwa3", value); }
HRESULT CVatZd::get_NIP(BSTR* value) { return GetTextColumn(*this, u"KntNipE", value); }
HRESULT CVatZd::put_NIP(BSTR value) { return PutTextColumn(*this, u"KntNipE", value); }
HRESULT CVatZd::get_Dokument(BSTR* value) { return GetTextColumn(*this, u"Dokument", value); }
HRESULT CVatZd::put_Dokument(BSTR value) { return PutTextColumn(*this, u"Dokument", value); }
HRESULT CVatZd::get_DataWystawienia(DATE* value) { return GetDateColumn(*this, u"DataWys", value); }
HRESULT CVatZd::put_DataWystawienia(DATE value) { return PutDateColumn(*this, u"DataWys", value); }
HRESULT CVatZd::get_TerminRealizacji(DATE* value) { return GetDateColumn(*this, u"Termin", value); }
HRESULT CVatZd::put_TerminRealizacji(DATE value) { return PutDateColumn(*this, u"Termin", value); }
HRESULT CVatZd::get_RazemNetto(CY* value) { return GetMoneyColumn(*this, u"RazemNetto", value); }
HRESULT CVatZd::put_RazemNetto(CY value) { return PutMoneyColumn(*this, u"RazemNetto", value); }
HRESULT CVatZd::get_RazemVAT(CY* value) { return GetMoneyColumn(*this, u"RazemVAT", value); }
HRESULT CVatZd::put_RazemVAT(CY value) { return PutMoneyColumn(*this, u"RazemVAT", value); }
HRESULT CVatZd::get_RazemBrutto(CY* value) { return GetMoneyColumn(*this, u"RazemBrutto", value); }
HRESULT CVatZd::put_RazemBrutto(CY value) { return PutMoneyColumn(*this, u"RazemBrutto", value); }
HRESULT CVatZd::get_RodzajZakupu(LONG* value) { return GetLongColumn(*this, u"RodzajZakupu", value); }
HRESULT CVatZd::put_RodzajZakupu(LONG value) { return PutLongColumn(*this, u"RodzajZakupu", value); }
HRESULT CVatZd::get_Odliczenia(LONG* value) { return GetLongColumn(*this, u"Odliczenia", value); }
HRESULT CVatZd::put_Odliczenia(LONG value) { return PutLongColumn(*this, u"Odliczenia", value); }
HRESULT CVatZd::get_Flaga(LONG* value) { return GetLongColumn(*this, u"Flaga", value); }
HRESULT CVatZd::put_Flaga(LONG value) { return PutLongColumn(*this, u"Flaga", value); }
HRESULT CVatZd::get_Stawka(CY* value) { return GetMoneyColumn(*this, u"Stawka", value); }
HRESULT CVatZd::put_Stawka(CY value) { return PutMoneyColumn(*this, u"Stawka", value); }
HRESULT CVatZd::get_Netto(CY* value) { return GetMoneyColumn(*this, u"Netto", value); }
HRESULT CVatZd::put_Netto(CY value) { return PutMoneyColumn(*this, u"Netto", value); }
HRESULT CVatZd::get_VAT(CY* value) { return GetMoneyColumn(*this, u"VAT", value); }
HRESULT CVatZd::put_VAT(CY value) { return PutMoneyColumn(*this, u"VAT", value); }
HRESULT CVatZd::get_Brutto(CY* value) { return GetMoneyColumn(*this, u"Brutto", value); }
HRESULT CVatZd::put_Brutto(CY value) { return PutMoneyColumn(*this, u"Brutto", value); }
HRESULT CVatZd::get_SumaKwotZdarzen(CY* value) { return GetMoneyColumn(*this, u"SumaKwotZdarzen", value); }
HRESULT CVatZd::put_SumaKwotZdarzen(CY value) { return PutMoneyColumn(*this, u"SumaKwotZdarzen", value); }
HRESULT CVatZd::get_SumaKwotRozliczen(CY* value) { return GetMoneyColumn(*this, u"SumaKwotRozliczen", value); }
HRESULT CVatZd::put_SumaKwotRozliczen(CY value) { return PutMoneyColumn(*this, u"SumaKwotRozliczen", value); }
HRESULT CVatZd::get_KorektaVAT(CY* value) { return GetMoneyColumn(*this, u"KorektaVAT", value); }
HRESULT CVatZd::put_KorektaVAT(CY value) { return PutMoneyColumn(*this, u"KorektaVAT", value); }
HRESULT CVatZd::get_DoRoliczeniaNaDzienObliczenia(CY* value) {
    return GetMoneyColumn(*this, u"DoRoliczeniaNaDzienObliczenia", value);
}
HRESULT CVatZd::put_DoRoliczeniaNaDzienObliczenia(CY value) {
    return PutMoneyColumn(*this, u"DoRoliczeniaNaDzienObliczenia", value);
}
HRESULT CVatZd::get_RoliczonoNaDzienObliczenia(CY* value) {
    return GetMoneyColumn(*this, u"RoliczonoNaDzienObliczenia", value);
}
HRESULT CVatZd::put_RoliczonoNaDzienObliczenia(CY value) {
    return PutMoneyColumn(*this, u"RoliczonoNaDzienObliczenia", value);
}

HRESULT CVatZd::get_KorektaNetto(CY* value) {
    return ComBoundary([&] {
        RequireOut(value);
        *value = IsRowDeleted() ? CY{0} : ReadMoney(u"KorektaNetto").AsCurrency();
    });
}

HRESULT CVatZd::put_KorektaNetto(CY value) {
    return ComBoundary([&] {
        if (!IsRowDeleted()) SetFieldValue(u"KorektaNetto", tlx::Variant::FromCurrency(value));
    });
}

HRESULT CVatZd::get_RodzajZakupuAsText(BSTR* value) {
    return ComBoundary([&] {
        RequireOut(value);
        long code = VariantToLongOr(GetFieldValue(u"RodzajZakupu").Detach(), -1);
        *value = CBstr(TextOfCode(kRodzajZakupuTexts, code, 1)).Copy();
    });
}

HRESULT CVatZd::get_OdliczeniaAsText(BSTR* value) {
    return ComBoundary([&] {
        RequireOut(value);
        const char16_t* text = kNieDotyczy;
        if (VariantToLongOr(GetFieldValue(u"Typ").Detach(), 0) != kTypBezOdliczen)
            text = TextOfCode(kOdliczeniaTexts, VariantToLongOr(GetFieldValue(u"Odliczenia").Detach(), -1), 0);
        *value = CBstr(text).Copy();
    });
}

HRESULT CVatZd::get_StawkaAsText(BSTR* value) {
    return ComBoundary([&] {
        RequireOut(value);
        CMoney rate = VariantToMoneyOr(GetFieldValue(u"Stawka").Detach(), 0.0);
        long flag = VariantToLongOr(GetFieldValue(u"Flaga").Detach(), 0);
        std::u16string text;
        if (rate == CMoney() && flag == kFlagaZwolniona)
            text = u"ZW";
        else if (rate == CMoney() && flag == kFlagaNiePodlega)
            text = u"NP";
        else if (flag == kFlagaProcentowa || flag == kFlagaProcentowaObnizona)
            text = FormatString(u"%0.2f %%", rate.AsDouble());
        *value = CBstr(text).Copy();
    });
}

void CVatZd::OnLoadRecord(LONG mode) {
    if (!BoundRecordset()) RaiseHResult(E_POINTER);
    // The items of a declaration's clone are copies that belong to no declaration yet.
    if (mode == hostBindClone) WriteLong(u"DkNId", 0);
}

void CVatZd::OnSave(LONG mode) {
    LONG saveMode = 0;
    CheckHost(get_ROSaveMode(&saveMode));
    if (saveMode != 1 && !BoundRecordset()) RaiseHResult(E_POINTER);
    // The row is part of what its declaration's send files: not changed while another session sends it.
    if (mode == hostSavePrepare || mode == hostSaveDeleted)
        RefuseListRowWhileSent(GetSession().Get(), BoundRecordset().Get(), u"VaZ_DkNId", static_cast<IVatZd*>(this));
}

void CVatZd::OnVerify() {
    if (!BoundRecordset()) RaiseHResult(E_POINTER);
}
