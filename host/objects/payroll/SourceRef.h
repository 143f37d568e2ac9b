// The record a link points at (ISourceRef): its identifier and kind (8: a civil-law contract).
#pragma once

#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CSourceRef final : public ComObject<CSourceRef, Dispatch<ISourceRef>> {
public:
    CSourceRef(LONG id, LONG kind) : id_(id), kind_(kind) {}
    HRESULT get_ID(LONG* id) override {
        if (!id) return E_POINTER;
        *id = id_;
        return S_OK;
    }
    HRESULT get_Rodzaj(LONG* kind) override {
        if (!kind) return E_POINTER;
        *kind = kind_;
        return S_OK;
    }

private:
    LONG id_;
    LONG kind_;
};

}  // namespace tlx::host
