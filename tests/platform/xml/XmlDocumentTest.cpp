// Loading and saving documents: parse errors, hostile input, files and the class registration.
#include "XmlTestSupport.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>

#include "platform/com/ErrorInfo.h"

using namespace xmltest;

namespace {

struct FailedLoad {
    HRESULT hr;
    VARIANT_BOOL loaded;
    LONG code;
    std::u16string reason;
    LONG line;
};

FailedLoad LoadBadly(IXMLDOMDocument2* doc, std::u16string_view text) {
    FailedLoad outcome{};
    outcome.hr = doc->loadXML(Bstr(text).Get(), &outcome.loaded);
    ComPtr<IXMLDOMParseError> error;
    EXPECT_EQ(doc->get_parseError(error.Out()), S_OK);
    error->get_errorCode(&outcome.code);
    Bstr reason;
    error->get_reason(reason.Out());
    outcome.reason = reason.Str();
    error->get_line(&outcome.line);
    return outcome;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(XmlDocument, CreatedByClassIdAndProgId) {
    CLSID clsid{};
    ASSERT_EQ(CLSIDFromProgID(kDomDocumentProgId, &clsid), S_OK);
    EXPECT_EQ(clsid, CLSID_DOMDocument);
    ComPtr<IXMLDOMDocument> doc;
    ASSERT_EQ(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, IID_IXMLDOMDocument, doc.OutVoid()), S_OK);
    EXPECT_TRUE(doc.As<IXMLDOMDocument2>());
    EXPECT_TRUE(doc.As<IDispatch>());
    ComPtr<IXMLDOMElement> root;
    EXPECT_EQ(doc->get_documentElement(root.Out()), S_FALSE) << "a new document is empty";
    VARIANT_BOOL async = VARIANT_FALSE;
    doc->get_async(&async);
    EXPECT_EQ(async, VARIANT_TRUE);
    EXPECT_EQ(doc->put_async(VARIANT_FALSE), S_OK);
}

TEST(XmlDocument, MalformedTextFillsParseErrorAndLeavesTheDocumentEmpty) {
    auto doc = Load(u"<kept/>");
    auto outcome = LoadBadly(doc.Get(), u"<a>\n<b></a>");
    EXPECT_EQ(outcome.hr, S_FALSE);
    EXPECT_EQ(outcome.loaded, VARIANT_FALSE);
    EXPECT_NE(outcome.code, 0);
    EXPECT_FALSE(outcome.reason.empty());
    EXPECT_EQ(outcome.line, 2);
    ComPtr<IXMLDOMElement> root;
    EXPECT_EQ(doc->get_documentElement(root.Out()), S_FALSE);
    ComPtr<IXMLDOMNode> none;
    EXPECT_EQ(doc->selectSingleNode(Bstr(u"/deklaracja/parametry").Get(), none.Out()), S_FALSE)
        << "selections on the failed document find nothing";

    for (std::u16string_view text : {u"", u"   ", u"plain text", u"<a b='1' b='2'/>", u"<a/><b/>"}) {
        auto bad = LoadBadly(doc.Get(), text);
        EXPECT_EQ(bad.hr, S_FALSE) << tlx::Utf16ToUtf8(text);
        EXPECT_NE(bad.code, 0) << tlx::Utf16ToUtf8(text);
    }
    auto good = Load(u"<a/>");
    ComPtr<IXMLDOMParseError> error;
    good->get_parseError(error.Out());
    LONG code = -1;
    error->get_errorCode(&code);
    EXPECT_EQ(code, 0) << "a successful load clears the error";
}

TEST(XmlDocument, HostileDocumentsAreRefused) {
    auto doc = NewDocument();
    std::u16string laughs = u"<?xml version=\"1.0\"?><!DOCTYPE lolz [<!ENTITY lol \"lol\">";
    laughs += u"<!ENTITY lol1 \"&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;&lol;\">";
    for (int i = 2; i <= 9; ++i) {
        std::u16string previous = u"&lol" + tlx::Utf8ToUtf16(std::to_string(i - 1)) + u";";
        std::u16string body;
        for (int j = 0; j < 10; ++j) body += previous;
        laughs += u"<!ENTITY lol" + tlx::Utf8ToUtf16(std::to_string(i)) + u" \"" + body + u"\">";
    }
    laughs += u"]><lolz>&lol9;</lolz>";
    EXPECT_EQ(LoadBadly(doc.Get(), laughs).hr, S_FALSE) << "a billion laughs is not expanded";

    auto external = LoadBadly(doc.Get(), u"<!DOCTYPE a [<!ENTITY secret SYSTEM \"file:///etc/passwd\">]><a>&secret;</a>");
    EXPECT_EQ(external.hr, S_FALSE) << "external entities are refused";
    EXPECT_EQ(external.code, static_cast<LONG>(0xC00CEFF1u));

    auto parameter = LoadBadly(doc.Get(), u"<!DOCTYPE a [<!ENTITY % p SYSTEM \"http://example.invalid/x.dtd\"> %p;]><a/>");
    EXPECT_EQ(parameter.hr, S_FALSE);

    std::u16string deep;
    for (int i = 0; i < 5000; ++i) deep += u"<d>";
    for (int i = 0; i < 5000; ++i) deep += u"</d>";
    EXPECT_EQ(LoadBadly(doc.Get(), deep).hr, S_FALSE) << "nesting is bounded";

    // An external DTD is neither fetched nor required; internal entities still expand.
    auto loaded = Load(u"<!DOCTYPE a SYSTEM \"http://example.invalid/a.dtd\" [<!ENTITY w \"wartość\">]><a>&w;</a>");
    EXPECT_EQ(Text(Select(loaded.Get(), u"/a").Get()), u"wartość");
}

TEST(XmlDocument, ATextLongerThanTheParserReadsIsRefusedNotCutShort) {
    // Text in short runs between references grows one text node past the parser's limit.
    auto doc = NewDocument();
    std::u16string longText;
    for (int run = 0; run < 320'000; ++run) longText += u"xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx&amp;";
    const std::u16string text = u"<a><b>" + longText + u"</b><c>po</c></a>";
    const FailedLoad outcome = LoadBadly(doc.Get(), text);
    EXPECT_EQ(outcome.hr, S_FALSE);
    EXPECT_EQ(outcome.loaded, VARIANT_FALSE);
    EXPECT_EQ(outcome.code, XML_E_TEXT_TOO_LONG);
    EXPECT_EQ(outcome.reason, u"Dokument zawiera tekst dłuższy niż 10000000 znaków, a tyle najwyżej odczytuje parser XML.");
    ComPtr<IXMLDOMElement> root;
    EXPECT_EQ(doc->get_documentElement(root.Out()), S_FALSE);
}

TEST(XmlDocument, SavedFileIsUtf8OrTheDeclaredEncoding) {
    TempFolder folder;
    auto doc = Load(u"<?xml version=\"1.0\" encoding=\"UTF-8\"?><Potwierdzenie><Nazwa>Ministerstwo Finansów</Nazwa></Potwierdzenie>");
    std::string path = folder.File("UPO.xml");
    ASSERT_EQ(doc->save(tlx::Variant::FromString(tlx::Utf8ToUtf16(path))), S_OK);
    EXPECT_EQ(ReadFile(path),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
              "<Potwierdzenie><Nazwa>Ministerstwo Finans\xC3\xB3w</Nazwa></Potwierdzenie>\r\n");

    auto reloaded = NewDocument();
    VARIANT_BOOL ok = VARIANT_FALSE;
    ASSERT_EQ(reloaded->load(tlx::Variant::FromString(tlx::Utf8ToUtf16(path)), &ok), S_OK);
    EXPECT_EQ(Text(Select(reloaded.Get(), u"//Nazwa").Get()), u"Ministerstwo Finansów");

    auto ansi = Load(u"<?xml version=\"1.0\" encoding=\"windows-1250\"?><a>zażółć €</a>");
    std::string ansiPath = folder.File("ansi.xml");
    ASSERT_EQ(ansi->save(tlx::Variant::FromString(tlx::Utf8ToUtf16(ansiPath))), S_OK);
    EXPECT_EQ(ReadFile(ansiPath), "<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<a>za\xBF\xF3\xB3\xE6 \x80</a>\r\n")
        << "the declared encoding is true";
}

TEST(XmlDocument, SaveAndLoadFailuresAreReported) {
    TempFolder folder;
    auto doc = Load(u"<a/>");
    HRESULT hr = doc->save(tlx::Variant::FromString(tlx::Utf8ToUtf16(folder.File("missing/dir/a.xml"))));
    EXPECT_EQ(hr, HRESULT_FROM_WIN32(3)) << "a missing folder is 'path not found'";
    EXPECT_EQ(tlx::TakeErrorDescription(), u"Nie można zapisać pliku " + tlx::Utf8ToUtf16(folder.File("missing/dir/a.xml")) + u".");
    EXPECT_EQ(doc->save(tlx::Variant::FromLong(1)), E_INVALIDARG);

    VARIANT_BOOL ok = VARIANT_TRUE;
    EXPECT_EQ(doc->load(tlx::Variant::FromString(tlx::Utf8ToUtf16(folder.File("none.xml"))), &ok), S_FALSE);
    EXPECT_EQ(ok, VARIANT_FALSE);
    ComPtr<IXMLDOMParseError> error;
    doc->get_parseError(error.Out());
    Bstr url;
    error->get_url(url.Out());
    EXPECT_EQ(url.Str(), tlx::Utf8ToUtf16(folder.File("none.xml")));
}

TEST(XmlDocument, SaveWritesTheFileALinkNamesAndRefusesWhatIsNoFile) {
    TempFolder folder;
    auto doc = Load(u"<a/>");
    auto save = [&](const std::string& name) { return doc->save(tlx::Variant::FromString(tlx::Utf8ToUtf16(folder.File(name)))); };

    // A link stays a link; the file it names gets the document, also a file that is not there yet.
    std::ofstream(folder.File("cel.xml")) << "stary";
    std::filesystem::create_symlink("cel.xml", folder.File("link.xml"));
    std::filesystem::create_symlink("link.xml", folder.File("link2.xml"));
    ASSERT_EQ(save("link2.xml"), S_OK) << tlx::Utf16ToUtf8(tlx::TakeErrorDescription());
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link2.xml")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("link.xml")));
    EXPECT_EQ(ReadFile(folder.File("cel.xml")), "<a/>\r\n");
    std::filesystem::create_symlink("nowy.xml", folder.File("dopiero.xml"));
    ASSERT_EQ(save("dopiero.xml"), S_OK);
    EXPECT_EQ(ReadFile(folder.File("nowy.xml")), "<a/>\r\n");

    // A pipe and a folder are not replaced by a file.
    ASSERT_EQ(::mkfifo(folder.File("kolejka.xml").c_str(), 0600), 0);
    std::filesystem::create_directory(folder.File("katalog.xml"));
    for (const char* name : {"kolejka.xml", "katalog.xml"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(save(name), E_ACCESSDENIED);
        EXPECT_EQ(tlx::TakeErrorDescription(), u"Nie można zapisać pliku " + tlx::Utf8ToUtf16(folder.File(name)) +
                                                   u": w tym miejscu jest coś innego niż zwykły plik.");
    }
    EXPECT_EQ(std::filesystem::status(folder.File("kolejka.xml")).type(), std::filesystem::file_type::fifo);
    EXPECT_TRUE(std::filesystem::is_directory(folder.File("katalog.xml")));

    // A loop of links is refused.
    std::filesystem::create_symlink("petla2.xml", folder.File("petla1.xml"));
    std::filesystem::create_symlink("petla1.xml", folder.File("petla2.xml"));
    EXPECT_TRUE(FAILED(save("petla1.xml")));
    EXPECT_TRUE(std::filesystem::is_symlink(folder.File("petla1.xml")));

    std::size_t temporary = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder.File("")))
        temporary += entry.path().filename().string().find(".tmp") != std::string::npos ? 1 : 0;
    EXPECT_EQ(temporary, 0u);
}

TEST(XmlDocument, ByteOrderMarkAndPreservedWhiteSpace) {
    auto doc = Load(u"\uFEFF<?xml version=\"1.0\"?><a> <b xml:space=\"preserve\"> </b>\n<c>  x  </c></a>");
    EXPECT_EQ(Xml(doc.Get()), u"<?xml version=\"1.0\"?>\r\n<a><b xml:space=\"preserve\"> </b><c>  x  </c></a>\r\n")
        << "blank text goes unless preserved; text with content keeps its blanks";
}

TEST(XmlDocument, UnknownDeclaredEncodingIsNotSaved) {
    TempFolder folder;
    auto doc = Load(u"<?xml version=\"1.0\" encoding=\"x-unknown\"?><a/>");
    EXPECT_EQ(doc->save(tlx::Variant::FromString(tlx::Utf8ToUtf16(folder.File("a.xml")))), E_FAIL);
    EXPECT_FALSE(std::filesystem::exists(folder.File("a.xml")));
}
