#include "mv_deklaracje/core/VariantHelpers.h"

#include <algorithm>

#include "mv_deklaracje/core/Bstr.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/Money.h"
#include "platform/com/VariantConversion.h"

namespace {
// Clears a VARIANT handed over by value when the conversion is done.
struct ClearOnExit {
    VARIANT& value;
    ~ClearOnExit() { VariantClear(&value); }
};
}  // namespace

tlx::Variant JoinedText(std::u16string_view first, std::u16string_view second) {
    BSTR text = SysAllocStringLen(nullptr, static_cast<UINT>(first.size() + second.size()));
    if (!text) RaiseHResult(E_OUTOFMEMORY);
    std::copy(second.begin(), second.end(), std::copy(first.begin(), first.end(), text));
    tlx::Variant joined;
    joined.vt = VT_BSTR;
    joined.bstrVal = text;
    return joined;
}

tlx::Variant ConvertVariant(const VARIANT& value, VARTYPE type) {
    tlx::Variant out;
    HRESULT hr = VariantChangeType(&out, &value, 0, type);
    if (FAILED(hr)) RaiseHResult(hr);
    return out;
}

long VariantToLong(const VARIANT& value) {
    if (value.vt == VT_NULL) return 0;
    if (value.vt == VT_I4) return value.lVal;  // what the conversion would copy
    return ConvertVariant(value, VT_I4).lVal;
}

CMoney VariantToMoney(const VARIANT& value) {
    if (value.vt == VT_NULL) return CMoney(0.0);
    return CMoney(ConvertVariant(value, VT_R8).dblVal);
}

CBstr VariantToBstr(const VARIANT& value) {
    if (value.vt == VT_NULL) return CBstr(u"");
    auto view = [](BSTR text) { return std::u16string_view(text ? text : u"", SysStringLen(text)); };
    if (value.vt == VT_BSTR) return CBstr(view(value.bstrVal));  // a text is its own text: no copy to convert
    tlx::Variant text = ConvertVariant(value, VT_BSTR);
    return CBstr(view(text.bstrVal));
}

long VariantToLongOr(VARIANT value, long defaultValue) {
    ClearOnExit clear{value};
    return value.vt <= VT_NULL ? defaultValue : VariantToLong(value);
}

CBstr VariantToBstrOr(VARIANT value, const CBstr& defaultValue) {
    ClearOnExit clear{value};
    return value.vt <= VT_NULL ? defaultValue : VariantToBstr(value);
}

CMoney VariantToMoneyOr(VARIANT value, double defaultValue) {
    ClearOnExit clear{value};
    return value.vt <= VT_NULL ? CMoney(defaultValue) : VariantToMoney(value);
}

std::u16string VariantToCString(const VARIANT& value) {
    if (value.vt != VT_BSTR || !value.bstrVal) return {};
    return std::u16string(value.bstrVal, SysStringLen(value.bstrVal));
}
