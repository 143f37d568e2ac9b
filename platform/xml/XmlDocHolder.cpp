#include "platform/xml/XmlDocHolder.h"

namespace tlx {

XmlDocHolder::XmlDocHolder(xmlDocPtr doc, std::shared_ptr<XmlSelectionSettings> settings)
    : doc_(doc), settings_(std::move(settings)) {
    doc_->_private = this;
}

std::shared_ptr<XmlDocHolder> XmlDocHolder::Adopt(xmlDocPtr doc, std::shared_ptr<XmlSelectionSettings> settings) {
    if (!doc) doc = xmlNewDoc(BAD_CAST "1.0");
    if (!doc) throw std::bad_alloc();
    if (!settings) settings = std::make_shared<XmlSelectionSettings>();
    return std::shared_ptr<XmlDocHolder>(new XmlDocHolder(doc, std::move(settings)));
}

std::shared_ptr<XmlDocHolder> XmlDocHolder::Of(xmlNodePtr node) {
    if (!node || !node->doc || !node->doc->_private) return nullptr;
    return static_cast<XmlDocHolder*>(node->doc->_private)->shared_from_this();
}

XmlDocHolder::~XmlDocHolder() {
    for (xmlNodePtr node : orphans_) xmlFreeNode(node);
    doc_->_private = nullptr;
    xmlFreeDoc(doc_);
}

}  // namespace tlx
