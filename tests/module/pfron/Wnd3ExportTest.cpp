#include <gtest/gtest.h>

#include <filesystem>

#include "RecordingDelivery.h"
#include "WndExportCompany.h"
#include "mv_deklaracje/pfron/Wnd3Documents.h"
#include "tests/support/StandIn.h"

using namespace pfron_test;

namespace {
namespace fs = std::filesystem;

class Wnd3Export : public WndExportCompany {};

// The files of each WN-D version agree byte for byte with the documents written by hand, each is one
// line of UTF-8 ended by CR LF, and each fits the structure of its document.
TEST_F(Wnd3Export, TheFilesOfEachVersionAgreeWithTheGoldenDocuments) {
    const struct {
        long version, yearMonth;
        const char16_t* period;
        long attachmentVersion;
        const char* main;
        const char* attachment;
    } cases[] = {
        {3, 202405, u"05-2024", 5, "wnd3.xml", nullptr},
        {5, 202405, u"05-2024", 5, "wnd5.xml", "infdp5.xml"},
        {6, 201412, u"12-2014", 8, "wnd6_2014.xml", nullptr},
        {6, 201512, u"12-2015", 8, "wnd6_2015.xml", "infdp8.xml"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.main);
        const long wnd = Prepare(c.version, c.yearMonth, c.period, c.attachmentVersion);
        const fs::path folder = out_ / c.main;
        fs::create_directories(folder);
        ASSERT_EQ(Export(u"ExportToSOD", wnd, tlx::Utf8ToUtf16(folder.string())), S_OK) << tlx::Utf16ToUtf8(LastError());
        const std::string period = tlx::Utf16ToUtf8(c.period);
        const std::string v = std::to_string(c.version), vp = std::to_string(c.attachmentVersion);
        const std::string main = "wnd" + v + "_" + period + ".xml";
        const std::string full = "infdp" + vp + "_" + period + "_80010112341.xml";
        const std::string partial = "infdp" + vp + "_" + period + "_00000000001.xml";
        EXPECT_EQ(Listing(folder), (std::vector<std::string>{partial, full, main}));
        EXPECT_EQ(ReadFile(folder / main), Golden(std::string("wnd3/") + c.main));
        if (c.attachment) {
            EXPECT_EQ(ReadFile(folder / full), Golden(std::string("wnd3/") + c.attachment));
        }
        for (const std::string& name : Listing(folder)) {
            const std::string bytes = ReadFile(folder / name);
            EXPECT_TRUE(IsOneUtf8Line(bytes)) << name;
            EXPECT_EQ(SchemaErrors(bytes, "wnd3.xsd"), u"") << name;
        }
        // A WN-D of version 3 has no WSTAWIACNIP: its attachments carry no NIP.
        EXPECT_EQ(ParsedAttribute(ReadFile(folder / full), u"daneEwidencyjne", u"nip"),
                  c.version == 3 ? u"" : u"1112223344");
        // PELNEINFORMACJE "N" leaves out the second name and the address, not the identity.
        const std::string second = ReadFile(folder / partial);
        for (const char16_t* attribute : {u"kodPocztowy", u"miejscowosc", u"wojewodztwo", u"nrDomu"})
            EXPECT_EQ(ParsedAttribute(second, u"adres", attribute), u"") << tlx::Utf16ToUtf8(attribute);
        EXPECT_EQ(ParsedAttribute(second, u"daneEwidencyjne", u"imie2"), u"");
        EXPECT_EQ(ParsedAttribute(second, u"daneEwidencyjne", u"imie1"), u"Jan");
        EXPECT_EQ(ParsedAttribute(second, u"daneEwidencyjne", u"pesel"), u"00000000000");
    }
}

// The main document's values, one field changed at a time, as the document text shows them.
TEST_F(Wnd3Export, TheWndDocumentsValuesByRule) {
    const long wnd = AddWnd(5, 202405, u"05-2024");
    const std::u16string street40(40, u'x');
    const struct {
        const char16_t* field;
        tlx::Variant value;
        std::u16string expected;
    } cases[] = {
        {u"REGON", Text(u"123456789"), u" regon=\"12345678900000\""},
        {u"REGON", Text(u"12345678901234"), u" regon=\"12345678901234\""},
        {u"REGON", Text(u"1234567890123456"), u" regon=\"1234567890123456\""},
        {u"REGON", Text(u""), u" regon=\"00000000000000\""},
        {u"RODZAJINFORMACJI", Text(u"K"), u" idTypu=\"9\""},
        {u"RODZAJINFORMACJI", Text(u"k"), u" idTypu=\"8\""},
        {u"RODZAJINFORMACJI", Text(u""), u" idTypu=\"8\""},
        {u"NIP", Text(u"525 000 10 09 77"), u" nip=\"5250001009\""},
        {u"NIP", Text(u"52500010"), u" nip=\"52500010\""},
        {u"DATAWYPELNIENIA", tlx::Variant::Null(), u" dataWypelnienia=\"null\""},
        {u"KODPOCZTOWY", Text(u"90-001"), u" kodPocztowy=\"90-001\""},
        {u"ULICA", Text((std::u16string(u"&") + street40).c_str()), u" ulica=\"&amp;" + street40.substr(0, 29) + u"\""},
        {u"PELNOMOCNIK", Text(u"Jan & Syn"), u"czyPelnomocnik=\"T\""},
        {u"PELNOMOCNIK", Text(u"Jan & Syn"), u"<osoba nazwaPelnomocnika=\"Jan &amp; Syn\"></osoba>"},
        {u"PKD", tlx::Variant::Null(), u" pkd=\"\""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(tlx::Utf16ToUtf8(c.field) + " " + tlx::Utf16ToUtf8(c.expected));
        tlx::ComPtr<ISession> session = FreshSession();
        tlx::ComPtr<IDeklaracja2> d = OpenDeclaration(session.Get(), wnd);
        ASSERT_EQ(Put(d.Get(), c.field, c.value), S_OK);
        Wnd3Documents documents(session.Get(), Wnd3Documents::Road::Folder);
        const std::u16string text = documents.BuildWndDocument(d.Get()).Str();
        EXPECT_NE(text.find(c.expected), std::u16string::npos) << tlx::Utf16ToUtf8(text);
    }
}

// Attachments without a PESEL number 1, 2 in an export and start again in the next export of the
// same object; a PESEL given twice keeps both files; an attachment of version 1 is written as version 5.
TEST_F(Wnd3Export, AttachmentKeysAndVersions) {
    const long wnd = AddWnd(6, 202405, u"05-2024");
    AddAttachment(wnd, 8, 1, u"");
    AddAttachment(wnd, 8, 2, u"80010112341");
    AddAttachment(wnd, 1, 3, u"");
    AddAttachment(wnd, 8, 4, u"80010112341");
    const std::vector<std::string> expected{"infdp5_05-2024_00000000002.xml", "infdp8_05-2024_00000000001.xml",
                                            "infdp8_05-2024_80010112341.xml", "infdp8_05-2024_80010112341_4.xml",
                                            "wnd6_05-2024.xml"};
    ASSERT_EQ(Export(u"ExportToSOD", wnd, Folder()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Written(out_), expected);
    for (const std::string& name : expected) fs::remove(out_ / name);
    ASSERT_EQ(Export(u"ExportToSOD", wnd, Folder() + u"/"), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Written(out_), expected) << "the same names again, with a separator given or not";
    const std::string old = ReadFile(out_ / "infdp5_05-2024_00000000002.xml");
    EXPECT_EQ(ParsedAttribute(old, u"dokument", u"wersjaTypu"), u"5");
    EXPECT_EQ(old.find("Emeryt"), std::string::npos);
    EXPECT_EQ(old.find("efektZachety"), std::string::npos);
    EXPECT_NE(old.find(" wzrostNettoZatrudnienia=\"T\" wWynikuRozwUmowy=\"N\""), std::string::npos);
    const std::string later = ReadFile(out_ / "infdp8_05-2024_80010112341.xml");
    EXPECT_NE(later.find("stanowiPomocPubliczna=\"N\"   wynMinimalne="), std::string::npos) << "three blanks";
    EXPECT_NE(later.find(" efektZachety=\"T\" pracWykDzG=\"T\"/>"), std::string::npos);
}

// A WN-D without attachments gives one file; a missing folder fails naming it and writes nothing; a
// hostile reporting period stays inside the folder.
TEST_F(Wnd3Export, FoldersAndPeriods) {
    const long wnd = AddWnd(4, 202405, u"../x");
    EXPECT_EQ(Export(u"ExportToSOD", wnd, Folder("missing")), E_UNEXPECTED);
    EXPECT_NE(LastError().find(u"missing"), std::u16string::npos);
    EXPECT_FALSE(fs::exists(out_ / "missing"));
    ASSERT_EQ(Export(u"ExportToSOD", wnd, Folder()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Written(out_), std::vector<std::string>{"wnd4____x.xml"});
    EXPECT_FALSE(fs::exists(out_.parent_path() / "x.xml"));
    EXPECT_EQ(Export(u"ExportToSOD", wnd, u""), E_INVALIDARG);
}

// Texts with the characters XML reserves, letters of other alphabets and characters beyond the Basic
// Multilingual Plane read back unchanged from well-formed UTF-8 files.
TEST_F(Wnd3Export, HostileTextsReadBackUnchanged) {
    const std::u16string hostile = u"& < > \" ' \t é ü \U0001F600";
    const long wnd = Prepare(6, 202405, u"05-2024", 8);
    {
        tlx::ComPtr<ISession> session = FreshSession();
        tlx::ComPtr<IDeklaracja2> d = OpenDeclaration(session.Get(), wnd);
        for (const char16_t* field : {u"PELNOMOCNIK", u"KODADRESU", u"TELEFON"})
            ASSERT_EQ(Put(d.Get(), field, tlx::Variant::FromString(hostile)), S_OK);
        ASSERT_EQ(session->SaveChanges(), S_OK) << tlx::Utf16ToUtf8(LastError());
    }
    Execute(u"UPDATE TLX.DeklElem SET DkE_WartoscTekst = 'ABC&<\"1' WHERE DkE_WartoscTekst = 'ABC123456'");
    ASSERT_EQ(Export(u"ExportToSOD", wnd, Folder()), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::string main = ReadFile(out_ / "wnd6_05-2024.xml");
    EXPECT_TRUE(IsOneUtf8Line(main));
    EXPECT_EQ(ParsedAttribute(main, u"osoba", u"nazwaPelnomocnika"), hostile);
    EXPECT_EQ(ParsedAttribute(main, u"adres", u"kodAdresuPrzedsiebiorcy"), hostile);
    EXPECT_EQ(ParsedAttribute(main, u"kontakt", u"telefon"), hostile) << "18 units, under the cut of 25";
    const std::string attachment = ReadFile(out_ / "infdp8_05-2024_80010112341.xml");
    EXPECT_EQ(ParsedAttribute(attachment, u"daneEwidencyjne", u"nrDowodu"), u"ABC&<\"1");
    EXPECT_EQ(ParsedAttribute(attachment, u"daneEwidencyjne", u"nazwisko"), u"Żółć & \"Syn\" <x>");
}

// A local operator's files go through the transfer channel: one Reset, then four calls per file, the
// WN-D first; nothing is written on this machine.
TEST_F(Wnd3Export, ALocalOperatorsFilesGoThroughTheTransfer) {
    auto transfer = CRecordingTransfer::Make();
    StandIn standIn(CLSID_CRemoteFileTransfer, u"TLX.RemoteFileTransfer", static_cast<IRemoteFileTransfer*>(transfer.Get()));
    const long wnd = Prepare(5, 202405, u"05-2024", 5);
    ASSERT_EQ(Export(u"ExportToSODVC", wnd, u"C:\\Eksport\\"), S_OK) << tlx::Utf16ToUtf8(LastError());
    const std::vector<std::u16string> expected = {
        u"Reset ",
        u"SetFileName C:\\Eksport\\wnd5_05-2024.xml", u"SetKind file", u"SetContent", u"Transfer",
        u"SetFileName C:\\Eksport\\infdp5_05-2024_80010112341.xml", u"SetKind file", u"SetContent", u"Transfer",
        u"SetFileName C:\\Eksport\\infdp5_05-2024_00000000001.xml", u"SetKind file", u"SetContent", u"Transfer"};
    EXPECT_EQ(transfer->calls, expected);
    EXPECT_EQ(Written(out_), std::vector<std::string>{});
    EXPECT_FALSE(fs::exists(client_));
    // The same bytes as the file written into a folder here.
    ASSERT_EQ(Export(u"ExportToSOD", wnd, Folder()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Written(out_).back(), "wnd5_05-2024.xml");
    EXPECT_EQ(tlx::Utf16ToUtf8(transfer->files[u"C:\\Eksport\\infdp5_05-2024_80010112341.xml"]),
              ReadFile(out_ / "infdp5_05-2024_80010112341.xml"));
}

// A WN-D of version 1 is written in the current format too: named version 1 in a folder here and
// version 2 on the user's machine, with the same bytes. Versions no form has are refused before anything
// is written or handed over.
TEST_F(Wnd3Export, AVersion1WndIsNamedVersion1HereAndVersion2OnTheUsersMachine) {
    auto transfer = CRecordingTransfer::Make();
    StandIn standIn(CLSID_CRemoteFileTransfer, u"TLX.RemoteFileTransfer", static_cast<IRemoteFileTransfer*>(transfer.Get()));
    for (long version : {2L, 7L}) {
        Execute(u"INSERT INTO TLX.DeklNag (DkN_TypDeklar, DkN_Wersja, DkN_RokMiesiac) VALUES (310, " + N(version) +
                u", 202405)");
        const long other = std::stol(tlx::Utf16ToUtf8(Scalar(u"SELECT MAX(DkN_DkNID) FROM TLX.DeklNag")));
        EXPECT_EQ(Export(u"ExportToSODVC", other, u"C:\\Eksport\\"), E_INVALIDARG) << version;
        EXPECT_EQ(LastError(), u"Deklaracji typu 310 w wersji " + tlx::Utf8ToUtf16(std::to_string(version)) +
                                   u" nie eksportuje TLXDeklaracje.WND3: eksportuje on deklaracje typu 310 w wersjach "
                                   u"1, 3-6.");
        EXPECT_EQ(Export(u"ExportToSOD", other, Folder()), E_INVALIDARG) << version;
    }
    EXPECT_TRUE(transfer->calls.empty());
    EXPECT_EQ(Written(out_), std::vector<std::string>{});

    const long first = Prepare(1, 202405, u"05-2024", 5);
    ASSERT_EQ(Export(u"ExportToSODVC", first, u"C:\\Eksport\\"), S_OK) << tlx::Utf16ToUtf8(LastError());
    ASSERT_GE(transfer->calls.size(), 2u);
    EXPECT_EQ(transfer->calls[1], u"SetFileName C:\\Eksport\\wnd2_05-2024.xml");
    ASSERT_EQ(Export(u"ExportToSOD", first, Folder()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Written(out_), (std::vector<std::string>{"infdp5_05-2024_00000000001.xml",
                                                        "infdp5_05-2024_80010112341.xml", "wnd1_05-2024.xml"}));
    const std::string here = ReadFile(out_ / "wnd1_05-2024.xml");
    EXPECT_EQ(tlx::Utf16ToUtf8(transfer->files[u"C:\\Eksport\\wnd2_05-2024.xml"]), here);
    EXPECT_EQ(ParsedAttribute(here, u"dokument", u"wersjaTypu"), u"1") << "the document keeps the form's version";
}

// A folder on the user's machine holding a control character is refused before anything is handed over.
TEST_F(Wnd3Export, AFolderWithAControlCharacterIsRefusedBeforeAnythingIsTransferred) {
    auto transfer = CRecordingTransfer::Make();
    StandIn standIn(CLSID_CRemoteFileTransfer, u"TLX.RemoteFileTransfer", static_cast<IRemoteFileTransfer*>(transfer.Get()));
    const long wnd = Prepare(5, 202405, u"05-2024", 5);
    for (const char16_t* folder : {u"C:\\Eks\r\nport", u"C:\\Eksport\t", u"C:\\Eks\x7Fport", u"C:\\Eks\x85port"}) {
        SCOPED_TRACE(tlx::Utf16ToUtf8(folder));
        EXPECT_EQ(Export(u"ExportToSODVC", wnd, folder), E_INVALIDARG);
        EXPECT_EQ(LastError(), u"Folder na komputerze użytkownika zawiera znak sterujący.");
    }
    EXPECT_TRUE(transfer->calls.empty());
    EXPECT_FALSE(fs::exists(client_));
}

// A transfer that refuses a file's content fails the export; one that cannot be had answers E_FAIL
// with a description.
TEST_F(Wnd3Export, AFailingOrMissingTransferFailsTheExport) {
    const long wnd = Prepare(6, 202405, u"05-2024", 8);
    {
        auto transfer = CRecordingTransfer::Make();
        transfer->contentAnswer = E_OUTOFMEMORY;
        StandIn standIn(CLSID_CRemoteFileTransfer, u"TLX.RemoteFileTransfer", static_cast<IRemoteFileTransfer*>(transfer.Get()));
        EXPECT_EQ(Export(u"ExportToSODVC", wnd, u"C:\\Eksport"), E_OUTOFMEMORY);
        EXPECT_EQ(transfer->files.size(), 0u);
    }
    StandIn none(CLSID_CRemoteFileTransfer, u"TLX.RemoteFileTransfer", nullptr);
    EXPECT_EQ(Export(u"ExportToSODVC", wnd, u"C:\\Eksport"), E_FAIL);
    EXPECT_EQ(LastError(), u"Nie można utworzyć komponentu przesyłania plików na komputer użytkownika.");
}

// A remote-desktop operator's files are written to the temporary folder, copied target first, and
// removed once copied.
class Wnd3RemoteExport : public Wnd3Export {
protected:
    LONG RemoteSession() const override { return 1; }
};

TEST_F(Wnd3RemoteExport, ARemoteOperatorsFilesAreCopiedAndTheLocalOnesRemoved) {
    auto copy = CRecordingCopy::Make();
    StandIn standIn(CLSID_CRemoteFileCopy, u"TLX.RemoteFileCopy", static_cast<IRemoteFileCopy*>(copy.Get()));
    const long wnd = Prepare(6, 201512, u"12-2015", 8);
    ASSERT_EQ(Export(u"ExportToSODVC", wnd, u"C:\\Eksport"), S_OK) << tlx::Utf16ToUtf8(LastError());
    ASSERT_EQ(copy->copies.size(), 3u);
    const std::u16string names[] = {u"wnd6_12-2015.xml", u"infdp8_12-2015_80010112341.xml",
                                    u"infdp8_12-2015_00000000001.xml"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(copy->copies[i].first, u"C:\\Eksport\\" + names[i]);
        EXPECT_EQ(fs::path(tlx::Utf16ToUtf8(copy->copies[i].second)).filename(), tlx::Utf16ToUtf8(names[i]));
        EXPECT_FALSE(fs::exists(tlx::Utf16ToUtf8(copy->copies[i].second))) << "removed once copied";
    }
    EXPECT_EQ(copy->files[u"C:\\Eksport\\wnd6_12-2015.xml"], Golden("wnd3/wnd6_2015.xml"));
    EXPECT_EQ(copy->files[u"C:\\Eksport\\infdp8_12-2015_80010112341.xml"], Golden("wnd3/infdp8.xml"));
}

TEST_F(Wnd3RemoteExport, AFolderWithALineBreakIsRefusedBeforeAnythingIsCopied) {
    auto copy = CRecordingCopy::Make();
    StandIn standIn(CLSID_CRemoteFileCopy, u"TLX.RemoteFileCopy", static_cast<IRemoteFileCopy*>(copy.Get()));
    const long wnd = Prepare(6, 201512, u"12-2015", 8);
    EXPECT_EQ(Export(u"ExportToSODVC", wnd, u"C:\\Eksport\r\nC:\\Inny"), E_INVALIDARG);
    EXPECT_EQ(LastError(), u"Folder na komputerze użytkownika zawiera znak sterujący.");
    EXPECT_TRUE(copy->copies.empty());
}
}  // namespace
