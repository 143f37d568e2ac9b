#include "platform/com/VariantConversion.h"

#include <cmath>
#include <limits>
#include <string>

#include "platform/com/ComPtr.h"
#include "platform/com/NumberText.h"
#include "platform/com/OleDate.h"

namespace {

using tlx::Locale;

// Below 2^63 in magnitude: the doubles that round into a 64-bit integer.
constexpr double kInt64Bound = 9223372036854775808.0;
constexpr LONGLONG kCyScale = 10000;

struct Conversion {
    const Locale& locale;
    USHORT flags;
};

bool EqualsIgnoreAsciiCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i) {
        char16_t x = a[i], y = b[i];
        if (x >= u'A' && x <= u'Z') x = static_cast<char16_t>(x + 32);
        if (y >= u'A' && y <= u'Z') y = static_cast<char16_t>(y + 32);
        if (x != y) return false;
    }
    return true;
}

std::u16string_view TextOf(const VARIANT& v) { return {v.bstrVal ? v.bstrVal : u"", SysStringLen(v.bstrVal)}; }

// Rounds half to even into 64 bits.
HRESULT RoundDouble(double x, LONGLONG& out) {
    if (!std::isfinite(x)) return DISP_E_OVERFLOW;
    double r = std::nearbyint(x);
    if (r >= kInt64Bound || r < -kInt64Bound) return DISP_E_OVERFLOW;
    out = static_cast<LONGLONG>(r);
    return S_OK;
}

// Currency count to whole units, half to even.
LONGLONG CurrencyToInteger(LONGLONG count) {
    LONGLONG whole = count / kCyScale, rest = count % kCyScale;
    LONGLONG twice = 2 * (rest < 0 ? -rest : rest);
    if (twice > kCyScale || (twice == kCyScale && whole % 2 != 0)) whole += count < 0 ? -1 : 1;
    return whole;
}

std::optional<tlx::DecimalNumber> ReadNumber(const VARIANT& v, const Conversion& c) {
    return tlx::ParseNumber(TextOf(v), c.locale);
}

HRESULT ToInteger(const VARIANT& v, const Conversion& c, LONGLONG& out) {
    switch (v.vt) {
        case VT_EMPTY: out = 0; return S_OK;
        case VT_I2: out = v.iVal; return S_OK;
        case VT_I4: out = v.lVal; return S_OK;
        case VT_I8: out = v.llVal; return S_OK;
        case VT_BOOL: out = v.boolVal ? -1 : 0; return S_OK;
        case VT_R8: return RoundDouble(v.dblVal, out);
        case VT_DATE: return RoundDouble(v.date, out);
        case VT_CY: out = CurrencyToInteger(v.cyVal.int64); return S_OK;
        case VT_BSTR: {
            auto number = ReadNumber(v, c);
            if (!number) return DISP_E_TYPEMISMATCH;
            auto value = number->ToInt64();
            if (!value) return DISP_E_OVERFLOW;
            out = *value;
            return S_OK;
        }
        default: return DISP_E_TYPEMISMATCH;
    }
}

HRESULT ToDouble(const VARIANT& v, const Conversion& c, double& out) {
    switch (v.vt) {
        case VT_R8: out = v.dblVal; return S_OK;
        case VT_DATE: out = v.date; return S_OK;
        case VT_CY: out = static_cast<double>(v.cyVal.int64) / kCyScale; return S_OK;
        case VT_BSTR: {
            auto number = ReadNumber(v, c);
            if (!number) return DISP_E_TYPEMISMATCH;
            out = number->ToDouble();
            return std::isfinite(out) ? S_OK : DISP_E_OVERFLOW;
        }
        default: {
            LONGLONG value = 0;
            HRESULT hr = ToInteger(v, c, value);
            out = static_cast<double>(value);
            return hr;
        }
    }
}

HRESULT ToCurrency(const VARIANT& v, const Conversion& c, LONGLONG& out) {
    switch (v.vt) {
        case VT_CY: out = v.cyVal.int64; return S_OK;
        case VT_R8:
        case VT_DATE: {
            // Rounded on the decimal the double stands for, so that 0.00015 is a half and not a little less.
            const double x = v.vt == VT_R8 ? v.dblVal : v.date;
            if (!std::isfinite(x)) return DISP_E_OVERFLOW;
            auto value = tlx::ShortestDecimal(x).ToInt64(4);
            if (!value) return DISP_E_OVERFLOW;
            out = *value;
            return S_OK;
        }
        case VT_BSTR: {
            auto number = ReadNumber(v, c);
            if (!number) return DISP_E_TYPEMISMATCH;
            auto value = number->ToInt64(4);
            if (!value) return DISP_E_OVERFLOW;
            out = *value;
            return S_OK;
        }
        default: {
            LONGLONG value = 0;
            if (HRESULT hr = ToInteger(v, c, value); FAILED(hr)) return hr;
            if (__builtin_mul_overflow(value, kCyScale, &out)) return DISP_E_OVERFLOW;
            return S_OK;
        }
    }
}

HRESULT ToBool(const VARIANT& v, const Conversion& c, bool& out) {
    if (v.vt == VT_BSTR) {
        std::u16string_view text = TextOf(v);
        while (!text.empty() && text.front() == u' ') text.remove_prefix(1);
        while (!text.empty() && text.back() == u' ') text.remove_suffix(1);
        if (EqualsIgnoreAsciiCase(text, u"true") || EqualsIgnoreAsciiCase(text, c.locale.trueName)) {
            out = true;
            return S_OK;
        }
        if (EqualsIgnoreAsciiCase(text, u"false") || EqualsIgnoreAsciiCase(text, c.locale.falseName)) {
            out = false;
            return S_OK;
        }
        auto number = ReadNumber(v, c);
        if (!number) return DISP_E_TYPEMISMATCH;
        out = !number->digits.empty();
        return S_OK;
    }
    if (v.vt == VT_R8 || v.vt == VT_DATE) {
        out = (v.vt == VT_R8 ? v.dblVal : v.date) != 0.0;
        return S_OK;
    }
    if (v.vt == VT_CY) {
        out = v.cyVal.int64 != 0;
        return S_OK;
    }
    LONGLONG value = 0;
    HRESULT hr = ToInteger(v, c, value);
    out = value != 0;
    return hr;
}

HRESULT ToDate(const VARIANT& v, const Conversion& c, double& out) {
    if (v.vt == VT_BSTR) {
        auto date = tlx::ParseDate(TextOf(v), c.locale);
        if (!date) return DISP_E_TYPEMISMATCH;
        out = *date;
        return S_OK;
    }
    if (HRESULT hr = ToDouble(v, c, out); FAILED(hr)) return hr;
    if (!(out > tlx::kMinOleDate - 1.0) || !(out < tlx::kMaxOleDate + 1.0 / 86400.0)) return DISP_E_OVERFLOW;
    return S_OK;
}

std::u16string IntegerText(LONGLONG value) {
    std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

HRESULT ToText(const VARIANT& v, const Conversion& c, std::u16string& out) {
    switch (v.vt) {
        case VT_EMPTY: out.clear(); return S_OK;
        case VT_I2: out = IntegerText(v.iVal); return S_OK;
        case VT_I4: out = IntegerText(v.lVal); return S_OK;
        case VT_I8: out = IntegerText(v.llVal); return S_OK;
        case VT_R8: out = tlx::FormatDouble(v.dblVal, c.locale); return S_OK;
        case VT_CY: out = tlx::FormatCurrency(v.cyVal, c.locale); return S_OK;
        case VT_DATE: {
            auto text = tlx::FormatDate(v.date, c.locale);
            if (!text) return DISP_E_OVERFLOW;
            out = *text;
            return S_OK;
        }
        case VT_BOOL:
            if (c.flags & VARIANT_LOCALBOOL)
                out = v.boolVal ? c.locale.trueName : c.locale.falseName;
            else if (c.flags & VARIANT_ALPHABOOL)
                out = v.boolVal ? u"True" : u"False";
            else
                out = v.boolVal ? u"-1" : u"0";
            return S_OK;
        default: return DISP_E_TYPEMISMATCH;
    }
}

HRESULT ToObject(const VARIANT& v, VARTYPE vt, VARIANT& out) {
    if (v.vt != VT_EMPTY && v.vt != VT_DISPATCH && v.vt != VT_UNKNOWN) return DISP_E_TYPEMISMATCH;
    out.vt = vt;
    out.punkVal = nullptr;
    if (v.vt == VT_EMPTY || !v.punkVal) return S_OK;
    const IID& iid = vt == VT_DISPATCH ? IID_IDispatch : IID_IUnknown;
    if (FAILED(v.punkVal->QueryInterface(iid, reinterpret_cast<void**>(&out.punkVal)))) {
        out.vt = VT_EMPTY;
        return DISP_E_TYPEMISMATCH;
    }
    return S_OK;
}

// The value an object stands for: its default member.
HRESULT ValueOfObject(IDispatch* object, tlx::Variant& value) {
    if (!object) return DISP_E_TYPEMISMATCH;
    DISPPARAMS none{nullptr, nullptr, 0, 0};
    HRESULT hr = object->Invoke(DISPID_VALUE, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                                value.Out(), nullptr, nullptr);
    if (FAILED(hr)) return DISP_E_TYPEMISMATCH;
    if (value.vt == VT_DISPATCH) return DISP_E_TYPEMISMATCH;  // one step only: no chains of objects
    return S_OK;
}

HRESULT Convert(const VARIANT& v, VARTYPE vt, const Conversion& c, VARIANT& out) {
    if (vt == VT_EMPTY) return S_OK;
    if (v.vt == vt) return VariantCopy(&out, &v);
    if (v.vt == VT_NULL || vt == VT_NULL) return DISP_E_TYPEMISMATCH;
    if (v.vt == VT_ERROR || vt == VT_ERROR) return DISP_E_TYPEMISMATCH;
    if (vt == VT_DISPATCH || vt == VT_UNKNOWN) return ToObject(v, vt, out);
    if (v.vt == VT_DISPATCH && !(c.flags & VARIANT_NOVALUEPROP)) {
        tlx::Variant value;
        if (HRESULT hr = ValueOfObject(v.pdispVal, value); FAILED(hr)) return hr;
        return Convert(value, vt, c, out);
    }
    HRESULT hr = S_OK;
    switch (vt) {
        case VT_I2:
        case VT_I4:
        case VT_I8: {
            LONGLONG value = 0;
            if (hr = ToInteger(v, c, value); FAILED(hr)) return hr;
            if (vt == VT_I2 && (value < -32768 || value > 32767)) return DISP_E_OVERFLOW;
            if (vt == VT_I4 && (value < std::numeric_limits<LONG>::min() || value > std::numeric_limits<LONG>::max()))
                return DISP_E_OVERFLOW;
            if (vt == VT_I2) out.iVal = static_cast<SHORT>(value);
            if (vt == VT_I4) out.lVal = static_cast<LONG>(value);
            if (vt == VT_I8) out.llVal = value;
            break;
        }
        case VT_R8: hr = ToDouble(v, c, out.dblVal); break;
        case VT_CY: hr = ToCurrency(v, c, out.cyVal.int64); break;
        case VT_DATE: hr = ToDate(v, c, out.date); break;
        case VT_BOOL: {
            bool value = false;
            hr = ToBool(v, c, value);
            out.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
            break;
        }
        case VT_BSTR: {
            std::u16string text;
            if (hr = ToText(v, c, text); FAILED(hr)) return hr;
            out.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
            if (!out.bstrVal) return E_OUTOFMEMORY;
            break;
        }
        default: return DISP_E_BADVARTYPE;
    }
    if (SUCCEEDED(hr)) out.vt = vt;
    return hr;
}

bool IsKnownType(VARTYPE vt) {
    switch (vt) {
        case VT_EMPTY: case VT_NULL: case VT_I2: case VT_I4: case VT_I8: case VT_R8: case VT_CY:
        case VT_DATE: case VT_BSTR: case VT_BOOL: case VT_DISPATCH: case VT_UNKNOWN: case VT_ERROR:
            return true;
        default:
            return false;
    }
}

}  // namespace

HRESULT VariantChangeTypeEx(VARIANT* target, const VARIANT* source, LCID lcid, USHORT flags, VARTYPE vt) {
    if (!target || !source) return E_INVALIDARG;
    const Locale* locale = tlx::FindLocale(lcid);
    if (!locale) return E_INVALIDARG;
    try {
        tlx::Variant value;
        if (HRESULT hr = VariantCopyInd(&value, source); FAILED(hr)) return hr;
        if (!IsKnownType(value.vt) || !IsKnownType(vt)) return DISP_E_BADVARTYPE;
        tlx::Variant converted;
        if (HRESULT hr = Convert(value, vt, Conversion{*locale, flags}, converted); FAILED(hr)) return hr;
        VariantClear(target);
        *target = converted.Detach();
        return S_OK;
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

HRESULT VariantChangeType(VARIANT* target, const VARIANT* source, USHORT flags, VARTYPE vt) {
    return VariantChangeTypeEx(target, source, LOCALE_USER_DEFAULT, flags, vt);
}
