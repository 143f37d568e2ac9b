#include "host/objects/edeklaracje/EDeklaracjeGateway.h"

#include <libxml/parser.h>
#include <libxml/tree.h>
#include <openssl/evp.h>

#include <charconv>
#include <memory>
#include <new>
#include <optional>
#include <system_error>

#include "host/objects/edeklaracje/GatewaySendResult.h"
#include "host/objects/edeklaracje/GatewayUpoResult.h"
#include "hostapi/Errors.h"
#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

namespace {

constexpr char kSoapNamespace[] = "http://schemas.xmlsoap.org/soap/envelope/";

std::string Utf8(BSTR text) { return text ? Utf16ToUtf8(std::u16string_view(text, SysStringLen(text))) : ""; }

std::string Base64(const std::string& bytes) {
    std::string text(4 * ((bytes.size() + 2) / 3) + 1, '\0');
    const int length = EVP_EncodeBlock(reinterpret_cast<unsigned char*>(text.data()),
                                       reinterpret_cast<const unsigned char*>(bytes.data()),
                                       static_cast<int>(bytes.size()));
    text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&': out += "&amp;"; break;
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        default: out += c;
        }
    }
    return out;
}

std::string Envelope(const char* operation, const std::string& children) {
    return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><soapenv:Envelope xmlns:soapenv=\"") +
           kSoapNamespace + "\"><soapenv:Body><" + operation + " xmlns=\"" +
           CEDeklaracjeGateway::kServiceNamespace + "\">" + children + "</" + operation +
           "></soapenv:Body></soapenv:Envelope>";
}

struct DocDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using Doc = std::unique_ptr<xmlDoc, DocDeleter>;

bool Is(const xmlNode* node, const char* name, const char* ns) {
    return node->type == XML_ELEMENT_NODE && xmlStrEqual(node->name, BAD_CAST name) && node->ns &&
           xmlStrEqual(node->ns->href, BAD_CAST ns);
}

const xmlNode* Child(const xmlNode* parent, const char* name, const char* ns) {
    for (const xmlNode* n = parent ? parent->children : nullptr; n; n = n->next)
        if (Is(n, name, ns)) return n;
    return nullptr;
}

std::string Text(const xmlNode* node) {
    if (!node) return {};
    xmlChar* content = xmlNodeGetContent(node);
    std::string text = content ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return text;
}

// The service's answer: its response element's children, or why the body is not an answer to trust.
struct Answer {
    std::string unreadable;     // why the body is no SOAP answer of the service (a parse error, no status)
    std::string fault;          // the SOAP fault's text, when the service answered one
    bool hasResponse = false;   // the operation's response element was there
    std::optional<std::string> refId;
    long status = 0;
    std::string statusText;
    std::string upo;
};

struct ParserContextDeleter {
    void operator()(xmlParserCtxt* context) const { xmlFreeParserCtxt(context); }
};

// The body as a document; null, with the reason, when it is not well-formed XML. Any error of the parse
// counts, also one after which libxml2 stops and keeps what it had read.
Doc ParseBody(const std::string& body, std::string& why) {
    std::unique_ptr<xmlParserCtxt, ParserContextDeleter> context(xmlNewParserCtxt());
    if (!context) throw std::bad_alloc();
    Doc doc(xmlCtxtReadMemory(context.get(), body.data(), static_cast<int>(body.size()), "reply.xml", nullptr,
                              XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
    if (doc && context->wellFormed && context->errNo == XML_ERR_OK) return doc;
    const xmlError* error = xmlCtxtGetLastError(context.get());
    why = "odpowiedź usługi nie jest poprawnym dokumentem XML";
    if (error && error->line > 0) why += " (wiersz " + std::to_string(error->line) + ")";
    return nullptr;
}

// A whole number in decimal, nothing else.
std::optional<long> WholeNumber(const std::string& text) {
    long value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

Answer Read(const std::string& body, const std::string& responseName) {
    Answer answer;
    Doc doc = ParseBody(body, answer.unreadable);
    const xmlNode* envelope = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
    if (!envelope || !Is(envelope, "Envelope", kSoapNamespace)) {
        if (doc) answer.unreadable = "odpowiedź usługi nie jest komunikatem SOAP";
        return answer;
    }
    const xmlNode* soapBody = Child(envelope, "Body", kSoapNamespace);
    if (const xmlNode* fault = Child(soapBody, "Fault", kSoapNamespace)) {
        std::string text;
        for (const xmlNode* n = fault->children; n; n = n->next)
            if (n->type == XML_ELEMENT_NODE && xmlStrEqual(n->name, BAD_CAST "faultstring")) text = Text(n);
        answer.fault = text.empty() ? "SOAP Fault" : text;
        return answer;
    }
    const char* ns = CEDeklaracjeGateway::kServiceNamespace;
    const xmlNode* response = Child(soapBody, responseName.c_str(), ns);
    if (!response) return answer;
    answer.hasResponse = true;
    // The service's schema requires the status: an answer without one says nothing that can be kept.
    const xmlNode* status = Child(response, "status", ns);
    const std::optional<long> code = status ? WholeNumber(Text(status)) : std::nullopt;
    if (!code) {
        answer.unreadable = status ? "status w odpowiedzi usługi nie jest liczbą" : "odpowiedź usługi nie zawiera statusu";
        return answer;
    }
    answer.status = *code;
    if (const xmlNode* ref = Child(response, "refId", ns)) answer.refId = Text(ref);
    answer.statusText = Text(Child(response, "statusOpis", ns));
    answer.upo = Text(Child(response, "upo", ns));
    return answer;
}

// Why a delivered answer is a failure, or nothing when it is the service's answer.
std::optional<std::string> FailureOf(const SoapReply& reply, const Answer& answer) {
    if (!reply.delivered) return reply.failure;
    if (!answer.fault.empty()) return answer.fault;
    if (reply.httpStatus >= 300) return "HTTP " + std::to_string(reply.httpStatus);
    if (!answer.unreadable.empty()) return answer.unreadable;
    return std::nullopt;
}

}  // namespace

HRESULT CEDeklaracjeGateway::SetAddress(BSTR address) {
    address_ = Utf8(address);
    return S_OK;
}
HRESULT CEDeklaracjeGateway::SetProxyActive(SHORT active) {
    proxy_.active = active != 0;
    return S_OK;
}
HRESULT CEDeklaracjeGateway::SetProxyAuthorisation(SHORT authorisation) {
    proxy_.authorisation = authorisation != 0;
    return S_OK;
}
HRESULT CEDeklaracjeGateway::SetProxyAddress(BSTR address) {
    proxy_.address = Utf8(address);
    return S_OK;
}
HRESULT CEDeklaracjeGateway::SetProxyPort(BSTR port) {
    proxy_.port = Utf8(port);
    return S_OK;
}
HRESULT CEDeklaracjeGateway::SetProxyUser(BSTR user) {
    proxy_.user = Utf8(user);
    return S_OK;
}
HRESULT CEDeklaracjeGateway::SetProxyPassword(BSTR password) {
    proxy_.password = Utf8(password);
    return S_OK;
}

// The module's text is already the Base64 of the signed message.
HRESULT CEDeklaracjeGateway::SendSigned(BSTR document, IGatewaySendResult** result) {
    return Send("sendDocument", "<document>" + Escaped(Utf8(document)) + "</document>", result);
}

HRESULT CEDeklaracjeGateway::SendUnsigned(BSTR document, LONG /*reserved*/, BSTR /*options*/,
                                          IGatewaySendResult** result) {
    return Send("sendUnsignDocument", "<document>" + Base64(Utf8(document)) + "</document><language>pl</language>",
                result);
}

HRESULT CEDeklaracjeGateway::Send(const char* operation, const std::string& body, IGatewaySendResult** result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    if (address_.empty()) return SetErrorText(E_INVALIDARG, u"Nie podano adresu usługi e-Deklaracji.");
    const SoapReply reply = SoapTransport::Post(address_, std::string("urn:") + operation,
                                                Envelope(operation, body), proxy_);
    // A document that left without an answer may have been filed: that is no plain failure to send.
    if (reply.sent && !reply.delivered)
        return SetErrorText(HOST_E_GATEWAYNOANSWER, u"Usługa e-Deklaracji nie odpowiedziała na wysłany dokument (" +
                                                        Utf8ToUtf16(reply.failure) +
                                                        u"); dokument mógł do niej dotrzeć.");
    const Answer answer = Read(reply.body, std::string(operation) + "Response");
    auto made = CGatewaySendResult::Make();
    if (auto failure = FailureOf(reply, answer)) {
        made->errorText = Utf8ToUtf16(*failure);
    } else {
        if (!answer.hasResponse) return S_OK;
        made->success = true;
        made->refId = Utf8ToUtf16(answer.refId.value_or(""));
        made->statusCode = static_cast<LONG>(answer.status);
        made->statusText = Utf8ToUtf16(answer.statusText);
    }
    *result = made.Detach();
    return S_OK;
}

HRESULT CEDeklaracjeGateway::RequestUpo(BSTR refId, BSTR /*reserved*/, BSTR language, IGatewayUpoResult** result) {
    if (!result) return E_POINTER;
    *result = nullptr;
    if (address_.empty()) return SetErrorText(E_INVALIDARG, u"Nie podano adresu usługi e-Deklaracji.");
    const std::string lang = Utf8(language).empty() ? "pl" : Utf8(language);
    const SoapReply reply =
        SoapTransport::Post(address_, "urn:requestUPO",
                            Envelope("requestUPO", "<refId>" + Escaped(Utf8(refId)) + "</refId><language>" +
                                                       Escaped(lang) + "</language>"),
                            proxy_);
    const Answer answer = Read(reply.body, "requestUPOResponse");
    auto made = CGatewayUpoResult::Make();
    if (auto failure = FailureOf(reply, answer)) {
        made->errorText = Utf8ToUtf16(*failure);
    } else {
        if (!answer.hasResponse) return S_OK;
        made->success = true;
        made->statusCode = static_cast<LONG>(answer.status);
        made->statusText = Utf8ToUtf16(answer.statusText);
        made->upo = Utf8ToUtf16(answer.upo);
    }
    *result = made.Detach();
    return S_OK;
}

}  // namespace tlx::host
