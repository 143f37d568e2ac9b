// A transformation's output handed over as a document: the same tree, node for node, as loading the
// output text gives, whatever namespaces, white space, texts and comments the output holds.
#include "XmlTestSupport.h"

#include <libxml/tree.h>

#include <string>

#include "platform/xml/XmlNodeCore.h"

using namespace xmltest;

namespace {

void DumpText(std::string& out, const xmlChar* text) {
    out += text ? "'" + std::string(reinterpret_cast<const char*>(text)) + "'" : std::string("(null)");
}

void DumpNamespace(std::string& out, xmlNodePtr element, xmlNsPtr ns) {
    if (!ns) return void(out += " ns=none");
    out += " ns=";
    DumpText(out, ns->prefix);
    out += "=";
    DumpText(out, ns->href);
    // Names point at the declaration nearest in scope, as a parse leaves them.
    if (xmlSearchNs(element->doc, element, ns->prefix) != ns) out += " (not the declaration in scope)";
}

// Every node with what a later step can see of it: kind, name, namespace, declarations, attributes and
// their text nodes, texts.
void Dump(std::string& out, xmlNodePtr node, int depth) {
    for (; node; node = node->next) {
        out += std::string(depth * 2, ' ') + std::to_string(node->type) + " ";
        DumpText(out, node->name);
        if (node->type == XML_ELEMENT_NODE) {
            DumpNamespace(out, node, node->ns);
            for (xmlNsPtr declared = node->nsDef; declared; declared = declared->next) {
                out += " xmlns:";
                DumpText(out, declared->prefix);
                out += "=";
                DumpText(out, declared->href);
            }
            for (xmlAttrPtr attribute = node->properties; attribute; attribute = attribute->next) {
                out += "\n" + std::string(depth * 2 + 2, ' ') + "@";
                DumpText(out, attribute->name);
                DumpNamespace(out, node, attribute->ns);
                for (xmlNodePtr text = attribute->children; text; text = text->next) {
                    out += " text:";
                    DumpText(out, text->content);
                }
            }
        } else {
            out += " ";
            DumpText(out, node->content);
        }
        out += "\n";
        if (node->type == XML_ELEMENT_NODE) Dump(out, node->children, depth + 1);
    }
}

std::string Tree(IXMLDOMDocument2* document) {
    xmlDocPtr doc = reinterpret_cast<xmlDocPtr>(tlx::XmlNodeCore::From(document)->Node());
    std::string out = "encoding=" + std::string(doc->encoding ? reinterpret_cast<const char*>(doc->encoding) : "") +
                      " standalone=" + std::to_string(doc->standalone) + "\n";
    Dump(out, doc->children, 0);
    return out;
}

// The output loaded from the text transformNode answers, its declaration naming UTF-8 as the
// document is saved.
ComPtr<IXMLDOMDocument2> LoadedFromText(IXMLDOMNode* source, IXMLDOMNode* style, VARIANT_BOOL& loaded) {
    Bstr output;
    EXPECT_EQ(source->transformNode(style, output.Out()), S_OK);
    std::u16string text = output.Str();
    if (auto at = text.find(u"encoding=\"UTF-16\""); at != std::u16string::npos && at < text.find(u"?>"))
        text.replace(at + 10, 6, u"UTF-8");
    auto document = NewDocument();
    EXPECT_EQ(SUCCEEDED(document->loadXML(Bstr(text).Get(), &loaded)), true);
    return document;
}

ComPtr<IXMLDOMDocument2> Stylesheet(std::u16string_view output, std::u16string_view body) {
    return Load(u"<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
                u"xmlns:p=\"urn:p\" xmlns:d=\"urn:d\" exclude-result-prefixes=\"d\">" +
                std::u16string(output) + u"<xsl:template match=\"/\">" + std::u16string(body) +
                u"</xsl:template></xsl:stylesheet>");
}

struct Case {
    const char* what;
    std::u16string_view output;
    std::u16string_view body;
};

constexpr Case kCases[] = {
    {"namespaces", u"",
     u"<R xmlns=\"urn:outer\" xmlns:q=\"urn:q\"><Z><W xmlns=\"urn:inner\"><N>1</N></W></Z>"
     u"<xsl:element name=\"E\" namespace=\"\"><F/></xsl:element><p:P p:a=\"1\" q:b=\"2\" c=\"3\"/>"
     u"<xsl:element name=\"q:G\" namespace=\"urn:other\"><xsl:attribute name=\"x:y\" namespace=\"urn:x\">v</xsl:attribute>"
     u"</xsl:element><xsl:copy-of select=\"/*\"/></R>"},
    {"white space and adjacent texts", u"",
     u"<R><A><xsl:text>  </xsl:text></A><B xml:space=\"preserve\"><xsl:text> </xsl:text><C/><xsl:text>&#9;</xsl:text></B>"
     u"<D><xsl:value-of select=\"'x'\"/><xsl:value-of select=\"''\"/><xsl:value-of select=\"'y'\"/>z</D>"
     u"<E><xsl:text> a </xsl:text><F/> </E><G>line&#10;break</G></R>"},
    {"comments, instructions and CDATA", u"<xsl:output cdata-section-elements=\"K\" standalone=\"yes\"/>",
     u"<xsl:comment> before </xsl:comment><xsl:processing-instruction name=\"pi\">data</xsl:processing-instruction>"
     u"<R><K>a &lt;b&gt; &amp; c</K><xsl:comment>in</xsl:comment><L>&lt;&amp;&gt;\"'</L></R><xsl:comment>after</xsl:comment>"},
    {"attribute values", u"",
     u"<R a=\"\" b=\"&#9;x&#10;y\" c=\"&quot;'&amp;&lt;\"><xsl:attribute name=\"d\"><xsl:value-of select=\"'1'\"/>"
     u"<xsl:value-of select=\"'2'\"/></xsl:attribute></R>"},
    {"text written unescaped", u"",
     u"<R><xsl:text disable-output-escaping=\"yes\">&lt;S&gt;inner&lt;/S&gt;</xsl:text></R>"},
    {"a carriage return", u"", u"<R a=\"x&#13;y\">1&#13;&#10;2</R>"},
    {"no declaration", u"<xsl:output omit-xml-declaration=\"yes\"/>", u"<R>1</R>"},
    {"two roots", u"", u"<R/><S/>"},
    {"text output", u"<xsl:output method=\"text\"/>", u"plain"},
};

}  // namespace

TEST(XmlTransformToObject, TheHandedOverDocumentIsTheTreeItsTextLoadsAs) {
    auto source = Load(u"<?xml version=\"1.0\"?><d:S xmlns:d=\"urn:d\" xmlns:m=\"urn:m\"><m:T u=\"1\"> t </m:T></d:S>");
    for (const Case& row : kCases) {
        SCOPED_TRACE(row.what);
        auto style = Stylesheet(row.output, row.body);
        VARIANT_BOOL loaded = VARIANT_FALSE;
        auto expected = LoadedFromText(source.Get(), style.Get(), loaded);
        auto handed = NewDocument();
        HRESULT hr = source->transformNodeToObject(style.Get(), tlx::Variant::FromDispatch(handed.Get()));
        ASSERT_EQ(hr, loaded == VARIANT_TRUE ? S_OK : S_FALSE);
        if (loaded != VARIANT_TRUE) {
            ComPtr<IXMLDOMParseError> want, got;
            LONG wantCode = 0, gotCode = 0;
            ASSERT_EQ(expected->get_parseError(want.Out()), S_OK);
            ASSERT_EQ(handed->get_parseError(got.Out()), S_OK);
            want->get_errorCode(&wantCode);
            got->get_errorCode(&gotCode);
            EXPECT_EQ(gotCode, wantCode);
            continue;
        }
        EXPECT_EQ(Tree(handed.Get()), Tree(expected.Get()));
        EXPECT_EQ(Xml(handed.Get()), Xml(expected.Get()));
    }
}

TEST(XmlTransformToObject, ADocumentTransformedIntoItselfHoldsTheOutput) {
    auto document = Load(u"<a><b>1</b></a>");
    auto style = Stylesheet(u"", u"<R><xsl:value-of select=\"a/b\"/></R>");
    ASSERT_EQ(document->transformNodeToObject(style.Get(), tlx::Variant::FromDispatch(document.Get())), S_OK);
    EXPECT_EQ(Xml(document.Get()), u"<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<R xmlns:p=\"urn:p\">1</R>\r\n");
    EXPECT_EQ(Text(Select(document.Get(), u"/R").Get()), u"1");
    EXPECT_EQ(document->transformNodeToObject(style.Get(), tlx::Variant::FromString(u"not a document")), E_INVALIDARG);
}
