#include "tests/support/CannedGateway.h"

#include <httplib.h>

#include <chrono>
#include <cstdlib>
#include <stdexcept>

#include "tests/support/TestPki.h"

CannedGateway::CannedGateway(const TestPki& pki)
    : server_(std::make_unique<httplib::SSLServer>(pki.ServerCert().c_str(), pki.ServerKey().c_str())) {
    if (!server_->is_valid()) throw std::runtime_error("the canned gateway cannot use the TLS certificate");
    server_->Post(".*", [this](const httplib::Request& request, httplib::Response& response) {
        std::lock_guard guard(lock_);
        lastRequest_ = request.body;
        response.status = status_;
        response.set_content(body_, "text/xml; charset=utf-8");
    });
    const int port = server_->bind_to_any_port("127.0.0.1");
    if (port <= 0) throw std::runtime_error("the canned gateway cannot listen");
    url_ = "https://127.0.0.1:" + std::to_string(port) + "/uslugi/dokumenty";
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    while (!server_->is_running()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    setenv("TLX_GATEWAY_CA", pki.CaCert().c_str(), 1);
}

CannedGateway::~CannedGateway() {
    unsetenv("TLX_GATEWAY_CA");
    server_->stop();
    thread_.join();
}

void CannedGateway::Answer(int status, std::string body) {
    std::lock_guard guard(lock_);
    status_ = status;
    body_ = std::move(body);
}

std::string CannedGateway::LastRequest() const {
    std::lock_guard guard(lock_);
    return lastRequest_;
}

std::string CannedGateway::Envelope(const std::string& content) {
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><soapenv:Envelope "
           "xmlns:soapenv=\"http://schemas.xmlsoap.org/soap/envelope/\"><soapenv:Body>" +
           content + "</soapenv:Body></soapenv:Envelope>";
}

std::string CannedGateway::UpoResponse(const std::string& children) {
    return Envelope("<requestUPOResponse xmlns=\"https://bramka.e-deklaracje.mf.gov.pl/xsd\">" + children +
                    "</requestUPOResponse>");
}
