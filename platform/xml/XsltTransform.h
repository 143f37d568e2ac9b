// XSLT 1.0 transformations with the EXSLT extension functions, over copies of the source and the
// stylesheet, so that neither tree is touched. The stylesheet may read local files through document()
// but not the network, and may write nothing.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/xml/XmlDom.h"
#include "platform/xml/XmlParser.h"

struct _xmlNode;  // libxml2's node, for the platform's own callers

namespace tlx {

class XsltTransform {
public:
    // Stylesheet parameters, name and string value; each is passed as a string, not an expression.
    using Parameters = std::vector<std::pair<std::u16string, std::u16string>>;

    // The output as text. For XML output the declaration (unless the stylesheet omits it) names
    // "UTF-16", the encoding of the text handed back. A stylesheet that does not compile or a
    // transformation that fails answers E_FAIL with libxslt's messages as the error text.
    static HRESULT Apply(IXMLDOMNode* source, IXMLDOMNode* stylesheet, const Parameters& parameters,
                         std::u16string& output);
    static HRESULT Apply(_xmlNode* source, _xmlNode* stylesheet, const Parameters& parameters,
                         std::u16string& output);
    // The output as the document that loading its text would give (see XmlParser), its XML declaration
    // naming UTF-8; an output that is no well-formed document comes back as that parse's failure.
    static HRESULT ApplyAsDocument(_xmlNode* source, _xmlNode* stylesheet, const Parameters& parameters,
                                   XmlParseOutcome& output);
};

}  // namespace tlx
