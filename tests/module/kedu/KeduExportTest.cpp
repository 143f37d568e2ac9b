// A declaration's KEDU document as a file: its bytes (UTF-8 without a byte-order mark, one line ended by
// CR LF), a file replaced whole or kept, and the road to the user's machine of a remote-desktop
// operator and of the host's transfer.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "KeduDeclarationFixture.h"
#include "KeduPageBuilder.h"
#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/kedu/KeduBody.h"
#include "mv_deklaracje/kedu/KeduExport.h"
#include "tlb/Kedu.h"

namespace tlx::test {
namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

HRESULT Failure(const std::function<void()>& work) {
    try {
        work();
    } catch (const ComError& e) {
        return e.Code();
    }
    return S_OK;
}

class KeduExportTest : public KeduDeclarationTest {
protected:
    void SetUp() override {
        KeduDeclarationTest::SetUp();
        files_ = folder_ / "pliki";
        client_ = folder_ / "klient";
        fs::create_directories(files_);
        setenv("TLX_CLIENT_ROOT", client_.c_str(), 1);
    }
    void TearDown() override {
        unsetenv("TLX_CLIENT_ROOT");
        KeduDeclarationTest::TearDown();
    }
    // A stored ZIUA whose insured person's data hold `surname` and `name`.
    LONG Ziua(std::u16string_view surname, std::u16string_view name) {
        const LONG id = Insert(dekZUS_ZIUA);
        Page(id, 1, PageBlock(u"DIOP", {u"", u"", u"", u"", surname, name}));
        return id;
    }

    fs::path files_;
    fs::path client_;
    ComPtr<IRemoteFileCopy> copy_;
};

TEST_F(KeduExportTest, TheFileIsTheDocumentInUtf8OnOneLine) {
    const LONG id = Ziua(u"Gęślą jaźń „cudzysłów” – § °", u"Núñez & <Ann> \"A\"\x01");
    const CBstr document = BuildKeduDocument(session_.Get(), id);
    const fs::path target = files_ / "ziua.xml";
    ExportKeduDocument(document, CBstr(Utf8ToUtf16(target.string())), copy_);
    const std::string bytes = ReadBytes(target);
    EXPECT_EQ(bytes, Utf16ToUtf8(document.View()) + "\r\n");
    EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
    EXPECT_EQ(bytes.find("\r\n"), bytes.size() - 2);
    EXPECT_NE(bytes.find("<p5>Gęślą jaźń „cudzysłów” – § °</p5><p6>Núñez &amp; &lt;Ann&gt; &quot;A&quot;</p6>"),
              std::string::npos);
    // ź is written once as its two UTF-8 bytes, never encoded twice.
    EXPECT_NE(bytes.find("ja\xC5\xBA\xC5\x84"), std::string::npos);
    EXPECT_EQ(bytes.find("\xC3\x85"), std::string::npos);
}

TEST_F(KeduExportTest, AnExistingFileIsReplacedWholeOrKept) {
    const fs::path target = files_ / "ziua.xml";
    std::ofstream(target) << std::string(10000, 'x');
    const CBstr document = BuildKeduDocument(session_.Get(), Ziua(u"NOWAK", u"JAN"));
    ExportKeduDocument(document, CBstr(Utf8ToUtf16(target.string())), copy_);
    EXPECT_EQ(ReadBytes(target), Utf16ToUtf8(document.View()) + "\r\n");
    // A declaration that is not there fails before anything is written.
    EXPECT_TRUE(FAILED(Failure([&] { BuildKeduDocument(session_.Get(), 987654); })));
    // A folder that is not there fails naming the path, and nothing is left behind.
    const fs::path missing = files_ / "brak" / "ziua.xml";
    try {
        ExportKeduDocument(document, CBstr(Utf8ToUtf16(missing.string())), copy_);
        ADD_FAILURE() << "a file in a missing folder";
    } catch (const ComError& e) {
        EXPECT_EQ(e.Code(), E_UNEXPECTED);
        EXPECT_NE(e.Description().find(Utf8ToUtf16(missing.parent_path().string())), std::u16string::npos)
            << Utf16ToUtf8(e.Description());
    }
    EXPECT_FALSE(fs::exists(files_ / "brak"));
}

TEST_F(KeduExportTest, TargetsAreCutAtEitherSeparatorAndEmptyNamesRefused) {
    struct Case { const char16_t* target; const char16_t* folder; const char16_t* name; };
    for (const Case& c : {Case{u"C:\\Kadry\\iwa.xml", u"C:\\Kadry\\", u"iwa.xml"},
                          Case{u"/home/jan/iwa.xml", u"/home/jan/", u"iwa.xml"}, Case{u"iwa.xml", u".", u"iwa.xml"},
                          Case{u"a/../../x", u"a/../../", u"x"}, Case{u"C:\\a/b\\c.xml", u"C:\\a/b\\", u"c.xml"}}) {
        const auto [folder, name] = SplitTarget(CBstr(c.target));
        EXPECT_EQ(folder.Str(), c.folder) << Utf16ToUtf8(c.target);
        EXPECT_EQ(name.Str(), c.name) << Utf16ToUtf8(c.target);
    }
    for (const char16_t* bad : {u"", u"\\", u"//", u"..", u".", u"C:\\Kadry\\", u"a/.."})
        EXPECT_EQ(Failure([&] { SplitTarget(CBstr(bad)); }), E_INVALIDARG) << Utf16ToUtf8(bad);
}

TEST_F(KeduExportTest, TheTransferDeliversWithTheApplicationOrAsAFile) {
    const CBstr document = BuildKeduDocument(session_.Get(), Ziua(u"NOWAK", u"JAN"));
    SendKeduDocument(document, CBstr(u"C:\\Kadry\\ziua.xml"), CBstr(u"C:\\Program\\Platnik.exe"), copy_);
    EXPECT_EQ(ReadBytes(client_ / "C" / "Kadry" / "ziua.xml"), Utf16ToUtf8(document.View()) + "\r\n");
    EXPECT_EQ(ReadBytes(client_ / "aplikacje.log"), "C:\\Program\\Platnik.exe\tC:\\Kadry\\ziua.xml\n");
    SendKeduDocument(document, CBstr(u"/home/jan/ziua.xml"), CBstr(u""), copy_);
    EXPECT_EQ(ReadBytes(client_ / "home" / "jan" / "ziua.xml"), Utf16ToUtf8(document.View()) + "\r\n");
    EXPECT_EQ(ReadBytes(client_ / "aplikacje.log"), "C:\\Program\\Platnik.exe\tC:\\Kadry\\ziua.xml\n");
}

// An application path that holds a line break or another control character would start a second
// program on the user's machine: the export is refused and nothing is sent.
TEST_F(KeduExportTest, AnApplicationPathWithAControlCharacterIsRefused) {
    const LONG id = Ziua(u"NOWAK", u"JAN");
    ComPtr<IKeduDocuments> documents;
    ASSERT_EQ(CreateKeduDocuments(session_.Get(), documents.Out()), S_OK);
    for (const char16_t* bad : {u"C:\\Program\\Platnik.exe\r\nC:\\Windows\\calc.exe", u"Platnik.exe\n",
                                u"Plat\tnik.exe", u"\x7f"}) {
        EXPECT_EQ(documents->ExportToXMLCIV(id, Bstr(u"C:\\Kadry\\ziua.xml").Get(), Bstr(bad).Get()), E_INVALIDARG)
            << Utf16ToUtf8(bad);
        EXPECT_NE(LastError().find(u"znak sterujący"), std::u16string::npos);
    }
    // A target whose folder holds a line break would do the same through the list's file column.
    EXPECT_EQ(documents->ExportToXMLCIV(id, Bstr(u"C:\\Kadry\r\nC:\\Windows\\calc.exe\tC:\\ziua.xml").Get(),
                                        Bstr(u"C:\\Program\\Platnik.exe").Get()),
              E_INVALIDARG);
    EXPECT_EQ(LastError(), u"Ścieżka pliku na komputerze użytkownika zawiera znak sterujący.");
    EXPECT_FALSE(fs::exists(client_)) << "nothing reached the user's machine";
    EXPECT_EQ(documents->ExportToXMLCIV(id, Bstr(u"C:\\Kadry\\ziua.xml").Get(), Bstr(u"C:\\Program Files\\Płatnik.exe").Get()),
              S_OK) << Utf16ToUtf8(LastError());
    EXPECT_EQ(ReadBytes(client_ / "aplikacje.log"), "C:\\Program Files\\Płatnik.exe\tC:\\Kadry\\ziua.xml\n");
}

// A remote-desktop operator's file goes through the temporary folder to the user's machine.
class KeduRemoteExportTest : public KeduExportTest {
protected:
    LONG RemoteSession() const override { return 1; }
    // A temporary folder of the test's own, so that what stays in it is the export's.
    void SetUp() override {
        KeduExportTest::SetUp();
        const char* system = std::getenv("TMPDIR");
        systemTemporary_ = system ? system : "";
        fs::create_directories(folder_ / "tmp");
        setenv("TMPDIR", (folder_ / "tmp").c_str(), 1);
    }
    void TearDown() override {
        if (systemTemporary_.empty()) unsetenv("TMPDIR");
        else setenv("TMPDIR", systemTemporary_.c_str(), 1);
        KeduExportTest::TearDown();
    }
    std::string systemTemporary_;
};

TEST_F(KeduRemoteExportTest, TheFileArrivesUnderTheTargetsNameAndNoCopyStays) {
    const CBstr document = BuildKeduDocument(session_.Get(), Ziua(u"NOWAK", u"JAN"));
    struct Case { const char16_t* target; fs::path arrived; };
    for (const Case& c : {Case{u"C:\\Kadry\\iwa.xml", client_ / "C" / "Kadry" / "iwa.xml"},
                          Case{u"/home/jan/iwa.xml", client_ / "home" / "jan" / "iwa.xml"},
                          Case{u"iwa.xml", client_ / "iwa.xml"}}) {
        ExportKeduDocument(document, CBstr(c.target), copy_);
        EXPECT_EQ(ReadBytes(c.arrived), Utf16ToUtf8(document.View()) + "\r\n") << Utf16ToUtf8(c.target);
        EXPECT_TRUE(fs::is_empty(folder_ / "tmp"));
        fs::remove(c.arrived);
    }
    for (const char16_t* bad : {u"", u"\\", u".."})
        EXPECT_EQ(Failure([&] { ExportKeduDocument(document, CBstr(bad), copy_); }), E_INVALIDARG)
            << Utf16ToUtf8(bad);
    // A target climbing out of its folder is refused before a copy is made.
    EXPECT_EQ(Failure([&] { ExportKeduDocument(document, CBstr(u"a/../../x"), copy_); }), E_ACCESSDENIED);
    EXPECT_TRUE(fs::is_empty(folder_ / "tmp"));
    // A hand-over that fails (the user's folder cannot be made) fails the export and leaves no copy behind.
    fs::remove_all(client_);
    std::ofstream(client_) << "not a folder";
    EXPECT_TRUE(FAILED(Failure([&] { ExportKeduDocument(document, CBstr(u"C:\\Kadry\\iwa.xml"), copy_); })));
    EXPECT_TRUE(fs::is_empty(folder_ / "tmp"));
}

}  // namespace
}  // namespace tlx::test
