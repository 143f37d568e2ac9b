// What the host's gateway answers a send: the service's reference number and status, or, when the
// service was not reached or refused the request, Success false and ErrorText saying why.
#pragma once

#include <string>

#include "hostapi/EDeclarationsDispatch.h"
#include "platform/com/ComObject.h"

namespace tlx::host {

class CGatewaySendResult final : public ComObject<CGatewaySendResult, Dispatch<IGatewaySendResult>> {
public:
    std::u16string refId;
    LONG statusCode = 0;
    std::u16string statusText;
    bool success = false;
    std::u16string errorText;

    HRESULT RefId(BSTR* value) override;
    HRESULT Reserved8() override { return E_NOTIMPL; }
    HRESULT StatusCode(LONG* value) override;
    HRESULT Reserved10() override { return E_NOTIMPL; }
    HRESULT StatusText(BSTR* value) override;
    HRESULT Reserved12() override { return E_NOTIMPL; }
    HRESULT Success(VARIANT_BOOL* value) override;
    HRESULT ErrorText(BSTR* value) override;
};

}  // namespace tlx::host
