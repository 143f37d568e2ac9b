#include "platform/xml/XmlTree.h"

#include "platform/com/ErrorInfo.h"
#include "platform/xml/XmlDocHolder.h"
#include "platform/xml/XmlNodeCore.h"

namespace tlx {

namespace {

HRESULT Refuse(const char16_t* why) { return SetErrorText(E_INVALIDARG, why); }

bool IsContainer(xmlNodePtr node) {
    return node->type == XML_ELEMENT_NODE || node->type == XML_DOCUMENT_NODE;
}

bool IsInsertable(xmlNodePtr node) {
    switch (node->type) {
        case XML_ELEMENT_NODE:
        case XML_TEXT_NODE:
        case XML_CDATA_SECTION_NODE:
        case XML_PI_NODE:
        case XML_COMMENT_NODE:
            return true;
        default:
            return false;
    }
}

bool IsAncestorOrSelf(xmlNodePtr candidate, xmlNodePtr node) {
    for (xmlNodePtr n = node; n; n = n->parent)
        if (n == candidate) return true;
    return false;
}

// The objects of the moved subtree now live on the new document's holder.
void Retarget(xmlNodePtr node, const std::shared_ptr<XmlDocHolder>& holder) {
    if (node->_private) static_cast<XmlNodeCore*>(node->_private)->SetHolder(holder);
    if (node->type == XML_ELEMENT_NODE)
        for (xmlAttrPtr a = node->properties; a; a = a->next)
            if (a->_private) static_cast<XmlNodeCore*>(a->_private)->SetHolder(holder);
    for (xmlNodePtr c = node->children; c; c = c->next) Retarget(c, holder);
}

// Unlinks a node from its tree (or from its holder's nodes aside), namespace references made local.
void Unlink(xmlNodePtr node) {
    if (node->parent) {
        if (xmlDOMWrapRemoveNode(nullptr, node->doc, node, 0) != 0) xmlUnlinkNode(node);
    } else if (auto holder = XmlDocHolder::Of(node)) {
        holder->RemoveOrphan(node);
    }
}

void Link(xmlNodePtr parent, xmlNodePtr child, xmlNodePtr before) {
    child->parent = parent;
    if (before) {
        child->next = before;
        child->prev = before->prev;
        if (before->prev)
            before->prev->next = child;
        else
            parent->children = child;
        before->prev = child;
    } else {
        child->next = nullptr;
        child->prev = parent->last;
        if (parent->last)
            parent->last->next = child;
        else
            parent->children = child;
        parent->last = child;
    }
}

HRESULT CheckDocumentChild(xmlNodePtr document, xmlNodePtr child) {
    if (child->type == XML_TEXT_NODE || child->type == XML_CDATA_SECTION_NODE)
        return Refuse(u"Text cannot be placed at the top level of a document.");
    if (child->type == XML_ELEMENT_NODE)
        for (xmlNodePtr c = document->children; c; c = c->next)
            if (c->type == XML_ELEMENT_NODE && c != child) return Refuse(u"A document has only one top-level element.");
    return S_OK;
}

}  // namespace

bool XmlTree::HasObjects(xmlNodePtr node) {
    if (node->_private) return true;
    if (node->type == XML_ELEMENT_NODE)
        for (xmlAttrPtr a = node->properties; a; a = a->next)
            if (a->_private) return true;
    for (xmlNodePtr c = node->children; c; c = c->next)
        if (HasObjects(c)) return true;
    return false;
}

HRESULT XmlTree::Insert(xmlNodePtr parent, xmlNodePtr child, xmlNodePtr before) {
    if (!IsContainer(parent)) return Refuse(u"This node cannot have children.");
    if (!IsInsertable(child)) return Refuse(u"This kind of node cannot be inserted.");
    if (IsAncestorOrSelf(child, parent)) return Refuse(u"A node cannot be inserted into itself or its descendants.");
    if (before && before->parent != parent) return Refuse(u"The reference node is not a child of this node.");
    if (parent->type == XML_DOCUMENT_NODE)
        if (HRESULT hr = CheckDocumentChild(parent, child); FAILED(hr)) return hr;
    if (before == child) return S_OK;

    auto target = XmlDocHolder::Of(parent);
    Unlink(child);
    if (child->doc != parent->doc) {
        xmlDocPtr source = child->doc;
        xmlDOMWrapAdoptNode(nullptr, source, child, parent->doc, parent, 0);
        Retarget(child, target);
    }
    Link(parent, child, before);
    if (child->type == XML_ELEMENT_NODE) xmlDOMWrapReconcileNamespaces(nullptr, child, 0);
    return S_OK;
}

void XmlTree::Detach(xmlNodePtr child) {
    auto holder = XmlDocHolder::Of(child);
    if (!child->parent) return;  // already aside
    Unlink(child);
    holder->AddOrphan(child);
}

void XmlTree::SetText(xmlNodePtr node, const std::string& text) {
    if (node->type != XML_ELEMENT_NODE && node->type != XML_ATTRIBUTE_NODE && node->type != XML_DOCUMENT_NODE) {
        xmlNodeSetContent(node, BAD_CAST text.c_str());
        return;
    }
    if (node->type == XML_DOCUMENT_NODE) return;
    while (xmlNodePtr child = node->children) {
        if (node->type == XML_ELEMENT_NODE && HasObjects(child)) {
            Detach(child);
        } else {
            xmlUnlinkNode(child);
            xmlFreeNode(child);
        }
    }
    if (text.empty()) return;
    xmlNodePtr textNode = xmlNewDocText(node->doc, BAD_CAST text.c_str());
    if (!textNode) throw std::bad_alloc();
    Link(node, textNode, nullptr);
}

}  // namespace tlx
