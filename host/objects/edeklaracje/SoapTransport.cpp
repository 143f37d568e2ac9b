#include "host/objects/edeklaracje/SoapTransport.h"

#include <curl/curl.h>

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <mutex>

namespace tlx::host {

namespace {

constexpr long kConnectTimeoutSeconds = 30;
constexpr long kLongestTimeoutSeconds = 3600;

// The answer read so far; stops the transfer (by taking nothing) once it would pass the limit.
struct Collected {
    std::string* body;
    bool tooLong = false;
};

size_t Collect(char* data, size_t size, size_t count, void* target) {
    auto* collected = static_cast<Collected*>(target);
    if (collected->body->size() + size * count > SoapTransport::kMaxAnswerBytes) {
        collected->tooLong = true;
        return 0;
    }
    collected->body->append(data, size * count);
    return size * count;
}

struct CurlDeleter {
    void operator()(CURL* curl) const { curl_easy_cleanup(curl); }
};
struct HeaderListDeleter {
    void operator()(curl_slist* list) const { curl_slist_free_all(list); }
};

}  // namespace

long SoapTransport::TimeoutSeconds(const char* setting) {
    if (!setting) return kDefaultTimeoutSeconds;
    const char* end = setting + std::strlen(setting);
    long seconds = 0;
    const auto [stop, error] = std::from_chars(setting, end, seconds);
    if (stop == setting || stop != end || error != std::errc() || seconds < 1 || seconds > kLongestTimeoutSeconds)
        return kDefaultTimeoutSeconds;
    return seconds;
}

SoapReply SoapTransport::Post(const std::string& address, const std::string& action, const std::string& envelope,
                              const ProxySettings& proxy) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });

    SoapReply reply;
    std::unique_ptr<CURL, CurlDeleter> curl(curl_easy_init());
    if (!curl) {
        reply.failure = "libcurl nie mógł rozpocząć połączenia";
        return reply;
    }
    curl_slist* headers = nullptr;
    headers = curl_slist_append(headers, "Content-Type: text/xml; charset=utf-8");
    headers = curl_slist_append(headers, ("SOAPAction: \"" + action + "\"").c_str());
    std::unique_ptr<curl_slist, HeaderListDeleter> headerList(headers);
    char error[CURL_ERROR_SIZE] = {};

    CURL* c = curl.get();
    curl_easy_setopt(c, CURLOPT_URL, address.c_str());
    curl_easy_setopt(c, CURLOPT_PROTOCOLS_STR, "https");
    curl_easy_setopt(c, CURLOPT_REDIR_PROTOCOLS_STR, "https");
    curl_easy_setopt(c, CURLOPT_SSLVERSION, static_cast<long>(CURL_SSLVERSION_TLSv1_2));
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYPEER, 1L);
    curl_easy_setopt(c, CURLOPT_SSL_VERIFYHOST, 2L);
    if (const char* ca = std::getenv("TLX_GATEWAY_CA"); ca && *ca) curl_easy_setopt(c, CURLOPT_CAINFO, ca);
    const long timeout = TimeoutSeconds(std::getenv("TLX_GATEWAY_TIMEOUT"));
    curl_easy_setopt(c, CURLOPT_CONNECTTIMEOUT, std::min(kConnectTimeoutSeconds, timeout));
    curl_easy_setopt(c, CURLOPT_TIMEOUT, timeout);
    curl_easy_setopt(c, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(c, CURLOPT_HTTPHEADER, headers);
    curl_easy_setopt(c, CURLOPT_POST, 1L);
    curl_easy_setopt(c, CURLOPT_POSTFIELDS, envelope.data());
    curl_easy_setopt(c, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(envelope.size()));
    curl_easy_setopt(c, CURLOPT_WRITEFUNCTION, &Collect);
    Collected collected{&reply.body};
    curl_easy_setopt(c, CURLOPT_WRITEDATA, &collected);
    curl_easy_setopt(c, CURLOPT_ERRORBUFFER, error);
    // Only the configured proxy: none at all when it is off, whatever the environment says.
    const std::string proxyAddress = proxy.active ? proxy.address + (proxy.port.empty() ? "" : ":" + proxy.port) : "";
    curl_easy_setopt(c, CURLOPT_PROXY, proxyAddress.c_str());
    if (proxy.active && proxy.authorisation) {
        curl_easy_setopt(c, CURLOPT_PROXYUSERNAME, proxy.user.c_str());
        curl_easy_setopt(c, CURLOPT_PROXYPASSWORD, proxy.password.c_str());
    }

    const CURLcode result = curl_easy_perform(c);
    // Body bytes are counted only once the connection (and its TLS) stood and the headers went out, so
    // a refused connection, an unknown name or a failed handshake leaves the count at 0.
    curl_off_t uploaded = 0;
    reply.sent = curl_easy_getinfo(c, CURLINFO_SIZE_UPLOAD_T, &uploaded) == CURLE_OK && uploaded > 0;
    if (collected.tooLong) {
        reply.body.clear();
        reply.failure = "odpowiedź usługi jest dłuższa niż " + std::to_string(kMaxAnswerBytes) +
                        " bajtów i nie została odczytana";
        return reply;
    }
    if (result != CURLE_OK) {
        reply.failure = *error ? error : curl_easy_strerror(result);
        return reply;
    }
    reply.delivered = true;
    curl_easy_getinfo(c, CURLINFO_RESPONSE_CODE, &reply.httpStatus);
    return reply;
}

}  // namespace tlx::host
