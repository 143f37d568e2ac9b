// The DOM work of the definition loader: documents made from resource text, required and optional
// selections with the loader's messages, node lists walked in document order, attributes and texts.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "mv_deklaracje/core/Bstr.h"
#include "platform/com/ComPtr.h"
#include "platform/xml/XmlDom.h"

// A new DOM document (the platform's DOMDocument class) holding `text`, with XPath selections. Empty
// text gives an empty document; text that is not well-formed XML raises E_FAIL naming the resource
// `name` and giving the parser's reason and position.
tlx::ComPtr<IXMLDOMDocument2> LoadFormDocument(const CBstr& text, std::u16string_view name);

// The first node `path` selects from `node`; null when none.
tlx::ComPtr<IXMLDOMNode> SelectOptionalNode(IXMLDOMNode* node, std::u16string_view path);
// The same, raising E_FAIL "Deklaracja/Loader: Błąd wyszukiwania węzła "<path>"." when none.
tlx::ComPtr<IXMLDOMNode> SelectRequiredNode(IXMLDOMNode* node, std::u16string_view path);
// Every node `path` selects, in document order (walked through the list's enumerator).
std::vector<tlx::ComPtr<IXMLDOMNode>> SelectNodeList(IXMLDOMNode* node, std::u16string_view path);

// The attribute `name` (exact) of an element as text; nothing when the element has no such attribute.
std::optional<CBstr> ReadAttribute(IXMLDOMNode* element, std::u16string_view name);
CBstr NodeName(IXMLDOMNode* node);
CBstr NodeText(IXMLDOMNode* node);

// The decimal number at the start of `text` after blanks, with an optional sign; 0 when there is none.
LONG LeadingInteger(std::u16string_view text);
