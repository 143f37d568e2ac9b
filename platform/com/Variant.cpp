#include "platform/com/Variant.h"

#include <stdexcept>

void VariantInit(VARIANT* value) {
    value->vt = VT_EMPTY;
    value->wReserved1 = value->wReserved2 = value->wReserved3 = 0;
    value->llVal = 0;
}

HRESULT VariantClear(VARIANT* value) {
    if (!value) return E_INVALIDARG;
    switch (value->vt) {
        case VT_BSTR:
            SysFreeString(value->bstrVal);
            break;
        case VT_DISPATCH:
        case VT_UNKNOWN:
            if (value->punkVal) value->punkVal->Release();
            break;
        default:
            break;
    }
    VariantInit(value);
    return S_OK;
}

namespace {
HRESULT CopyOwnedValue(VARIANT* target, const VARIANT& source) {
    VARIANT copy = source;
    switch (source.vt) {
        case VT_BSTR:
            if (source.bstrVal) {
                copy.bstrVal = SysAllocStringLen(source.bstrVal, SysStringLen(source.bstrVal));
                if (!copy.bstrVal) return E_OUTOFMEMORY;
            }
            break;
        case VT_DISPATCH:
        case VT_UNKNOWN:
            if (source.punkVal) source.punkVal->AddRef();
            break;
        default:
            break;
    }
    VariantClear(target);
    *target = copy;
    return S_OK;
}
}  // namespace

HRESULT VariantCopy(VARIANT* target, const VARIANT* source) {
    if (!target || !source) return E_INVALIDARG;
    if (target == source) return S_OK;
    return CopyOwnedValue(target, *source);
}

HRESULT VariantCopyInd(VARIANT* target, const VARIANT* source) {
    if (!target || !source) return E_INVALIDARG;
    if (!(source->vt & VT_BYREF)) return VariantCopy(target, source);
    if (!source->byref) return E_INVALIDARG;
    VARIANT value;
    VariantInit(&value);
    value.vt = static_cast<VARTYPE>(source->vt & ~VT_BYREF);
    switch (value.vt) {
        case VT_VARIANT: return VariantCopyInd(target, source->pvarVal);
        case VT_I2: value.iVal = *source->piVal; break;
        case VT_I4: value.lVal = *source->plVal; break;
        case VT_R8: value.dblVal = *source->pdblVal; break;
        case VT_BOOL: value.boolVal = *source->pboolVal; break;
        case VT_ERROR: value.scode = *source->pscode; break;
        case VT_CY: value.cyVal = *source->pcyVal; break;
        case VT_DATE: value.date = *source->pdate; break;
        case VT_BSTR: value.bstrVal = *source->pbstrVal; break;
        case VT_UNKNOWN: value.punkVal = *source->ppunkVal; break;
        case VT_DISPATCH: value.pdispVal = *source->ppdispVal; break;
        default: return DISP_E_BADVARTYPE;
    }
    return CopyOwnedValue(target, value);
}

namespace tlx {
void Variant::Copy(const VARIANT& other) {
    HRESULT hr = VariantCopy(this, &other);
    if (FAILED(hr)) throw std::bad_alloc();
}

Variant Variant::Null() {
    Variant v;
    v.vt = VT_NULL;
    return v;
}
Variant Variant::FromLong(LONG value) {
    Variant v;
    v.vt = VT_I4;
    v.lVal = value;
    return v;
}
Variant Variant::FromDouble(double value) {
    Variant v;
    v.vt = VT_R8;
    v.dblVal = value;
    return v;
}
Variant Variant::FromBool(bool value) {
    Variant v;
    v.vt = VT_BOOL;
    v.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
    return v;
}
Variant Variant::FromString(std::u16string_view text) {
    Variant v;
    v.vt = VT_BSTR;
    v.bstrVal = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (!v.bstrVal) throw std::bad_alloc();
    return v;
}
Variant Variant::FromCurrency(CY value) {
    Variant v;
    v.vt = VT_CY;
    v.cyVal = value;
    return v;
}
Variant Variant::FromDate(DATE value) {
    Variant v;
    v.vt = VT_DATE;
    v.date = value;
    return v;
}
Variant Variant::FromDispatch(IDispatch* object) {
    Variant v;
    v.vt = VT_DISPATCH;
    v.pdispVal = object;
    if (object) object->AddRef();
    return v;
}
Variant Variant::FromUnknown(IUnknown* object) {
    Variant v;
    v.vt = VT_UNKNOWN;
    v.punkVal = object;
    if (object) object->AddRef();
    return v;
}
Variant Variant::Missing() {
    Variant v;
    v.vt = VT_ERROR;
    v.scode = DISP_E_PARAMNOTFOUND_SCODE;
    return v;
}
}  // namespace tlx
