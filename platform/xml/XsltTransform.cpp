#include "platform/xml/XsltTransform.h"

#include <libexslt/exslt.h>
#include <libxml/HTMLtree.h>
#include <libxslt/security.h>
#include <libxslt/transform.h>
#include <libxslt/xsltInternals.h>
#include <libxslt/xsltutils.h>

#include <algorithm>
#include <functional>
#include <list>
#include <memory>
#include <mutex>
#include <string_view>

#include "platform/com/ErrorInfo.h"
#include "platform/text/CodePage.h"
#include "platform/xml/XmlErrorCollector.h"
#include "platform/xml/XmlNodeCore.h"
#include "platform/xml/XmlParser.h"
#include "platform/xml/XmlWriter.h"
#include "platform/xml/XsltResultTree.h"
#include "platform/xml/XsltStylesheetCache.h"

namespace tlx {

namespace {

struct DocDeleter {
    void operator()(xmlDocPtr doc) const { xmlFreeDoc(doc); }
};
struct StyleDeleter {
    void operator()(xsltStylesheetPtr style) const { xsltFreeStylesheet(style); }
};
struct TransformContextDeleter {
    void operator()(xsltTransformContextPtr context) const { xsltFreeTransformContext(context); }
};
struct BufferDeleter {
    void operator()(xmlBufferPtr buffer) const { xmlBufferFree(buffer); }
};
struct SecurityDeleter {
    void operator()(xsltSecurityPrefsPtr prefs) const { xsltFreeSecurityPrefs(prefs); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocDeleter>;

void RegisterExtensions() {
    static std::once_flag once;
    std::call_once(once, [] { exsltRegisterAll(); });
}

// The XML declaration is kept as a processing instruction "xml" in our trees; a stylesheet must not see
// it as content.
void RemoveDeclarationNodes(xmlDocPtr doc) {
    for (xmlNodePtr node = doc->children; node;) {
        xmlNodePtr next = node->next;
        if (node->type == XML_PI_NODE && xmlStrEqual(node->name, BAD_CAST "xml")) {
            xmlUnlinkNode(node);
            xmlFreeNode(node);
        }
        node = next;
    }
}

// A document of its own holding a copy of `node` (the whole document when `node` is one).
DocPtr CopyAsDocument(xmlNodePtr node) {
    DocPtr copy;
    if (node->type == XML_DOCUMENT_NODE) {
        copy.reset(xmlCopyDoc(reinterpret_cast<xmlDocPtr>(node), 1));
    } else {
        copy.reset(xmlNewDoc(BAD_CAST "1.0"));
        if (copy) {
            xmlNodePtr root = xmlDocCopyNode(node, copy.get(), 1);
            if (!root) throw std::bad_alloc();
            xmlAddChild(reinterpret_cast<xmlNodePtr>(copy.get()), root);
            XmlWriter::ReconcileNamespaces(copy.get(), root);
        }
    }
    if (!copy) throw std::bad_alloc();
    RemoveDeclarationNodes(copy.get());
    return copy;
}

std::unique_ptr<xsltSecurityPrefs, SecurityDeleter> LocalReadOnly() {
    std::unique_ptr<xsltSecurityPrefs, SecurityDeleter> prefs(xsltNewSecurityPrefs());
    if (!prefs) throw std::bad_alloc();
    xsltSetSecurityPrefs(prefs.get(), XSLT_SECPREF_WRITE_FILE, xsltSecurityForbid);
    xsltSetSecurityPrefs(prefs.get(), XSLT_SECPREF_CREATE_DIRECTORY, xsltSecurityForbid);
    xsltSetSecurityPrefs(prefs.get(), XSLT_SECPREF_READ_NETWORK, xsltSecurityForbid);
    xsltSetSecurityPrefs(prefs.get(), XSLT_SECPREF_WRITE_NETWORK, xsltSecurityForbid);
    return prefs;
}

// A string parameter as an XPath literal (a value holding both quote kinds becomes concat()).
std::string QuoteLiteral(const std::string& value) {
    if (value.find('\'') == std::string::npos) return "'" + value + "'";
    if (value.find('"') == std::string::npos) return "\"" + value + "\"";
    std::string out = "concat(";
    std::size_t start = 0;
    for (std::size_t quote; (quote = value.find('\'', start)) != std::string::npos; start = quote + 1)
        out += "'" + value.substr(start, quote - start) + "', \"'\", ";
    return out + "'" + value.substr(start) + "')";
}

// Where a stylesheet's key goes as its tree is read: written out as a text, or checked against the text
// written for it before.
class KeyWriter {
public:
    explicit KeyWriter(std::string& text) : text_(text) {}
    void Put(char c) { text_.push_back(c); }
    void Put(const char* text) { text_.append(text); }

private:
    std::string& text_;
};

class KeyChecker {
public:
    explicit KeyChecker(std::string_view expected) : expected_(expected) {}
    void Put(char c) { same_ = same_ && at_ < expected_.size() && expected_[at_++] == c; }
    void Put(const char* text) {
        std::string_view piece(text);
        same_ = same_ && expected_.substr(at_, piece.size()) == piece;
        at_ += piece.size();
    }
    bool Same() const { return same_ && at_ == expected_.size(); }

private:
    std::string_view expected_;
    std::size_t at_ = 0;
    bool same_ = true;
};

// Puts a text of the tree into a stylesheet's key: its bytes and a terminating zero (libxml2's texts hold
// none), a missing text as a mark of its own.
template <class Key>
void AppendText(Key& key, const xmlChar* text) {
    constexpr char kMissing = '\x01';
    if (!text) {
        key.Put(kMissing);
        return;
    }
    key.Put(reinterpret_cast<const char*>(text));
    key.Put('\0');
}

template <class Key>
void AppendNamespace(Key& key, const xmlNs* ns) {
    if (!ns) return key.Put('-');
    key.Put('n');
    AppendText(key, ns->prefix);
    AppendText(key, ns->href);
}

template <class Key>
void AppendNode(Key& key, xmlNodePtr node);

template <class Key>
void AppendNodes(Key& key, xmlNodePtr first) {
    for (xmlNodePtr node = first; node; node = node->next) AppendNode(key, node);
}

// The node and its subtree, its kind, names, namespaces, attributes and texts, in document order, with
// the end of each node marked: two trees get the same text only when they are the same tree. Of a
// document type declaration only its name counts: the parse has already put its entities into the tree,
// and its declarations are structures of another shape.
template <class Key>
void AppendNode(Key& key, xmlNodePtr node) {
    key.Put(static_cast<char>('A' + node->type));
    AppendText(key, node->name);
    switch (node->type) {
        case XML_ELEMENT_NODE:
            AppendNamespace(key, node->ns);
            for (const xmlNs* declared = node->nsDef; declared; declared = declared->next) AppendNamespace(key, declared);
            AppendNodes(key, reinterpret_cast<xmlNodePtr>(node->properties));
            AppendNodes(key, node->children);
            break;
        case XML_ATTRIBUTE_NODE:
            AppendNamespace(key, node->ns);
            AppendNodes(key, node->children);
            break;
        case XML_TEXT_NODE:
        case XML_CDATA_SECTION_NODE:
        case XML_COMMENT_NODE:
        case XML_PI_NODE:
            AppendText(key, node->content);
            break;
        default:
            break;
    }
    key.Put('/');
}

// What tells one stylesheet from another: where it was read from (its relative references resolve
// there), the namespaces declared around it, and its tree.
template <class Key>
void PutStylesheetKey(Key& key, xmlNodePtr stylesheet) {
    xmlDocPtr doc = stylesheet->type == XML_DOCUMENT_NODE ? reinterpret_cast<xmlDocPtr>(stylesheet) : stylesheet->doc;
    AppendText(key, doc ? doc->URL : nullptr);
    if (stylesheet->type == XML_DOCUMENT_NODE) {
        AppendNodes(key, stylesheet->children);
        return;
    }
    for (xmlNodePtr above = stylesheet->parent; above && above->type == XML_ELEMENT_NODE; above = above->parent)
        for (const xmlNs* declared = above->nsDef; declared; declared = declared->next) AppendNamespace(key, declared);
    AppendNode(key, stylesheet);
}

// The stylesheet's key. A stylesheet handed over again (a form's transformation, kept parsed by its
// caller) is checked against the key last written for the same node, which costs less than writing it
// out: a tree changed since, or another tree at the same place, reads differently and is written anew.
const std::string& StylesheetKey(xmlNodePtr stylesheet) {
    constexpr std::size_t kKeptKeys = 8;
    thread_local std::list<std::pair<xmlNodePtr, std::string>> kept;  // most recently used first
    auto found = std::find_if(kept.begin(), kept.end(), [&](const auto& entry) { return entry.first == stylesheet; });
    if (found != kept.end()) {
        kept.splice(kept.begin(), kept, found);
        KeyChecker check(kept.front().second);
        PutStylesheetKey(check, stylesheet);
        if (check.Same()) return kept.front().second;
    } else {
        kept.emplace_front(stylesheet, std::string());
        if (kept.size() > kKeptKeys) kept.pop_back();
    }
    std::string& key = kept.front().second;
    key.clear();
    KeyWriter writer(key);
    PutStylesheetKey(writer, stylesheet);
    return key;
}

// The standalone part of the output's XML declaration, with its leading space; empty when the stylesheet
// names none.
std::string StandaloneText(xsltStylesheetPtr style) {
    return style->standalone == 1 ? " standalone=\"yes\"" : style->standalone == 0 ? " standalone=\"no\"" : "";
}

// The output as text; the XML declaration names `encoding`.
std::u16string Serialise(xmlDocPtr result, xsltStylesheetPtr style, std::u16string_view encoding) {
    const xmlChar* method = style->method;
    if (method && xmlStrEqual(method, BAD_CAST "text")) {
        xmlChar* text = xmlNodeGetContent(reinterpret_cast<xmlNodePtr>(result));
        std::u16string out = Utf8ToUtf16(text ? reinterpret_cast<const char*>(text) : "");
        xmlFree(text);
        return out;
    }
    if (method && xmlStrEqual(method, BAD_CAST "html")) {
        std::unique_ptr<xmlBuffer, BufferDeleter> buffer(xmlBufferCreate());
        if (!buffer) throw std::bad_alloc();
        for (xmlNodePtr node = result->children; node; node = node->next) htmlNodeDump(buffer.get(), result, node);
        return Utf8ToUtf16(std::string(reinterpret_cast<const char*>(xmlBufferContent(buffer.get())),
                                       static_cast<std::size_t>(xmlBufferLength(buffer.get()))));
    }
    if (xmlNodePtr root = xmlDocGetRootElement(result)) XmlWriter::NormaliseNamespaces(root);
    std::u16string out;
    if (style->omitXmlDeclaration != 1)
        out = u"<?xml version=\"1.0\" encoding=\"" + std::u16string(encoding) + u"\"" +
              Utf8ToUtf16(StandaloneText(style)) + u"?>\r\n";
    for (xmlNodePtr node = result->children; node; node = node->next) {
        if (node->type == XML_DTD_NODE) continue;
        out += Utf8ToUtf16(XmlWriter::ToUtf8(node));
    }
    return out;
}

}  // namespace

HRESULT XsltTransform::Apply(IXMLDOMNode* source, IXMLDOMNode* stylesheet, const Parameters& parameters,
                             std::u16string& output) {
    XmlNodeCore* sourceNode = XmlNodeCore::From(source);
    XmlNodeCore* styleNode = XmlNodeCore::From(stylesheet);
    if (!sourceNode || !styleNode) return SetErrorText(E_INVALIDARG, u"The source and the stylesheet must be nodes of this DOM.");
    try {
        return Apply(sourceNode->Node(), styleNode->Node(), parameters, output);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

namespace {

// Compiles (or finds) the stylesheet, transforms a copy of `source` and hands the result with its
// stylesheet to `take`.
HRESULT Run(xmlNodePtr source, xmlNodePtr stylesheet, const XsltTransform::Parameters& parameters,
            const std::function<void(xmlDocPtr result, xsltStylesheetPtr style)>& take) {
    RegisterExtensions();
    XmlErrorCollector collector;
    bool isStylesheet = true;
    XsltStylesheetCache::Compiled style = XsltStylesheetCache::Get(StylesheetKey(stylesheet), [&] {
        DocPtr styleDoc = CopyAsDocument(stylesheet);
        XsltStylesheetCache::Compiled compiled(xsltParseStylesheetDoc(styleDoc.get()), StyleDeleter());
        if (compiled) styleDoc.release();  // the stylesheet owns its document now
        isStylesheet = compiled != nullptr;
        if (compiled && compiled->errors > 0) compiled.reset();
        return compiled;
    });
    if (!style)
        return SetErrorText(E_FAIL, u"The stylesheet cannot be compiled: " +
                                        Utf8ToUtf16(collector.Text(isStylesheet ? "errors" : "not a stylesheet")));

    DocPtr input = CopyAsDocument(source);
    std::unique_ptr<xsltTransformContext, TransformContextDeleter> context(
        xsltNewTransformContext(style.get(), input.get()));
    if (!context) throw std::bad_alloc();
    auto prefs = LocalReadOnly();
    xsltSetCtxtSecurityPrefs(prefs.get(), context.get());

    std::vector<std::string> names, values;
    for (const auto& [name, value] : parameters) {
        names.push_back(Utf16ToUtf8(name));
        values.push_back(QuoteLiteral(Utf16ToUtf8(value)));
    }
    std::vector<const char*> list;
    for (std::size_t i = 0; i < names.size(); ++i) {
        list.push_back(names[i].c_str());
        list.push_back(values[i].c_str());
    }
    list.push_back(nullptr);

    DocPtr result(xsltApplyStylesheetUser(style.get(), input.get(), list.data(), nullptr, nullptr, context.get()));
    if (!result || context->state != XSLT_STATE_OK)
        return SetErrorText(E_FAIL, u"The transformation failed: " + Utf8ToUtf16(collector.Text("unknown error")));
    take(result.get(), style.get());
    return S_OK;
}

}  // namespace

HRESULT XsltTransform::Apply(xmlNodePtr source, xmlNodePtr stylesheet, const Parameters& parameters,
                             std::u16string& output) {
    return Run(source, stylesheet, parameters,
               [&](xmlDocPtr result, xsltStylesheetPtr style) { output = Serialise(result, style, u"UTF-16"); });
}

HRESULT XsltTransform::ApplyAsDocument(xmlNodePtr source, xmlNodePtr stylesheet, const Parameters& parameters,
                                       XmlParseOutcome& output) {
    return Run(source, stylesheet, parameters, [&](xmlDocPtr result, xsltStylesheetPtr style) {
        // XML output with its declaration is handed over as a tree; anything else is read from its text.
        bool xmlOutput = (!style->method || xmlStrEqual(style->method, BAD_CAST "xml")) &&
                         result->type == XML_DOCUMENT_NODE && style->omitXmlDeclaration != 1;
        if (xmlOutput) {
            if (xmlDocPtr tree = XsltResultTree::AsParsed(result, "version=\"1.0\" encoding=\"UTF-8\"" +
                                                                      StandaloneText(style))) {
                output = XmlParseOutcome{};
                output.doc = tree;
                return;
            }
        }
        output = XmlParser::ParseText(Serialise(result, style, u"UTF-8"));
    });
}

}  // namespace tlx
