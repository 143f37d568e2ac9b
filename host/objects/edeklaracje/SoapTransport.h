// One SOAP 1.1 request over HTTPS with libcurl: the gateway's only road to the tax office's service.
// TLS 1.2 or newer, the server verified against the system's CAs or the file TLX_GATEWAY_CA names;
// 120 s in all, or the whole seconds (1 to 3600) TLX_GATEWAY_TIMEOUT gives, of which at most 30 s to
// connect; a proxy when one is configured (its password is never logged). An answer longer than
// kMaxAnswerBytes is not read to its end: it is refused with that reason.
#pragma once

#include <cstddef>
#include <string>

namespace tlx::host {

struct ProxySettings {
    bool active = false;
    std::string address;
    std::string port;
    bool authorisation = false;
    std::string user;
    std::string password;
};

struct SoapReply {
    bool sent = false;       // the request's body (some of it at least) left for the service
    bool delivered = false;  // an HTTP answer came back
    long httpStatus = 0;
    std::string body;
    std::string failure;     // why nothing came back (libcurl's text)
};

class SoapTransport {
public:
    // The longest answer read: below the XML parser's limit of one text node (10 000 000 bytes), so that
    // a receipt carried whole in the answer is always read whole.
    static constexpr std::size_t kMaxAnswerBytes = 8 * 1024 * 1024;
    static constexpr long kDefaultTimeoutSeconds = 120;

    // The whole request's time-out a TLX_GATEWAY_TIMEOUT text asks for: whole seconds from 1 to 3600;
    // kDefaultTimeoutSeconds for no text or any other.
    static long TimeoutSeconds(const char* setting);

    // POSTs `envelope` (UTF-8) to `address` with the SOAPAction header `action`.
    static SoapReply Post(const std::string& address, const std::string& action, const std::string& envelope,
                          const ProxySettings& proxy);
};

}  // namespace tlx::host
