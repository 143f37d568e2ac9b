// tlxgate: a local stand-in for the tax office's e-declaration gateway, for tests and the demo. It
// speaks the service's SOAP 1.1 over HTTPS, checks each request body against the service's schema
// (GateService.xsd in the schema store TLX_SCHEMA_DIR names), files what it receives in its state
// folder and judges a document when its receipt is asked for, the way the service does.
//
//   tlxgate --listen 127.0.0.1:0 --tls CERT KEY --trust CA --state DIR [--processing N] [--refid TEXT]
//           [--delay MS]
//
// --delay answers every send that many milliseconds after it was filed, as a busy service does.
// The first line it prints is its URL; it runs until it is stopped.
#include <httplib.h>
#include <libxml/xmlschemas.h>
#include <openssl/evp.h>
#include <openssl/rand.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <mutex>
#include <string>
#include <thread>

#include "DocumentVerdict.h"
#include "UpoIssuer.h"
#include "XmlSupport.h"

namespace {

using namespace tlxgate;

constexpr char kServiceNamespace[] = "https://bramka.e-deklaracje.mf.gov.pl/xsd";
constexpr char kSoapNamespace[] = "http://schemas.xmlsoap.org/soap/envelope/";
constexpr char kProcessing[] = "Dokument w trakcie przetwarzania, sprawdź wynik następnej weryfikacji dokumentu";

struct Options {
    std::string host = "127.0.0.1";
    int port = 0;
    std::string cert, key, trust, state;
    int processing = 0;
    std::string refId;
    int delayMs = 0;
};

struct Filed {
    bool isSigned = false;
    std::string bytes;
    int requests = 0;
};

// A refused body is answered with its status; libxml2's own report is not wanted on the console.
void Quiet(void*, xmlErrorPtr) {}

class Gate {
public:
    explicit Gate(Options options) : options_(std::move(options)) {}

    bool LoadSchema(std::string& why) {
        const char* folder = std::getenv("TLX_SCHEMA_DIR");
        const std::string file = std::string(folder ? folder : ".") + "/gateway/GateService.xsd";
        xmlSchemaParserCtxt* parser = xmlSchemaNewParserCtxt(file.c_str());
        schema_ = parser ? xmlSchemaParse(parser) : nullptr;
        xmlSchemaFreeParserCtxt(parser);
        if (!schema_) why = "cannot read " + file + " (set TLX_SCHEMA_DIR)";
        return schema_ != nullptr;
    }

    void Handle(const httplib::Request& request, httplib::Response& response) {
        std::lock_guard lock(mutex_);
        Doc envelope = Parse(request.body);
        xmlNode* root = envelope ? xmlDocGetRootElement(envelope.get()) : nullptr;
        xmlNode* body = root ? Find(root->children, "Body") : nullptr;
        xmlNode* operation = body ? body->children : nullptr;
        while (operation && operation->type != XML_ELEMENT_NODE) operation = operation->next;
        if (!root || !root->ns || !xmlStrEqual(root->ns->href, BAD_CAST kSoapNamespace) || !operation)
            return Fault(response, "Błędny komunikat SOAP");
        const std::string name = reinterpret_cast<const char*>(operation->name);
        if (name != "sendDocument" && name != "sendUnsignDocument" && name != "requestUPO")
            return Fault(response, "Nieznana operacja " + name);
        Keep("request-" + std::to_string(++requestCount_) + ".xml", request.body);
        if (!SatisfiesSchema(operation))
            return Answer(response, name, "", 100, "Błędny komunikat SOAP");
        if (name == "requestUPO") return RequestUpo(response, Text(Find(operation->children, "refId")));
        Send(response, name, name == "sendDocument", Text(Find(operation->children, "document")));
    }

private:
    bool SatisfiesSchema(xmlNode* operation) {
        Doc alone(xmlNewDoc(BAD_CAST "1.0"));
        xmlDocSetRootElement(alone.get(), xmlDocCopyNode(operation, alone.get(), 1));
        xmlReconciliateNs(alone.get(), xmlDocGetRootElement(alone.get()));
        xmlSchemaValidCtxt* context = xmlSchemaNewValidCtxt(schema_);
        xmlSchemaSetValidStructuredErrors(context, &Quiet, nullptr);
        const bool valid = xmlSchemaValidateDoc(context, alone.get()) == 0;
        xmlSchemaFreeValidCtxt(context);
        return valid;
    }

    void Send(httplib::Response& response, const std::string& name, bool isSigned, const std::string& base64) {
        std::string bytes(base64.size(), '\0');
        std::string clean;
        for (char c : base64)
            if (!std::isspace(static_cast<unsigned char>(c))) clean += c;
        const int length = EVP_DecodeBlock(reinterpret_cast<unsigned char*>(bytes.data()),
                                           reinterpret_cast<const unsigned char*>(clean.data()),
                                           static_cast<int>(clean.size()));
        if (length < 0) return Answer(response, name, "", 100, "Błędny komunikat SOAP");
        std::size_t padding = clean.ends_with("==") ? 2 : clean.ends_with("=") ? 1 : 0;
        bytes.resize(static_cast<std::size_t>(length) - padding);
        const std::string refId = options_.refId.empty() ? NewRefId() : options_.refId;
        filed_[refId] = Filed{isSigned, bytes, 0};
        Keep(FileName(refId) + (isSigned ? ".p7s" : ".xml"), bytes);
        if (options_.delayMs > 0) std::this_thread::sleep_for(std::chrono::milliseconds(options_.delayMs));
        Answer(response, name, refId, 301, kProcessing);
    }

    void RequestUpo(httplib::Response& response, const std::string& refId) {
        auto found = filed_.find(refId);
        if (found == filed_.end()) return Answer(response, "requestUPO", "", 300, "Brak dokumentu");
        Filed& filed = found->second;
        if (++filed.requests <= options_.processing) return Answer(response, "requestUPO", "", 301, kProcessing);
        Verdict verdict = JudgeDocument(filed.isSigned, filed.bytes, options_.trust);
        if (verdict.status != 200) return Answer(response, "requestUPO", "", verdict.status, verdict.text);
        std::string why;
        const std::string upo = IssueUpo({refId, filed.bytes, verdict.declaration, options_.key}, why);
        if (upo.empty()) return Answer(response, "requestUPO", "", 400, "Przetwarzanie dokumentu zakończone błędem: " + why);
        Keep(FileName(refId) + ".upo.xml", upo);
        Answer(response, "requestUPO", "", 200, verdict.text, upo);
    }

    void Answer(httplib::Response& response, const std::string& operation, const std::string& refId, int status,
                const std::string& text, const std::string& upo = {}) {
        std::string children;
        if (!upo.empty()) children += "<upo>" + Escaped(upo) + "</upo>";
        if (!refId.empty()) children += "<refId>" + Escaped(refId) + "</refId>";
        children += "<status>" + std::to_string(status) + "</status><statusOpis>" + Escaped(text) + "</statusOpis>";
        response.set_content(Envelope("<" + operation + "Response xmlns=\"" + kServiceNamespace + "\">" + children +
                                      "</" + operation + "Response>"),
                             "text/xml; charset=utf-8");
    }

    static void Fault(httplib::Response& response, const std::string& text) {
        response.status = 500;
        response.set_content(Envelope("<soapenv:Fault><faultcode>soapenv:Client</faultcode><faultstring>" +
                                      Escaped(text) + "</faultstring></soapenv:Fault>"),
                             "text/xml; charset=utf-8");
    }

    static std::string Envelope(const std::string& content) {
        return std::string("<?xml version=\"1.0\" encoding=\"UTF-8\"?><soapenv:Envelope xmlns:soapenv=\"") +
               kSoapNamespace + "\"><soapenv:Body>" + content + "</soapenv:Body></soapenv:Envelope>";
    }

    static std::string NewRefId() {
        unsigned char random[16];
        RAND_bytes(random, sizeof random);
        std::string text;
        char pair[3];
        for (unsigned char b : random) {
            std::snprintf(pair, sizeof pair, "%02x", b);
            text += pair;
        }
        return text;
    }

    // A reference number as a file name in the state folder (a given one may hold anything).
    static std::string FileName(const std::string& refId) {
        std::string name;
        for (char c : refId) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
        return name;
    }

    void Keep(const std::string& name, const std::string& bytes) {
        std::ofstream(std::filesystem::path(options_.state) / name, std::ios::binary) << bytes;
    }

    Options options_;
    xmlSchema* schema_ = nullptr;
    std::mutex mutex_;
    std::map<std::string, Filed> filed_;
    int requestCount_ = 0;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        auto next = [&]() -> std::string { return i + 1 < argc ? argv[++i] : ""; };
        if (arg == "--listen") {
            const std::string value = next();
            const auto colon = value.rfind(':');
            if (colon == std::string::npos) return false;
            options.host = value.substr(0, colon);
            options.port = std::atoi(value.c_str() + colon + 1);
        } else if (arg == "--tls") {
            options.cert = next();
            options.key = next();
        } else if (arg == "--trust") {
            options.trust = next();
        } else if (arg == "--state") {
            options.state = next();
        } else if (arg == "--processing") {
            options.processing = std::atoi(next().c_str());
        } else if (arg == "--refid") {
            options.refId = next();
        } else if (arg == "--delay") {
            options.delayMs = std::atoi(next().c_str());
        } else {
            return false;
        }
    }
    return !options.cert.empty() && !options.key.empty() && !options.trust.empty() && !options.state.empty();
}

}  // namespace

int main(int argc, char** argv) {
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: tlxgate --listen HOST:PORT --tls CERT KEY --trust CA --state DIR "
                             "[--processing N] [--refid TEXT] [--delay MS]\n");
        return 2;
    }
    std::filesystem::create_directories(options.state);
    Gate gate(options);
    std::string why;
    if (!gate.LoadSchema(why)) {
        std::fprintf(stderr, "tlxgate: %s\n", why.c_str());
        return 1;
    }
    httplib::SSLServer server(options.cert.c_str(), options.key.c_str());
    if (!server.is_valid()) {
        std::fprintf(stderr, "tlxgate: cannot use the TLS certificate and key\n");
        return 1;
    }
    server.Post(".*", [&](const httplib::Request& request, httplib::Response& response) { gate.Handle(request, response); });
    const int port = options.port == 0 ? server.bind_to_any_port(options.host.c_str())
                                       : (server.bind_to_port(options.host.c_str(), options.port) ? options.port : -1);
    if (port <= 0) {
        std::fprintf(stderr, "tlxgate: cannot listen on %s:%d\n", options.host.c_str(), options.port);
        return 1;
    }
    std::printf("https://%s:%d/uslugi/dokumenty\n", options.host.c_str(), port);
    std::fflush(stdout);
    return server.listen_after_bind() ? 0 : 1;
}
