// The dispatch tables of the DOM interfaces. An interface's table holds the members of the interfaces it
// extends as well, under the same names and identifiers.
#include "platform/com/Dispatch.h"
#include "platform/xml/XmlDom.h"

namespace {

// Identifiers of our own; scripts reach the members by name.
enum : DISPID {
    kNodeName = 1,
    kNodeType,
    kChildNodes,
    kFirstChild,
    kNextSibling,
    kInsertBefore,
    kRemoveChild,
    kAppendChild,
    kCloneNode,
    kText,
    kXml,
    kTransformNode,
    kSelectNodes,
    kSelectSingleNode,
    kTransformNodeToObject,
    kGetAttribute = 40,
    kSetAttribute,
    kGetElementsByTagName,
    kDocumentElement = 60,
    kCreateElement,
    kCreateTextNode,
    kCreateProcessingInstruction,
    kCreateNode,
    kLoad,
    kParseError,
    kAsync,
    kLoadXml,
    kSave,
    kSetProperty = 80,
    kGetProperty,
    kValidateWithSchema,
    kLength = 1,
    kNextNode,
    kReset,
    kErrorCode = 1,
    kUrl,
    kReason,
    kLine,
    kLinePosition,
};

}  // namespace

// The members of IXMLDOMNode, for the tables of the node interfaces.
#define TLX_XML_NODE_ENTRIES                                                                        \
    tlx::DispGet<&IXMLDOMNode::get_nodeName>(u"nodeName", kNodeName),                               \
        tlx::DispGet<&IXMLDOMNode::get_nodeType>(u"nodeType", kNodeType),                           \
        tlx::DispGet<&IXMLDOMNode::get_childNodes>(u"childNodes", kChildNodes),                     \
        tlx::DispGet<&IXMLDOMNode::get_firstChild>(u"firstChild", kFirstChild),                     \
        tlx::DispGet<&IXMLDOMNode::get_nextSibling>(u"nextSibling", kNextSibling),                  \
        tlx::DispMethod<&IXMLDOMNode::insertBefore>(u"insertBefore", kInsertBefore),                \
        tlx::DispMethod<&IXMLDOMNode::removeChild>(u"removeChild", kRemoveChild),                   \
        tlx::DispMethod<&IXMLDOMNode::appendChild>(u"appendChild", kAppendChild),                   \
        tlx::DispMethod<&IXMLDOMNode::cloneNode>(u"cloneNode", kCloneNode),                         \
        tlx::DispGet<&IXMLDOMNode::get_text>(u"text", kText),                                       \
        tlx::DispPut<&IXMLDOMNode::put_text>(u"text", kText),                                       \
        tlx::DispGet<&IXMLDOMNode::get_xml>(u"xml", kXml),                                          \
        tlx::DispMethod<&IXMLDOMNode::transformNode>(u"transformNode", kTransformNode),             \
        tlx::DispMethod<&IXMLDOMNode::selectNodes>(u"selectNodes", kSelectNodes),                   \
        tlx::DispMethod<&IXMLDOMNode::selectSingleNode>(u"selectSingleNode", kSelectSingleNode),    \
        tlx::DispMethod<&IXMLDOMNode::transformNodeToObject>(u"transformNodeToObject", kTransformNodeToObject)

#define TLX_XML_DOCUMENT_ENTRIES                                                                                 \
    tlx::DispGet<&IXMLDOMDocument::get_documentElement>(u"documentElement", kDocumentElement),                   \
        tlx::DispMethod<&IXMLDOMDocument::createElement>(u"createElement", kCreateElement),                      \
        tlx::DispMethod<&IXMLDOMDocument::createTextNode>(u"createTextNode", kCreateTextNode),                   \
        tlx::DispMethod<&IXMLDOMDocument::createProcessingInstruction>(u"createProcessingInstruction",           \
                                                                       kCreateProcessingInstruction),            \
        tlx::DispMethod<&IXMLDOMDocument::getElementsByTagName>(u"getElementsByTagName", kGetElementsByTagName), \
        tlx::DispMethod<&IXMLDOMDocument::createNode>(u"createNode", kCreateNode),                               \
        tlx::DispMethod<&IXMLDOMDocument::load>(u"load", kLoad),                                                 \
        tlx::DispGet<&IXMLDOMDocument::get_parseError>(u"parseError", kParseError),                              \
        tlx::DispGet<&IXMLDOMDocument::get_async>(u"async", kAsync),                                             \
        tlx::DispPut<&IXMLDOMDocument::put_async>(u"async", kAsync),                                             \
        tlx::DispMethod<&IXMLDOMDocument::loadXML>(u"loadXML", kLoadXml),                                        \
        tlx::DispMethod<&IXMLDOMDocument::save>(u"save", kSave)

const tlx::DispatchTable& DispatchTableOf(IXMLDOMNode*) {
    static const tlx::DispatchTable table{TLX_XML_NODE_ENTRIES};
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IXMLDOMElement*) {
    static const tlx::DispatchTable table{
        TLX_XML_NODE_ENTRIES,
        tlx::DispMethod<&IXMLDOMElement::getAttribute>(u"getAttribute", kGetAttribute),
        tlx::DispMethod<&IXMLDOMElement::setAttribute>(u"setAttribute", kSetAttribute),
        tlx::DispMethod<&IXMLDOMElement::getElementsByTagName>(u"getElementsByTagName", kGetElementsByTagName),
    };
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IXMLDOMDocument*) {
    static const tlx::DispatchTable table{TLX_XML_NODE_ENTRIES, TLX_XML_DOCUMENT_ENTRIES};
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IXMLDOMDocument2*) {
    static const tlx::DispatchTable table{
        TLX_XML_NODE_ENTRIES,
        TLX_XML_DOCUMENT_ENTRIES,
        tlx::DispMethod<&IXMLDOMDocument2::setProperty>(u"setProperty", kSetProperty),
        tlx::DispMethod<&IXMLDOMDocument2::getProperty>(u"getProperty", kGetProperty),
        tlx::DispMethod<&IXMLDOMDocument2::validateWithSchema>(u"validateWithSchema", kValidateWithSchema),
    };
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IXMLDOMNodeList*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IXMLDOMNodeList::get_item>(u"item", DISPID_VALUE),
        tlx::DispGet<&IXMLDOMNodeList::get_length>(u"length", kLength),
        tlx::DispMethod<&IXMLDOMNodeList::nextNode>(u"nextNode", kNextNode),
        tlx::DispMethod<&IXMLDOMNodeList::reset>(u"reset", kReset),
        tlx::DispGet<&IXMLDOMNodeList::get__NewEnum>(u"_NewEnum", DISPID_NEWENUM),
    };
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IXMLDOMParseError*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IXMLDOMParseError::get_errorCode>(u"errorCode", kErrorCode),
        tlx::DispGet<&IXMLDOMParseError::get_url>(u"url", kUrl),
        tlx::DispGet<&IXMLDOMParseError::get_reason>(u"reason", kReason),
        tlx::DispGet<&IXMLDOMParseError::get_line>(u"line", kLine),
        tlx::DispGet<&IXMLDOMParseError::get_linepos>(u"linepos", kLinePosition),
    };
    return table;
}
