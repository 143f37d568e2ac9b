// Serialisation of nodes and documents as XML text. Namespace declarations are written where the
// reader needs them: an element in no namespace under a parent with a default namespace gets xmlns="",
// and a declaration repeating one in scope is left out. The top-level nodes of a document are each
// followed by CR LF. The tree itself is not changed: the writer works on a copy.
#pragma once

#include <libxml/tree.h>

#include <string>

namespace tlx {

class XmlWriter {
public:
    // The node as UTF-8 text.
    static std::string ToUtf8(xmlNodePtr node);
    // The document's bytes in `encoding` (a name libxml2 knows); characters the encoding lacks are
    // written as character references.
    static std::string DocumentBytes(xmlDocPtr doc, const std::string& encoding);
    // The encoding named by the document's XML declaration, empty when there is none.
    static std::string DeclaredEncoding(xmlDocPtr doc);
    // Gives elements in no namespace under a default namespace their xmlns="" and drops repeated
    // declarations, in the subtree of `element`.
    static void NormaliseNamespaces(xmlNodePtr element);
    // Makes every namespace that the copied subtree of `root` uses resolvable within the copy. A tree
    // whose namespaces all resolve already is left as it is, so a default namespace redeclared on a
    // descendant keeps its declaration instead of being moved to a generated prefix.
    static void ReconcileNamespaces(xmlDocPtr doc, xmlNodePtr root);
};

}  // namespace tlx
