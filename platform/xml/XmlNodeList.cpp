#include "platform/xml/XmlNodeList.h"

#include "platform/com/Enumerators.h"

namespace tlx {

HRESULT CXmlNodeList::get_item(LONG index, IXMLDOMNode** node) {
    if (!node) return E_POINTER;
    *node = nullptr;
    if (index < 0 || static_cast<std::size_t>(index) >= nodes_.size()) return S_FALSE;
    return nodes_[static_cast<std::size_t>(index)].CopyTo(node);
}

HRESULT CXmlNodeList::get_length(LONG* length) {
    if (!length) return E_POINTER;
    *length = static_cast<LONG>(nodes_.size());
    return S_OK;
}

HRESULT CXmlNodeList::nextNode(IXMLDOMNode** node) {
    if (!node) return E_POINTER;
    *node = nullptr;
    if (cursor_ >= nodes_.size()) return S_FALSE;
    return nodes_[cursor_++].CopyTo(node);
}

HRESULT CXmlNodeList::reset() {
    cursor_ = 0;
    return S_OK;
}

HRESULT CXmlNodeList::get__NewEnum(IUnknown** enumerator) {
    if (!enumerator) return E_POINTER;
    *enumerator = nullptr;
    try {
        std::vector<Variant> items;
        items.reserve(nodes_.size());
        for (const auto& node : nodes_) items.push_back(Variant::FromDispatch(node.Get()));
        return NewVariantEnumerator(std::move(items), enumerator);
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    }
}

}  // namespace tlx
