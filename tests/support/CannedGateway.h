// A hostile stand-in for the tax office's gateway: an HTTPS server on a free port of 127.0.0.1, with the
// TLS certificate of a TestPki, that answers every request with the HTTP status and body the test set,
// whatever was asked (garbage, an answer without its status, an oversized or a foreign receipt). While
// it lives, TLX_GATEWAY_CA names the PKI's CA, so the host's gateway trusts it.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <thread>

class TestPki;

namespace httplib {
class SSLServer;
}

class CannedGateway {
public:
    explicit CannedGateway(const TestPki& pki);
    ~CannedGateway();
    CannedGateway(const CannedGateway&) = delete;
    CannedGateway& operator=(const CannedGateway&) = delete;

    const std::string& Url() const { return url_; }
    // What every later request is answered with.
    void Answer(int status, std::string body);
    // The body of the last request ("" before the first).
    std::string LastRequest() const;

    // A SOAP envelope holding `content` in its body, as the service writes one.
    static std::string Envelope(const std::string& content);
    // The service's answer to a receipt request with the given children of requestUPOResponse.
    static std::string UpoResponse(const std::string& children);

private:
    std::unique_ptr<httplib::SSLServer> server_;
    std::thread thread_;
    std::string url_;
    mutable std::mutex lock_;
    int status_ = 200;
    std::string body_;
    std::string lastRequest_;
};
