#include "mv_deklaracje/core/ProgramCfgRO.h"

#include "mv_deklaracje/core/HostLookups.h"

namespace {
constexpr bool kDated = true;
constexpr bool kPlain = false;
}  // namespace

HRESULT CProgramCfgRO::get_WylZak0_VAT7(LONG* value) { return AnswerLong(value, u"VAT7_Wliczaj0", kDated); }
HRESULT CProgramCfgRO::get_Grosze_VAT7(LONG* value) {
    return AnswerLong(value, u"/Program/Księgowość/Zaokraglenia/Grosze VAT7", kPlain);
}
HRESULT CProgramCfgRO::get_ZaokPodst_VAT7(CY* value) {
    return AnswerMoney(value, u"/Program/Księgowość/Zaokraglenia/Podstawy VAT7");
}
HRESULT CProgramCfgRO::get_ZaokPodatek_VAT7(CY* value) {
    return AnswerMoney(value, u"/Program/Księgowość/Zaokraglenia/Podatku VAT7");
}
HRESULT CProgramCfgRO::get_ZaokPodst_PIT5(CY* value) {
    return AnswerMoney(value, u"/Program/Księgowość/Zaokraglenia/Podstawy PIT5");
}
HRESULT CProgramCfgRO::get_ZaokPodatek_PIT5(CY* value) {
    return AnswerMoney(value, u"/Program/Księgowość/Zaokraglenia/Podatku PIT5");
}
HRESULT CProgramCfgRO::get_StawkaRyczaltowa1(CY* value) {
    return AnswerMoney(value, u"/Program/Księgowość/Stawki Podatkowe/Ryczałt 1");
}
HRESULT CProgramCfgRO::get_StawkaRyczaltowa2(CY* value) {
    return AnswerMoney(value, u"/Program/Księgowość/Stawki Podatkowe/Ryczałt 2");
}
HRESULT CProgramCfgRO::get_StawkaRyczaltowa3(CY* value) {
    return AnswerMoney(value, u"/Program/Księgowość/Stawki Podatkowe/Ryczałt 3");
}
HRESULT CProgramCfgRO::get_Vat7_WliczacNP(LONG* value) {
    return AnswerLong(value, u"UwzgledniacSprzedazNiePodlegajacaVat", kDated);
}

CBstr CProgramCfgRO::GetText(const CBstr& key, bool dated) {
    if (!configuration_) configuration_ = CreateHostConfiguration(GetSession().Get());
    const tlx::Bstr name(key.View());
    if (!dated) {
        tlx::Bstr value;
        CheckHost(configuration_->GetValue(name.Get(), value.Out()));
        return CBstr(value.View());
    }
    tlx::ComPtr<IParametr> parameter;
    CheckHost(configuration_->GetParametr(name.Get(), GetHostToday().Value(), parameter.Out()));
    if (!parameter) RaiseHResult(E_POINTER);
    tlx::Variant value;
    CheckHost(parameter->get_Value(value.Out()));
    return value.vt == VT_EMPTY ? CBstr(u"") : VariantToBstr(value);
}

long CProgramCfgRO::GetLong(const CBstr& key, bool dated) {
    const CBstr text = GetText(key, dated);
    if (text.IsEmpty()) return 0;
    return ConvertVariant(tlx::Variant::FromString(text.View()), VT_I4).lVal;
}

CMoney CProgramCfgRO::GetMoney(const CBstr& key, bool dated) {
    const CBstr text = GetText(key, dated);
    if (text.IsEmpty()) return CMoney();
    try {
        return CMoney(ConvertVariant(tlx::Variant::FromString(text.View()), VT_R8).dblVal);
    } catch (const ComError& e) {
        if (e.Code() != DISP_E_OVERFLOW) throw;
        RaiseComErrorFormat(DISP_E_OVERFLOW, u"Wartość konfiguracji \"%s\" jest poza zakresem kwot.",
                            std::u16string(key.View()).c_str());
    }
}

HRESULT CProgramCfgRO::AnswerLong(LONG* out, const OLECHAR* key, bool dated) {
    return ComBoundary([&] {
        RequireOut(out);
        *out = GetLong(CBstr(key), dated);
    });
}

HRESULT CProgramCfgRO::AnswerMoney(CY* out, const OLECHAR* key) {
    return ComBoundary([&] {
        RequireOut(out);
        *out = GetMoney(CBstr(key), kPlain).AsCurrency();
    });
}
