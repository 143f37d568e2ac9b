// What the host's gateway answers a receipt request: the service's status and, with status 200, the
// receipt's XML text; Success false and ErrorText when the service was not reached or refused it.
#pragma once

#include <string>

#include "hostapi/EDeclarationsDispatch.h"
#include "platform/com/ComObject.h"

namespace tlx::host {

class CGatewayUpoResult final : public ComObject<CGatewayUpoResult, Dispatch<IGatewayUpoResult>> {
public:
    std::u16string statusText;
    LONG statusCode = 0;
    std::u16string upo;
    bool success = false;
    std::u16string errorText;

    HRESULT Reserved7() override { return E_NOTIMPL; }
    HRESULT StatusText(BSTR* value) override;
    HRESULT StatusCode(LONG* value) override;
    HRESULT Upo(BSTR* value) override;
    HRESULT Success(VARIANT_BOOL* value) override;
    HRESULT ErrorText(BSTR* value) override;
};

}  // namespace tlx::host
