// The host's gateway to the tax office's e-declaration web service (SOAP 1.1, the bodies of the
// service's GateService schema): sendDocument for a signed document, sendUnsignDocument for one with
// authorisation data, requestUPO for the official receipt. Configured by its setters; each call is one
// request to the address set, which has no default.
#pragma once

#include <string>

#include "host/objects/edeklaracje/SoapTransport.h"
#include "hostapi/EDeclarationsDispatch.h"
#include "platform/com/ComObject.h"

namespace tlx::host {

class CEDeklaracjeGateway final : public ComObject<CEDeklaracjeGateway, Dispatch<IEDeklaracjeGateway>> {
public:
    static constexpr char kServiceNamespace[] = "https://bramka.e-deklaracje.mf.gov.pl/xsd";

    HRESULT SetAddress(BSTR address) override;
    HRESULT RequestUpo(BSTR refId, BSTR reserved, BSTR language, IGatewayUpoResult** result) override;
    HRESULT SendUnsigned(BSTR document, LONG reserved, BSTR options, IGatewaySendResult** result) override;
    HRESULT SendSigned(BSTR document, IGatewaySendResult** result) override;
    HRESULT SetProxyActive(SHORT active) override;
    HRESULT SetProxyAuthorisation(SHORT authorisation) override;
    HRESULT SetProxyAddress(BSTR address) override;
    HRESULT SetProxyPort(BSTR port) override;
    HRESULT SetProxyUser(BSTR user) override;
    HRESULT SetProxyPassword(BSTR password) override;

#define TLX_GATEWAY_UNUSED(n) \
    HRESULT Reserved##n() override { return E_NOTIMPL; }
    TLX_GATEWAY_UNUSED(7) TLX_GATEWAY_UNUSED(9) TLX_GATEWAY_UNUSED(10) TLX_GATEWAY_UNUSED(11)
    TLX_GATEWAY_UNUSED(12) TLX_GATEWAY_UNUSED(14) TLX_GATEWAY_UNUSED(15) TLX_GATEWAY_UNUSED(17)
    TLX_GATEWAY_UNUSED(18) TLX_GATEWAY_UNUSED(19) TLX_GATEWAY_UNUSED(20) TLX_GATEWAY_UNUSED(21)
    TLX_GATEWAY_UNUSED(23) TLX_GATEWAY_UNUSED(24) TLX_GATEWAY_UNUSED(25) TLX_GATEWAY_UNUSED(26)
    TLX_GATEWAY_UNUSED(28) TLX_GATEWAY_UNUSED(30) TLX_GATEWAY_UNUSED(32) TLX_GATEWAY_UNUSED(34)
    TLX_GATEWAY_UNUSED(36)
#undef TLX_GATEWAY_UNUSED

private:
    HRESULT Send(const char* operation, const std::string& body, IGatewaySendResult** result);

    std::string address_;
    ProxySettings proxy_;
};

}  // namespace tlx::host
