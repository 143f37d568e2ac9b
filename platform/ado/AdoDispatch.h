// The IDispatch side of the ADO objects until their dispatch tables are in place: late-bound callers
// get E_NOTIMPL.
#pragma once

#include "platform/ado/Ado.h"

namespace tlx::ado {

template <class I>
class AdoDispatch : public I {
public:
    HRESULT GetTypeInfoCount(UINT* count) override {
        if (!count) return E_POINTER;
        *count = 0;
        return S_OK;
    }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

protected:
    ~AdoDispatch() = default;
};

}  // namespace tlx::ado
