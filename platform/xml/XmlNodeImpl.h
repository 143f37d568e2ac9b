// The COM side of a DOM node class: reference counting and QueryInterface from ComObject, and the
// members of IXMLDOMNode forwarded to XmlNodeCore, IDispatch from the interface's table. `I` is the most
// derived interface the class answers.
#pragma once

#include "platform/com/Dispatch.h"
#include "platform/xml/XmlNodeCore.h"

namespace tlx {

template <class Derived, class I>
class XmlNodeImpl : public ComObject<Derived, Dispatch<I>>, public XmlNodeCore {
public:
    XmlNodeImpl(std::shared_ptr<XmlDocHolder> holder, xmlNodePtr node) : XmlNodeCore(std::move(holder), node) {}

    IXMLDOMNode* Interface() override { return static_cast<I*>(this); }

    HRESULT get_nodeName(BSTR* name) override { return NodeName(name); }
    HRESULT get_nodeType(DOMNodeType* type) override { return NodeType(type); }
    HRESULT get_childNodes(IXMLDOMNodeList** children) override { return ChildNodes(children); }
    HRESULT get_firstChild(IXMLDOMNode** child) override { return FirstChild(child); }
    HRESULT get_nextSibling(IXMLDOMNode** sibling) override { return NextSibling(sibling); }
    HRESULT insertBefore(IXMLDOMNode* newChild, VARIANT refChild, IXMLDOMNode** inserted) override {
        return InsertBefore(newChild, refChild, inserted);
    }
    HRESULT removeChild(IXMLDOMNode* child, IXMLDOMNode** removed) override { return RemoveChild(child, removed); }
    HRESULT appendChild(IXMLDOMNode* newChild, IXMLDOMNode** appended) override {
        return AppendChild(newChild, appended);
    }
    HRESULT cloneNode(VARIANT_BOOL deep, IXMLDOMNode** copy) override { return CloneNode(deep, copy); }
    HRESULT get_text(BSTR* text) override { return GetText(text); }
    HRESULT put_text(BSTR text) override { return PutText(text); }
    HRESULT get_xml(BSTR* xml) override { return GetXml(xml); }
    HRESULT transformNode(IXMLDOMNode* stylesheet, BSTR* output) override { return TransformNode(stylesheet, output); }
    HRESULT selectNodes(BSTR query, IXMLDOMNodeList** nodes) override { return SelectNodes(query, nodes); }
    HRESULT selectSingleNode(BSTR query, IXMLDOMNode** node) override { return SelectSingleNode(query, node); }
    HRESULT transformNodeToObject(IXMLDOMNode* stylesheet, VARIANT outputObject) override {
        return TransformNodeToObject(stylesheet, outputObject);
    }
};

}  // namespace tlx
