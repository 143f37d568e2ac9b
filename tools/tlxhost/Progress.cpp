#include "Progress.h"

#include <cstdio>
#include <string>

#include "platform/text/CodePage.h"

namespace {
std::string TextOf(const VARIANT& value) {
    if (value.vt != VT_BSTR || !value.bstrVal) return {};
    return tlx::Utf16ToUtf8(std::u16string_view(value.bstrVal, SysStringLen(value.bstrVal)));
}
}  // namespace

HRESULT CTlxProgress::GetTypeInfoCount(UINT* count) {
    if (!count) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT CTlxProgress::GetTypeInfo(UINT, LCID, ITypeInfo** info) {
    if (info) *info = nullptr;
    return E_NOTIMPL;
}

HRESULT CTlxProgress::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return DISP_E_UNKNOWNNAME; }

HRESULT CTlxProgress::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) {
    if (!params || params->cArgs == 0) return DISP_E_BADPARAMCOUNT;
    std::string text = TextOf(params->rgvarg[0]);  // the text is the last argument
    switch (id) {
    case 0xB0: std::printf("  [postęp] %s...\n", text.c_str()); break;
    case 0xB1: std::printf("  [postęp] zakończono%s%s\n", text.empty() ? "" : ": ", text.c_str()); break;
    case 0xB2: std::printf("  [postęp] niepowodzenie: %s\n", text.c_str()); break;
    case 0x47F: std::printf("  [postęp] %s\n", text.c_str()); break;
    default: return DISP_E_MEMBERNOTFOUND;
    }
    std::fflush(stdout);
    return S_OK;
}
