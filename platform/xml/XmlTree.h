// Changes to libxml2 trees that keep node objects valid: nodes taken out of a tree are kept by their
// document's holder instead of being freed while an object may show them; a node moved to another
// document takes its namespaces along and its objects follow it to the new holder. Text nodes are never
// merged, so a node object never loses its node.
#pragma once

#include <libxml/tree.h>

#include <string>

#include "platform/com/Types.h"

namespace tlx {

class XmlTree {
public:
    // Inserts `child` under `parent` before `before` (null: at the end), taking it out of wherever it
    // is (its tree or the nodes kept aside, of this or another document). Sets the error text and
    // answers E_INVALIDARG for an insertion the tree does not allow.
    static HRESULT Insert(xmlNodePtr parent, xmlNodePtr child, xmlNodePtr before);
    // Takes `child` out of its tree and keeps it aside in its document.
    static void Detach(xmlNodePtr child);
    // Replaces the node's children (an element's, or an attribute's) by one text node; for text-like
    // nodes replaces their content.
    static void SetText(xmlNodePtr node, const std::string& text);
    // Whether any node of the subtree has a node object.
    static bool HasObjects(xmlNodePtr node);
};

}  // namespace tlx
