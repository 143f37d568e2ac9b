// The forms' traces: every PFRON form traces its load through the host's support object, and the host
// writes a trace only when tracing is asked for, so that the demo shows its own output alone.
#include "TlxhostFixture.h"

#include <cstdlib>
#include <fstream>
#include <string>

namespace {

class TraceScript : public TlxhostDemoTest {
protected:
    // An INF-D of March whose first field read loads its form, which traces "OnLoad".
    static constexpr const char* kLoadedInfd =
        "var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
        "d.TypDeklar = 300; d.Wersja = 3; d.Rok = 2024; d.Miesiac = 3;\n"
        "var rodzaj = d.RODZAJINFORMACJI;\n"
        "print('INF-D wczytana');\n";

    void TearDown() override {
        unsetenv("TLX_TRACE");
        TlxhostDemoTest::TearDown();
    }
};

TEST_F(TraceScript, TheDemoPrintsNoTraceLine) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    EXPECT_EQ(out_.find("trace"), std::string::npos) << out_;
    EXPECT_EQ(err_.find("trace"), std::string::npos) << err_;
}

TEST_F(TraceScript, AFormsTraceIsWrittenOnlyWhenTracingIsAskedFor) {
    ASSERT_EQ(RunScript(kLoadedInfd), 0) << err_;
    EXPECT_EQ(out_, "INF-D wczytana\n");
    EXPECT_EQ(err_, "") << "tracing is off unless asked for";

    std::ofstream(Path("skrypt.js"), std::ios::binary) << kLoadedInfd;
    ASSERT_EQ(Run("run '" + Path("skrypt.js") + "' --db '" + Path("firma.db") + "' --trace"), 0) << err_;
    EXPECT_EQ(out_, "INF-D wczytana\n");
    EXPECT_EQ(err_, "tlxhost trace: OnLoad\n");

    setenv("TLX_TRACE", "1", 1);
    ASSERT_EQ(RunScript(kLoadedInfd), 0) << err_;
    EXPECT_EQ(err_, "tlxhost trace: OnLoad\n");
}

}  // namespace
