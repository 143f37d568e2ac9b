// The XML DOM interfaces of the platform: documents, nodes, node lists and parse errors, as the module's
// form definitions and e-declaration documents use them. Implemented over libxml2 and libxslt; text
// crosses the interfaces as UTF-16 BSTR.
//
// Selections (selectNodes, selectSingleNode) are XPath 1.0. A name test without a prefix matches an
// element written without a prefix, whether that element is in no namespace or in a default namespace
// ("/Deklaracja/PozycjeSzczegolowe" finds the elements whatever default namespace a stylesheet gave the
// document); a prefixed name test matches by namespace, its prefix bound through the
// "SelectionNamespaces" property. Node lists hold their nodes in document order.
#pragma once

#include "platform/com/Variant.h"

enum DOMNodeType : LONG {
    NODE_INVALID = 0,
    NODE_ELEMENT = 1,
    NODE_ATTRIBUTE = 2,
    NODE_TEXT = 3,
    NODE_CDATA_SECTION = 4,
    NODE_ENTITY_REFERENCE = 5,
    NODE_ENTITY = 6,
    NODE_PROCESSING_INSTRUCTION = 7,
    NODE_COMMENT = 8,
    NODE_DOCUMENT = 9,
    NODE_DOCUMENT_TYPE = 10,
    NODE_DOCUMENT_FRAGMENT = 11,
    NODE_NOTATION = 12,
};

struct IXMLDOMNodeList;

struct IXMLDOMNode : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{0D182961-8071-4EC8-AE5C-18A6AAAD69F5}");
    using Base = IDispatch;
    // The element's or attribute's qualified name as written, a processing instruction's target, or
    // "#text", "#cdata-section", "#comment", "#document".
    virtual HRESULT get_nodeName(BSTR* name) = 0;
    virtual HRESULT get_nodeType(DOMNodeType* type) = 0;
    virtual HRESULT get_childNodes(IXMLDOMNodeList** children) = 0;
    // S_FALSE and null when there is none.
    virtual HRESULT get_firstChild(IXMLDOMNode** child) = 0;
    virtual HRESULT get_nextSibling(IXMLDOMNode** sibling) = 0;
    // Inserts (or moves, also from another document) `newChild` before `refChild` (a node, or null or
    // empty to append); answers the inserted node.
    virtual HRESULT insertBefore(IXMLDOMNode* newChild, VARIANT refChild, IXMLDOMNode** inserted) = 0;
    virtual HRESULT removeChild(IXMLDOMNode* child, IXMLDOMNode** removed) = 0;
    virtual HRESULT appendChild(IXMLDOMNode* newChild, IXMLDOMNode** appended) = 0;
    // A copy owned by the same document, not yet in its tree; `deep` copies the descendants too.
    virtual HRESULT cloneNode(VARIANT_BOOL deep, IXMLDOMNode** copy) = 0;
    // The text of the node and its descendants; put replaces an element's children by one text node.
    virtual HRESULT get_text(BSTR* text) = 0;
    virtual HRESULT put_text(BSTR text) = 0;
    // The node serialised as XML text.
    virtual HRESULT get_xml(BSTR* xml) = 0;
    // Applies an XSLT 1.0 stylesheet (with the EXSLT functions) to the node and answers the output text.
    virtual HRESULT transformNode(IXMLDOMNode* stylesheet, BSTR* output) = 0;
    virtual HRESULT selectNodes(BSTR query, IXMLDOMNodeList** nodes) = 0;
    // S_FALSE and null when nothing matches.
    virtual HRESULT selectSingleNode(BSTR query, IXMLDOMNode** node) = 0;
    // Applies the stylesheet as transformNode does and makes its output the content of `outputObject`, a
    // DOM document: the tree that loading the output text would give, its XML declaration naming UTF-8.
    // S_FALSE when the output is not a well-formed document (the document's parseError says why).
    virtual HRESULT transformNodeToObject(IXMLDOMNode* stylesheet, VARIANT outputObject) = 0;

protected:
    ~IXMLDOMNode() = default;
};

struct IXMLDOMNodeList : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{46F6ABB5-5694-4B5A-B69E-784739E03EBE}");
    using Base = IDispatch;
    // S_FALSE and null for an index outside the list.
    virtual HRESULT get_item(LONG index, IXMLDOMNode** node) = 0;
    virtual HRESULT get_length(LONG* length) = 0;
    // The list's own cursor: the next node, S_FALSE and null after the last.
    virtual HRESULT nextNode(IXMLDOMNode** node) = 0;
    virtual HRESULT reset() = 0;
    // An enumerator over the nodes (IEnumVARIANT), for for-each loops.
    virtual HRESULT get__NewEnum(IUnknown** enumerator) = 0;

protected:
    ~IXMLDOMNodeList() = default;
};

struct IXMLDOMElement : IXMLDOMNode {
    static constexpr IID kIid = tlx::MakeGuid(u"{A74DA339-4551-492B-863F-32E4B15A4919}");
    using Base = IXMLDOMNode;
    // The value as VT_BSTR; VT_NULL and S_FALSE when the element has no attribute of that name.
    virtual HRESULT getAttribute(BSTR name, VARIANT* value) = 0;
    // "xmlns" and "xmlns:p" declare namespaces; "p:name" takes the namespace bound to p.
    virtual HRESULT setAttribute(BSTR name, VARIANT value) = 0;
    // The descendant elements whose qualified name is `name` ("*" for all), in document order.
    virtual HRESULT getElementsByTagName(BSTR name, IXMLDOMNodeList** elements) = 0;

protected:
    ~IXMLDOMElement() = default;
};

struct IXMLDOMParseError : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{398FBEDC-37B9-4D19-B1A4-3D791170BDAC}");
    using Base = IDispatch;
    // 0 after a successful load.
    virtual HRESULT get_errorCode(LONG* code) = 0;
    virtual HRESULT get_url(BSTR* url) = 0;
    virtual HRESULT get_reason(BSTR* reason) = 0;
    virtual HRESULT get_line(LONG* line) = 0;
    virtual HRESULT get_linepos(LONG* position) = 0;

protected:
    ~IXMLDOMParseError() = default;
};

// The parse error code of a document with a text longer than the parser reads (or one the parser ran
// out of memory on): such a document is refused whole, never loaded cut short.
inline constexpr LONG XML_E_TEXT_TOO_LONG = static_cast<LONG>(0xC00CEFF2);

struct IXMLDOMDocument : IXMLDOMNode {
    static constexpr IID kIid = tlx::MakeGuid(u"{85A3DD60-8E69-4C44-A431-31862D3E6586}");
    using Base = IXMLDOMNode;
    // S_FALSE and null for an empty document.
    virtual HRESULT get_documentElement(IXMLDOMElement** element) = 0;
    virtual HRESULT createElement(BSTR tagName, IXMLDOMElement** element) = 0;
    virtual HRESULT createTextNode(BSTR data, IXMLDOMNode** node) = 0;
    // The target "xml" makes the XML declaration, written first when the document is serialised.
    virtual HRESULT createProcessingInstruction(BSTR target, BSTR data, IXMLDOMNode** node) = 0;
    virtual HRESULT getElementsByTagName(BSTR name, IXMLDOMNodeList** elements) = 0;
    // `type` is a DOMNodeType number (element, text, CDATA, processing instruction, comment); an element
    // name "p:name" binds p to `namespaceURI`, a name without prefix takes it as its default namespace.
    virtual HRESULT createNode(VARIANT type, BSTR name, BSTR namespaceURI, IXMLDOMNode** node) = 0;
    // Loads a file (path as VT_BSTR). VARIANT_FALSE and S_FALSE when it does not parse (see parseError).
    virtual HRESULT load(VARIANT source, VARIANT_BOOL* loaded) = 0;
    virtual HRESULT get_parseError(IXMLDOMParseError** error) = 0;
    // Loading is always synchronous; the flag is kept for callers that set it.
    virtual HRESULT get_async(VARIANT_BOOL* async) = 0;
    virtual HRESULT put_async(VARIANT_BOOL async) = 0;
    // Parses Unicode text; an encoding the text declares is not consulted. Malformed text leaves the
    // document empty and answers VARIANT_FALSE and S_FALSE with parseError filled.
    virtual HRESULT loadXML(BSTR xml, VARIANT_BOOL* loaded) = 0;
    // Writes the document to a file (path as VT_BSTR) in the encoding its XML declaration names (UTF-8
    // without one), through a temporary file renamed into place.
    virtual HRESULT save(VARIANT destination) = 0;

protected:
    ~IXMLDOMDocument() = default;
};

struct IXMLDOMDocument2 : IXMLDOMDocument {
    static constexpr IID kIid = tlx::MakeGuid(u"{840898E2-5598-42C6-B626-761CBB539B71}");
    using Base = IXMLDOMDocument;
    // "SelectionLanguage" ("XPath") and "SelectionNamespaces" ("xmlns:p='uri' xmlns:q='uri2'").
    virtual HRESULT setProperty(BSTR name, VARIANT value) = 0;
    virtual HRESULT getProperty(BSTR name, VARIANT* value) = 0;
    // Validates the document against an XML Schema: a file path (VT_BSTR) or a loaded schema document
    // (VT_DISPATCH). Answers the errors one per line, joined by CR LF; S_OK and the empty text when the
    // document is valid, S_FALSE with the errors when not.
    virtual HRESULT validateWithSchema(VARIANT schema, BSTR* errors) = 0;

protected:
    ~IXMLDOMDocument2() = default;
};

inline constexpr IID IID_IXMLDOMNode = IXMLDOMNode::kIid;
inline constexpr IID IID_IXMLDOMNodeList = IXMLDOMNodeList::kIid;
inline constexpr IID IID_IXMLDOMElement = IXMLDOMElement::kIid;
inline constexpr IID IID_IXMLDOMParseError = IXMLDOMParseError::kIid;
inline constexpr IID IID_IXMLDOMDocument = IXMLDOMDocument::kIid;
inline constexpr IID IID_IXMLDOMDocument2 = IXMLDOMDocument2::kIid;

// The dispatch tables of the interfaces: every object is reachable by name, as scripts use them.
namespace tlx {
class DispatchTable;
}
const tlx::DispatchTable& DispatchTableOf(IXMLDOMNode*);
const tlx::DispatchTable& DispatchTableOf(IXMLDOMNodeList*);
const tlx::DispatchTable& DispatchTableOf(IXMLDOMElement*);
const tlx::DispatchTable& DispatchTableOf(IXMLDOMParseError*);
const tlx::DispatchTable& DispatchTableOf(IXMLDOMDocument*);
const tlx::DispatchTable& DispatchTableOf(IXMLDOMDocument2*);

// The DOM document class, created with CoCreateInstance by this CLSID or by the ProgID below.
inline constexpr CLSID CLSID_DOMDocument = tlx::MakeGuid(u"{F6D90F11-9C73-11D3-B32E-00C04F990BB4}");
inline constexpr char16_t kDomDocumentProgId[] = u"TLX.DOMDocument";
