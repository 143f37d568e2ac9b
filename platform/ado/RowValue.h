// A value a row holds of its own once it is written: the VARIANT as written (already of its field's
// kind), but a text kept as a shared text (SharedTexts), so the rows of a save that write the same text
// (a form's descriptions in every declaration) keep it once. View lends the value as a VARIANT that the
// caller reads and never frees; Copy makes one the caller owns.
#pragma once

#include "platform/com/SharedTexts.h"
#include "platform/com/Variant.h"

namespace tlx::ado {

class RowValue {
public:
    RowValue() { VariantInit(&value_); }
    // Takes the value; a text moves into the shared texts.
    explicit RowValue(tlx::Variant&& value);
    RowValue(const RowValue& other);
    RowValue& operator=(const RowValue& other) {
        if (this != &other) *this = RowValue(other);
        return *this;
    }
    RowValue(RowValue&& other) noexcept : value_(other.value_) { VariantInit(&other.value_); }
    RowValue& operator=(RowValue&& other) noexcept {
        if (this != &other) {
            Clear();
            value_ = other.value_;
            VariantInit(&other.value_);
        }
        return *this;
    }
    ~RowValue() { Clear(); }

    static RowValue Null() { return RowValue(tlx::Variant::Null()); }

    const VARIANT& View() const { return value_; }
    tlx::Variant Copy() const { return tlx::Variant(value_); }
    VARTYPE Type() const { return value_.vt; }

private:
    void Clear() noexcept {
        if (value_.vt == VT_BSTR)
            SharedTexts::Release(value_.bstrVal);
        else
            VariantClear(&value_);
        VariantInit(&value_);
    }

    VARIANT value_;  // a VT_BSTR's text is a shared text
};

}  // namespace tlx::ado
