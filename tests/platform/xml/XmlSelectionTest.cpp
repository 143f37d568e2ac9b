// Selections as the form-definition loader and the e-declaration builders make them.
#include "XmlTestSupport.h"

#include "platform/com/ErrorInfo.h"

#include <unistd.h>

using namespace xmltest;

namespace {

// A form definition as the loader receives it: already Unicode, although it declares windows-1250.
constexpr char16_t kDefinition[] =
    u"<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n"
    u"<deklaracja>\r\n"
    u"  <parametry onload=\"OnLoad()\" formapłatności=\"get_Forma()\" autonumeracja=\"true\">\r\n"
    u"    <opis>Deklaracja VAT-7 (17) – zażółć gęślą jaźń</opis>\r\n"
    u"    <typ>1</typ>\r\n"
    u"    <wersja>17</wersja>\r\n"
    u"    <symbol>VAT7</symbol>\r\n"
    u"    <DataObowiazywaniaOd>201701</DataObowiazywaniaOd>\r\n"
    u"  </parametry>\r\n"
    u"  <pola>\r\n"
    u"    <Kwota><parametry typ=\"c\" lp=\"10\" opis=\"Kwota należna\"/></Kwota>\r\n"
    u"    <!-- a comment between fields -->\r\n"
    u"    <Nazwa><opis>bez znaczenia</opis><parametry typ=\"t\" lp=\"11\"/></Nazwa>\r\n"
    u"  </pola>\r\n"
    u"  <pola src=\"ZUS\">ignored</pola>\r\n"
    u"  <script src=\"KsiCommon\"/>\r\n"
    u"  <script><![CDATA[function f() { return a < b && c; }]]></script>\r\n"
    u"</deklaracja>\r\n";

}  // namespace

TEST(XmlSelection, LoaderPathsFindParametersAndTheirChildren) {
    auto doc = Load(kDefinition);
    auto parametry = Select(doc.Get(), u"/deklaracja/parametry");
    ASSERT_TRUE(parametry);
    EXPECT_EQ(Text(Select(parametry.Get(), u"typ").Get()), u"1");
    EXPECT_EQ(Text(Select(parametry.Get(), u"wersja").Get()), u"17");
    EXPECT_EQ(Text(Select(parametry.Get(), u"symbol").Get()), u"VAT7");
    EXPECT_EQ(Text(Select(parametry.Get(), u"DataObowiazywaniaOd").Get()), u"201701");
    EXPECT_EQ(Text(Select(parametry.Get(), u"opis").Get()), u"Deklaracja VAT-7 (17) – zażółć gęślą jaźń")
        << "Polish letters survive although the text declares windows-1250";

    ComPtr<IXMLDOMNode> missing;
    EXPECT_EQ(parametry->selectSingleNode(Bstr(u"DataObowiazywaniaDo").Get(), missing.Out()), S_FALSE);
    EXPECT_FALSE(missing);
    EXPECT_EQ(doc->selectSingleNode(Bstr(u"/deklaracja/Parametry").Get(), missing.Out()), S_FALSE)
        << "names match with their letter case";
}

TEST(XmlSelection, AttributesReadAsTextOrNull) {
    auto doc = Load(kDefinition);
    auto parametry = AsElement(Select(doc.Get(), u"/deklaracja/parametry"));
    ASSERT_TRUE(parametry);
    tlx::Variant value;
    EXPECT_EQ(parametry->getAttribute(Bstr(u"formapłatności").Get(), value.Out()), S_OK);
    ASSERT_EQ(value.vt, VT_BSTR);
    EXPECT_EQ(std::u16string(value.bstrVal), u"get_Forma()");
    EXPECT_EQ(parametry->getAttribute(Bstr(u"oncalculate").Get(), value.Out()), S_FALSE);
    EXPECT_EQ(value.vt, VT_NULL) << "an absent attribute reads as null";
    EXPECT_EQ(parametry->getAttribute(Bstr(u"OnLoad").Get(), value.Out()), S_FALSE) << "attribute names are exact";
}

TEST(XmlSelection, FieldBlocksAndChildrenComeInDocumentOrder) {
    auto doc = Load(kDefinition);
    auto blocks = SelectAll(doc.Get(), u"/deklaracja/pola");
    EXPECT_EQ(Names(blocks.Get()), u"pola pola");
    ComPtr<IXMLDOMNode> inline_;
    ASSERT_EQ(blocks->get_item(0, inline_.Out()), S_OK);
    auto fields = SelectAll(inline_.Get(), u"*");
    EXPECT_EQ(Names(fields.Get()), u"Kwota Nazwa") << "element children only: no comment, no blank text";

    ComPtr<IXMLDOMNode> field;
    ASSERT_EQ(fields->nextNode(field.Out()), S_OK);
    auto parametry = AsElement(Select(field.Get(), u"parametry"));
    tlx::Variant lp;
    parametry->getAttribute(Bstr(u"lp").Get(), lp.Out());
    EXPECT_EQ(std::u16string(lp.bstrVal), u"10");
    ASSERT_EQ(fields->nextNode(field.Out()), S_OK);
    EXPECT_EQ(Name(field.Get()), u"Nazwa");
    EXPECT_EQ(fields->nextNode(field.Out()), S_FALSE);
    EXPECT_EQ(fields->reset(), S_OK);
    ASSERT_EQ(fields->nextNode(field.Out()), S_OK);
    EXPECT_EQ(Name(field.Get()), u"Kwota");
}

TEST(XmlSelection, FieldSetRootAndScriptsAreFound) {
    auto set = Load(u"<pola><A><parametry/></A><B><parametry/></B><C/></pola>");
    EXPECT_EQ(Names(SelectAll(set.Get(), u"/pola/*").Get()), u"A B C");

    auto doc = Load(kDefinition);
    auto scripts = SelectAll(doc.Get(), u"/deklaracja/script");
    LONG count = 0;
    scripts->get_length(&count);
    ASSERT_EQ(count, 2);
    ComPtr<IXMLDOMNode> inlineScript;
    scripts->get_item(1, inlineScript.Out());
    EXPECT_EQ(Text(inlineScript.Get()), u"function f() { return a < b && c; }") << "CDATA content is text";
}

TEST(XmlSelection, NodeNamesTypesAndWalks) {
    auto doc = Load(kDefinition);
    ComPtr<IXMLDOMNode> first;
    ASSERT_EQ(doc->get_firstChild(first.Out()), S_OK);
    DOMNodeType type = NODE_INVALID;
    first->get_nodeType(&type);
    EXPECT_EQ(type, NODE_PROCESSING_INSTRUCTION) << "the XML declaration is the first child";
    EXPECT_EQ(Name(first.Get()), u"xml");
    ComPtr<IXMLDOMNode> root;
    ASSERT_EQ(first->get_nextSibling(root.Out()), S_OK);
    EXPECT_EQ(Name(root.Get()), u"deklaracja");
    ComPtr<IXMLDOMElement> element;
    ASSERT_EQ(doc->get_documentElement(element.Out()), S_OK);
    EXPECT_EQ(ComPtr<IXMLDOMNode>(element.Get()).Get(), root.Get()) << "one node, one object";

    ComPtr<IXMLDOMNode> child;
    ASSERT_EQ(root->get_firstChild(child.Out()), S_OK);
    std::u16string walk;
    while (child) {
        walk += Name(child.Get()) + u" ";
        ComPtr<IXMLDOMNode> next;
        child->get_nextSibling(next.Out());
        child = next;
    }
    EXPECT_EQ(walk, u"parametry pola pola script script ");
}

TEST(XmlSelection, UnprefixedNamesMatchElementsInADefaultNamespace) {
    auto doc = Load(
        u"<Deklaracja xmlns=\"http://crd.gov.pl/wzor/2016/08/05/3412/\" xmlns:etd=\"http://e\">"
        u"<Naglowek><KodFormularza>VAT-7</KodFormularza></Naglowek>"
        u"<PozycjeSzczegolowe><P_10>5</P_10><P_11>7</P_11></PozycjeSzczegolowe>"
        u"<etd:Podmiot><etd:NIP>123</etd:NIP></etd:Podmiot>"
        u"<Pouczenie xmlns=\"\">x</Pouczenie></Deklaracja>");
    EXPECT_EQ(Text(Select(doc.Get(), u"/Deklaracja/PozycjeSzczegolowe/P_11").Get()), u"7");
    EXPECT_EQ(Names(SelectAll(doc.Get(), u"//PozycjeSzczegolowe/*").Get()), u"P_10 P_11");
    EXPECT_EQ(Names(SelectAll(doc.Get(), u"//Pouczenie | /Deklaracja/*[2]/P_10").Get()), u"P_10 Pouczenie")
        << "document order, whatever the order of the union";
    EXPECT_EQ(Names(SelectAll(doc.Get(), u"/Deklaracja/PozycjeSzczegolowe/*[. * 2 > 12 and position() div 2 = 1]").Get()),
              u"P_11")
        << "operators keep their meaning next to widened names";
    EXPECT_EQ(Names(SelectAll(doc.Get(), u"/Deklaracja/child::PozycjeSzczegolowe/P_10/parent::*/P_11").Get()), u"P_11");

    ComPtr<IXMLDOMNode> none;
    EXPECT_EQ(doc->selectSingleNode(Bstr(u"/Deklaracja/Podmiot").Get(), none.Out()), S_FALSE)
        << "an element written with a prefix is not found by its bare name";
}

TEST(XmlSelection, PrefixesResolveThroughSelectionNamespaces) {
    auto doc = Load(
        u"<Potwierdzenie xmlns:ds=\"http://www.w3.org/2000/09/xmldsig#\">"
        u"<NIP1>1111111111</NIP1>"
        u"<ds:Signature><ds:Object><xades:QualifyingProperties xmlns:xades=\"http://uri.etsi.org/01903/v1.3.2#\">"
        u"<xades:SigningTime>2018-07-02T08:01:21Z</xades:SigningTime>"
        u"</xades:QualifyingProperties></ds:Object></ds:Signature></Potwierdzenie>");
    EXPECT_EQ(doc->setProperty(Bstr(u"SelectionNamespaces").Get(),
                               tlx::Variant::FromString(u"xmlns:ds='http://www.w3.org/2000/09/xmldsig#' "
                                                        u"xmlns:x='http://uri.etsi.org/01903/v1.3.2#'")),
              S_OK);
    EXPECT_EQ(Text(Select(doc.Get(), u"//x:SigningTime").Get()), u"2018-07-02T08:01:21Z")
        << "the prefix of the query, not the document's, names the namespace";
    EXPECT_TRUE(Select(doc.Get(), u"/Potwierdzenie/ds:Signature/ds:Object"));

    tlx::Variant value;
    EXPECT_EQ(doc->getProperty(Bstr(u"SelectionNamespaces").Get(), value.Out()), S_OK);
    EXPECT_EQ(std::u16string(value.bstrVal).substr(0, 9), u"xmlns:ds=");

    ComPtr<IXMLDOMNodeList> list;
    EXPECT_EQ(doc->selectNodes(Bstr(u"//y:SigningTime").Get(), list.Out()), E_FAIL) << "an unbound prefix";
    EXPECT_EQ(doc->setProperty(Bstr(u"SelectionNamespaces").Get(), tlx::Variant::FromString(u"xmlns:x=unquoted")),
              E_INVALIDARG);
    EXPECT_EQ(doc->setProperty(Bstr(u"SelectionLanguage").Get(), tlx::Variant::FromString(u"XSLPattern")),
              E_INVALIDARG);
}

TEST(XmlSelection, ElementsByTagNameMatchTheWrittenName) {
    auto doc = Load(
        u"<a xmlns=\"urn:d\" xmlns:p=\"urn:p\"><KodFormularza>PIT-36</KodFormularza>"
        u"<b><KodFormularza>second</KodFormularza><p:KodFormularza>prefixed</p:KodFormularza></b></a>");
    ComPtr<IXMLDOMNodeList> list;
    ASSERT_EQ(doc->getElementsByTagName(Bstr(u"KodFormularza").Get(), list.Out()), S_OK);
    LONG length = 0;
    list->get_length(&length);
    EXPECT_EQ(length, 2);
    ComPtr<IXMLDOMNode> first;
    list->get_item(0, first.Out());
    EXPECT_EQ(Text(first.Get()), u"PIT-36");
    ASSERT_EQ(doc->getElementsByTagName(Bstr(u"p:KodFormularza").Get(), list.Out()), S_OK);
    EXPECT_EQ(Names(list.Get()), u"p:KodFormularza");
    ComPtr<IXMLDOMNode> outOfRange;
    EXPECT_EQ(list->get_item(5, outOfRange.Out()), S_FALSE);
}

TEST(XmlSelection, MalformedExpressionsFailWithTheirText) {
    auto doc = Load(u"<a/>");
    ComPtr<IXMLDOMNode> node;
    EXPECT_EQ(doc->selectSingleNode(Bstr(u"/a[").Get(), node.Out()), E_FAIL);
    EXPECT_NE(tlx::TakeErrorDescription().find(u"/a["), std::u16string::npos);
    EXPECT_EQ(doc->selectSingleNode(Bstr(u"count(/a)").Get(), node.Out()), E_FAIL) << "not a node set";
}
