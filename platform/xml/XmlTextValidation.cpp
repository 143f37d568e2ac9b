#include "platform/xml/XmlTextValidation.h"

#include <libxml/xmlschemas.h>

#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"
#include "platform/xml/XmlErrorCollector.h"
#include "platform/xml/XmlParser.h"

namespace tlx {

namespace {

struct DocDeleter {
    void operator()(xmlDocPtr doc) const { xmlFreeDoc(doc); }
};
struct ParserDeleter {
    void operator()(xmlSchemaParserCtxtPtr parser) const { xmlSchemaFreeParserCtxt(parser); }
};
struct ValidDeleter {
    void operator()(xmlSchemaValidCtxtPtr valid) const { xmlSchemaFreeValidCtxt(valid); }
};

std::u16string Located(int line, const std::u16string& message) {
    return line > 0 ? u"line " + Utf8ToUtf16(std::to_string(line)) + u": " + message : message;
}

}  // namespace

// One compiled schema file, with the time the file had when it was compiled.
struct XmlSchemaSet::Compiled {
    xmlSchemaPtr schema = nullptr;
    std::filesystem::file_time_type written;
    ~Compiled() {
        if (schema) xmlSchemaFree(schema);
    }
};

XmlSchemaSet::XmlSchemaSet() = default;
XmlSchemaSet::~XmlSchemaSet() = default;

std::shared_ptr<XmlSchemaSet::Compiled> XmlSchemaSet::CompiledFor(const std::string& path, HRESULT& hr) {
    std::error_code error;
    auto written = std::filesystem::last_write_time(path, error);
    std::lock_guard lock(mutex_);
    if (auto found = compiled_.find(path); found != compiled_.end() && !error && found->second->written == written)
        return found->second;
    auto compiled = std::make_shared<Compiled>();
    compiled->written = written;
    XmlErrorCollector collector;
    std::unique_ptr<xmlSchemaParserCtxt, ParserDeleter> parser(xmlSchemaNewParserCtxt(path.c_str()));
    if (!parser) throw std::bad_alloc();
    compiled->schema = xmlSchemaParse(parser.get());
    if (!compiled->schema) {
        hr = SetErrorText(E_FAIL, u"Nie można odczytać schematu: " + Utf8ToUtf16(collector.Text("invalid schema")));
        return nullptr;
    }
    compiled_[path] = compiled;
    return compiled;
}

HRESULT XmlSchemaSet::ValidateText(std::u16string_view xml, const SchemaLookup& schemaFor,
                                   std::vector<std::u16string>& errors) {
    errors.clear();
    XmlParseOutcome parsed = XmlParser::ParseText(xml);
    std::unique_ptr<xmlDoc, DocDeleter> doc(parsed.doc);
    if (!doc) {
        std::u16string reason = parsed.reason;
        while (!reason.empty() && (reason.back() == u'\n' || reason.back() == u'\r')) reason.pop_back();
        errors.push_back(Located(parsed.line, reason));
        return S_FALSE;
    }
    if (doc->intSubset || doc->extSubset) {
        errors.push_back(u"The document must not carry a document type declaration (DTD).");
        return S_FALSE;
    }
    xmlNodePtr root = xmlDocGetRootElement(doc.get());
    std::string namespaceUri = root && root->ns && root->ns->href ? reinterpret_cast<const char*>(root->ns->href) : "";
    std::optional<std::string> path = schemaFor(namespaceUri);
    if (!path) return S_OK;
    HRESULT hr = S_OK;
    std::shared_ptr<Compiled> compiled = CompiledFor(*path, hr);
    if (!compiled) return hr;
    std::unique_ptr<xmlSchemaValidCtxt, ValidDeleter> valid(xmlSchemaNewValidCtxt(compiled->schema));
    if (!valid) throw std::bad_alloc();
    XmlErrorCollector collector;
    int outcome = xmlSchemaValidateDoc(valid.get(), doc.get());
    for (const auto& e : collector.Errors()) errors.push_back(Located(e.line, Utf8ToUtf16(e.message)));
    if (outcome != 0 && errors.empty()) errors.push_back(u"The document is not valid.");
    return outcome == 0 ? S_OK : S_FALSE;
}

}  // namespace tlx
