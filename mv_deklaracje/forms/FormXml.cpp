#include "mv_deklaracje/forms/FormXml.h"

#include <climits>

#include "mv_deklaracje/core/ComError.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/Enumerators.h"

namespace {

tlx::Bstr BstrOf(std::u16string_view text) { return tlx::Bstr(text); }

[[noreturn]] void RaiseNotWellFormed(IXMLDOMDocument2* document, std::u16string_view name) {
    tlx::ComPtr<IXMLDOMParseError> error;
    tlx::Bstr reason;
    LONG line = 0, position = 0;
    if (SUCCEEDED(document->get_parseError(error.Out())) && error) {
        error->get_reason(reason.Out());
        error->get_line(&line);
        error->get_linepos(&position);
    }
    std::u16string text(reason.View());
    while (!text.empty() && (text.back() == u'\n' || text.back() == u'\r' || text.back() == u' ')) text.pop_back();
    RaiseComErrorFormat(E_FAIL, u"Zasób \"%s\" nie jest poprawnym dokumentem XML: %s (wiersz %d, kolumna %d).",
                        std::u16string(name).c_str(), text.c_str(), static_cast<int>(line),
                        static_cast<int>(position));
}

}  // namespace

tlx::ComPtr<IXMLDOMDocument2> LoadFormDocument(const CBstr& text, std::u16string_view name) {
    tlx::ComPtr<IXMLDOMDocument2> document;
    if (HRESULT hr = CoCreateInstance(CLSID_DOMDocument, nullptr, CLSCTX_ALL, IID_IXMLDOMDocument2, document.OutVoid());
        FAILED(hr))
        RaiseHostFailure(hr);
    // A missing resource is empty text: the empty document then lacks the nodes the caller needs.
    if (!text.IsEmpty()) {
        tlx::Bstr xml(text.View());
        VARIANT_BOOL loaded = VARIANT_FALSE;
        CheckHost(document->loadXML(xml.Get(), &loaded));
        if (loaded != VARIANT_TRUE) RaiseNotWellFormed(document.Get(), name);
    }
    tlx::Bstr property(u"SelectionLanguage");
    CheckHost(document->setProperty(property.Get(), tlx::Variant::FromString(u"XPath")));
    return document;
}

tlx::ComPtr<IXMLDOMNode> SelectOptionalNode(IXMLDOMNode* node, std::u16string_view path) {
    tlx::ComPtr<IXMLDOMNode> found;
    tlx::Bstr query = BstrOf(path);
    CheckHost(node->selectSingleNode(query.Get(), found.Out()));
    return found;
}

tlx::ComPtr<IXMLDOMNode> SelectRequiredNode(IXMLDOMNode* node, std::u16string_view path) {
    tlx::ComPtr<IXMLDOMNode> found = SelectOptionalNode(node, path);
    if (!found)
        RaiseComErrorFormat(E_FAIL, u"Deklaracja/Loader: Błąd wyszukiwania węzła \"%s\".", std::u16string(path).c_str());
    return found;
}

std::vector<tlx::ComPtr<IXMLDOMNode>> SelectNodeList(IXMLDOMNode* node, std::u16string_view path) {
    tlx::ComPtr<IXMLDOMNodeList> list;
    tlx::Bstr query = BstrOf(path);
    CheckHost(node->selectNodes(query.Get(), list.Out()));
    std::vector<tlx::ComPtr<IXMLDOMNode>> nodes;
    if (!list) return nodes;
    tlx::ComPtr<IUnknown> enumerator;
    CheckHost(list->get__NewEnum(enumerator.Out()));
    auto items = enumerator.As<IEnumVARIANT>();
    if (!items) RaiseHResult(E_NOINTERFACE);
    for (;;) {
        tlx::Variant item;
        ULONG fetched = 0;
        CheckHost(items->Next(1, item.Out(), &fetched));
        if (fetched == 0) break;
        if (item.vt != VT_DISPATCH || !item.pdispVal) continue;
        tlx::ComPtr<IXMLDOMNode> each;
        if (SUCCEEDED(item.pdispVal->QueryInterface(IID_IXMLDOMNode, each.OutVoid()))) nodes.push_back(each);
    }
    return nodes;
}

std::optional<CBstr> ReadAttribute(IXMLDOMNode* node, std::u16string_view name) {
    tlx::ComPtr<IXMLDOMElement> element;
    if (FAILED(node->QueryInterface(IID_IXMLDOMElement, element.OutVoid()))) return std::nullopt;
    tlx::Bstr attribute = BstrOf(name);
    tlx::Variant value;
    CheckHost(element->getAttribute(attribute.Get(), value.Out()));
    if (value.vt == VT_NULL || value.vt == VT_EMPTY) return std::nullopt;
    return CBstr(value);
}

CBstr NodeName(IXMLDOMNode* node) {
    tlx::Bstr name;
    CheckHost(node->get_nodeName(name.Out()));
    return CBstr(name.View());
}

CBstr NodeText(IXMLDOMNode* node) {
    tlx::Bstr text;
    CheckHost(node->get_text(text.Out()));
    return CBstr(text.View());
}

LONG LeadingInteger(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t' || text[i] == u'\r' || text[i] == u'\n')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    long long value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > INT_MAX) break;  // a number this long is no form type or month; keep it in range
    }
    if (value > INT_MAX) value = INT_MAX;
    return static_cast<LONG>(negative ? -value : value);
}
