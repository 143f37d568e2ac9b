#include "platform/xml/XmlWriter.h"

#include <libxml/xmlsave.h>

#include <memory>
#include <new>

#include "platform/text/CodePage.h"
#include "platform/xml/XmlText.h"

namespace tlx {

namespace {

struct DocDeleter {
    void operator()(xmlDocPtr doc) const { xmlFreeDoc(doc); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocDeleter>;

struct BufferDeleter {
    void operator()(xmlBufferPtr buffer) const { xmlBufferFree(buffer); }
};

bool IsElement(xmlNodePtr node) { return node && node->type == XML_ELEMENT_NODE; }

void Redirect(xmlNodePtr node, xmlNsPtr from, xmlNsPtr to) {
    if (node->ns == from) node->ns = to;
    if (node->type == XML_ELEMENT_NODE)
        for (xmlAttrPtr a = node->properties; a; a = a->next)
            if (a->ns == from) a->ns = to;
    for (xmlNodePtr c = node->children; c; c = c->next) Redirect(c, from, to);
}

// The in-scope declaration of `prefix` (null: the default namespace) seen from `node`.
xmlNsPtr InScope(xmlNodePtr node, const xmlChar* prefix) {
    for (xmlNodePtr n = node; IsElement(n); n = n->parent)
        for (xmlNsPtr ns = n->nsDef; ns; ns = ns->next)
            if (xmlStrEqual(ns->prefix, prefix)) return ns;
    return nullptr;
}

// Declarations on `element` that repeat the binding already in scope are dropped, their users pointed
// at the binding in scope.
void DropRepeatedDeclarations(xmlNodePtr element) {
    xmlNsPtr* link = &element->nsDef;
    while (xmlNsPtr ns = *link) {
        xmlNsPtr outer = InScope(element->parent, ns->prefix);
        bool repeated = outer ? xmlStrEqual(outer->href, ns->href)
                              : (ns->prefix == nullptr && (!ns->href || !*ns->href));
        if (repeated) {
            Redirect(element, ns, outer);
            *link = ns->next;
            ns->next = nullptr;
            xmlFreeNs(ns);
        } else {
            link = &ns->next;
        }
    }
}

void Normalise(xmlNodePtr element) {
    DropRepeatedDeclarations(element);
    if (!element->ns) {
        xmlNsPtr defaultNs = InScope(element, nullptr);
        if (defaultNs && defaultNs->href && *defaultNs->href) {
            if (!xmlNewNs(element, BAD_CAST "", nullptr)) throw std::bad_alloc();
        }
    }
    for (xmlNodePtr c = element->children; c; c = c->next)
        if (IsElement(c)) Normalise(c);
}

std::string Save(xmlNodePtr first, bool siblings, const char* encoding) {
    std::unique_ptr<xmlBuffer, BufferDeleter> buffer(xmlBufferCreate());
    if (!buffer) throw std::bad_alloc();
    for (xmlNodePtr node = first; node; node = siblings ? node->next : nullptr) {
        xmlSaveCtxtPtr save = xmlSaveToBuffer(buffer.get(), encoding, XML_SAVE_NO_DECL | XML_SAVE_AS_XML);
        if (!save) throw std::bad_alloc();
        xmlSaveTree(save, node);
        xmlSaveClose(save);
        if (siblings) xmlBufferCat(buffer.get(), BAD_CAST "\r\n");
    }
    return std::string(reinterpret_cast<const char*>(xmlBufferContent(buffer.get())),
                       static_cast<std::size_t>(xmlBufferLength(buffer.get())));
}

std::string AttributeText(xmlAttrPtr attr) {
    std::string name = attr->ns && attr->ns->prefix
                           ? std::string(reinterpret_cast<const char*>(attr->ns->prefix)) + ":"
                           : std::string();
    name += reinterpret_cast<const char*>(attr->name);
    xmlChar* value = xmlNodeGetContent(reinterpret_cast<xmlNodePtr>(attr));
    xmlChar* escaped = xmlEncodeSpecialChars(attr->doc, value);
    std::string text = name + "=\"" + (escaped ? reinterpret_cast<const char*>(escaped) : "") + "\"";
    xmlFree(escaped);
    xmlFree(value);
    return text;
}

// Whether Normalise would leave the subtree as it is: no declaration repeats the binding in scope and
// no element in no namespace stands under a default namespace without its xmlns="".
bool IsNormal(xmlNodePtr element) {
    for (xmlNsPtr ns = element->nsDef; ns; ns = ns->next) {
        xmlNsPtr outer = InScope(element->parent, ns->prefix);
        bool repeated = outer ? xmlStrEqual(outer->href, ns->href)
                              : (ns->prefix == nullptr && (!ns->href || !*ns->href));
        if (repeated) return false;
    }
    if (!element->ns) {
        xmlNsPtr defaultNs = InScope(element, nullptr);
        if (defaultNs && defaultNs->href && *defaultNs->href) return false;
    }
    for (xmlNodePtr c = element->children; c; c = c->next)
        if (IsElement(c) && !IsNormal(c)) return false;
    return true;
}

bool NamespacesResolve(xmlDocPtr doc, xmlNodePtr element);

// Whether the document is written as it stands: its namespaces resolve and are already normal, so a
// tidied copy would read the same.
bool WrittenAsItStands(xmlDocPtr doc) {
    xmlNodePtr root = xmlDocGetRootElement(doc);
    return !root || (NamespacesResolve(doc, root) && IsNormal(root));
}

DocPtr CopyDocument(xmlDocPtr doc) {
    DocPtr copy(xmlCopyDoc(doc, 1));
    if (!copy) throw std::bad_alloc();
    if (xmlNodePtr root = xmlDocGetRootElement(copy.get())) {
        XmlWriter::ReconcileNamespaces(copy.get(), root);
        XmlWriter::NormaliseNamespaces(root);
    }
    return copy;
}

// Whether the element's namespace and those of its attributes resolve to the same URI where they
// stand, in the whole subtree.
bool NamespacesResolve(xmlDocPtr doc, xmlNodePtr element) {
    auto resolves = [&](xmlNsPtr ns) {
        if (!ns) return true;
        xmlNsPtr found = xmlSearchNs(doc, element, ns->prefix);
        return found && xmlStrEqual(found->href, ns->href);
    };
    if (!resolves(element->ns)) return false;
    for (xmlAttrPtr a = element->properties; a; a = a->next)
        if (!resolves(a->ns)) return false;
    for (xmlNodePtr c = element->children; c; c = c->next)
        if (IsElement(c) && !NamespacesResolve(doc, c)) return false;
    return true;
}

}  // namespace

void XmlWriter::ReconcileNamespaces(xmlDocPtr doc, xmlNodePtr root) {
    if (IsElement(root) && !NamespacesResolve(doc, root)) xmlReconciliateNs(doc, root);
}

void XmlWriter::NormaliseNamespaces(xmlNodePtr element) {
    if (IsElement(element)) Normalise(element);
}

std::string XmlWriter::ToUtf8(xmlNodePtr node) {
    if (node->type == XML_DOCUMENT_NODE) {
        auto doc = reinterpret_cast<xmlDocPtr>(node);
        if (WrittenAsItStands(doc)) return Save(doc->children, true, "UTF-8");
        DocPtr copy = CopyDocument(doc);
        return Save(copy->children, true, "UTF-8");
    }
    if (node->type == XML_ATTRIBUTE_NODE) return AttributeText(reinterpret_cast<xmlAttrPtr>(node));
    DocPtr scratch(xmlNewDoc(BAD_CAST "1.0"));
    if (!scratch) throw std::bad_alloc();
    xmlNodePtr copy = xmlDocCopyNode(node, scratch.get(), 1);
    if (!copy) throw std::bad_alloc();
    xmlAddChild(reinterpret_cast<xmlNodePtr>(scratch.get()), copy);
    if (IsElement(copy)) {
        ReconcileNamespaces(scratch.get(), copy);
        Normalise(copy);
    }
    return Save(copy, false, "UTF-8");
}

std::string XmlWriter::DocumentBytes(xmlDocPtr doc, const std::string& encoding) {
    DocPtr copy = WrittenAsItStands(doc) ? nullptr : CopyDocument(doc);
    xmlDocPtr written = copy ? copy.get() : doc;
    bool utf16 = encoding.size() >= 6 && (encoding.substr(0, 6) == "UTF-16" || encoding.substr(0, 6) == "utf-16");
    if (encoding.empty() || utf16) {
        std::string utf8 = Save(written->children, true, "UTF-8");
        if (!utf16) return utf8;
        std::u16string text = Utf8ToUtf16(utf8);
        std::string bytes = "\xFF\xFE";
        for (char16_t c : text) {
            bytes.push_back(static_cast<char>(c & 0xFF));
            bytes.push_back(static_cast<char>(c >> 8));
        }
        return bytes;
    }
    return Save(written->children, true, encoding.c_str());
}

std::string XmlWriter::DeclaredEncoding(xmlDocPtr doc) {
    for (xmlNodePtr node = doc->children; node; node = node->next) {
        if (node->type != XML_PI_NODE || !xmlStrEqual(node->name, BAD_CAST "xml")) continue;
        std::string data = node->content ? reinterpret_cast<const char*>(node->content) : "";
        std::size_t at = data.find("encoding");
        if (at == std::string::npos) return {};
        std::size_t quote = data.find_first_of("\"'", at);
        if (quote == std::string::npos) return {};
        std::size_t end = data.find(data[quote], quote + 1);
        if (end == std::string::npos) return {};
        return data.substr(quote + 1, end - quote - 1);
    }
    return {};
}

}  // namespace tlx
