#include "platform/xml/XmlSchemaValidator.h"

#include <libxml/xmlschemas.h>

#include <memory>

#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"
#include "platform/xml/XmlErrorCollector.h"

namespace tlx {

namespace {

struct ParserDeleter {
    void operator()(xmlSchemaParserCtxtPtr parser) const { xmlSchemaFreeParserCtxt(parser); }
};
struct SchemaDeleter {
    void operator()(xmlSchemaPtr schema) const { xmlSchemaFree(schema); }
};
struct ValidDeleter {
    void operator()(xmlSchemaValidCtxtPtr valid) const { xmlSchemaFreeValidCtxt(valid); }
};
struct DocDeleter {
    void operator()(xmlDocPtr doc) const { xmlFreeDoc(doc); }
};

// "line N: message" for each error the validation reported.
std::vector<std::u16string> Describe(const XmlErrorCollector& collector) {
    std::vector<std::u16string> lines;
    for (const auto& e : collector.Errors()) {
        std::string line = e.line > 0 ? "line " + std::to_string(e.line) + ": " + e.message : e.message;
        lines.push_back(Utf8ToUtf16(line));
    }
    return lines;
}

HRESULT Validate(xmlDocPtr document, xmlSchemaParserCtxtPtr parserContext, std::vector<std::u16string>& errors) {
    errors.clear();
    std::unique_ptr<xmlSchemaParserCtxt, ParserDeleter> parser(parserContext);
    if (!parser) throw std::bad_alloc();
    std::unique_ptr<xmlSchema, SchemaDeleter> schema;
    {
        XmlErrorCollector collector;
        schema.reset(xmlSchemaParse(parser.get()));
        if (!schema)
            return SetErrorText(E_FAIL, u"Nie można odczytać schematu: " + Utf8ToUtf16(collector.Text("invalid schema")));
    }
    // The XML declaration is a processing instruction in our trees; the validator sees only the root.
    std::unique_ptr<xmlDoc, DocDeleter> copy(xmlCopyDoc(document, 1));
    if (!copy) throw std::bad_alloc();
    std::unique_ptr<xmlSchemaValidCtxt, ValidDeleter> valid(xmlSchemaNewValidCtxt(schema.get()));
    if (!valid) throw std::bad_alloc();
    XmlErrorCollector collector;
    int outcome = xmlSchemaValidateDoc(valid.get(), copy.get());
    errors = Describe(collector);
    if (outcome != 0 && errors.empty()) errors.push_back(u"The document is not valid.");
    return outcome == 0 ? S_OK : S_FALSE;
}

}  // namespace

HRESULT XmlSchemaValidator::ValidateWithFile(xmlDocPtr document, const std::string& schemaPath,
                                             std::vector<std::u16string>& errors) {
    return Validate(document, xmlSchemaNewParserCtxt(schemaPath.c_str()), errors);
}

HRESULT XmlSchemaValidator::ValidateWithDocument(xmlDocPtr document, xmlDocPtr schema,
                                                 std::vector<std::u16string>& errors) {
    // The parser context may keep pointers into the schema document: it works on a copy of its own.
    std::unique_ptr<xmlDoc, DocDeleter> copy(xmlCopyDoc(schema, 1));
    if (!copy) throw std::bad_alloc();
    if (schema->URL && !copy->URL) copy->URL = xmlStrdup(schema->URL);
    HRESULT hr = Validate(document, xmlSchemaNewDocParserCtxt(copy.get()), errors);
    return hr;
}

}  // namespace tlx
