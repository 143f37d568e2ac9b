// The demo's DRA of March with a hand-filled RGA under it, written by a host script on every road: the
// KEDU XML export is refused naming the report, and the form's SAVETO, its SENDTONET and a package of
// its own write the host KEDU component's file, which carries the RGA after the DRA's other reports.
#include <cstdlib>
#include <filesystem>
#include <string>

#include "TlxhostFixture.h"

namespace {

class KeduDraRgaScript : public TlxhostDemoTest {
protected:
    void SetUp() override {
        TlxhostDemoTest::SetUp();
        setenv("TLX_CLIENT_ROOT", Path("klient").c_str(), 1);
    }
    void TearDown() override {
        unsetenv("TLX_CLIENT_ROOT");
        TlxhostDemoTest::TearDown();
    }
};

TEST_F(KeduDraRgaScript, EveryRoadCarriesTheRgaOrRefusesTheDra) {
    const std::string target = Path("dra_03-2024.kdu");
    ASSERT_EQ(RunScript("var plik = '" + target + "';\n" + Source("scripts/kedu-dra-rga.js")), 0) << err_ << out_;
    EXPECT_NE(out_.find("droga eksportu DRA z raportem RGA: 0\n"), std::string::npos) << out_;
    EXPECT_NE(out_.find("ExportToXML: Formularz deklaracji nie ma dokumentu w schemacie KEDU XML: deklaracji nie można "
                        "zapisać w pliku KEDU XML. Raport ZUSRGA (identyfikator "),
              std::string::npos)
        << out_;
    EXPECT_NE(out_.find("plik KEDU DRA 03/2024 z RGA, ZestawMieszany: 0, Zapisz: 1\n"), std::string::npos) << out_;
    EXPECT_FALSE(std::filesystem::exists(target + ".xml")) << "no XML file without the RGA";

    const std::string rga = "\r\n<ZUSRGA>\r\n";
    const std::string person = "<DDORGA>\r\nKOWALSKI\r\nJAN\r\nP\r\n80010112340\r\n011000\r\n</DDORGA>\r\n</ZUSRGA>\r\n";
    for (const std::string& file : {target, target + ".pakiet", Path("klient/C/Kadry/dra_03-2024.kdu")}) {
        const std::string text = Read(file);
        ASSERT_TRUE(text.starts_with("<TLXKEDU wersja=\"2\"")) << file << ": " << text.substr(0, 100);
        EXPECT_TRUE(text.ends_with("</TLXKEDU>\r\n")) << file;
        EXPECT_LT(text.find("\r\n<ZUSRCA"), text.find(rga)) << file;
        EXPECT_NE(text.find(rga + "<DIPL>"), std::string::npos) << file;
        EXPECT_NE(text.find(person), std::string::npos) << file;
    }
}

}  // namespace
