#include "mv_deklaracje/core/ScriptValue.h"

CScriptValue::CScriptValue(const VARIANT& value) {
    if (FAILED(VariantCopyInd(&value_, &value))) value_ = tlx::Variant();
    if (value_.vt == VT_EMPTY || value_.vt == VT_ERROR)
        value_ = tlx::Variant::FromString(u"");
    else if (value_.vt == VT_DATE && value_.date == 0.0)
        value_ = tlx::Variant::Null();
}

HRESULT CScriptValue::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT CScriptValue::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT CScriptValue::GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) {
    if (!names || !ids) return E_POINTER;
    HRESULT hr = S_OK;
    for (UINT i = 0; i < count; ++i) {
        bool known = names[i] && tlx::FoldNameCase(names[i]) == u"value";
        ids[i] = known ? kValueId : DISPID_UNKNOWN;
        if (!known) hr = DISP_E_UNKNOWNNAME;
    }
    return hr;
}

HRESULT CScriptValue::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                             EXCEPINFO*, UINT*) {
    if (id != kValueId) return DISP_E_MEMBERNOTFOUND;
    if (!(flags & DISPATCH_PROPERTYGET)) return DISP_E_MEMBERNOTFOUND;
    if (params && params->cArgs != 0) return DISP_E_BADPARAMCOUNT;
    if (!result) return S_OK;
    VariantInit(result);
    return VariantCopy(result, &value_);
}

HRESULT CScriptValue::GetMemberKinds(DISPID id, WORD* kinds, UINT* arguments, UINT* required) {
    if (id != kValueId) return DISP_E_MEMBERNOTFOUND;
    if (kinds) *kinds = DISPATCH_PROPERTYGET;
    if (arguments) *arguments = 0;
    if (required) *required = 0;
    return S_OK;
}
