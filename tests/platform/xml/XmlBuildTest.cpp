// Building documents with DOM calls, serialising them, and moving nodes between documents.
#include "XmlTestSupport.h"

#include <fstream>
#include <iterator>

#include "platform/com/ErrorInfo.h"

using namespace xmltest;

namespace {

constexpr char16_t kModuleNs[] = u"urn:tlx:deklaracja";

// The module's own document: declaration, a namespaced root, and "Schemat" in no namespace.
ComPtr<IXMLDOMDocument2> BuildModuleDocument() {
    auto doc = NewDocument();
    ComPtr<IXMLDOMNode> pi;
    EXPECT_EQ(doc->createProcessingInstruction(Bstr(u"xml").Get(), Bstr(u"version=\"1.0\" encoding=\"utf-8\"").Get(),
                                               pi.Out()),
              S_OK);
    Append(doc.Get(), pi.Get());
    auto root = NewElement(doc.Get(), u"Deklaracja", kModuleNs);
    Append(doc.Get(), root.Get());
    auto schemat = NewElement(doc.Get(), u"Schemat");
    Append(root.Get(), schemat.Get());
    for (auto [name, value] : {std::pair{u"Typ", u"1"}, {u"Symbol", u"VAT7"}, {u"Opis", u"A & B <zażółć>"}}) {
        auto field = NewElement(doc.Get(), name);
        EXPECT_EQ(field->put_text(Bstr(value).Get()), S_OK);
        Append(schemat.Get(), field.Get());
    }
    return doc;
}

}  // namespace

TEST(XmlBuild, ModuleDocumentSerialisesWithItsNamespacesAndDeclaration) {
    auto doc = BuildModuleDocument();
    EXPECT_EQ(Xml(doc.Get()),
              u"<?xml version=\"1.0\" encoding=\"utf-8\"?>\r\n"
              u"<Deklaracja xmlns=\"urn:tlx:deklaracja\"><Schemat xmlns=\"\"><Typ>1</Typ><Symbol>VAT7</Symbol>"
              u"<Opis>A &amp; B &lt;zażółć&gt;</Opis></Schemat></Deklaracja>\r\n");

    // Reading the text back gives the same tree: Schemat really is in no namespace.
    auto reread = Load(Xml(doc.Get()));
    EXPECT_EQ(Xml(reread.Get()), Xml(doc.Get()));
    EXPECT_EQ(Text(Select(reread.Get(), u"/Deklaracja/Schemat/Opis").Get()), u"A & B <zażółć>");
}

TEST(XmlBuild, NodesInTheParentsNamespaceRepeatNoDeclaration) {
    auto doc = Load(u"<Deklaracja xmlns=\"urn:form\"><PozycjeSzczegolowe><P_11>1</P_11></PozycjeSzczegolowe></Deklaracja>");
    auto target = Select(doc.Get(), u"/Deklaracja/PozycjeSzczegolowe");
    auto group = NewElement(doc.Get(), u"Grupa_C", u"urn:form");
    ASSERT_EQ(AsElement(group)->setAttribute(Bstr(u"typ").Get(), tlx::Variant::FromString(u"G")), S_OK);
    auto field = NewElement(doc.Get(), u"P_C2", u"urn:form");
    field->put_text(Bstr(u"Firma").Get());
    Append(group.Get(), field.Get());
    ComPtr<IXMLDOMNode> inserted;
    ASSERT_EQ(target->insertBefore(group.Get(), tlx::Variant::FromDispatch(Select(doc.Get(), u"//P_11").Get()),
                                   inserted.Out()),
              S_OK);
    EXPECT_EQ(inserted.Get(), group.Get());
    EXPECT_EQ(Xml(target.Get()),
              u"<PozycjeSzczegolowe xmlns=\"urn:form\"><Grupa_C typ=\"G\"><P_C2>Firma</P_C2></Grupa_C>"
              u"<P_11>1</P_11></PozycjeSzczegolowe>");
    EXPECT_EQ(Names(SelectAll(doc.Get(), u"/Deklaracja/PozycjeSzczegolowe/*").Get()), u"Grupa_C P_11");
}

TEST(XmlBuild, PrefixedContainerWithSchemaLocationSetBeforeItsPrefix) {
    auto doc = Load(u"<Deklaracja xmlns=\"urn:form\"><Naglowek/></Deklaracja>");
    const std::u16string podp = u"http://crd.gov.pl/xml/schematy/podpis/";
    auto container = NewElement(doc.Get(), u"podp:DaneAutoryzujace", podp);
    auto element = AsElement(container);
    ASSERT_EQ(element->setAttribute(Bstr(u"xsi:schemaLocation").Get(), tlx::Variant::FromString(u"loc.xsd")), S_OK);
    ASSERT_EQ(element->setAttribute(Bstr(u"xmlns:xsi").Get(),
                                    tlx::Variant::FromString(u"http://www.w3.org/2001/XMLSchema-instance")),
              S_OK);
    auto nip = NewElement(doc.Get(), u"podp:NIP", podp);
    ComPtr<IXMLDOMNode> text;
    ASSERT_EQ(doc->createNode(tlx::Variant::FromLong(NODE_TEXT), Bstr(u"").Get(), Bstr(u"").Get(), text.Out()), S_OK);
    text->put_text(Bstr(u"1234567890").Get());
    Append(nip.Get(), text.Get());
    Append(container.Get(), nip.Get());
    ComPtr<IXMLDOMElement> root;
    doc->get_documentElement(root.Out());
    Append(root.Get(), container.Get());

    auto reread = Load(Xml(doc.Get()));
    reread->setProperty(Bstr(u"SelectionNamespaces").Get(),
                        tlx::Variant::FromString(u"xmlns:p='" + podp + u"' xmlns:i='http://www.w3.org/2001/XMLSchema-instance'"));
    EXPECT_EQ(Text(Select(reread.Get(), u"/Deklaracja/p:DaneAutoryzujace/p:NIP").Get()), u"1234567890");
    EXPECT_EQ(Text(Select(reread.Get(), u"//p:DaneAutoryzujace/@i:schemaLocation").Get()), u"loc.xsd")
        << "the attribute joined the xsi namespace once the prefix was declared";
    tlx::Variant value;
    AsElement(Select(reread.Get(), u"//p:DaneAutoryzujace"))->getAttribute(Bstr(u"xsi:schemaLocation").Get(), value.Out());
    EXPECT_EQ(std::u16string(value.bstrVal), u"loc.xsd");
}

TEST(XmlBuild, InvalidNamesAndInsertionsAreRefused) {
    auto doc = Load(u"<a><b/></a>");
    ComPtr<IXMLDOMNode> node;
    EXPECT_EQ(doc->createNode(tlx::Variant::FromLong(NODE_ELEMENT), Bstr(u"1bad").Get(), Bstr(u"").Get(), node.Out()),
              E_INVALIDARG);
    EXPECT_EQ(doc->createNode(tlx::Variant::FromLong(NODE_ELEMENT), Bstr(u"p:x").Get(), Bstr(u"").Get(), node.Out()),
              E_INVALIDARG)
        << "a prefix needs a namespace";
    auto a = Select(doc.Get(), u"/a");
    auto b = Select(doc.Get(), u"/a/b");
    ComPtr<IXMLDOMNode> out;
    EXPECT_EQ(b->appendChild(a.Get(), out.Out()), E_INVALIDARG) << "a node cannot go into its own descendant";
    EXPECT_EQ(doc->appendChild(NewElement(doc.Get(), u"second").Get(), out.Out()), E_INVALIDARG)
        << "one top-level element";
    EXPECT_EQ(a->insertBefore(NewElement(doc.Get(), u"c").Get(), tlx::Variant::FromDispatch(a.Get()), out.Out()),
              E_INVALIDARG)
        << "the reference node must be a child";
    EXPECT_EQ(AsElement(a)->setAttribute(Bstr(u"xmlns").Get(), tlx::Variant::FromString(u"urn:other")), E_FAIL)
        << "a default namespace would move the element into another namespace";
    EXPECT_EQ(Xml(doc.Get()), u"<a><b/></a>\r\n") << "failed calls change nothing";
}

TEST(XmlBuild, TextReplacesChildrenAndRemovedNodesStayUsable) {
    auto doc = Load(u"<a><b>one</b><c/></a>");
    auto a = Select(doc.Get(), u"/a");
    auto b = Select(doc.Get(), u"/a/b");
    ASSERT_EQ(a->put_text(Bstr(u"plain").Get()), S_OK);
    EXPECT_EQ(Xml(doc.Get()), u"<a>plain</a>\r\n");
    EXPECT_EQ(Text(b.Get()), u"one") << "a node taken out by put_text lives on with its object";
    Append(a.Get(), b.Get());
    ComPtr<IXMLDOMNode> removed;
    ASSERT_EQ(a->removeChild(b.Get(), removed.Out()), S_OK);
    EXPECT_EQ(removed.Get(), b.Get());
    EXPECT_EQ(Xml(a.Get()), u"<a>plain</a>");
    EXPECT_EQ(a->removeChild(b.Get(), removed.Out()), E_INVALIDARG) << "no longer a child";
    ComPtr<IXMLDOMNode> next;
    EXPECT_EQ(b->get_nextSibling(next.Out()), S_FALSE);
}

TEST(XmlBuild, CloneCopiesDeepOrShallow) {
    auto doc = Load(u"<a x=\"1\"><b>t</b></a>");
    auto a = Select(doc.Get(), u"/a");
    ComPtr<IXMLDOMNode> deep, shallow;
    ASSERT_EQ(a->cloneNode(VARIANT_TRUE, deep.Out()), S_OK);
    ASSERT_EQ(a->cloneNode(VARIANT_FALSE, shallow.Out()), S_OK);
    EXPECT_NE(deep.Get(), a.Get());
    EXPECT_EQ(Xml(deep.Get()), u"<a x=\"1\"><b>t</b></a>");
    EXPECT_EQ(Xml(shallow.Get()), u"<a x=\"1\"/>");
    Append(Select(deep.Get(), u"b").Get(), shallow.Get());
    EXPECT_EQ(Xml(doc.Get()), u"<a x=\"1\"><b>t</b></a>\r\n") << "the original is untouched";
}

TEST(XmlBuild, MovingNodesBetweenDocumentsKeepsTheirNamespaces) {
    auto child = Load(
        u"<Deklaracja xmlns=\"urn:pit-o\" xmlns:etd=\"urn:etd\"><Zalacznik_PIT_O><PozycjeSzczegolowe>"
        u"<P_D><etd:Kwota>10</etd:Kwota></P_D><P_D><etd:Kwota>20</etd:Kwota></P_D>"
        u"</PozycjeSzczegolowe></Zalacznik_PIT_O></Deklaracja>");
    auto main = Load(u"<Deklaracja xmlns=\"urn:pit-36\"><Zalaczniki><Zalacznik_ORD-ZU/></Zalaczniki></Deklaracja>");
    auto attachment = Select(child.Get(), u"/Deklaracja/Zalacznik_PIT_O");
    auto entries = SelectAll(child.Get(), u"/Deklaracja/Zalacznik_PIT_O/PozycjeSzczegolowe/P_D");
    auto zalaczniki = Select(main.Get(), u"/Deklaracja/Zalaczniki");
    ComPtr<IXMLDOMNode> inserted;
    ASSERT_EQ(zalaczniki->insertBefore(attachment.Get(),
                                       tlx::Variant::FromDispatch(Select(main.Get(), u"//Zalacznik_ORD-ZU").Get()),
                                       inserted.Out()),
              S_OK);
    child.Reset();  // the source document is not used afterwards

    EXPECT_EQ(Names(SelectAll(main.Get(), u"/Deklaracja/Zalaczniki/*").Get()), u"Zalacznik_PIT_O Zalacznik_ORD-ZU");
    ComPtr<IXMLDOMNode> entry;
    ASSERT_EQ(entries->get_item(1, entry.Out()), S_OK);
    EXPECT_EQ(Text(entry.Get()), u"20") << "objects of moved nodes follow them";
    auto reread = Load(Xml(main.Get()));
    reread->setProperty(Bstr(u"SelectionNamespaces").Get(),
                        tlx::Variant::FromString(u"xmlns:o='urn:pit-o' xmlns:e='urn:etd' xmlns:m='urn:pit-36'"));
    EXPECT_EQ(Names(SelectAll(reread.Get(), u"/m:Deklaracja/m:Zalaczniki/o:Zalacznik_PIT_O//e:Kwota").Get()),
              u"etd:Kwota etd:Kwota")
        << "the moved subtree keeps its own namespaces in the new document";

    // A node created by one document goes into another one, too.
    auto other = NewDocument();
    auto made = NewElement(other.Get(), u"P_E");
    other.Reset();
    Append(Select(main.Get(), u"//Zalacznik_PIT_O/PozycjeSzczegolowe").Get(), made.Get());
    EXPECT_EQ(Names(SelectAll(main.Get(), u"//Zalacznik_PIT_O/PozycjeSzczegolowe/*").Get()), u"P_D P_D P_E");
}

TEST(XmlBuild, NodesOutliveAReloadOfTheirDocument) {
    auto doc = Load(u"<a><b>kept</b></a>");
    auto b = Select(doc.Get(), u"/a/b");
    VARIANT_BOOL ok;
    ASSERT_EQ(doc->loadXML(Bstr(u"<other/>").Get(), &ok), S_OK);
    EXPECT_EQ(Text(b.Get()), u"kept");
    EXPECT_EQ(Xml(doc.Get()), u"<other/>\r\n");
    ComPtr<IXMLDOMNodeList> children;
    ASSERT_EQ(b->get_childNodes(children.Out()), S_OK);
    EXPECT_EQ(Names(children.Get()), u"#text");
}

TEST(XmlBuild, ASavedFileHoldsWhatTheDocumentWritesWhetherItNeedsTidyingOrNot) {
    auto built = BuildModuleDocument();  // Schemat still lacks its xmlns=""
    auto loaded = Load(Xml(built.Get()));  // already as it is written
    TempFolder folder;
    for (auto* doc : {built.Get(), loaded.Get()}) {
        const std::u16string before = Xml(doc);
        std::string path = folder.File("written.xml");
        ASSERT_EQ(doc->save(tlx::Variant::FromString(tlx::Utf8ToUtf16(path))), S_OK);
        std::ifstream in(path, std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        EXPECT_EQ(tlx::Utf8ToUtf16(bytes), before);
        EXPECT_EQ(Xml(doc), before) << "writing leaves the tree as it was";
    }
}
