// An insurance title (IKodTytulu): the four-digit ZUS title as a number.
#pragma once

#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CKodTytulu final : public ComObject<CKodTytulu, Dispatch<IKodTytulu>> {
public:
    explicit CKodTytulu(LONG title) : title_(title) {}
    HRESULT get_Kod(LONG* title) override {
        if (!title) return E_POINTER;
        *title = title_;
        return S_OK;
    }

private:
    LONG title_;
};

}  // namespace tlx::host
