#include "platform/xml/XmlNodeCore.h"

#include "platform/com/ErrorInfo.h"
#include "platform/xml/XPathQuery.h"
#include "platform/xml/XmlDocument.h"
#include "platform/xml/XmlElement.h"
#include "platform/xml/XmlNode.h"
#include "platform/xml/XmlNodeList.h"
#include "platform/xml/XmlText.h"
#include "platform/xml/XmlTree.h"
#include "platform/xml/XmlWriter.h"
#include "platform/xml/XsltTransform.h"

namespace tlx {

namespace {

bool HasObject(xmlNodePtr node) {
    switch (node->type) {
        case XML_ELEMENT_NODE:
        case XML_ATTRIBUTE_NODE:
        case XML_TEXT_NODE:
        case XML_CDATA_SECTION_NODE:
        case XML_ENTITY_REF_NODE:
        case XML_PI_NODE:
        case XML_COMMENT_NODE:
        case XML_DOCUMENT_NODE:
            return true;
        default:
            return false;
    }
}

xmlNodePtr FirstShown(xmlNodePtr node) {
    while (node && !HasObject(node)) node = node->next;
    return node;
}

std::u16string QualifiedName(xmlNodePtr node) {
    std::u16string name;
    if (node->ns && node->ns->prefix) name = FromXmlUtf8(node->ns->prefix) + u":";
    return name + FromXmlUtf8(node->name);
}

HRESULT ReturnList(std::vector<ComPtr<IXMLDOMNode>> nodes, IXMLDOMNodeList** out) {
    auto list = CXmlNodeList::Make(std::move(nodes));
    *out = list.Detach();
    return S_OK;
}

HRESULT ReturnList(const std::vector<xmlNodePtr>& nodes, IXMLDOMNodeList** out) {
    std::vector<ComPtr<IXMLDOMNode>> objects;
    objects.reserve(nodes.size());
    for (xmlNodePtr node : nodes)
        if (auto object = XmlNodeCore::Wrap(node)) objects.push_back(std::move(object));
    return ReturnList(std::move(objects), out);
}

// The node of a node argument; null (with the error text set) when it is not one of this platform's.
XmlNodeCore* Argument(IXMLDOMNode* node) {
    XmlNodeCore* core = XmlNodeCore::From(node);
    if (!core) SetErrorText(E_INVALIDARG, u"The node argument is not a node of this DOM.");
    return core;
}

void CollectElements(xmlNodePtr parent, const std::u16string& name, std::vector<xmlNodePtr>& found) {
    for (xmlNodePtr c = parent->children; c; c = c->next) {
        if (c->type != XML_ELEMENT_NODE) continue;
        if (name == u"*" || QualifiedName(c) == name) found.push_back(c);
        CollectElements(c, name, found);
    }
}

}  // namespace

XmlNodeCore::XmlNodeCore(std::shared_ptr<XmlDocHolder> holder, xmlNodePtr node)
    : holder_(std::move(holder)), node_(node) {
    Register();
}

XmlNodeCore::~XmlNodeCore() { Unregister(); }

void XmlNodeCore::Register() {
    if (node_ && node_->type != XML_DOCUMENT_NODE) node_->_private = this;
}

void XmlNodeCore::Unregister() {
    if (node_ && node_->type != XML_DOCUMENT_NODE && node_->_private == this) node_->_private = nullptr;
}

void XmlNodeCore::Reset(std::shared_ptr<XmlDocHolder> holder, xmlNodePtr node) {
    Unregister();
    holder_ = std::move(holder);
    node_ = node;
    Register();
}

XmlNodeCore* XmlNodeCore::From(IUnknown* object) {
    if (!object) return nullptr;
    ComPtr<IXMLDOMNode> node;
    if (FAILED(object->QueryInterface(IID_IXMLDOMNode, node.OutVoid())) || !node) return nullptr;
    return dynamic_cast<XmlNodeCore*>(node.Get());
}

ComPtr<IXMLDOMNode> XmlNodeCore::Wrap(xmlNodePtr node) {
    if (!node || !HasObject(node)) return nullptr;
    if (node->type == XML_DOCUMENT_NODE) {
        auto holder = XmlDocHolder::Of(node);
        return ComPtr<IXMLDOMNode>(holder ? holder->DocumentObject() : nullptr);
    }
    if (node->_private) return ComPtr<IXMLDOMNode>(static_cast<XmlNodeCore*>(node->_private)->Interface());
    auto holder = XmlDocHolder::Of(node);
    if (!holder) return nullptr;
    if (node->type == XML_ELEMENT_NODE) return ComPtr<IXMLDOMNode>(CXmlElement::Make(holder, node).Get());
    return ComPtr<IXMLDOMNode>(CXmlNode::Make(holder, node).Get());
}

HRESULT XmlNodeCore::ReturnNode(xmlNodePtr node, IXMLDOMNode** out) {
    if (!out) return E_POINTER;
    *out = Wrap(node).Detach();
    return *out ? S_OK : S_FALSE;
}

HRESULT XmlNodeCore::NodeName(BSTR* name) {
    return XmlCall([&] {
        switch (node_->type) {
            case XML_ELEMENT_NODE:
            case XML_ATTRIBUTE_NODE:
                return ReturnBstr(QualifiedName(node_), name);
            case XML_TEXT_NODE:
                return ReturnBstr(u"#text", name);
            case XML_CDATA_SECTION_NODE:
                return ReturnBstr(u"#cdata-section", name);
            case XML_COMMENT_NODE:
                return ReturnBstr(u"#comment", name);
            case XML_DOCUMENT_NODE:
                return ReturnBstr(u"#document", name);
            default:
                return ReturnBstr(FromXmlUtf8(node_->name), name);
        }
    });
}

HRESULT XmlNodeCore::NodeType(DOMNodeType* type) {
    if (!type) return E_POINTER;
    switch (node_->type) {
        case XML_ELEMENT_NODE: *type = NODE_ELEMENT; break;
        case XML_ATTRIBUTE_NODE: *type = NODE_ATTRIBUTE; break;
        case XML_TEXT_NODE: *type = NODE_TEXT; break;
        case XML_CDATA_SECTION_NODE: *type = NODE_CDATA_SECTION; break;
        case XML_ENTITY_REF_NODE: *type = NODE_ENTITY_REFERENCE; break;
        case XML_PI_NODE: *type = NODE_PROCESSING_INSTRUCTION; break;
        case XML_COMMENT_NODE: *type = NODE_COMMENT; break;
        case XML_DOCUMENT_NODE: *type = NODE_DOCUMENT; break;
        default: *type = NODE_INVALID; break;
    }
    return S_OK;
}

HRESULT XmlNodeCore::ChildNodes(IXMLDOMNodeList** children) {
    if (!children) return E_POINTER;
    *children = nullptr;
    return XmlCall([&] {
        std::vector<xmlNodePtr> nodes;
        if (node_->type != XML_ATTRIBUTE_NODE)
            for (xmlNodePtr c = FirstShown(node_->children); c; c = FirstShown(c->next)) nodes.push_back(c);
        return ReturnList(nodes, children);
    });
}

HRESULT XmlNodeCore::FirstChild(IXMLDOMNode** child) {
    return XmlCall([&] {
        return ReturnNode(node_->type == XML_ATTRIBUTE_NODE ? nullptr : FirstShown(node_->children), child);
    });
}

HRESULT XmlNodeCore::NextSibling(IXMLDOMNode** sibling) {
    return XmlCall([&] {
        bool inTree = node_->parent != nullptr && node_->type != XML_ATTRIBUTE_NODE;
        return ReturnNode(inTree ? FirstShown(node_->next) : nullptr, sibling);
    });
}

HRESULT XmlNodeCore::InsertBefore(IXMLDOMNode* newChild, const VARIANT& refChild, IXMLDOMNode** inserted) {
    if (inserted) *inserted = nullptr;
    return XmlCall([&] {
        XmlNodeCore* child = Argument(newChild);
        if (!child) return E_INVALIDARG;
        const VARIANT* ref = &refChild;
        if (ref->vt == (VT_BYREF | VT_VARIANT) && ref->pvarVal) ref = ref->pvarVal;
        xmlNodePtr before = nullptr;
        if (ref->vt == VT_DISPATCH || ref->vt == VT_UNKNOWN) {
            if (ref->punkVal) {
                XmlNodeCore* refCore = From(ref->punkVal);
                if (!refCore) return SetErrorText(E_INVALIDARG, u"The reference node is not a node of this DOM.");
                before = refCore->Node();
            }
        } else if (ref->vt != VT_EMPTY && ref->vt != VT_NULL && ref->vt != VT_ERROR) {
            return SetErrorText(E_INVALIDARG, u"The reference node must be a node or null.");
        }
        ComPtr<IXMLDOMNode> keep(newChild);
        if (HRESULT hr = XmlTree::Insert(node_, child->Node(), before); FAILED(hr)) return hr;
        if (inserted) *inserted = ComPtr<IXMLDOMNode>(child->Interface()).Detach();
        return S_OK;
    });
}

HRESULT XmlNodeCore::AppendChild(IXMLDOMNode* newChild, IXMLDOMNode** appended) {
    VARIANT none;
    VariantInit(&none);
    return InsertBefore(newChild, none, appended);
}

HRESULT XmlNodeCore::RemoveChild(IXMLDOMNode* child, IXMLDOMNode** removed) {
    if (removed) *removed = nullptr;
    return XmlCall([&] {
        XmlNodeCore* core = Argument(child);
        if (!core) return E_INVALIDARG;
        if (core->Node()->parent != node_ || core->Node()->type == XML_ATTRIBUTE_NODE)
            return SetErrorText(E_INVALIDARG, u"The node to remove is not a child of this node.");
        XmlTree::Detach(core->Node());
        if (removed) *removed = ComPtr<IXMLDOMNode>(core->Interface()).Detach();
        return S_OK;
    });
}

HRESULT XmlNodeCore::CloneNode(VARIANT_BOOL deep, IXMLDOMNode** copy) {
    if (!copy) return E_POINTER;
    *copy = nullptr;
    return XmlCall([&] {
        if (node_->type == XML_DOCUMENT_NODE || node_->type == XML_ATTRIBUTE_NODE)
            return SetErrorText(E_NOTIMPL, u"Documents and attributes are not cloned.");
        xmlNodePtr clone = xmlDocCopyNode(node_, node_->doc, deep ? 1 : 2);
        if (!clone) throw std::bad_alloc();
        holder_->AddOrphan(clone);
        return ReturnNode(clone, copy);
    });
}

HRESULT XmlNodeCore::GetText(BSTR* text) {
    return XmlCall([&] {
        xmlChar* content = xmlNodeGetContent(node_);
        std::u16string value = FromXmlUtf8(content);
        xmlFree(content);
        return ReturnBstr(value, text);
    });
}

HRESULT XmlNodeCore::PutText(BSTR text) {
    return XmlCall([&] {
        if (node_->type == XML_DOCUMENT_NODE) return SetErrorText(E_FAIL, u"A document has no text of its own.");
        XmlTree::SetText(node_, ToXmlUtf8(text));
        return S_OK;
    });
}

HRESULT XmlNodeCore::GetXml(BSTR* xml) {
    return XmlCall([&] { return ReturnBstr(Utf8ToUtf16(XmlWriter::ToUtf8(node_)), xml); });
}

HRESULT XmlNodeCore::TransformNode(IXMLDOMNode* stylesheet, BSTR* output) {
    if (!output) return E_POINTER;
    *output = nullptr;
    return XmlCall([&] {
        XmlNodeCore* style = Argument(stylesheet);
        if (!style) return E_INVALIDARG;
        std::u16string text;
        if (HRESULT hr = XsltTransform::Apply(node_, style->Node(), {}, text); FAILED(hr)) return hr;
        return ReturnBstr(text, output);
    });
}

HRESULT XmlNodeCore::TransformNodeToObject(IXMLDOMNode* stylesheet, VARIANT outputObject) {
    return XmlCall([&] {
        XmlNodeCore* style = Argument(stylesheet);
        bool isObject = (outputObject.vt == VT_DISPATCH || outputObject.vt == VT_UNKNOWN) && outputObject.punkVal;
        auto* output = isObject ? dynamic_cast<CXmlDocument*>(From(outputObject.punkVal)) : nullptr;
        if (!style || !output) return E_INVALIDARG;
        XmlParseOutcome outcome;
        if (HRESULT hr = XsltTransform::ApplyAsDocument(node_, style->Node(), {}, outcome); FAILED(hr)) return hr;
        return output->TakeTransformed(std::move(outcome));
    });
}

HRESULT XmlNodeCore::SelectNodes(BSTR query, IXMLDOMNodeList** nodes) {
    if (!nodes) return E_POINTER;
    *nodes = nullptr;
    return XmlCall([&] {
        std::vector<xmlNodePtr> found;
        std::u16string expression(query ? query : u"", SysStringLen(query));
        if (HRESULT hr = XPathQuery::Select(node_, expression, holder_->Settings().namespaces, found); FAILED(hr))
            return hr;
        return ReturnList(found, nodes);
    });
}

HRESULT XmlNodeCore::SelectSingleNode(BSTR query, IXMLDOMNode** node) {
    if (!node) return E_POINTER;
    *node = nullptr;
    return XmlCall([&] {
        std::vector<xmlNodePtr> found;
        std::u16string expression(query ? query : u"", SysStringLen(query));
        if (HRESULT hr = XPathQuery::Select(node_, expression, holder_->Settings().namespaces, found); FAILED(hr))
            return hr;
        for (xmlNodePtr candidate : found)
            if (auto object = Wrap(candidate)) {
                *node = object.Detach();
                return S_OK;
            }
        return S_FALSE;
    });
}

HRESULT XmlNodeCore::ElementsByTagName(BSTR name, IXMLDOMNodeList** elements) {
    if (!elements) return E_POINTER;
    *elements = nullptr;
    return XmlCall([&] {
        std::vector<xmlNodePtr> found;
        CollectElements(node_, std::u16string(name ? name : u"", SysStringLen(name)), found);
        return ReturnList(found, elements);
    });
}

}  // namespace tlx
