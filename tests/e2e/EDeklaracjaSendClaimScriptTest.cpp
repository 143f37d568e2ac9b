// A saved VAT-7 of the demo company filed through a tlxgate that holds its answer for a while, by tlxhost
// processes that meet the send from other sessions: a save during the send, a send of a copy read
// before another user's save, two workstations in different time zones sending at once, and a sender
// killed after the service took its document, saved and sent again at once.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <regex>
#include <thread>

#include "GateDemoTest.h"
#include "platform/ado/FieldValues.h"
#include "platform/text/CodePage.h"

namespace {

// The outcome lines the scripts print.
const std::string kSent = "wysłano ";
const std::string kRefused = "odmowa: ";
const std::string kSaved = "zapisano";
const std::string kSendingElsewhere = "Deklaracja jest właśnie wysyłana albo została wysłana w innej sesji";
const std::string kChangedElsewhere = "Deklaracja została zmieniona przez innego użytkownika po jej odczytaniu";
const std::string kSaveConflict = "Dane zostały zmienione lub usunięte przez innego użytkownika po ich odczytaniu";

class EDeklaracjaSendClaimScript : public GateDemoTest {
protected:
    std::vector<std::string> GateArguments() const override { return {"--delay", "3000"}; }

    void SetUp() override {
        GateDemoTest::SetUp();
        ASSERT_EQ(RunScript("var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                            "d.TypDeklar = 1; d.Wersja = 17; d.Rok = 2024; d.Miesiac = 3;\n"
                            "var firma = Session.CreateObject('TLX.FirmaCfgRO');\n"
                            "d.P_1 = firma.NIP; d.P_6 = firma.UrzadSkarbowy.Kod; d.P_9 = firma.Nazwa;\n"
                            "d.P_8 = firma.RodzajPlatnika == '1' ? 2 : 1;\n"
                            "d.P_19 = 125000; d.P_20 = 28750;\n"
                            "d.Policz(); Session.Save(); print(d.ID);\n"),
                  0)
            << err_ << out_;
        id_ = out_.substr(0, out_.find('\n'));
    }
    void TearDown() override {
        for (pid_t pid : running_) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        GateDemoTest::TearDown();
    }

    // The script text that opens the test's declaration in the script's session as `d`.
    std::string Open() const { return "var d = Session.CreateObject('TLXDeklaracje.Deklaracje', '" + id_ + "');\n"; }

    // Sends `d` with the progress events printed; prints the reference filed or the refusal, then EInfo.
    static std::string Send() {
        return "var e = new ActiveXObject('TLX.EDeklaracja');\n"
               "e.Login = Session.Login; e.AdviseProgress(Postep);\n"
               "try { e.WyslijDeklaracje(d, ''); print('" + kSent + "' + d.EDekl_RefID); }\n"
               "catch (err) { print('" + kRefused + "' + err.description); }\n"
               "print('EInfo: ' + e.EInfo);\n";
    }

    // Waits in the script until the test has called Go(`step`): the script polls the company database.
    static std::string WaitFor(const std::string& step) {
        return "for (var n = 0;; n++) {\n"
               "  var r = Session.Connection.Execute(\"SELECT COUNT(*) AS n FROM TLX.Konfiguracja WHERE Kfg_Klucz = "
               "'test-" + step + "'\");\n"
               "  if (Number(r.Fields('n').Value) > 0) break;\n"
               "  if (n > 5000000) throw new Error('nie doczekano: " + step + "');\n"
               "}\n";
    }
    void Go(const std::string& step) {
        tlx::ado::SqliteDatabase company(Path("firma.db"));
        company.Run("INSERT INTO TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) VALUES ('test-" + step + "', '1')");
    }

    // Starts `script` in a tlxhost process of its own with the environment `env` ("NAME=value ...");
    // its output lands in `name`.txt.
    pid_t Start(const std::string& name, const std::string& script, const std::string& env = "") {
        std::ofstream(Path(name + ".js"), std::ios::binary) << script;
        const std::string command = "exec env " + env + " TLX_REGISTRY='" + Path("hkcr.reg") + "' '" +
                                    TLX_HOST_PROGRAM + "' run '" + Path(name + ".js") + "' --db '" +
                                    Path("firma.db") + "' >'" + Path(name + ".txt") + "' 2>&1";
        const pid_t pid = fork();
        if (pid == 0) {
            execl("/bin/sh", "sh", "-c", command.c_str(), static_cast<char*>(nullptr));
            _exit(127);
        }
        running_.push_back(pid);
        return pid;
    }
    // The exit status of a started process, once it has ended; -1 when it did not end by itself.
    int Finish(pid_t pid) {
        int raw = 0;
        waitpid(pid, &raw, 0);
        std::erase(running_, pid);
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    std::string Output(const std::string& name) const { return Read(Path(name + ".txt")); }

    // Polls `done` until it holds; false after a minute.
    static bool Eventually(const std::function<bool()>& done) {
        for (int n = 0; n < 1200; ++n) {
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    // The signed documents the service has received.
    int Received() const {
        int count = 0;
        for (const auto& entry : std::filesystem::directory_iterator(gate->State()))
            if (entry.path().extension() == ".p7s") ++count;
        return count;
    }

    // A column of the declaration's row as the database holds it ("" for NULL).
    std::string Stored(const std::string& column) {
        tlx::ado::SqliteDatabase company(Path("firma.db"));
        tlx::ado::Statement value =
            company.Prepare("SELECT IFNULL(" + column + ", '') FROM TLX.DeklNag WHERE DkN_DkNID = " + id_);
        if (!value.Step()) return "(no row)";
        const tlx::Variant text = tlx::ado::ReadColumn(value.Get(), 0, adVarWChar);
        return text.vt == VT_BSTR ? tlx::Utf16ToUtf8(std::u16string_view(text.bstrVal, SysStringLen(text.bstrVal))) : "";
    }

    // The reference a script printed as filed; "" when it printed none.
    static std::string FiledReference(const std::string& output) {
        std::smatch sent;
        return std::regex_search(output, sent, std::regex(kSent + "([0-9a-f]{32})\n")) ? sent[1].str() : "";
    }

    std::string id_;
    std::vector<pid_t> running_;
};

// Sessions that read the declaration before the send and during it save it while the service holds
// the document: both are refused as changed by another user, the sender stores the reference it was
// given, and the service holds one document.
TEST_F(EDeklaracjaSendClaimScript, ASaveDuringTheSendIsRefusedAndTheSenderStoresItsReference) {
    const std::string save = "d.P_19 = 200000; d.P_20 = 46000;\n"
                             "try { Session.Save(); print('" + kSaved + "'); }\n"
                             "catch (err) { print('" + kRefused + "' + err.description); }\n";
    const pid_t before = Start("przed", Open() + "print('odczytano', d.P_20);\n" + WaitFor("zapisz") + save);
    ASSERT_TRUE(Eventually([&] { return Output("przed").find("odczytano") != std::string::npos; })) << Output("przed");
    const pid_t sender = Start("nadawca", Open() + Send());
    ASSERT_TRUE(Eventually([&] { return Received() == 1; })) << Output("nadawca");
    // The service holds the answer now: the declaration is being sent.
    EXPECT_EQ(Stored("DkN_EDekl_Status"), "-1");
    Go("zapisz");
    const pid_t during = Start("w-trakcie", Open() + "print('odczytano', d.EDekl_Status);\n" + save);
    ASSERT_EQ(Finish(before), 0) << Output("przed");
    ASSERT_EQ(Finish(during), 0) << Output("w-trakcie");
    ASSERT_EQ(Finish(sender), 0) << Output("nadawca");

    for (const char* session : {"przed", "w-trakcie"}) {
        SCOPED_TRACE(session);
        EXPECT_NE(Output(session).find(kRefused + kSaveConflict), std::string::npos) << Output(session);
    }
    const std::string reference = FiledReference(Output("nadawca"));
    ASSERT_FALSE(reference.empty()) << Output("nadawca");
    EXPECT_EQ(Stored("DkN_EDekl_RefID"), reference);
    EXPECT_EQ(Stored("DkN_EDekl_Status"), "301");
    EXPECT_EQ(Received(), 1);
    EXPECT_TRUE(std::filesystem::exists(gate->State() / (reference + ".p7s")));
    ASSERT_EQ(RunScript(Open() + "print(d.P_19, d.P_20);\n"), 0) << err_;
    EXPECT_EQ(out_, "125000 28750\n");
}

// A session holding the declaration as it was read before another user saved it sends nothing: the
// service gets no document and the row keeps the other user's values, not filed.
TEST_F(EDeklaracjaSendClaimScript, AStaleCopyIsNotSent) {
    const pid_t stale = Start("stara", Open() + "print('odczytano', d.P_20);\n" + WaitFor("wyslij") + Send());
    ASSERT_TRUE(Eventually([&] { return Output("stara").find("odczytano") != std::string::npos; })) << Output("stara");
    ASSERT_EQ(RunScript(Open() + "d.P_20 = 55555; Session.Save(); print(d.P_20);\n"), 0) << err_ << out_;
    ASSERT_EQ(out_, "55555\n");
    Go("wyslij");
    ASSERT_EQ(Finish(stale), 0) << Output("stara");

    EXPECT_NE(Output("stara").find("odczytano 28750\n"), std::string::npos) << Output("stara");
    EXPECT_NE(Output("stara").find(kRefused + kChangedElsewhere), std::string::npos) << Output("stara");
    EXPECT_EQ(Received(), 0);
    EXPECT_EQ(Stored("DkN_EDekl_RefID"), "");
    EXPECT_NE(Stored("DkN_EDekl_Status"), "301");
    ASSERT_EQ(RunScript(Open() + "print(d.P_20);\n"), 0) << err_;
    EXPECT_EQ(out_, "55555\n");
}

// Two workstations, one on UTC and one nine hours ahead, send the declaration at once, three times over:
// the service receives one document a round, and the other workstation is refused.
TEST_F(EDeklaracjaSendClaimScript, WorkstationsInDifferentTimeZonesFileOnceARound) {
    for (int round = 1; round <= 3; ++round) {
        SCOPED_TRACE(round);
        const pid_t utc = Start("utc", Open() + Send(), "TZ=UTC");
        const pid_t tokyo = Start("tokio", Open() + Send(), "TZ=Asia/Tokyo");
        ASSERT_EQ(Finish(utc), 0) << Output("utc");
        ASSERT_EQ(Finish(tokyo), 0) << Output("tokio");
        const std::string outputs = Output("utc") + Output("tokio");
        EXPECT_EQ(Received(), round) << outputs;
        const std::string reference = FiledReference(outputs);
        ASSERT_FALSE(reference.empty()) << outputs;
        EXPECT_NE(outputs.find(kRefused + kSendingElsewhere), std::string::npos) << outputs;
        EXPECT_EQ(Stored("DkN_EDekl_RefID"), reference);
    }
}

// A sender killed while the service holds the answer to the document it took leaves no claim behind: a
// save at once goes through, and a send at once files the declaration and tells the user, in its messages
// and in EInfo, that the earlier send was cut off and may have reached the office.
TEST_F(EDeklaracjaSendClaimScript, AResendAfterASenderWasKilledNamesTheCutOffSend) {
    const pid_t sender = Start("nadawca", Open() + Send());
    ASSERT_TRUE(Eventually([&] { return Received() == 1; })) << Output("nadawca");
    kill(sender, SIGKILL);
    EXPECT_EQ(Finish(sender), -1);
    ASSERT_EQ(Stored("DkN_EDekl_Status"), "-1");
    const std::string cutOffAt = Stored("datetime(DkN_EDekl_DataWyslania, 'localtime')");

    ASSERT_EQ(RunScript(Open() + "d.P_20 = 28751; Session.Save(); print('" + kSaved + "');\n"), 0) << err_ << out_;
    EXPECT_EQ(out_, kSaved + "\n");
    ASSERT_EQ(RunScript(Open() + Send()), 0) << err_;
    const std::string warning = "Wcześniejsze wysyłanie tej deklaracji, rozpoczęte " + cutOffAt +
                                " przez operatora ADMIN, zostało przerwane; deklaracja mogła już dotrzeć do urzędu.";
    EXPECT_NE(out_.find("[postęp] " + warning + "\n"), std::string::npos) << out_;
    EXPECT_NE(out_.find("EInfo: " + warning + "\n"), std::string::npos) << out_;
    const std::string reference = FiledReference(out_);
    ASSERT_FALSE(reference.empty()) << out_;
    EXPECT_EQ(Stored("DkN_EDekl_RefID"), reference);
    EXPECT_EQ(Received(), 2);
}

}  // namespace
