// The demo company's IWA and DRA written as KEDU files by a host script through tlxhost: the files the
// script names arrive whole, each one line of UTF-8 ended by CR LF, and each is valid under the schema
// of its generation (the DRA of form version 4 under KEDU_4_3, of version 3 under KEDU_3).
#include <cstdlib>
#include <string>

#include "TlxhostFixture.h"
#include "platform/ado/SqliteDatabase.h"
#include "platform/text/CodePage.h"
#include "tests/support/KeduSchemaFolder.h"

namespace {

class KeduExportScript : public TlxhostDemoTest {
protected:
    void SetUp() override {
        TlxhostDemoTest::SetUp();
        std::filesystem::create_directories(folder_ / "wymiana");
        tlx::ado::SqliteDatabase(Path("firma.db"))
            .Run("UPDATE TLX.Konfiguracja SET Kfg_Wartosc = '" + Path("wymiana") +
                 "' WHERE Kfg_Klucz = 'eDeklaracjeKatalogWymiany'");
        setenv("TLX_CLIENT_ROOT", Path("klient").c_str(), 1);
    }
    void TearDown() override {
        unsetenv("TLX_CLIENT_ROOT");
        TlxhostDemoTest::TearDown();
    }
};

TEST_F(KeduExportScript, TheDemosIwaAndDraAsKeduFiles) {
    ASSERT_EQ(RunScript(Source("scripts/kedu-export.js")), 0) << err_ << out_;
    EXPECT_EQ(out_, Source("golden/kedu-export.out"));

    const char* root = std::getenv("TLX_SOURCE_DIR");
    tlx::test::KeduSchemaFolder schemas(root ? root : ".", TLX_KEDU5_DIR);
    const struct {
        std::string path, ns;
    } files[] = {
        {Path("wymiana/iwa_2024.xml"), "http://www.zus.pl/2016/KEDU_4_3"},
        {Path("klient/C/Kadry/iwa_2024.xml"), "http://www.zus.pl/2016/KEDU_4_3"},
        {Path("wymiana/dra_4_03-2024.xml"), "http://www.zus.pl/2016/KEDU_4_3"},
        {Path("wymiana/dra_3_03-2024.xml"), "http://www.zus.pl/2009/KEDU_3"},
    };
    for (const auto& file : files) {
        const std::string bytes = Read(file.path);
        ASSERT_TRUE(bytes.ends_with("</KEDU>\r\n")) << file.path;
        EXPECT_EQ(bytes.find('\n'), bytes.size() - 1) << "one line: " << file.path;
        EXPECT_NE(bytes.find("xmlns=\"" + file.ns + "\""), std::string::npos) << file.path;
        if (!schemas.Available()) continue;
        const std::vector<std::u16string> errors = schemas.Errors(tlx::Utf8ToUtf16(bytes));
        EXPECT_TRUE(errors.empty()) << file.path << ": " << tlx::Utf16ToUtf8(errors.empty() ? u"" : errors.front());
    }
    EXPECT_EQ(Read(Path("wymiana/iwa_2024.xml")), Read(Path("klient/C/Kadry/iwa_2024.xml")));

    // The host component's file of the DRA of version 2, saved here and sent to the user's machine: the
    // DRA's document followed by its reports'.
    const std::string saved = Read(Path("wymiana/dra_2_03-2024.kdu"));
    const std::string sent = Read(Path("klient/C/Kadry/dra_2_03-2024.kdu"));
    const std::string savedStart = "<TLXKEDU wersja=\"2\" typ=\"120\" wersjaDeklaracji=\"2\">\r\n<ZUSDRA>\r\n";
    const std::string sentStart = "<TLXKEDU wersja=\"2\">\r\n<ZUSDRA>\r\n";
    ASSERT_TRUE(saved.starts_with(savedStart)) << saved.substr(0, 200);
    ASSERT_TRUE(sent.starts_with(sentStart)) << sent.substr(0, 200);
    EXPECT_EQ(saved.substr(savedStart.size()), sent.substr(sentStart.size()));
    EXPECT_NE(saved.find("</ZUSDRA>\r\n<ZUSR"), std::string::npos);
    EXPECT_NE(saved.find("\r\n<ZUSRCA>\r\n<DORCA>\r\n2032024\r\n"), std::string::npos);
    EXPECT_NE(saved.find("\r\n<ZUSRSA>\r\n<DORSA>\r\n2032024\r\n"), std::string::npos);
    EXPECT_TRUE(saved.ends_with("</TLXKEDU>\r\n"));
    if (!schemas.Available()) GTEST_SKIP() << "the official KEDU 5 schemas are not beside the checkout";
}

}  // namespace
