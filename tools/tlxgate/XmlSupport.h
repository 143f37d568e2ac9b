// Small libxml2 helpers of the test gateway: owned documents, finding elements by local name, texts.
#pragma once

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <memory>
#include <string>

namespace tlxgate {

struct DocDeleter {
    void operator()(xmlDoc* doc) const { xmlFreeDoc(doc); }
};
using Doc = std::unique_ptr<xmlDoc, DocDeleter>;

// Parses UTF-8 bytes without network access or entity expansion; null when they are not XML.
inline Doc Parse(const std::string& bytes) {
    return Doc(xmlReadMemory(bytes.data(), static_cast<int>(bytes.size()), "document.xml", "UTF-8",
                             XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING));
}

// The first element in document order below (or at) `node` with that local name.
inline xmlNode* Find(xmlNode* node, const char* name) {
    for (xmlNode* n = node; n; n = n->next) {
        if (n->type != XML_ELEMENT_NODE) continue;
        if (xmlStrEqual(n->name, BAD_CAST name)) return n;
        if (xmlNode* inside = Find(n->children, name)) return inside;
    }
    return nullptr;
}

inline std::string Text(const xmlNode* node) {
    if (!node) return {};
    xmlChar* content = xmlNodeGetContent(node);
    std::string text = content ? reinterpret_cast<const char*>(content) : "";
    xmlFree(content);
    return text;
}

inline std::string Escaped(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else if (c == '"') out += "&quot;";
        else out += c;
    }
    return out;
}

}  // namespace tlxgate
