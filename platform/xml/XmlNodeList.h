// A list of DOM nodes: the answer of a selection, of getElementsByTagName and of childNodes, taken when
// it was asked for and kept in document order.
#pragma once

#include <vector>

#include "platform/com/Dispatch.h"
#include "platform/xml/XmlDom.h"

namespace tlx {

class CXmlNodeList final : public ComObject<CXmlNodeList, Dispatch<IXMLDOMNodeList>> {
public:
    explicit CXmlNodeList(std::vector<ComPtr<IXMLDOMNode>> nodes) : nodes_(std::move(nodes)) {}

    HRESULT get_item(LONG index, IXMLDOMNode** node) override;
    HRESULT get_length(LONG* length) override;
    HRESULT nextNode(IXMLDOMNode** node) override;
    HRESULT reset() override;
    HRESULT get__NewEnum(IUnknown** enumerator) override;

private:
    std::vector<ComPtr<IXMLDOMNode>> nodes_;
    std::size_t cursor_ = 0;
};

}  // namespace tlx
