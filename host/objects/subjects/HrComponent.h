// The HR component ("TLX.ERPHR"): this host is the full product, kind 0.
#pragma once

#include "hostapi/SubjectsDispatch.h"

namespace tlx::host {

class CHrComponent final : public ComObject<CHrComponent, Dispatch<IHrComponent>> {
public:
    HRESULT GetProductKind(LONG* kind) override {
        if (!kind) return E_POINTER;
        *kind = 0;
        return S_OK;
    }
};

}  // namespace tlx::host
