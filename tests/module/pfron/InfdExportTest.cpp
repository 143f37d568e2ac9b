#include <gtest/gtest.h>

#include <filesystem>

#include "SodExportCompany.h"
#include "mv_deklaracje/export/ExportDelivery.h"

using namespace pfron_test;

namespace {
namespace fs = std::filesystem;
}  // namespace

class InfdExportTest : public SodExportCompany {
protected:

    // An INF-D with the employer's fields and two attachments: one worked out in full, one without PESEL.
    long Prepare(long version) {
        const long infd = AddInfd(version);
        tlx::ComPtr<ISession> session = FreshSession();
        tlx::ComPtr<IDeklaracja2> d = OpenDeclaration(session.Get(), infd);
        const struct {
            const char16_t* field;
            tlx::Variant value;
        } main[] = {
            {u"LICZBAINFDP", tlx::Variant::FromLong(2)},
            {u"REGON", tlx::Variant::FromString(u"123456789")},
            {u"SKRNAZWPRACODAWCY", tlx::Variant::FromString(u"Łódzka & Spółka")},
            {u"KODPOCZTOWY", tlx::Variant::FromString(u"")},
            {u"MIASTO", tlx::Variant::FromString(u"Łódź")},
            {u"NRDOMU", tlx::Variant::FromString(u"12")},
            {u"ULICA", tlx::Variant::FromString(u"Piotrkowska \"Duża\"")},
            {u"EMAIL", tlx::Variant::FromString(u"biuro@firma.pl")},
            {u"TELEFON", tlx::Variant::FromString(u"42 123 45 67")},
            {u"IMIENAZWISKOOSOBYPODPISUJACEJ", tlx::Variant::FromString(u"Anna Nowak")},
            {u"UWAGI", tlx::Variant::FromString(u"nie do pliku")},
        };
        for (const auto& f : main) EXPECT_EQ(Put(d.Get(), f.field, f.value), S_OK) << tlx::Utf16ToUtf8(f.field);
        AddAttachment(session.Get(), infd, version, 1, u"80010112345");
        AddAttachment(session.Get(), infd, version, 2, u"");
        EXPECT_EQ(session->SaveChanges(), S_OK) << tlx::Utf16ToUtf8(LastError());
        return infd;
    }

    void AddAttachment(ISession* session, long infd, long version, long number, const char16_t* pesel) {
        tlx::ComPtr<IDeklaracja2> a = NewChild(session, infd, 301, version);
        ASSERT_TRUE(a);
        auto text = [](const char16_t* t) { return tlx::Variant::FromString(t); };
        std::vector<std::pair<const char16_t*, tlx::Variant>> fields = {
            {u"NRKOLEJNY", tlx::Variant::FromLong(number)}, {u"OKRESSPRAWOZDAWCZY", text(u"02-2024")},
            {u"RODZAJINFORMACJI", text(u"K")}, {u"NRPFRON", text(u"99999")},
            {u"PESEL", text(pesel)}, {u"IMIE1", text(u"Zażółć")}, {u"IMIE2", text(u"")},
            {u"NAZWISKO", text(u"Gęślą & <Jaźń> \"ĄĆĘŁŃÓŚŹŻ\"")}, {u"NIP", text(u"1112223344")},
            {u"NRDOWODU", text(u"ABC123")}, {u"PLEC", text(u"M")}, {u"WYKSZTALCENIE", text(u"5")},
            {u"ZAWOD", text(u"ślusarz")}, {u"GMINA", text(u"Łódź")}, {u"KODPOCZTOWY", text(u"90-001")},
            {u"MIASTO", text(u"Łódź")}, {u"MSCEZAMIESZKANIA", text(u"M")}, {u"NRDOMU", text(u"7")},
            {u"NRLOKALU", text(u"2")}, {u"POCZTA", text(u"Łódź")}, {u"POWIAT", text(u"łódzki")},
            {u"ULICA", text(u"Długa")}, {u"WOJEWODZTWO", text(u"10")},
            {u"OKRESZATRODDNIA", tlx::Variant::FromDate(43831)},  // 2020-01-01
            {u"ROZWSTOSPRACY", text(u"2")}, {u"ZATRNACZAS", tlx::Variant::FromLong(version == 1 ? 1 : 2)},
            {u"PODSTZATRUDNIENIA", tlx::Variant::FromLong(1)},
            {u"WYNOSIAGANE", tlx::Variant::FromCurrency(CY{44000000})},
            {u"WYNWYPLACONE", tlx::Variant::FromCurrency(CY{37000000})},
            {u"WYNMINIMALNE", tlx::Variant::FromCurrency(CY{36000000})},
            {u"KWUSTALONA", tlx::Variant::FromCurrency(CY{10000})},
            {version == 1 ? u"POMZUS" : u"POMNIEJSZENIA", tlx::Variant::FromCurrency(CY{3904000})},
        };
        for (const char16_t* f : {u"CHRONZNACZNY", u"CHRONUMIARKOWANY", u"CHRONLEKKI", u"CHRONSZNACZNY",
                                  u"CHRONSLEKKI", u"NORMZNACZNY", u"NORMLEKKI"})
            fields.emplace_back(f, text(u"0,000"));
        fields.emplace_back(u"CHRONSUMIARKOWANY", text(u"0,323"));
        if (version == 1) {
            fields.emplace_back(u"NORMUMIARKOWANY", text(u"0,677"));
            fields.emplace_back(u"OKRESZATRDODNIA", tlx::Variant::FromDate(45371));  // 2024-03-20
        } else {
            fields.emplace_back(u"NORMUMIARKOWANY", text(u"0,000"));
            fields.emplace_back(u"NORMSLEKKI", text(u"0,000"));
            fields.emplace_back(u"NORMSZNACZNY", text(u"0,000"));
            fields.emplace_back(u"NORMSUMIARKOWANY", text(u"0,677"));
        }
        for (auto& [field, value] : fields) EXPECT_EQ(Put(a.Get(), field, value), S_OK) << tlx::Utf16ToUtf8(field);
    }

    HRESULT Export(const char16_t* member, long infd, const std::u16string& folder) {
        tlx::ComPtr<IDispatch> object = Create(u"TLXDeklaracje.INFD");
        return Call(object.Get(), member, {tlx::Variant::FromLong(infd), tlx::Variant::FromString(folder)});
    }

};

TEST_F(InfdExportTest, TheFilesOfBothVersionsAgreeWithTheGoldenDocuments) {
    for (long version : {1L, 3L}) {
        SCOPED_TRACE(version);
        const long infd = Prepare(version);
        const fs::path out = out_ / ("v" + std::to_string(version));
        fs::create_directories(out);
        ASSERT_EQ(Export(u"ExportToSOD", infd, tlx::Utf8ToUtf16(out.string())), S_OK) << tlx::Utf16ToUtf8(LastError());
        EXPECT_EQ(Listing(out), (std::vector<std::string>{"infd_03-2024.xml", "infdp_03-2024_00000000001.xml",
                                                          "infdp_03-2024_80010112345.xml"}));
        const std::string v = version == 1 ? "v1" : "v3";
        EXPECT_EQ(ReadFile(out / "infd_03-2024.xml"), Golden(("infd_" + v + ".xml").c_str()));
        EXPECT_EQ(ReadFile(out / "infdp_03-2024_80010112345.xml"), Golden(("infdp_" + v + ".xml").c_str()));
        const std::string second = ReadFile(out / "infdp_03-2024_00000000001.xml");
        EXPECT_NE(second.find("nrKolejny=\"2\""), std::string::npos);
        EXPECT_NE(second.find("pesel=\"00000000000\""), std::string::npos);
        for (const std::string& name : Listing(out))
            EXPECT_EQ(SchemaErrors(ReadFile(out / name)), u"") << name;
    }
}

TEST_F(InfdExportTest, FolderEndingsAndBadFolders) {
    const long infd = Prepare(3);
    for (const std::u16string& ending : {std::u16string(u""), std::u16string(u"/"), std::u16string(u"\\")}) {
        fs::remove_all(out_ / "a");
        fs::create_directories(out_ / "a");
        ASSERT_EQ(Export(u"ExportToSOD", infd, Folder() + u"/a" + ending), S_OK) << tlx::Utf16ToUtf8(LastError());
        EXPECT_EQ(Listing(out_ / "a").size(), 3u) << "one separator, never two";
    }
    EXPECT_EQ(Export(u"ExportToSOD", infd, u""), E_INVALIDARG);
    EXPECT_EQ(Export(u"ExportToSOD", infd, Folder() + u"/missing/b"), E_UNEXPECTED);
    EXPECT_EQ(Listing(out_ / "a").size(), 3u);
}

TEST_F(InfdExportTest, NamesAreSafeAndKeysNeverCollide) {
    EXPECT_EQ(SafeFileNamePart(CBstr(u"03/2024\\x\ty")).Str(), u"03_2024_x_y");
    const long infd = Prepare(3);
    // Both attachments with one PESEL: the second file takes its number too.
    Execute(u"UPDATE TLX.DeklNag SET DkN_Numer = DkN_Numer");
    {
        tlx::ComPtr<ISession> session = FreshSession();
        tlx::ComPtr<IDispatch> children;
        ASSERT_EQ(OpenDeclaration(session.Get(), infd)->get_Deklaracje(children.Out()), S_OK);
        tlx::ComPtr<IDispatch> second;
        ASSERT_EQ(children.As<ICollection>()->Item(tlx::Variant::FromLong(1), second.Out()), S_OK);
        ASSERT_EQ(Put(second.Get(), u"PESEL", tlx::Variant::FromString(u"80010112345")), S_OK);
        ASSERT_EQ(session->SaveChanges(), S_OK) << tlx::Utf16ToUtf8(LastError());
    }
    ASSERT_EQ(Export(u"ExportToSOD", infd, Folder()), S_OK) << tlx::Utf16ToUtf8(LastError());
    std::vector<std::string> names = Listing(out_);
    names.erase(std::remove(names.begin(), names.end(), "klient"), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"infd_03-2024.xml", "infdp_03-2024_80010112345.xml",
                                               "infdp_03-2024_80010112345_2.xml"}));
}

// The attachments go by their numbers, not by the order they are stored in, and the export takes only
// the children the declaration's children collection answers (a child of an attachment form it leaves
// out is not an INF-D-P).
TEST_F(InfdExportTest, AttachmentsGoByTheirNumbersAndOnlyTheChildrenTheDeclarationAnswers) {
    const long infd = Prepare(3);
    const std::u16string parent = tlx::Utf8ToUtf16(std::to_string(infd));
    const std::u16string children = u"(SELECT DkN_DkNID FROM TLX.DeklNag WHERE DkN_ParentID = " + parent + u")";
    // The first stored attachment becomes number 3; the second (number 2) takes its PESEL.
    Execute(u"UPDATE TLX.DeklElem SET DkE_WartoscL = 3 WHERE DkE_Numer = 1 AND DkE_WartoscL = 1 AND DkE_DkNID IN " +
            children);
    Execute(u"UPDATE TLX.DeklElem SET DkE_WartoscTekst = '80010112345' WHERE DkE_Numer = 10 AND DkE_DkNID IN " +
            children);
    Execute(u"INSERT INTO TLX.DeklNag (DkN_TypDeklar, DkN_Wersja, DkN_RokMiesiac, DkN_ParentID) VALUES (25, 14, "
            u"202403, " + parent + u")");
    ASSERT_EQ(Export(u"ExportToSOD", infd, Folder()), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Written(out_), (std::vector<std::string>{"infd_03-2024.xml", "infdp_03-2024_80010112345.xml",
                                                       "infdp_03-2024_80010112345_3.xml"}));
    EXPECT_NE(ReadFile(out_ / "infdp_03-2024_80010112345.xml").find("nrKolejny=\"2\""), std::string::npos);
    EXPECT_NE(ReadFile(out_ / "infdp_03-2024_80010112345_3.xml").find("nrKolejny=\"3\""), std::string::npos);
}

// A local operator's files go through the transfer channel.
TEST_F(InfdExportTest, ALocalOperatorsFilesGoThroughTheTransferChannel) {
    const long infd = Prepare(3);
    ASSERT_EQ(Export(u"ExportToSODVC", infd, u"C:\\Eksport\\"), S_OK) << tlx::Utf16ToUtf8(LastError());
    const fs::path target = client_ / "C" / "Eksport";
    EXPECT_EQ(Listing(target).size(), 3u);
    EXPECT_EQ(ReadFile(target / "infd_03-2024.xml"), Golden("infd_v3.xml"));
    EXPECT_EQ(ReadFile(target / "infdp_03-2024_80010112345.xml"), Golden("infdp_v3.xml"));
}

// A remote-desktop operator's files go through the file copy, and nothing stays in the temporary folder.
// A remote operator's files are staged in the temporary folder, which is the test program's own.
class InfdRemoteExport : public InfdExportTest {
protected:
    LONG RemoteSession() const override { return 1; }
};

TEST_F(InfdRemoteExport, ARemoteOperatorsFilesAreCopiedAndTheLocalOnesRemoved) {
    const long infd = Prepare(3);
    ASSERT_EQ(Export(u"ExportToSODVC", infd, u"C:\\Eksport"), S_OK) << tlx::Utf16ToUtf8(LastError());
    const fs::path target = client_ / "C" / "Eksport";
    EXPECT_EQ(Listing(target), (std::vector<std::string>{"infd_03-2024.xml", "infdp_03-2024_00000000001.xml",
                                                         "infdp_03-2024_80010112345.xml"}));
    EXPECT_EQ(ReadFile(target / "infdp_03-2024_80010112345.xml"), Golden("infdp_v3.xml"));
    for (const std::string& name : Listing(target)) EXPECT_FALSE(fs::exists(fs::temp_directory_path() / name)) << name;
}


// Line breaks, tabs, XML's special characters, Polish letters and characters beyond the BMP in the
// company's and the employee's texts reach the files as references or UTF-8 and read back unchanged;
// every file stays one line.
TEST_F(InfdExportTest, HostileTextsReadBackUnchangedThroughTheParser) {
    const std::u16string crLf = u"Długa\r\n7", lineFeed = u"Nowy\nŚwiat", tab = u"a\tb", special = u"& < > \" '",
                         polish = u"Zażółć gęślą jaźń", astral = u"\U0001F600 \U00020BB7";
    const struct {
        bool attachment;
        const char16_t* field;
        const std::u16string& value;
        const char16_t* element;
        const char16_t* attribute;
    } cases[] = {
        {false, u"SKRNAZWPRACODAWCY", crLf, u"daneEwidencyjne", u"skroconaNazwaPracodawcy"},
        {false, u"MIASTO", special, u"adres", u"miejscowosc"},
        {false, u"ULICA", lineFeed, u"adres", u"ulica"},
        {false, u"NRDOMU", tab, u"adres", u"nrDomu"},
        {false, u"EMAIL", astral, u"kontakt", u"email"},
        {true, u"NAZWISKO", crLf, u"daneEwidencyjne", u"nazwisko"},
        {true, u"IMIE1", tab, u"daneEwidencyjne", u"imie1"},
        {true, u"ZAWOD", special, u"daneEwidencyjne", u"zawod"},
        {true, u"ULICA", lineFeed, u"adres", u"ulica"},
        {true, u"MIASTO", polish, u"adres", u"miejscowosc"},
        {true, u"GMINA", astral, u"adres", u"gmina"},
    };
    const long infd = Prepare(3);
    {
        tlx::ComPtr<ISession> session = FreshSession();
        tlx::ComPtr<IDeklaracja2> main = OpenDeclaration(session.Get(), infd);
        tlx::ComPtr<IDispatch> children;
        ASSERT_EQ(main->get_Deklaracje(children.Out()), S_OK);
        for (const auto& c : cases) {
            if (!c.attachment) {
                ASSERT_EQ(Put(main.Get(), c.field, tlx::Variant::FromString(c.value)), S_OK);
                continue;
            }
            for (LONG i = 0; i < 2; ++i) {
                tlx::ComPtr<IDispatch> child;
                ASSERT_EQ(children.As<ICollection>()->Item(tlx::Variant::FromLong(i), child.Out()), S_OK);
                ASSERT_EQ(Put(child.Get(), c.field, tlx::Variant::FromString(c.value)), S_OK);
            }
        }
        ASSERT_EQ(session->SaveChanges(), S_OK) << tlx::Utf16ToUtf8(LastError());
    }
    ASSERT_EQ(Export(u"ExportToSOD", infd, Folder()), S_OK) << tlx::Utf16ToUtf8(LastError());
    for (const char* name : {"infd_03-2024.xml", "infdp_03-2024_80010112345.xml", "infdp_03-2024_00000000001.xml"}) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadFile(out_ / name);
        EXPECT_EQ(bytes.find_first_of("\r\n\t"), bytes.size() - 2) << "one line, then CR LF";
        for (const auto& c : cases) {
            if (c.attachment != (std::string(name) != "infd_03-2024.xml")) continue;
            EXPECT_EQ(ParsedAttribute(bytes, c.element, c.attribute), c.value) << tlx::Utf16ToUtf8(c.field);
        }
    }
}

// One cleaning rule serves both roads: a key with ".." and separators gives the same safe name locally
// and on the user's machine, and the whole set arrives.
TEST_F(InfdExportTest, AKeyWithParentFolderDotsGivesTheSameSafeNameOnBothRoads) {
    EXPECT_EQ(SafeFileNamePart(CBstr(u"..\\..\\x.y.")).Str(), u"______x.y_");
    EXPECT_EQ(SafeFileNamePart(CBstr(u".a..b")).Str(), u"_a__b");
    const long infd = Prepare(3);
    Execute(u"UPDATE TLX.DeklElem SET DkE_WartoscTekst = '..\\..\\80010112345' WHERE DkE_WartoscTekst = '80010112345'");
    const std::vector<std::string> expected{"infd_03-2024.xml", "infdp_03-2024_00000000001.xml",
                                            "infdp_03-2024_______80010112345.xml"};
    ASSERT_EQ(Export(u"ExportToSOD", infd, Folder()), S_OK) << tlx::Utf16ToUtf8(LastError());
    std::vector<std::string> local = Listing(out_);
    local.erase(std::remove(local.begin(), local.end(), "klient"), local.end());
    EXPECT_EQ(local, expected);
    ASSERT_EQ(Export(u"ExportToSODVC", infd, u"C:\\Eksport"), S_OK) << tlx::Utf16ToUtf8(LastError());
    EXPECT_EQ(Listing(client_ / "C" / "Eksport"), expected);
}

// A folder on the user's machine that holds ".." is refused before the first file is delivered.
TEST_F(InfdExportTest, AFolderTheUsersMachineRefusesDeliversNothing) {
    const long infd = Prepare(3);
    EXPECT_EQ(Export(u"ExportToSODVC", infd, u"C:\\Eksport\\..\\..\\Windows"), E_ACCESSDENIED);
    EXPECT_EQ(LastError(), u"Folder \"C:\\Eksport\\..\\..\\Windows\" na komputerze użytkownika wychodzi poza jego "
                           u"folder (\"..\").");
    EXPECT_FALSE(fs::exists(client_));
}

TEST_F(InfdRemoteExport, AFolderTheUsersMachineRefusesCopiesNothing) {
    const long infd = Prepare(3);
    EXPECT_EQ(Export(u"ExportToSODVC", infd, u"C:\\a..b"), E_ACCESSDENIED);
    EXPECT_FALSE(fs::exists(client_));
    for (const char* name : {"infd_03-2024.xml", "infdp_03-2024_80010112345.xml"})
        EXPECT_FALSE(fs::exists(fs::temp_directory_path() / name)) << name;
}
