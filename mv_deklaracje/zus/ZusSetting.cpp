#include "mv_deklaracje/zus/ZusSetting.h"

#include "mv_deklaracje/core/VariantHelpers.h"
#include "platform/com/VariantConversion.h"

std::u16string SettingValueText(const tlx::Variant& value) {
    tlx::Variant text;
    if (FAILED(VariantChangeType(text.Out(), &value, 0, VT_BSTR)) || !text.bstrVal) return u"";
    return std::u16string(text.bstrVal);
}

bool SettingFlagValue(const char16_t* key, const tlx::Variant& value) {
    return ConvertSetting(key, value, u"wartością logiczną", [](const tlx::Variant& v) {
        if (v.vt == VT_BOOL) return v.boolVal != VARIANT_FALSE;
        return ConvertVariant(v, VT_BOOL).boolVal != VARIANT_FALSE;
    });
}
