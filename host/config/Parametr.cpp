#include "host/config/Parametr.h"

namespace tlx::host {

HRESULT CParametr::get_Value(VARIANT* value) {
    if (!value) return E_POINTER;
    VariantInit(value);
    return VariantCopy(value, &value_);
}

HRESULT CParametr::get_DataOd(DATE* from) {
    if (!from) return E_POINTER;
    *from = from_;
    return S_OK;
}

}  // namespace tlx::host
