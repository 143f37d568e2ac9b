// The canonical text that is signed and filed: declaration, then the document element in C14N form.
#include "XmlTestSupport.h"
#include "platform/xml/XmlCanonical.h"

namespace {

using namespace xmltest;

TEST(XmlCanonicalTest, WritesTheDocumentElementCanonicallyAfterAUtf8Declaration) {
    auto doc = Load(
        u"<?xml-stylesheet type=\"text/xsl\" href=\"a.xsl\"?>\r\n<!-- note -->\r\n"
        u"<D xmlns=\"urn:d\" b=\"2\" a='1'><E/><F>zażółć &amp; gęślą\r\n\t x</F><!-- c --></D>");
    std::string text;
    ASSERT_EQ(tlx::CanonicalDocumentText(doc.Get(), &text), S_OK);
    EXPECT_EQ(text,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>"
              "<D xmlns=\"urn:d\" a=\"1\" b=\"2\"><E></E><F>zażółć &amp; gęślą\n\t x</F></D>");

    ComPtr<IXMLDOMNode> inner = Select(doc.Get(), u"/*");
    std::string fromNode;
    ASSERT_EQ(tlx::CanonicalDocumentText(inner.Get(), &fromNode), S_OK);
    EXPECT_EQ(fromNode, text);
}

TEST(XmlCanonicalTest, RefusesADocumentWithoutAnElement) {
    auto doc = NewDocument();
    std::string text;
    EXPECT_EQ(tlx::CanonicalDocumentText(doc.Get(), &text), E_INVALIDARG);
    EXPECT_EQ(tlx::CanonicalDocumentText(nullptr, &text), E_POINTER);
}

}  // namespace
