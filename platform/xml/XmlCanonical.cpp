#include "platform/xml/XmlCanonical.h"

#include <libxml/c14n.h>

#include "platform/xml/XmlNodeCore.h"

namespace tlx {

namespace {

// Shows the document element, its attributes, namespaces and everything below it.
int InsideRoot(void* root, xmlNodePtr node, xmlNodePtr parent) {
    xmlNodePtr at = (node == nullptr || node->type == XML_NAMESPACE_DECL) ? parent : node;
    for (; at != nullptr; at = at->parent)
        if (at == root) return 1;
    return 0;
}

}  // namespace

HRESULT CanonicalDocumentText(IXMLDOMNode* node, std::string* text) {
    if (node == nullptr || text == nullptr) return E_POINTER;
    XmlNodeCore* core = XmlNodeCore::From(node);
    if (core == nullptr || core->Node() == nullptr) return E_INVALIDARG;
    xmlDocPtr doc = core->Node()->doc;
    xmlNodePtr root = doc ? xmlDocGetRootElement(doc) : nullptr;
    if (root == nullptr) return E_INVALIDARG;
    xmlOutputBufferPtr out = xmlAllocOutputBuffer(nullptr);
    if (out == nullptr) return E_OUTOFMEMORY;
    int written = xmlC14NExecute(doc, InsideRoot, root, XML_C14N_1_0, nullptr, 0, out);
    if (written < 0) {
        xmlOutputBufferClose(out);
        return E_FAIL;
    }
    *text = R"(<?xml version="1.0" encoding="UTF-8"?>)";
    text->append(reinterpret_cast<const char*>(xmlOutputBufferGetContent(out)), xmlOutputBufferGetSize(out));
    xmlOutputBufferClose(out);
    return S_OK;
}

}  // namespace tlx
