#include "platform/ado/RowValue.h"

#include <new>

namespace tlx::ado {

RowValue::RowValue(tlx::Variant&& value) {
    VariantInit(&value_);
    if (value.vt == VT_BSTR) {
        if (value.bstrVal) {
            value_.bstrVal = SharedTexts::Keep(value.bstrVal, SysStringLen(value.bstrVal));
        } else {
            value_.bstrVal = nullptr;
        }
        value_.vt = VT_BSTR;
        value.Clear();
        return;
    }
    value_ = value.Detach();
}

RowValue::RowValue(const RowValue& other) {
    VariantInit(&value_);
    if (other.value_.vt == VT_BSTR) {
        SharedTexts::Hold(other.value_.bstrVal);
        value_ = other.value_;
        return;
    }
    if (FAILED(VariantCopy(&value_, &other.value_))) throw std::bad_alloc();
}

}  // namespace tlx::ado
