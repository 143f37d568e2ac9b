// A KEDU package of the demo company as a host script makes it: August's DRA, the May starter's ZUA, a
// family's ZCNA and the August leaver's ZWUA put into the package "ZUS 08/2024", its route printed, the
// package written as one KEDU XML file, locked with its declarations, a further declaration refused, and a
// second package of the same name in other letters refused. The file is checked for the order of its
// documents and, its header and the registration forms, against the project's 2016 schema.
#include "TlxhostFixture.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <random>
#include <vector>

#include "platform/text/CodePage.h"
#include "platform/xml/XmlTextValidation.h"

namespace {

namespace fs = std::filesystem;

class KeduPackageScript : public TlxhostDemoTest {
protected:
    // The errors of the file against the project's schema, or nothing when the official generation-5
    // schemas it imports are not beside the checkout.
    std::optional<std::vector<std::u16string>> SchemaErrors(const std::string& file) {
        const fs::path official(TLX_KEDU5_DIR);
        if (!fs::exists(official / "kedu_5_7.xsd")) return std::nullopt;
        const char* root = std::getenv("TLX_SOURCE_DIR");
        const fs::path schemas = folder_ / "schemat";
        fs::create_directories(schemas);
        for (const char* name : {"kedu_4_3.xsd", "kedu_dokumenty.xsd"})
            fs::copy_file(fs::path(root ? root : ".") / "tests/module/kedu/schema" / name, schemas / name);
        fs::create_directory_symlink(official, schemas / "kedu_5");
        const auto lookup = [&](const std::string& ns) -> std::optional<std::string> {
            if (ns == "http://www.zus.pl/2016/KEDU_4_3") return (schemas / "kedu_4_3.xsd").string();
            return std::nullopt;
        };
        std::vector<std::u16string> errors;
        tlx::XmlSchemaSet set;
        EXPECT_NE(set.ValidateText(tlx::Utf8ToUtf16(file), lookup, errors), E_FAIL);
        return errors;
    }
};

TEST_F(KeduPackageScript, AugustsDeclarationsAreSentAsOneLockedPackage) {
    const std::string target = Path("ZUS_08-2024.xml");
    const char* root = std::getenv("TLX_SOURCE_DIR");
    const std::string script = Read(std::string(root ? root : ".") + "/tests/e2e/scripts/kedu-package.js");
    ASSERT_EQ(RunScript("var plik = '" + target + "';\n" + script), 0) << err_ << out_;
    EXPECT_EQ(out_, Golden("kedu-package.out"));

    const std::string file = Read(target);
    ASSERT_TRUE(file.starts_with("<?xml version=\"1.0\" encoding=\"UTF-8\"?><KEDU ")) << file.substr(0, 200);
    EXPECT_TRUE(file.ends_with("</ZUSZWUA></KEDU>\r\n"));
    EXPECT_NE(file.find("xmlns=\"http://www.zus.pl/2016/KEDU_4_3\""), std::string::npos);
    // The DRA with its reports, then the forms: the package's declarations in their order.
    const std::size_t dra = file.find("<ZUSDRA"), rca = file.find("<ZUSRCA"), zua = file.find("<ZUSZUA"),
                      zcna = file.find("<ZUSZCNA"), zwua = file.find("<ZUSZWUA");
    ASSERT_NE(dra, std::string::npos);
    ASSERT_NE(rca, std::string::npos);
    ASSERT_NE(zua, std::string::npos);
    EXPECT_LT(dra, rca);
    EXPECT_LT(rca, zua);
    EXPECT_LT(zua, zcna);
    EXPECT_LT(zcna, zwua);
    EXPECT_NE(file.find("<IV id_bloku=\"3\">", zcna), std::string::npos) << "the family's three members";

    // The package's header and root with the forms as the package wrote them; the DRA's own documents are
    // its writer's to check.
    const std::string header = file.substr(0, file.find("</naglowek.KEDU>") + std::string("</naglowek.KEDU>").size());
    const auto errors = SchemaErrors(header + file.substr(zua, file.rfind("</KEDU>") - zua) + "</KEDU>");
    if (!errors) GTEST_SKIP() << "the official KEDU 5 schemas are not beside the checkout (TLX_REFS_DIR)";
    EXPECT_TRUE(errors->empty()) << tlx::Utf16ToUtf8(errors->empty() ? u"" : errors->front());
}

TEST_F(KeduPackageScript, TheDemoWritesAndLocksThePackageOfMarch) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    EXPECT_NE(out_.find("  ZUA nr 1: WOJCIECHOWSKI MICHAŁ, PESEL 88060667896, zgłoszony od 6.5.2024\n"),
              std::string::npos)
        << out_;
    EXPECT_NE(out_.find("  ZCZA nr 1: KOWALSKI JAN wyrejestrowuje członka rodziny KOWALSKI ADAM, PESEL 10211012345, "
                        "od 1.9.2024\n  Zapisany w pliku komponentu KEDU ZCZA_09-2024.kdu\n"),
              std::string::npos)
        << out_;
    EXPECT_NE(out_.find("  Plik ZUS 03/2024: deklaracji 2, zapis jako XML\n"), std::string::npos) << out_;
    EXPECT_NE(out_.find("  Zapisany w pliku ZUS_03-2024.xml i zablokowany razem z deklaracjami DRA i ZUA (zablokowana: 1)\n"),
              std::string::npos)
        << out_;
}

}  // namespace
