#include "platform/xml/XsltResultTree.h"

#include <libxml/parser.h>
#include <libxml/parserInternals.h>

#include <cstring>
#include <memory>
#include <new>

#include "platform/xml/XmlParser.h"
#include "platform/xml/XmlWriter.h"

namespace tlx {

namespace {

struct DocDeleter {
    void operator()(xmlDocPtr doc) const { xmlFreeDoc(doc); }
};
using DocPtr = std::unique_ptr<xmlDoc, DocDeleter>;

// Well-formed UTF-8 of XML characters, without a carriage return: the serialiser escapes one in an
// attribute but not everywhere else, and a parse would turn a bare one into a line feed.
bool IsPlainText(const xmlChar* text) {
    if (!text) return true;
    for (const xmlChar* at = text; *at;) {
        int length = 4;
        int c = xmlGetUTF8Char(at, &length);
        if (c < 0 || length <= 0) return false;
        bool allowed = c == 0x9 || c == 0xA || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
                       (c >= 0x10000 && c <= 0x10FFFF);
        if (!allowed) return false;
        at += length;
    }
    return true;
}

bool Contains(const xmlChar* text, const char* part) {
    return text && std::strstr(reinterpret_cast<const char*>(text), part) != nullptr;
}

bool IsQName(const xmlChar* name) { return name && xmlValidateQName(name, 0) == 0; }

bool IsPlainAttribute(xmlAttrPtr attribute) {
    if (!IsQName(attribute->name)) return false;
    if (attribute->ns && attribute->ns->prefix && !IsQName(attribute->ns->prefix)) return false;
    for (xmlNodePtr child = attribute->children; child; child = child->next)
        if (child->type != XML_TEXT_NODE || child->name != xmlStringText || !IsPlainText(child->content)) return false;
    return true;
}

bool IsPlainNode(xmlNodePtr node);

bool IsPlainElement(xmlNodePtr element) {
    if (!IsQName(element->name)) return false;
    if (element->ns && element->ns->prefix && !IsQName(element->ns->prefix)) return false;
    for (xmlNsPtr declared = element->nsDef; declared; declared = declared->next) {
        if (declared->prefix && (!IsQName(declared->prefix) || !declared->href || !*declared->href)) return false;
        if (!IsPlainText(declared->href)) return false;
    }
    for (xmlAttrPtr attribute = element->properties; attribute; attribute = attribute->next)
        if (!IsPlainAttribute(attribute)) return false;
    for (xmlNodePtr child = element->children; child; child = child->next)
        if (!IsPlainNode(child)) return false;
    return true;
}

// Whether the node's text reads back as this same node.
bool IsPlainNode(xmlNodePtr node) {
    switch (node->type) {
        case XML_ELEMENT_NODE:
            return IsPlainElement(node);
        case XML_TEXT_NODE:
            return node->name == xmlStringText && IsPlainText(node->content);
        case XML_CDATA_SECTION_NODE:
            return IsPlainText(node->content) && !Contains(node->content, "]]>");
        case XML_COMMENT_NODE: {
            const xmlChar* text = node->content ? node->content : BAD_CAST "";
            std::size_t length = std::strlen(reinterpret_cast<const char*>(text));
            return IsPlainText(text) && !Contains(text, "--") && (length == 0 || text[length - 1] != '-');
        }
        case XML_PI_NODE:
            return IsQName(node->name) && xmlStrcasecmp(node->name, BAD_CAST "xml") != 0 &&
                   IsPlainText(node->content) && !Contains(node->content, "?>");
        default:
            return false;
    }
}

// One element at the top, with nothing but comments and processing instructions beside it (a
// document type is not written).
bool IsPlainDocument(xmlDocPtr result) {
    int elements = 0;
    for (xmlNodePtr node = result->children; node; node = node->next) {
        if (node->type == XML_DTD_NODE) continue;
        if (node->type == XML_ELEMENT_NODE) ++elements;
        else if (node->type != XML_COMMENT_NODE && node->type != XML_PI_NODE) return false;
        if (!IsPlainNode(node)) return false;
    }
    return elements == 1;
}

// An attribute's value as the one text node a parse gives it.
void JoinAttributeText(xmlAttrPtr attribute) {
    xmlChar* value = xmlNodeGetContent(reinterpret_cast<xmlNodePtr>(attribute));
    xmlNodePtr text = xmlNewDocText(attribute->doc, value ? value : BAD_CAST "");
    xmlFree(value);
    if (!text) throw std::bad_alloc();
    xmlFreeNodeList(attribute->children);
    attribute->children = attribute->last = text;
    text->parent = reinterpret_cast<xmlNodePtr>(attribute);
}

// Adjacent texts become one and empty ones go, as the parser reads them.
void JoinTexts(xmlNodePtr parent) {
    for (xmlNodePtr child = parent->children; child;) {
        xmlNodePtr next = child->next;
        if (child->type == XML_TEXT_NODE) {
            while (next && next->type == XML_TEXT_NODE) {
                xmlNodeAddContent(child, next->content);
                xmlNodePtr joined = next;
                next = next->next;
                xmlUnlinkNode(joined);
                xmlFreeNode(joined);
            }
            if (!child->content || !*child->content) {
                xmlUnlinkNode(child);
                xmlFreeNode(child);
            }
        }
        child = next;
    }
}

// Every name points at the declaration of its prefix nearest in scope, an unprefixed attribute is in no
// namespace and an element under xmlns="" in none, as the parser resolves them. False when a name does
// not resolve to its own namespace.
bool ResolveAsParsed(xmlDocPtr doc, xmlNodePtr element) {
    auto resolve = [&](xmlNsPtr& ns) {
        if (!ns) return true;
        xmlNsPtr found = xmlSearchNs(doc, element, ns->prefix);
        if (!found || !xmlStrEqual(found->href, ns->href)) return false;
        ns = found->href && *found->href ? found : nullptr;
        return true;
    };
    if (!resolve(element->ns)) return false;
    for (xmlAttrPtr attribute = element->properties; attribute; attribute = attribute->next) {
        if (attribute->ns && !attribute->ns->prefix) attribute->ns = nullptr;
        if (!resolve(attribute->ns)) return false;
        JoinAttributeText(attribute);
    }
    JoinTexts(element);
    for (xmlNodePtr child = element->children; child; child = child->next)
        if (child->type == XML_ELEMENT_NODE && !ResolveAsParsed(doc, child)) return false;
    return true;
}

}  // namespace

xmlDocPtr XsltResultTree::AsParsed(xmlDocPtr result, const std::string& declaration) {
    if (!IsPlainDocument(result)) return nullptr;
    // The serialiser's own steps: the result's namespaces tidied, then each top-level node copied on its
    // own and its copy's namespaces made to resolve and tidied again.
    if (xmlNodePtr root = xmlDocGetRootElement(result)) XmlWriter::NormaliseNamespaces(root);
    DocPtr doc(xmlNewDoc(BAD_CAST "1.0"));
    if (!doc) throw std::bad_alloc();
    for (xmlNodePtr node = result->children; node; node = node->next) {
        if (node->type == XML_DTD_NODE) continue;
        xmlNodePtr copy = xmlDocCopyNode(node, doc.get(), 1);
        if (!copy) throw std::bad_alloc();
        xmlAddChild(reinterpret_cast<xmlNodePtr>(doc.get()), copy);
        if (copy->type != XML_ELEMENT_NODE) continue;
        XmlWriter::ReconcileNamespaces(doc.get(), copy);
        XmlWriter::NormaliseNamespaces(copy);
        if (!ResolveAsParsed(doc.get(), copy)) return nullptr;
    }
    XmlParser::DropBlankTextNodes(doc.get());
    xmlNodePtr pi = xmlNewDocPI(doc.get(), BAD_CAST "xml", BAD_CAST declaration.c_str());
    if (!pi) throw std::bad_alloc();
    xmlAddPrevSibling(doc->children, pi);
    // What the parser records of the text it read.
    doc->encoding = xmlStrdup(BAD_CAST "UTF-8");
    doc->standalone = declaration.find("standalone=\"yes\"") != std::string::npos   ? 1
                      : declaration.find("standalone=\"no\"") != std::string::npos ? 0
                                                                                    : -2;
    doc->properties = XML_DOC_WELLFORMED | XML_DOC_NSVALID | XML_DOC_DTDVALID;
    return doc.release();
}

}  // namespace tlx
