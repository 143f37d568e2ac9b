// What the ZUS declaration tests share: a progress sink that records the texts of the declaration's
// progress events, and numbers as SQL text.
#pragma once

#include <string>
#include <vector>

#include "mv_deklaracje_tlb.h"
#include "platform/com/ComObject.h"

namespace tlx::test {

class CProgressTexts final : public ComObject<CProgressTexts, _IProgressEvents> {
public:
    std::vector<std::u16string> texts;
    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*, UINT*) override {
        for (UINT i = params->cArgs; i-- > 0;)
            if (params->rgvarg[i].vt == VT_BSTR && params->rgvarg[i].bstrVal) texts.emplace_back(params->rgvarg[i].bstrVal);
        return S_OK;
    }
};

inline std::u16string Num(long n) {
    std::string s = std::to_string(n);
    return std::u16string(s.begin(), s.end());
}

}  // namespace tlx::test
