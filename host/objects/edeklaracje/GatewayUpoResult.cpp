#include "host/objects/edeklaracje/GatewayUpoResult.h"

namespace tlx::host {

namespace {

HRESULT Answer(const std::u16string& text, BSTR* out) {
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

VARIANT_BOOL AsBool(bool value) { return value ? VARIANT_TRUE : VARIANT_FALSE; }

}  // namespace

HRESULT CGatewayUpoResult::StatusText(BSTR* value) { return Answer(statusText, value); }
HRESULT CGatewayUpoResult::StatusCode(LONG* value) { return Answer(statusCode, value); }
HRESULT CGatewayUpoResult::Upo(BSTR* value) { return Answer(upo, value); }
HRESULT CGatewayUpoResult::Success(VARIANT_BOOL* value) { return Answer(AsBool(success), value); }
HRESULT CGatewayUpoResult::ErrorText(BSTR* value) { return Answer(errorText, value); }

}  // namespace tlx::host
