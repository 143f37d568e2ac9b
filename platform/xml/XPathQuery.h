// XPath 1.0 selections over a libxml2 tree. Before evaluation, every name test without a prefix on an
// element axis is widened to match the elements written without a prefix: in no namespace or in a
// default namespace. Prefixed names resolve through the document's selection namespaces.
#pragma once

#include <libxml/tree.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/com/Types.h"

namespace tlx {

class XPathQuery {
public:
    using Namespaces = std::vector<std::pair<std::string, std::string>>;

    // The nodes selected from `context`, in document order. E_FAIL with the error text for an
    // expression that does not compile or does not give a node set.
    static HRESULT Select(xmlNodePtr context, std::u16string_view expression, const Namespaces& namespaces,
                          std::vector<xmlNodePtr>& nodes);
    // The expression with its unprefixed element name tests widened (see above).
    static std::u16string WidenNameTests(std::u16string_view expression);
    // Parses "xmlns:p='uri' xmlns:q=\"uri\"" (blank-separated). False on malformed text.
    static bool ParseNamespaces(std::u16string_view text, Namespaces& namespaces);
};

}  // namespace tlx
