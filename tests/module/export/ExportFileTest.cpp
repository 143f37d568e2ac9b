#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <signal.h>
#include <stdlib.h>
#include <sys/resource.h>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/export/ExportDelivery.h"
#include "mv_deklaracje/export/ExportFile.h"
#include "platform/text/CodePage.h"
#include "mv_deklaracje/export/XmlEscape.h"

namespace fs = std::filesystem;

namespace {

class ExportFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "tlx-export-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        folder_ = pattern;
    }
    void TearDown() override { fs::remove_all(folder_); }

    CBstr PathOf(const std::string& name) const { return CBstr(fs::path(folder_ / name).u16string()); }
    std::string Read(const std::string& name) const {
        std::ifstream in(folder_ / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void Put(const std::string& name, const std::string& bytes) const {
        std::ofstream(folder_ / name, std::ios::binary) << bytes;
    }
    // The names of the folder's entries: a failed export must leave no temporary file behind.
    std::vector<std::string> Entries() const {
        std::vector<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    fs::path folder_;
};

// Lowers the size limit of files this process writes (a full disk, as far as the writer can tell).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = ::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        ::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    sighandler_t previous_{};
};

}  // namespace

TEST(XmlEscape, EscapesAllFourSpecialCharactersAndKeepsTheApostrophe) {
    EXPECT_EQ(EscapeXmlText(CBstr(u"Kowalski & \"Syn\" <sp. j.> O'Neil")),
              u"Kowalski &amp; &quot;Syn&quot; &lt;sp. j.&gt; O'Neil");
    EXPECT_EQ(EscapeXmlText(CBstr(u"&amp;")), u"&amp;amp;") << "an escaped text is escaped again";
    EXPECT_EQ(EscapeXmlText(CBstr()), u"");
}

TEST(XmlEscape, LettersOfEveryAlphabetStayAsTheyAre) {
    const CBstr polish(u"Zażółć gęślą jaźń ZAŻÓŁĆ GĘŚLĄ JAŹŃ");
    for (bool variant : {false, true}) {
        EXPECT_EQ(EscapeXmlText(polish, variant), polish.View()) << variant;
        EXPECT_EQ(EscapeXmlText(CBstr(u"Łódź"), variant), u"Łódź") << variant;
    }
    EXPECT_EQ(EscapeXmlText(CBstr(u"Müller Šťastný Ţară §2 ° ˇ¦¬")), u"Müller Šťastný Ţară §2 ° ˇ¦¬");
    EXPECT_EQ(EscapeXmlText(CBstr(u"\U0001F600")), u"\U0001F600") << "a character beyond the BMP keeps its pair";
}

TEST(XmlEscape, DropsWhatXmlCannotCarry) {
    const std::u16string text{u'a', 0x01, u'\t', u'b', 0x1F, u'\r', u'\n', 0xFFFF, 0xD800, u'c', 0xDC00};
    EXPECT_EQ(EscapeXmlText(CBstr(text)), u"a&#9;b&#13;&#10;c");
}

TEST_F(ExportFileTest, WritesUtf8LinesEndedByCrLf) {
    {
        ExportFile file(PathOf("kedu.xml"));
        file.WriteLine(std::string_view("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
        file.WriteLine(CBstr(u"<n>") + EscapeXmlText(CBstr(u"Zażółć gęślą jaźń & ĄĆĘŁŃÓŚŹŻ <x>")) + std::u16string_view(u"</n>"));
        file.WriteLine(std::string_view(""));
        file.Commit();
    }
    EXPECT_EQ(Read("kedu.xml"),
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n"
              "<n>Za\xC5\xBC\xC3\xB3\xC5\x82\xC4\x87 g\xC4\x99\xC5\x9Bl\xC4\x85 ja\xC5\xBA\xC5\x84 &amp; "
              "\xC4\x84\xC4\x86\xC4\x98\xC5\x81\xC5\x83\xC3\x93\xC5\x9A\xC5\xB9\xC5\xBB &lt;x&gt;</n>\r\n"
              "\r\n");
    EXPECT_EQ(Entries(), std::vector<std::string>{"kedu.xml"});
}

TEST_F(ExportFileTest, ReplacesAnExistingFileOnlyWhenComplete) {
    Put("wniosek.xml", "old");
    fs::permissions(folder_ / "wniosek.xml", fs::perms::owner_read);
    {
        ExportFile file(PathOf("wniosek.xml"));
        file.WriteLine(std::string_view("new"));
        EXPECT_EQ(Read("wniosek.xml"), "old") << "nothing reaches the target before Commit";
        file.Commit();
    }
    EXPECT_EQ(Read("wniosek.xml"), "new\r\n");
    EXPECT_EQ(fs::status(folder_ / "wniosek.xml").permissions() & fs::perms::owner_write, fs::perms::owner_write);
}

TEST_F(ExportFileTest, FailureInTheMiddleLeavesNoFile) {
    Put("old.xml", "previous export");
    auto writeAndFail = [&](const std::string& name) {
        ExportFile file(PathOf(name));
        file.WriteLine(std::string_view("<KEDU>"));
        throw ComError(E_FAIL);  // a value of the declaration could not be read
    };
    EXPECT_THROW(writeAndFail("new.xml"), ComError);
    EXPECT_THROW(writeAndFail("old.xml"), ComError);
    EXPECT_EQ(Entries(), std::vector<std::string>{"old.xml"});
    EXPECT_EQ(Read("old.xml"), "previous export");
}

TEST_F(ExportFileTest, ShortWriteRaisesUnexpectedAndLeavesNoFile) {
    try {
        ExportFile file(PathOf("big.xml"));
        FileSizeLimit limit(100);
        const std::string line(60, 'x');
        file.WriteLine(std::string_view(line));
        file.WriteLine(std::string_view(line));
        FAIL() << "a write beyond the limit must fail";
    } catch (const ComError& e) {
        EXPECT_EQ(e.Code(), E_UNEXPECTED);
        EXPECT_EQ(e.Info(), nullptr) << "a short write has no description";
    }
    EXPECT_TRUE(Entries().empty());
}

TEST_F(ExportFileTest, MissingFolderRaisesUnexpectedWithThePath) {
    try {
        ExportFile file(PathOf("brak/plik.xml"));
        FAIL();
    } catch (const ComError& e) {
        EXPECT_EQ(e.Code(), E_UNEXPECTED);
        tlx::Bstr text;
        ASSERT_NE(e.Info(), nullptr);
        e.Info()->GetDescription(text.Out());
        EXPECT_NE(text.View().find(u"brak/plik.xml"), std::u16string_view::npos);
    }
}

TEST_F(ExportFileTest, ExistenceAndDeletionTakePathsLiterally) {
    Put("a1.xml", "1");
    Put("a*.xml", "2");
    fs::create_directory(folder_ / "katalog");
    EXPECT_TRUE(FileExists(PathOf("a1.xml")));
    EXPECT_TRUE(FileExists(PathOf("katalog")));
    EXPECT_FALSE(FileExists(PathOf("a?.xml"))) << "no wildcards";
    EXPECT_FALSE(FileExists(CBstr()));

    DeleteExistingFile(PathOf("a*.xml"));
    EXPECT_EQ(Entries(), (std::vector<std::string>{"a1.xml", "katalog"})) << "only the file of that very name";

    fs::permissions(folder_ / "a1.xml", fs::perms::owner_read | fs::perms::group_read);
    DeleteExistingFile(PathOf("a1.xml"));
    DeleteExistingFile(PathOf("missing.xml"));
    DeleteExistingFile(PathOf("katalog"));
    EXPECT_EQ(Entries(), std::vector<std::string>{"katalog"}) << "a read-only file goes, a folder stays";
}

// A set whose names are not all safe is refused whole: nothing of it is written.
TEST_F(ExportFileTest, ADeliveryChecksEveryNameBeforeTheFirstFile) {
    const CBstr folder(folder_.u16string());
    for (const char16_t* bad : {u"a..b.xml", u"a/b.xml", u"a\\b.xml", u"a\tb.xml", u""}) {
        EXPECT_EQ(ComBoundary([&] {
                      ExportDelivery({folder}, {{CBstr(u"dobry.xml"), CBstr(u"<a/>")}, {CBstr(bad), CBstr(u"<b/>")}})
                          .WriteFiles();
                  }),
                  E_INVALIDARG)
            << tlx::Utf16ToUtf8(bad);
    }
    EXPECT_TRUE(Entries().empty());
    ExportDelivery({folder}, {{CBstr(u"a.b.xml"), CBstr(u"<a/>")}}).WriteFiles();
    EXPECT_EQ(Read("a.b.xml"), "<a/>\r\n");
}
