#include <gtest/gtest.h>

#include <filesystem>

#include "RecordingDelivery.h"
#include "WndExportCompany.h"
#include "mv_deklaracje/pfron/WndDocuments.h"
#include "tests/support/StandIn.h"

using namespace pfron_test;

namespace {
namespace fs = std::filesystem;

// The first-generation WN-D service writes the WN-D of version 1 and its attachments.
class WndExport : public WndExportCompany {
protected:
    HRESULT ExportWnd(const char16_t* member, long wnd, const std::u16string& folder) {
        return Export(member, wnd, folder, u"TLXDeklaracje.WND");
    }
};

// The WN-D and an attachment of version 1 agree with the hand-written documents; an attachment of a
// later version carries neither infNiepelnospr nor zatrudnienie. Every file is one UTF-8 line.
TEST_F(WndExport, TheFilesAgreeWithTheGoldenDocuments) {
    const long wnd = AddWnd(1, 202403, u"03-2024");
    AddAttachment(wnd, 1, 1, u"80010112341");
    AddAttachment(wnd, 5, 2, u"");
    ASSERT_EQ(ExportWnd(u"ExportToSOD", wnd, Folder()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Written(out_), (std::vector<std::string>{"infdp_03-2024_00000000001.xml",
                                                       "infdp_03-2024_80010112341.xml", "wnd2_03-2024.xml"}));
    EXPECT_EQ(ReadFile(out_ / "wnd2_03-2024.xml"), Golden("gen2/wnd2.xml"));
    EXPECT_EQ(ReadFile(out_ / "infdp_03-2024_80010112341.xml"), Golden("gen2/infdp1.xml"));
    const std::string later = ReadFile(out_ / "infdp_03-2024_00000000001.xml");
    EXPECT_EQ(later.find("infNiepelnospr"), std::string::npos);
    EXPECT_EQ(later.find("zatrudnienie"), std::string::npos);
    EXPECT_EQ(ParsedAttribute(later, u"dokument", u"wersjaTypu"), u"4");
    EXPECT_EQ(ParsedAttribute(later, u"daneEwidencyjne", u"pesel"), u"00000000000");
    for (const std::string& name : Written(out_)) {
        const std::string bytes = ReadFile(out_ / name);
        EXPECT_TRUE(IsOneUtf8Line(bytes)) << name;
        EXPECT_EQ(SchemaErrors(bytes, "gen2.xsd"), u"") << name;
    }
}

// The documents' values by rule, one field changed at a time.
TEST_F(WndExport, TheDocumentsValuesByRule) {
    const long wnd = AddWnd(1, 202403, u"03-2024");
    AddAttachment(wnd, 1, 1, u"80010112341");
    const struct {
        bool attachment;
        const char16_t* field;
        tlx::Variant value;
        std::u16string expected;
    } cases[] = {
        {false, u"RODZAJINFORMACJI", Text(u"K"), u" idTypu=\"9\""},
        {false, u"RODZAJINFORMACJI", Text(u"k"), u" idTypu=\"8\""},
        {false, u"REGON", Text(u"1234567890123456"), u" regon=\"1234567890123456\""},
        {false, u"NIP", Text(u""), u" nip=\"\""},
        {false, u"DATAWYPELNIENIA", tlx::Variant::Null(), u" dataWypelnienia=\"\""},
        {false, u"SKRNAZWPRACODAWCY", Text((std::u16string(249, u'a') + u"\"b").c_str()),
         u" skroconaNazwaPracodawcy=\"" + std::u16string(249, u'a') + u"&quot;\""},
        {false, u"NRDOMU", Text(u"1&2"), u" nrDomu=\"1&amp;2\""},
        {true, u"NIP", Text(u""), u" nip=\"0000000000\""},
        {true, u"KODPOCZTOWY", Text(u""), u" kodPocztowy=\"00-000\""},
        {true, u"NRDOMU", Text(u"123456789012"), u" nrDomu=\"1234567890\""},
        {true, u"NRLOKALU", Text(u"1234567"), u" nrLokalu=\"12345\""},
        {true, u"OKRESZATRODDNIA", tlx::Variant::Null(), u" okresZatrOdDnia=\"\""},
        {true, u"WYNOSIAGANE", tlx::Variant::FromCurrency(CY{12345000}), u" wynOsiagane=\"1234,50\""},
        {true, u"CHRONLEKKI", Text(u"0.5"), u" chronLekki=\"0,000\""},
        {true, u"NORMSLEKKI", Text(u"0.5"), u" normSLekki=\"0.5\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(tlx::Utf16ToUtf8(c.field) + " " + tlx::Utf16ToUtf8(c.expected));
        tlx::ComPtr<ISession> session = FreshSession();
        tlx::ComPtr<IDeklaracja2> d = OpenDeclaration(session.Get(), wnd);
        tlx::ComPtr<IDispatch> children;
        ASSERT_EQ(d->get_Deklaracje(children.Out()), S_OK);
        tlx::ComPtr<IDispatch> child;
        ASSERT_EQ(children.As<ICollection>()->Item(tlx::Variant::FromLong(0), child.Out()), S_OK);
        ASSERT_EQ(Put(c.attachment ? child.Get() : d.Get(), c.field, c.value), S_OK);
        WndDocuments documents;
        std::u16string text = documents.BuildWndXml(d.Get()).Str();
        if (c.attachment) text = documents.BuildInfDpXml(child.As<IDeklaracja2>().Get()).Str();
        EXPECT_NE(text.find(c.expected), std::u16string::npos) << tlx::Utf16ToUtf8(text);
    }
}

// A local operator's files go through the transfer channel, a remote operator's through the copy,
// target first, the temporary files removed; no transfer component answers the service's own code.
TEST_F(WndExport, TheRoadsToTheUsersMachine) {
    const long wnd = AddWnd(1, 202403, u"03-2024");
    AddAttachment(wnd, 1, 1, u"80010112341");
    auto transfer = CRecordingTransfer::Make();
    {
        StandIn standIn(CLSID_CRemoteFileTransfer, u"TLX.RemoteFileTransfer", static_cast<IRemoteFileTransfer*>(transfer.Get()));
        ASSERT_EQ(ExportWnd(u"ExportToSODVC", wnd, u"C:\\Eksport"), S_OK) << tlx::Utf16ToUtf8(LastError());
    }
    EXPECT_EQ(transfer->calls, (std::vector<std::u16string>{
                                   u"Reset ", u"SetFileName C:\\Eksport\\wnd2_03-2024.xml", u"SetKind file",
                                   u"SetContent", u"Transfer", u"SetFileName C:\\Eksport\\infdp_03-2024_80010112341.xml",
                                   u"SetKind file", u"SetContent", u"Transfer"}));
    EXPECT_EQ(tlx::Utf16ToUtf8(transfer->files[u"C:\\Eksport\\wnd2_03-2024.xml"]), Golden("gen2/wnd2.xml"));
    EXPECT_EQ(Written(out_), std::vector<std::string>{});
    StandIn none(CLSID_CRemoteFileTransfer, u"TLX.RemoteFileTransfer", nullptr);
    EXPECT_EQ(ExportWnd(u"ExportToSODVC", wnd, u"C:\\Eksport"), static_cast<HRESULT>(0x80044005));
    EXPECT_EQ(LastError(), u"Nie można utworzyć komponentu przesyłania plików na komputer użytkownika.");
}

class WndRemoteExport : public WndExport {
protected:
    LONG RemoteSession() const override { return 1; }
};

TEST_F(WndRemoteExport, ARemoteOperatorsFilesAreCopiedAndTheLocalOnesRemoved) {
    const long wnd = AddWnd(1, 202403, u"03-2024");
    AddAttachment(wnd, 1, 1, u"80010112341");
    auto copy = CRecordingCopy::Make();
    StandIn standIn(CLSID_CRemoteFileCopy, u"TLX.RemoteFileCopy", static_cast<IRemoteFileCopy*>(copy.Get()));
    ASSERT_EQ(ExportWnd(u"ExportToSODVC", wnd, u"C:\\Eksport\\"), S_OK) << tlx::Utf16ToUtf8(LastError());
    ASSERT_EQ(copy->copies.size(), 2u);
    EXPECT_EQ(copy->copies[0].first, u"C:\\Eksport\\wnd2_03-2024.xml") << "one separator, never two";
    EXPECT_EQ(copy->files[u"C:\\Eksport\\infdp_03-2024_80010112341.xml"], Golden("gen2/infdp1.xml"));
    for (const auto& [target, source] : copy->copies) EXPECT_FALSE(fs::exists(tlx::Utf16ToUtf8(source)));
}
}  // namespace
