// The KEDU documents as the DRA service reaches them, through their interface: the route, the header,
// the body and the file, with the HRESULTs a caller sees.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "KeduDeclarationFixture.h"
#include "tlb/Kedu.h"

namespace tlx::test {
namespace {

namespace fs = std::filesystem;

class KeduExportServiceTest : public KeduDeclarationTest {
protected:
    void SetUp() override {
        KeduDeclarationTest::SetUp();
        ASSERT_EQ(CreateKeduDocuments(session_.Get(), documents_.Out()), S_OK);
    }
    ComPtr<IKeduDocuments> documents_;
};

TEST_F(KeduExportServiceTest, RouteHeaderAndBody) {
    FormatEksportuZUSEnum route = expMieszany;
    EXPECT_EQ(documents_->FormatEksportu(Insert(dekZUS_IWA), &route), S_OK);
    EXPECT_EQ(route, expXML);
    EXPECT_EQ(documents_->FormatEksportu(Insert(dekZUS_DRA, 2), &route), S_OK);
    EXPECT_EQ(route, expKEDU);
    EXPECT_TRUE(FAILED(documents_->FormatEksportu(987654, &route)));

    Bstr header;
    ASSERT_EQ(documents_->NaglowekXML(header.Out()), S_OK);
    EXPECT_TRUE(header.View().ends_with(u"</naglowek.KEDU>"));
    EXPECT_NE(header.View().find(u"KEDU_4_3"), std::u16string_view::npos);

    Bstr body;
    ASSERT_EQ(documents_->ToXML(Insert(dekZUS_ZWUA), body.Out()), S_OK);
    EXPECT_TRUE(body.View().starts_with(u"<ZUSZWUA  id_dokumentu=\"10\">"));
    Bstr none;
    ASSERT_EQ(documents_->ToXML(Insert(dekZUS_ZCZA), none.Out()), S_OK);
    EXPECT_TRUE(none.IsNull());
    Bstr dra;
    ASSERT_EQ(documents_->ToXML(Insert(dekZUS_DRA, 4), dra.Out()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_TRUE(dra.View().starts_with(u"<ZUSDRA id_dokumentu=\"1\"><I>")) << Utf16ToUtf8(dra.View());
    EXPECT_EQ(documents_->ToXML(1, nullptr), E_POINTER);
}

TEST_F(KeduExportServiceTest, ExportsWriteTheWholeDocumentOrNothing) {
    const fs::path target = folder_ / "zwua.xml";
    const Bstr name(Utf8ToUtf16(target.string()));
    ASSERT_EQ(documents_->ExportToXML(Insert(dekZUS_ZWUA), name.Get()), S_OK) << Utf16ToUtf8(LastError());
    std::ifstream in(target, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    EXPECT_TRUE(bytes.str().starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?><KEDU "));
    EXPECT_TRUE(bytes.str().ends_with("</ZUSZWUA></KEDU>\r\n"));
    // A declaration that is not there, or a DRA whose form lacks the document's fields, leaves the file as
    // it was.
    EXPECT_TRUE(FAILED(documents_->ExportToXML(987654, name.Get())));
    EXPECT_EQ(documents_->ExportToXML(Insert(dekZUS_DRA, 1), name.Get()), static_cast<HRESULT>(0x80020003));
    std::ifstream again(target, std::ios::binary);
    std::stringstream kept;
    kept << again.rdbuf();
    EXPECT_EQ(kept.str(), bytes.str());
    EXPECT_EQ(documents_->ExportToXML(Insert(dekZUS_ZWUA), Bstr(u"").Get()), E_INVALIDARG);
    EXPECT_EQ(CreateKeduDocuments(nullptr, documents_.Out()), E_POINTER);
}

// A form with no element in the KEDU XML (a report on its own, the ZCZA) cannot make a KEDU XML file:
// the export is refused and no file is written, instead of a header closed without any document.
TEST_F(KeduExportServiceTest, AFormWithoutAKeduElementIsRefusedAndNoFileWritten) {
    const fs::path target = folder_ / "rga.xml";
    const Bstr name(Utf8ToUtf16(target.string()));
    for (long type : {dekZUS_RGA, dekZUS_RNA, dekZUS_ZCZA}) {
        EXPECT_EQ(documents_->ExportToXML(Insert(type), name.Get()), static_cast<HRESULT>(0x8004020C)) << type;
        EXPECT_EQ(LastError(), u"Formularz deklaracji nie ma dokumentu w schemacie KEDU XML: deklaracji nie można "
                               u"zapisać w pliku KEDU XML.");
        EXPECT_FALSE(fs::exists(target)) << type;
    }
}

}  // namespace
}  // namespace tlx::test

namespace tlx::test {
namespace {

// The DRA service answers its KEDU members with the KEDU documents.
TEST_F(KeduExportServiceTest, TheDraServiceAnswersWithTheKeduDocuments) {
    ComPtr<IDRA> dra = Create(u"TLXDeklaracje.DRA").As<IDRA>();
    ASSERT_TRUE(dra);
    Bstr header;
    ASSERT_EQ(dra->NaglowekXML(header.Out()), S_OK) << Utf16ToUtf8(LastError());
    EXPECT_TRUE(header.View().ends_with(u"</naglowek.KEDU>"));
    Bstr body;
    ASSERT_EQ(dra->ToXML(Insert(dekZUS_ZIUA), body.Out()), S_OK);
    EXPECT_TRUE(body.View().starts_with(u"<ZUSZIUA  id_dokumentu=\"7\">"));
    FormatEksportuZUSEnum route = expMieszany;
    EXPECT_EQ(dra->FormatEksportu(Insert(dekZUS_ZCZA), &route), S_OK);
    EXPECT_EQ(route, expKEDU);
    EXPECT_TRUE(FAILED(dra->ExportToXML(987654, Bstr(u"x.xml").Get())));
}

}  // namespace
}  // namespace tlx::test
