// The work behind every DOM node object: one libxml2 node and the holder that keeps its document alive.
// The node objects (XmlNodeImpl and its classes) forward their interface members here. A libxml2 node
// has at most one node object at a time (found through the node's _private field), so a node asked for
// twice answers the same object.
#pragma once

#include <libxml/tree.h>

#include <memory>

#include "platform/com/ComPtr.h"
#include "platform/xml/XmlDocHolder.h"
#include "platform/xml/XmlDom.h"

namespace tlx {

class XmlNodeCore {
public:
    XmlNodeCore(std::shared_ptr<XmlDocHolder> holder, xmlNodePtr node);
    virtual ~XmlNodeCore();
    XmlNodeCore(const XmlNodeCore&) = delete;
    XmlNodeCore& operator=(const XmlNodeCore&) = delete;

    // The node object behind an interface pointer of this platform; null for anything else.
    static XmlNodeCore* From(IUnknown* object);
    // The node object of `node`, made when it has none yet. Null for nodes that have no object
    // (namespace nodes); the document node answers the document object showing it.
    static ComPtr<IXMLDOMNode> Wrap(xmlNodePtr node);
    static HRESULT ReturnNode(xmlNodePtr node, IXMLDOMNode** out);

    // This object as its node interface (not counted).
    virtual IXMLDOMNode* Interface() = 0;

    xmlNodePtr Node() const { return node_; }
    const std::shared_ptr<XmlDocHolder>& Holder() const { return holder_; }
    // After the node moved to another document.
    void SetHolder(std::shared_ptr<XmlDocHolder> holder) { holder_ = std::move(holder); }

protected:
    // The members of IXMLDOMNode.
    HRESULT NodeName(BSTR* name);
    HRESULT NodeType(DOMNodeType* type);
    HRESULT ChildNodes(IXMLDOMNodeList** children);
    HRESULT FirstChild(IXMLDOMNode** child);
    HRESULT NextSibling(IXMLDOMNode** sibling);
    HRESULT InsertBefore(IXMLDOMNode* newChild, const VARIANT& refChild, IXMLDOMNode** inserted);
    HRESULT RemoveChild(IXMLDOMNode* child, IXMLDOMNode** removed);
    HRESULT AppendChild(IXMLDOMNode* newChild, IXMLDOMNode** appended);
    HRESULT CloneNode(VARIANT_BOOL deep, IXMLDOMNode** copy);
    HRESULT GetText(BSTR* text);
    HRESULT PutText(BSTR text);
    HRESULT GetXml(BSTR* xml);
    HRESULT TransformNode(IXMLDOMNode* stylesheet, BSTR* output);
    HRESULT TransformNodeToObject(IXMLDOMNode* stylesheet, VARIANT outputObject);
    HRESULT SelectNodes(BSTR query, IXMLDOMNodeList** nodes);
    HRESULT SelectSingleNode(BSTR query, IXMLDOMNode** node);
    // Shared by elements and the document.
    HRESULT ElementsByTagName(BSTR name, IXMLDOMNodeList** elements);

    // Replaces the node (the document object's content after a load).
    void Reset(std::shared_ptr<XmlDocHolder> holder, xmlNodePtr node);

private:
    void Register();
    void Unregister();

    std::shared_ptr<XmlDocHolder> holder_;
    xmlNodePtr node_;
};

// Runs a member's work, turning an escaping exception into its HRESULT.
template <class Work>
HRESULT XmlCall(Work&& work) {
    try {
        return work();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_UNEXPECTED;
    }
}

}  // namespace tlx
