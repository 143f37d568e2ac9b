// Owner of one libxml2 document and of the nodes it made that are not (or no longer) in its tree. Node
// objects keep the holder of their node's document alive, so a node outlives a reload of its document
// and nodes taken out of a tree stay valid as long as someone holds them.
#pragma once

#include <libxml/tree.h>

#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

struct IXMLDOMNode;

namespace tlx {

// Selection settings of a document object; they survive reloads of its content.
struct XmlSelectionSettings {
    std::u16string namespacesText;                            // as given to "SelectionNamespaces"
    std::vector<std::pair<std::string, std::string>> namespaces;  // prefix, URI (UTF-8)
};

class XmlDocHolder : public std::enable_shared_from_this<XmlDocHolder> {
public:
    // Takes ownership of `doc` (a fresh empty document when null).
    static std::shared_ptr<XmlDocHolder> Adopt(xmlDocPtr doc, std::shared_ptr<XmlSelectionSettings> settings);
    // The holder of the document that owns `node`.
    static std::shared_ptr<XmlDocHolder> Of(xmlNodePtr node);

    XmlDocHolder(const XmlDocHolder&) = delete;
    XmlDocHolder& operator=(const XmlDocHolder&) = delete;
    ~XmlDocHolder();

    xmlDocPtr Doc() const { return doc_; }
    XmlSelectionSettings& Settings() { return *settings_; }
    const std::shared_ptr<XmlSelectionSettings>& SharedSettings() const { return settings_; }

    // Nodes of this document outside its tree; freed with the document.
    void AddOrphan(xmlNodePtr node) { orphans_.insert(node); }
    void RemoveOrphan(xmlNodePtr node) { orphans_.erase(node); }
    bool IsOrphan(xmlNodePtr node) const { return orphans_.count(node) != 0; }

    // The document object currently showing this content (not counted), for selections of "/".
    IXMLDOMNode* DocumentObject() const { return documentObject_; }
    void SetDocumentObject(IXMLDOMNode* object) { documentObject_ = object; }

private:
    XmlDocHolder(xmlDocPtr doc, std::shared_ptr<XmlSelectionSettings> settings);

    xmlDocPtr doc_;
    std::shared_ptr<XmlSelectionSettings> settings_;
    std::set<xmlNodePtr> orphans_;
    IXMLDOMNode* documentObject_ = nullptr;
};

}  // namespace tlx
