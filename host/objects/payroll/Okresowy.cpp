#include "host/objects/payroll/Okresowy.h"

namespace tlx::host {

HRESULT COkresowy::get_Rok(LONG* year) {
    if (!year) return E_POINTER;
    *year = year_;
    return S_OK;
}

HRESULT COkresowy::put_Rok(LONG year) {
    year_ = year;
    return S_OK;
}

HRESULT COkresowy::get_Miesiac(LONG* month) {
    if (!month) return E_POINTER;
    *month = month_;
    return S_OK;
}

HRESULT COkresowy::put_Miesiac(LONG month) {
    if (month < 1 || month > 12) return E_INVALIDARG;
    month_ = month;
    return S_OK;
}

}  // namespace tlx::host
