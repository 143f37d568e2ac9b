// A DOM element: a node with attributes.
#pragma once

#include "platform/xml/XmlNodeImpl.h"

namespace tlx {

class CXmlElement final : public XmlNodeImpl<CXmlElement, IXMLDOMElement> {
public:
    using XmlNodeImpl::XmlNodeImpl;

    HRESULT getAttribute(BSTR name, VARIANT* value) override;
    HRESULT setAttribute(BSTR name, VARIANT value) override;
    HRESULT getElementsByTagName(BSTR name, IXMLDOMNodeList** elements) override {
        return ElementsByTagName(name, elements);
    }

private:
    // The attribute written as `name` (prefix included), null when there is none.
    xmlAttrPtr FindAttribute(const std::string& name) const;
    void DeclareNamespace(const std::string& prefix, const std::string& uri);
};

}  // namespace tlx
