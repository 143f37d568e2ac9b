// The canonical text of a document as it is signed and filed: the UTF-8 XML declaration followed by
// the canonical form (Canonical XML 1.0, without comments) of the document element. Whatever lies
// outside the document element (processing instructions, comments) is left out.
#pragma once

#include <string>

#include "platform/xml/XmlDom.h"

namespace tlx {

// `node` is a document of this platform or any node of one. E_INVALIDARG for an object of another
// implementation or a document without an element, E_FAIL when the canonicalisation fails.
HRESULT CanonicalDocumentText(IXMLDOMNode* node, std::string* text);

}  // namespace tlx
