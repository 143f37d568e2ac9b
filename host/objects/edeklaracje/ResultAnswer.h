// How the gateway's result objects hand out the values they keep: a copy into the caller's out-parameter,
// E_POINTER for a null one.
#pragma once

#include <string>

#include "platform/com/Bstr.h"

namespace tlx::host::result {

inline HRESULT Answer(const std::u16string& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

template <class T>
HRESULT Answer(T value, T* out) {
    if (!out) return E_POINTER;
    *out = value;
    return S_OK;
}

inline VARIANT_BOOL AsBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace tlx::host::result
