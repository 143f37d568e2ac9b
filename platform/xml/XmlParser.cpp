#include "platform/xml/XmlParser.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <fstream>
#include <iterator>
#include <memory>

#include "platform/text/CodePage.h"
#include "platform/xml/XmlDom.h"
#include "platform/xml/XmlErrorCollector.h"

namespace tlx {

namespace {

// Entities are expanded (internal ones only: see OnEntityDecl); nothing is fetched from the network; no
// dictionary, so that nodes can move between documents.
constexpr int kSafeOptions = XML_PARSE_NONET | XML_PARSE_NOENT | XML_PARSE_NODICT;

struct ParserContextDeleter {
    void operator()(xmlParserCtxtPtr ctxt) const { xmlFreeParserCtxt(ctxt); }
};

// What the parse noticed beyond libxml2's own errors.
struct ParseGuard {
    bool externalRefused = false;
    XmlErrorCollector* collector = nullptr;
};

ParseGuard* GuardOf(void* context) {
    auto* ctxt = static_cast<xmlParserCtxtPtr>(context);
    return static_cast<ParseGuard*>(ctxt->_private);
}

// Entity declarations pass to libxml2 unless they name an outside resource: such a document is refused
// before anything could be fetched.
void OnEntityDecl(void* context, const xmlChar* name, int type, const xmlChar* publicId, const xmlChar* systemId,
                  xmlChar* content) {
    bool external = type == XML_EXTERNAL_GENERAL_PARSED_ENTITY || type == XML_EXTERNAL_GENERAL_UNPARSED_ENTITY ||
                    type == XML_EXTERNAL_PARAMETER_ENTITY || systemId != nullptr || publicId != nullptr;
    if (external) {
        GuardOf(context)->externalRefused = true;
        xmlStopParser(static_cast<xmlParserCtxtPtr>(context));
        return;
    }
    xmlSAX2EntityDecl(context, name, type, publicId, systemId, content);
}

void OnStructuredError(void* context, xmlErrorPtr error) {
    auto* ctxt = static_cast<xmlParserCtxtPtr>(context);
    if (ParseGuard* guard = static_cast<ParseGuard*>(ctxt->_private); guard && guard->collector)
        XmlErrorCollector::OnStructured(guard->collector, error);
}

bool IsBlank(const xmlChar* text) {
    if (!text) return true;
    for (; *text; ++text)
        if (*text != ' ' && *text != '\t' && *text != '\n' && *text != '\r') return false;
    return true;
}

bool IsXslText(xmlNodePtr element) {
    return element && element->type == XML_ELEMENT_NODE && element->ns &&
           xmlStrEqual(element->ns->href, BAD_CAST "http://www.w3.org/1999/XSL/Transform") &&
           xmlStrEqual(element->name, BAD_CAST "text");
}

// Drops text nodes of white space only, as the DOM's callers expect of a document without
// xml:space="preserve".
void DropBlankText(xmlNodePtr parent, bool preserve) {
    for (xmlNodePtr child = parent->children; child;) {
        xmlNodePtr next = child->next;
        if (child->type == XML_ELEMENT_NODE) {
            bool keep = preserve;
            if (xmlChar* space = xmlGetNsProp(child, BAD_CAST "space", XML_XML_NAMESPACE)) {
                keep = xmlStrEqual(space, BAD_CAST "preserve");
                xmlFree(space);
            }
            DropBlankText(child, keep || IsXslText(child));
        } else if (child->type == XML_TEXT_NODE && !preserve && IsBlank(child->content)) {
            xmlUnlinkNode(child);
            xmlFreeNode(child);
        }
        child = next;
    }
}

// The declaration's text between "<?xml" and "?>", when the document starts with one.
bool FindDeclaration(std::string_view text, std::string& data) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    if (text.size() < 6 || text.substr(0, 5) != "<?xml") return false;
    char after = text[5];
    if (after != ' ' && after != '\t' && after != '\r' && after != '\n') return false;
    std::size_t end = text.find("?>");
    if (end == std::string_view::npos) return false;
    std::string_view inner = text.substr(5, end - 5);
    while (!inner.empty() && (inner.front() == ' ' || inner.front() == '\t' || inner.front() == '\r' || inner.front() == '\n'))
        inner.remove_prefix(1);
    while (!inner.empty() && (inner.back() == ' ' || inner.back() == '\t' || inner.back() == '\r' || inner.back() == '\n'))
        inner.remove_suffix(1);
    data.assign(inner);
    return true;
}

void AddDeclarationNode(xmlDocPtr doc, const std::string& data) {
    xmlNodePtr pi = xmlNewDocPI(doc, BAD_CAST "xml", BAD_CAST data.c_str());
    if (!pi) throw std::bad_alloc();
    if (doc->children)
        xmlAddPrevSibling(doc->children, pi);
    else
        xmlAddChild(reinterpret_cast<xmlNodePtr>(doc), pi);
}

}  // namespace

XmlParseOutcome XmlParser::Parse(const char* bytes, int size, const char* url, const char* encoding, int options) {
    XmlParseOutcome outcome;
    XmlErrorCollector collector;
    std::unique_ptr<xmlParserCtxt, ParserContextDeleter> ctxt(xmlNewParserCtxt());
    if (!ctxt) throw std::bad_alloc();
    ParseGuard guard;
    guard.collector = &collector;
    ctxt->_private = &guard;
    ctxt->sax->entityDecl = &OnEntityDecl;
    ctxt->sax->serror = &OnStructuredError;
    ctxt->vctxt.error = nullptr;
    ctxt->vctxt.warning = nullptr;

    xmlDocPtr doc = xmlCtxtReadMemory(ctxt.get(), bytes, size, url, encoding, options);
    // A text longer than libxml2 takes (or memory running out) stops the parse without making the
    // document ill-formed: what was read so far would come back as if it were the whole document.
    const bool cutShort = ctxt->errNo == XML_ERR_NO_MEMORY;
    bool failed = !doc || !ctxt->wellFormed || cutShort || guard.externalRefused || !xmlDocGetRootElement(doc);
    if (failed) {
        if (doc) xmlFreeDoc(doc);
        if (guard.externalRefused) {
            outcome.errorCode = kXmlExternalEntityRefused;
            outcome.reason = u"External entities and external DTDs are not allowed.";
        } else if (cutShort) {
            outcome.errorCode = XML_E_TEXT_TOO_LONG;
            outcome.reason = u"Dokument zawiera tekst dłuższy niż " + Utf8ToUtf16(std::to_string(XML_MAX_TEXT_LENGTH)) +
                             u" znaków, a tyle najwyżej odczytuje parser XML.";
        } else if (!collector.Errors().empty()) {
            const XmlReportedError& first = collector.Errors().front();
            outcome.errorCode = kXmlParseErrorBase + first.code;
            outcome.reason = Utf8ToUtf16(first.message);
            outcome.line = first.line;
            outcome.linePosition = first.column;
        } else {
            outcome.errorCode = kXmlParseErrorBase + XML_ERR_DOCUMENT_EMPTY;
            outcome.reason = u"The document has no root element.";
        }
        if (url) outcome.url = Utf8ToUtf16(url);
        return outcome;
    }
    DropBlankText(reinterpret_cast<xmlNodePtr>(doc), false);
    std::string declaration;
    if (FindDeclaration(std::string_view(bytes, static_cast<std::size_t>(size)), declaration))
        AddDeclarationNode(doc, declaration);
    outcome.doc = doc;
    if (url) outcome.url = Utf8ToUtf16(url);
    return outcome;
}

void XmlParser::DropBlankTextNodes(xmlDocPtr doc) { DropBlankText(reinterpret_cast<xmlNodePtr>(doc), false); }

XmlParseOutcome XmlParser::ParseText(std::u16string_view text) {
    std::string utf8 = Utf16ToUtf8(text);
    return Parse(utf8.data(), static_cast<int>(utf8.size()), nullptr, "UTF-8", kSafeOptions | XML_PARSE_IGNORE_ENC);
}

XmlParseOutcome XmlParser::ParseFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        XmlParseOutcome outcome;
        outcome.errorCode = static_cast<LONG>(0x800C0005);  // the resource cannot be opened
        outcome.reason = Utf8ToUtf16("Nie można otworzyć pliku " + path + ".");
        outcome.url = Utf8ToUtf16(path);
        return outcome;
    }
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return Parse(bytes.data(), static_cast<int>(bytes.size()), path.c_str(), nullptr, kSafeOptions);
}

}  // namespace tlx
