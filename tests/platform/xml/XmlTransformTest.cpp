// XSL transformations and XML Schema validation.
#include "XmlTestSupport.h"

#include <fstream>

#include "platform/com/ErrorInfo.h"
#include "platform/xml/XsltTransform.h"

using namespace xmltest;

namespace {

constexpr char16_t kModuleDocument[] =
    u"<?xml version=\"1.0\" encoding=\"utf-8\"?>"
    u"<Deklaracja xmlns=\"urn:tlx:deklaracja\"><Schemat xmlns=\"\"><Typ>1</Typ>"
    u"<P_10>1234,5</P_10><P_11>-7</P_11><Uwagi>x</Uwagi></Schemat></Deklaracja>";

ComPtr<IXMLDOMDocument2> LoadFile(const std::string& path) {
    auto doc = NewDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    EXPECT_EQ(doc->load(tlx::Variant::FromString(tlx::Utf8ToUtf16(path)), &ok), S_OK) << path;
    return doc;
}

ComPtr<IXMLDOMDocument2> Stylesheet(std::u16string_view body) {
    return Load(u"<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">" +
                std::u16string(body) + u"</xsl:stylesheet>");
}

std::u16string Transform(IXMLDOMNode* source, IXMLDOMNode* style, HRESULT expected = S_OK) {
    Bstr output;
    EXPECT_EQ(source->transformNode(style, output.Out()), expected);
    return output.Str();
}

}  // namespace

TEST(XmlTransform, StylesheetWithParametersAndExsltMakesTheFilingDocument) {
    auto source = Load(kModuleDocument);
    auto style = LoadFile(SourceFile("tests/platform/xml/Declaration.xsl"));
    std::u16string output;
    ASSERT_EQ(tlx::XsltTransform::Apply(source.Get(), style.Get(), {{u"okres", u"2017-01"}, {u"kod", u"VAT-7 'K'"}},
                                        output),
              S_OK);
    EXPECT_EQ(output,
              u"<?xml version=\"1.0\" encoding=\"UTF-16\"?>\r\n"
              u"<Deklaracja xmlns=\"urn:tlx:test:form\"><Naglowek><KodFormularza>VAT-7 'K'</KodFormularza>"
              u"<Okres>2017-01</Okres></Naglowek><PozycjeSzczegolowe><P_10>1234.5</P_10><P_11>-7</P_11>"
              u"</PozycjeSzczegolowe><Pouczenie xmlns=\"\">Za uchybienie – odpowiedzialność</Pouczenie></Deklaracja>");

    Bstr plain;
    ASSERT_EQ(source->transformNode(style.Get(), plain.Out()), S_OK);
    EXPECT_NE(plain.Str().find(u"<Okres>brak</Okres>"), std::u16string::npos) << "parameters keep their defaults";

    // The module reloads the output into the document it transformed.
    VARIANT_BOOL ok = VARIANT_FALSE;
    ASSERT_EQ(source->loadXML(Bstr(output).Get(), &ok), S_OK);
    EXPECT_EQ(Text(Select(source.Get(), u"/Deklaracja/PozycjeSzczegolowe/P_10").Get()), u"1234.5");
}

TEST(XmlTransform, OutputMethodsAndDeclaration) {
    auto source = Load(u"<a><b>1</b><b>2</b></a>");
    EXPECT_EQ(Transform(source.Get(), Stylesheet(u"<xsl:output method=\"text\"/>"
                                                 u"<xsl:template match=\"/\"><xsl:for-each select=\"//b\">"
                                                 u"<xsl:value-of select=\".\"/>;</xsl:for-each></xsl:template>")
                                          .Get()),
              u"1;2;");
    EXPECT_EQ(Transform(source.Get(), Stylesheet(u"<xsl:output omit-xml-declaration=\"yes\"/>"
                                                 u"<xsl:template match=\"/\"><c n=\"{count(//b)}\"/></xsl:template>")
                                          .Get()),
              u"<c n=\"2\"/>");
    auto b = Select(source.Get(), u"/a/b[2]");
    EXPECT_EQ(Transform(b.Get(), Stylesheet(u"<xsl:output omit-xml-declaration=\"yes\"/>"
                                            u"<xsl:template match=\"/\"><xsl:copy-of select=\"*\"/></xsl:template>")
                                     .Get()),
              u"<b>2</b>")
        << "a node is transformed as a document of its own";
    EXPECT_EQ(Xml(source.Get()), u"<a><b>1</b><b>2</b></a>\r\n") << "the source is untouched";
}

TEST(XmlTransform, FailingStylesheetsReportTheirMessage) {
    auto source = Load(u"<a/>");
    Transform(source.Get(),
              Stylesheet(u"<xsl:template match=\"/\"><xsl:message terminate=\"yes\">Brak pola KodUrzedu</xsl:message>"
                         u"</xsl:template>")
                  .Get(),
              E_FAIL);
    EXPECT_NE(tlx::TakeErrorDescription().find(u"Brak pola KodUrzedu"), std::u16string::npos);

    Transform(source.Get(), Stylesheet(u"<xsl:template match=\"/\"><xsl:value-of select=\"vb:Fn()\"/></xsl:template>").Get(),
              E_FAIL);
    EXPECT_FALSE(tlx::TakeErrorDescription().empty());

    Transform(source.Get(), Load(u"<notAStylesheet/>").Get(), E_FAIL);
    EXPECT_NE(tlx::TakeErrorDescription().find(u"stylesheet"), std::u16string::npos);
}

TEST(XmlTransform, StylesheetsCannotWriteFiles) {
    TempFolder folder;
    std::u16string target = tlx::Utf8ToUtf16(folder.File("written.xml"));
    auto source = Load(u"<a/>");
    auto style = Load(u"<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" "
                      u"xmlns:exsl=\"http://exslt.org/common\" extension-element-prefixes=\"exsl\">"
                      u"<xsl:template match=\"/\"><exsl:document href=\"" + target +
                      u"\"><x/></exsl:document></xsl:template></xsl:stylesheet>");
    Transform(source.Get(), style.Get(), E_FAIL);
    tlx::TakeErrorDescription();
    EXPECT_FALSE(std::filesystem::exists(tlx::Utf16ToUtf8(target)));
}

TEST(XmlSchema, ValidAndInvalidDocuments) {
    const std::u16string schema = tlx::Utf8ToUtf16(SourceFile("tests/platform/xml/Receipt.xsd"));
    auto valid = Load(u"<Receipt xmlns=\"urn:tlx:test:receipt\" version=\"6-0\"><Reference>3be2b254</Reference>"
                      u"<Nip>1111111111</Nip><Amount>12.50</Amount></Receipt>");
    Bstr errors;
    EXPECT_EQ(valid->validateWithSchema(tlx::Variant::FromString(schema), errors.Out()), S_OK);
    EXPECT_EQ(errors.Str(), u"");

    auto invalid = Load(u"<Receipt xmlns=\"urn:tlx:test:receipt\" version=\"6-0\">\n<Reference>XYZ</Reference>\n"
                        u"<Amount>dużo</Amount></Receipt>");
    EXPECT_EQ(invalid->validateWithSchema(tlx::Variant::FromString(schema), errors.Out()), S_FALSE);
    std::u16string text = errors.Str();
    std::size_t split = text.find(u"\r\n");
    ASSERT_NE(split, std::u16string::npos) << "two errors, one per line";
    EXPECT_EQ(text.substr(0, 7), u"line 2:");
    EXPECT_NE(text.find(u"Reference"), std::u16string::npos);
    EXPECT_EQ(text.substr(split + 2, 7), u"line 3:");

    // The schema as a loaded document resolves its include next to its file.
    auto schemaDoc = LoadFile(tlx::Utf16ToUtf8(schema));
    EXPECT_EQ(valid->validateWithSchema(tlx::Variant::FromDispatch(schemaDoc.Get()), errors.Out()), S_OK);
    EXPECT_EQ(invalid->validateWithSchema(tlx::Variant::FromDispatch(schemaDoc.Get()), errors.Out()), S_FALSE);

    EXPECT_EQ(valid->validateWithSchema(tlx::Variant::FromString(u"/nonexistent/schema.xsd"), errors.Out()), E_FAIL);
    EXPECT_FALSE(tlx::TakeErrorDescription().empty());
}

TEST(XmlSchema, OfficialReceiptSampleAgainstItsSchema) {
    const std::string refs = "/work/shared/refs/edeklaracje/";
    const std::string schema = refs + "gateway/Potwierdzenie_v6-0.transcribed-from-spec-v2.4.xsd";
    const std::string sample = refs + "samples/UPO_v6-0_VAT-7_16.transcribed-from-spec-v2.4.xml";
    if (!std::filesystem::exists(schema) || !std::filesystem::exists(sample)) GTEST_SKIP() << "reference files absent";
    auto receipt = LoadFile(sample);
    Bstr errors;
    EXPECT_EQ(receipt->validateWithSchema(tlx::Variant::FromString(tlx::Utf8ToUtf16(schema)), errors.Out()), S_OK)
        << tlx::Utf16ToUtf8(errors.Str());

    auto nip = Select(receipt.Get(), u"/Potwierdzenie/NIP1");
    ASSERT_TRUE(nip);
    nip->put_text(Bstr(u"").Get());
    EXPECT_EQ(receipt->validateWithSchema(tlx::Variant::FromString(tlx::Utf8ToUtf16(schema)), errors.Out()), S_FALSE);
    EXPECT_NE(errors.Str().find(u"NIP1"), std::u16string::npos);
}

TEST(XmlTransform, ADefaultNamespaceRedeclaredInsideTheOutputKeepsItsUnprefixedNames) {
    auto source = Load(u"<a/>");
    auto style = Stylesheet(
        u"<xsl:template match=\"/\"><R xmlns=\"urn:outer\"><Z><W xmlns=\"urn:inner\"><N>1</N></W></Z></R>"
        u"</xsl:template>");
    std::u16string output = Transform(source.Get(), style.Get());
    EXPECT_NE(output.find(u"<R xmlns=\"urn:outer\"><Z><W xmlns=\"urn:inner\"><N>1</N></W></Z></R>"), std::u16string::npos)
        << tlx::Utf16ToUtf8(output);
    VARIANT_BOOL ok = VARIANT_FALSE;
    ASSERT_EQ(source->loadXML(Bstr(output).Get(), &ok), S_OK);
    EXPECT_EQ(Text(Select(source.Get(), u"/R/Z/W/N").Get()), u"1") << "found by names without a prefix";
    Bstr xml;
    ASSERT_EQ(source->get_xml(xml.Out()), S_OK);
    EXPECT_EQ(xml.Str().find(u"default:"), std::u16string::npos) << tlx::Utf16ToUtf8(xml.Str());
}

TEST(XmlTransform, AStylesheetChangedOrIncludingAChangedFileTransformsAsItNowReads) {
    auto source = Load(u"<a>1</a>");
    auto style = Stylesheet(u"<xsl:output method=\"text\"/><xsl:template match=\"/\">x<xsl:value-of select=\"a\"/></xsl:template>");
    EXPECT_EQ(Transform(source.Get(), style.Get()), u"x1");
    EXPECT_EQ(Transform(source.Get(), style.Get()), u"x1");
    auto text = Select(style.Get(), u"//*[local-name()='template']/text()");
    ASSERT_TRUE(text);
    text->put_text(Bstr(u"y").Get());
    EXPECT_EQ(Transform(source.Get(), style.Get()), u"y1") << "the changed stylesheet, not the one compiled before";

    TempFolder folder;
    auto writeIncluded = [&](std::string_view prefix) {
        std::ofstream(folder.File("included.xsl"))
            << "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
               "<xsl:template name=\"p\">" << prefix << "</xsl:template></xsl:stylesheet>";
    };
    writeIncluded("p");
    std::ofstream(folder.File("main.xsl"))
        << "<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\">"
           "<xsl:include href=\"included.xsl\"/><xsl:output method=\"text\"/>"
           "<xsl:template match=\"/\"><xsl:call-template name=\"p\"/><xsl:value-of select=\"a\"/></xsl:template>"
           "</xsl:stylesheet>";
    auto including = LoadFile(folder.File("main.xsl"));
    EXPECT_EQ(Transform(source.Get(), including.Get()), u"p1");
    writeIncluded("q");
    EXPECT_EQ(Transform(source.Get(), including.Get()), u"q1") << "the included file as it reads now";
}

TEST(XmlTransform, StylesheetsDifferingOnlyInAnAttributeOrANamespaceTransformEachAsItReads) {
    auto source = Load(u"<a xmlns=\"urn:one\"><b>1</b><c>2</c></a>");
    auto styleFor = [](std::u16string_view uri) {
        return Load(u"<xsl:stylesheet version=\"1.0\" xmlns:xsl=\"http://www.w3.org/1999/XSL/Transform\" xmlns:p=\"" +
                    std::u16string(uri) +
                    u"\"><xsl:output method=\"text\"/><xsl:template match=\"/\">[<xsl:value-of select=\"p:a/p:b\"/>]"
                    u"</xsl:template></xsl:stylesheet>");
    };
    auto one = styleFor(u"urn:one");
    auto two = styleFor(u"urn:two");
    EXPECT_EQ(Transform(source.Get(), one.Get()), u"[1]");
    EXPECT_EQ(Transform(source.Get(), two.Get()), u"[]") << "the prefix names another namespace";
    EXPECT_EQ(Transform(source.Get(), one.Get()), u"[1]");

    ComPtr<IXMLDOMNode> valueOf = Select(one.Get(), u"//*[local-name()='value-of']");
    ASSERT_TRUE(valueOf);
    ASSERT_EQ(AsElement(valueOf)->setAttribute(Bstr(u"select").Get(), tlx::Variant::FromString(u"p:a/p:c")), S_OK);
    EXPECT_EQ(Transform(source.Get(), one.Get()), u"[2]") << "the changed attribute, not the stylesheet compiled before";
}

// A stylesheet used once is told apart from what it was by what it reads now: content added after its end
// or taken away from it counts as much as a changed text.
TEST(XmlTransform, AStylesheetGrownOrShortenedAfterUseTransformsAsItNowReads) {
    auto source = Load(u"<a>1</a>");
    auto style = Stylesheet(u"<xsl:output method=\"text\"/><xsl:template match=\"/\">x</xsl:template>");
    EXPECT_EQ(Transform(source.Get(), style.Get()), u"x");
    auto templateNode = Select(style.Get(), u"//*[local-name()='template']");
    ASSERT_TRUE(templateNode);
    ComPtr<IXMLDOMNode> valueOf, appended, removed;
    ASSERT_EQ(style->createNode(tlx::Variant::FromLong(NODE_ELEMENT), Bstr(u"xsl:value-of").Get(),
                                Bstr(u"http://www.w3.org/1999/XSL/Transform").Get(), valueOf.Out()),
              S_OK);
    ASSERT_EQ(AsElement(valueOf)->setAttribute(Bstr(u"select").Get(), tlx::Variant::FromString(u"a")), S_OK);
    ASSERT_EQ(templateNode->appendChild(valueOf.Get(), appended.Out()), S_OK);
    EXPECT_EQ(Transform(source.Get(), style.Get()), u"x1") << "the element added at the end";
    ASSERT_EQ(templateNode->removeChild(appended.Get(), removed.Out()), S_OK);
    EXPECT_EQ(Transform(source.Get(), style.Get()), u"x") << "the element taken away again";
}
