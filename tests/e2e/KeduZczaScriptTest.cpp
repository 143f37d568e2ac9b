// The demo company's ZCZA as a host script makes it through tlxhost: the member's block printed, and the
// form's file and its package's file written by the host KEDU component, compared with the golden file.
#include "TlxhostFixture.h"

namespace {

class KeduZczaScript : public TlxhostDemoTest {};

TEST_F(KeduZczaScript, JanKowalskisSonIsDeregisteredInTheComponentsFile) {
    const std::string target = Path("zcza_09-2024.kdu");
    ASSERT_EQ(RunScript("var plik = '" + target + "';\n" + Source("scripts/kedu-zcza.js")), 0) << err_ << out_;
    EXPECT_EQ(out_, Golden("kedu-zcza.out"));
    EXPECT_EQ(Read(target), Golden("kedu-zcza.kdu"));
    // The package's file holds the same document under the component's header without the form's type.
    const std::string header = "<TLXKEDU wersja=\"2\" typ=\"103\" wersjaDeklaracji=\"1\">\r\n";
    const std::string package = Read(target + ".pakiet");
    ASSERT_TRUE(package.starts_with("<TLXKEDU wersja=\"2\"")) << package.substr(0, 200);
    EXPECT_EQ(package.substr(package.find("\r\n")), Read(target).substr(header.size() - 2));
}

}  // namespace
