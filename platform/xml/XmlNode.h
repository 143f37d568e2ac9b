// A DOM node that is not an element nor a document: text, CDATA section, comment, processing
// instruction, or an attribute reached by a selection.
#pragma once

#include "platform/xml/XmlNodeImpl.h"

namespace tlx {

class CXmlNode final : public XmlNodeImpl<CXmlNode, IXMLDOMNode> {
public:
    using XmlNodeImpl::XmlNodeImpl;
};

}  // namespace tlx
