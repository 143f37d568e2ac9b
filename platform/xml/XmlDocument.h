// The DOM document class (CLSID_DOMDocument): loads and saves text and files, makes nodes, and holds the
// selection settings that survive reloads of its content.
#pragma once

#include <memory>

#include "platform/xml/XmlNodeImpl.h"
#include "platform/xml/XmlParser.h"

namespace tlx {

class CXmlDocument final : public XmlNodeImpl<CXmlDocument, IXMLDOMDocument2> {
public:
    CXmlDocument();
    ~CXmlDocument() override;

    HRESULT get_documentElement(IXMLDOMElement** element) override;
    HRESULT createElement(BSTR tagName, IXMLDOMElement** element) override;
    HRESULT createTextNode(BSTR data, IXMLDOMNode** node) override;
    HRESULT createProcessingInstruction(BSTR target, BSTR data, IXMLDOMNode** node) override;
    HRESULT getElementsByTagName(BSTR name, IXMLDOMNodeList** elements) override {
        return ElementsByTagName(name, elements);
    }
    HRESULT createNode(VARIANT type, BSTR name, BSTR namespaceURI, IXMLDOMNode** node) override;
    HRESULT load(VARIANT source, VARIANT_BOOL* loaded) override;
    HRESULT get_parseError(IXMLDOMParseError** error) override;
    HRESULT get_async(VARIANT_BOOL* async) override;
    HRESULT put_async(VARIANT_BOOL async) override;
    HRESULT loadXML(BSTR xml, VARIANT_BOOL* loaded) override;
    HRESULT save(VARIANT destination) override;

    HRESULT setProperty(BSTR name, VARIANT value) override;
    HRESULT getProperty(BSTR name, VARIANT* value) override;
    HRESULT validateWithSchema(VARIANT schema, BSTR* errors) override;

    // Shows a transformation's output as this document's content, as a load does: S_FALSE (with the
    // parse error kept) when it is not a well-formed document.
    HRESULT TakeTransformed(XmlParseOutcome outcome) { return TakeLoad(std::move(outcome), nullptr); }

private:
    explicit CXmlDocument(std::shared_ptr<XmlDocHolder> holder);
    xmlDocPtr Doc() const { return Holder()->Doc(); }
    // Shows the outcome of a load: its document, or an empty one when it failed.
    HRESULT TakeLoad(XmlParseOutcome outcome, VARIANT_BOOL* loaded);
    // A new node of this document, kept aside until it is inserted.
    HRESULT ReturnNew(xmlNodePtr node, IXMLDOMNode** out);
    HRESULT NewElement(const std::string& name, const std::string& namespaceUri, IXMLDOMNode** out);

    std::shared_ptr<XmlSelectionSettings> settings_;
    XmlParseOutcome lastLoad_;
    VARIANT_BOOL async_ = VARIANT_TRUE;
};

}  // namespace tlx
