// One saved VAT-7 of the demo company sent by two tlxhost processes at once, through a tlxgate that takes
// its time to answer: the service receives the document once, the other process is refused and sends
// nothing, and the declaration keeps the one reference number filed.
#include <cstdlib>
#include <optional>
#include <regex>

#include "GateDemoTest.h"

namespace {

class EDeklaracjaConcurrentSendScript : public GateDemoTest {
protected:
    std::vector<std::string> GateArguments() const override { return {"--delay", "2000"}; }

    // The signed documents the service has received.
    int Received() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(gate->State()))
            if (entry.path().extension() == ".p7s") ++count;
        return count;
    }

    // Runs `script` in two tlxhost processes started together; their outputs land in out-1.txt and
    // out-2.txt. True when both ended with status 0.
    bool RunTwice(const std::string& script) {
        std::ofstream(Path("wysylka.js"), std::ios::binary) << script;
        std::string command = "(";
        for (int n = 1; n <= 2; ++n)
            command += "TLX_REGISTRY='" + Path("hkcr.reg") + "' '" + TLX_HOST_PROGRAM + "' run '" + Path("wysylka.js") +
                       "' --db '" + Path("firma.db") + "' >'" + Path("out-" + std::to_string(n) + ".txt") + "' 2>&1 & ";
        command += "wait)";
        return std::system(command.c_str()) == 0;
    }
};

TEST_F(EDeklaracjaConcurrentSendScript, TwoProcessesSendingOneDeclarationFileItOnce) {
    ASSERT_EQ(RunScript("var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                        "d.TypDeklar = 1; d.Wersja = 17; d.Rok = 2024; d.Miesiac = 3;\n"
                        "var firma = Session.CreateObject('TLX.FirmaCfgRO');\n"
                        "d.P_1 = firma.NIP; d.P_6 = firma.UrzadSkarbowy.Kod; d.P_9 = firma.Nazwa;\n"
                        "d.P_8 = firma.RodzajPlatnika == '1' ? 2 : 1;\n"
                        "d.P_19 = 1000; d.P_20 = 230;\n"
                        "d.Policz(); Session.Save(); print(d.ID);\n"),
              0)
        << err_ << out_;
    const std::string id = out_.substr(0, out_.find('\n'));
    const std::string send = "var d = Session.CreateObject('TLXDeklaracje.Deklaracje', '" + id + "');\n"
                             "var e = new ActiveXObject('TLX.EDeklaracja');\n"
                             "e.Login = Session.Login;\n"
                             "try { e.WyslijDeklaracje(d, ''); print('wysłano ' + d.EDekl_RefID); }\n"
                             "catch (err) { print('odmowa: ' + err.description); }\n";
    std::string references;
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        ASSERT_TRUE(RunTwice(send));
        const std::string outputs = Read(Path("out-1.txt")) + Read(Path("out-2.txt"));
        EXPECT_EQ(Received(), round) << outputs;
        std::smatch sent;
        ASSERT_TRUE(std::regex_search(outputs, sent, std::regex("wysłano ([0-9a-f]{32})\n"))) << outputs;
        EXPECT_NE(outputs.find("odmowa: Deklaracja jest właśnie wysyłana albo została wysłana w innej sesji"),
                  std::string::npos)
            << outputs;
        // The declaration as stored holds the reference the service gave the one document it received.
        ASSERT_EQ(RunScript("print(Session.CreateObject('TLXDeklaracje.Deklaracje', '" + id + "').EDekl_RefID);"), 0)
            << err_;
        EXPECT_EQ(out_, sent[1].str() + "\n");
        EXPECT_TRUE(std::filesystem::exists(gate->State() / (sent[1].str() + ".p7s")));
    }
}

}  // namespace
