// A company setting of the host converted as a ZUS calculation needs it. A value that does not convert
// fails with the reason, the value as the user typed it and the setting's key, so that the user knows
// which setting to mend and why; the platform's conversion answers only a code, and the reason is then
// told from it.
#pragma once

#include <string>

#include "mv_deklaracje/core/ComError.h"
#include "platform/com/Variant.h"

// The value as the user typed it, for a message; empty when it has no text form.
std::u16string SettingValueText(const tlx::Variant& value);

// `convert`(value), or its failure raised again with the reason and the key: "Wartość "<value>" nie
// jest <expected> (ustawienie "<key>")".
template <class Convert>
auto ConvertSetting(const char16_t* key, const tlx::Variant& value, const char16_t* expected, Convert convert) {
    try {
        return convert(value);
    } catch (const ComError& e) {
        std::u16string reason = e.Description();
        if (reason.empty()) {
            const std::u16string why =
                e.Code() == DISP_E_OVERFLOW ? u"jest poza zakresem" : u"nie jest " + std::u16string(expected);
            reason = u"Wartość \"" + SettingValueText(value) + u"\" " + why;
        }
        RaiseComError(e.Code(), reason + u" (ustawienie \"" + key + u"\")");
    }
}

// The setting's value as a flag (a boolean, a number, or a text such as "1", "0", "True").
bool SettingFlagValue(const char16_t* key, const tlx::Variant& value);
