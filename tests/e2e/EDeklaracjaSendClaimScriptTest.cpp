// A saved VAT-7 of the demo company filed through a tlxgate that holds its answer for a while, by tlxhost
// processes that meet the send from other sessions: a save during the send, a send of a copy read
// before another user's save, two workstations in different time zones sending at once, one whose clock
// runs ahead sending during a live send, a sender killed after the service took its document, and a
// send the service answered only after the transport had given up.
#include <cstdlib>
#include <ctime>

#include "SendClaimTest.h"

namespace {

class EDeklaracjaSendClaimScript : public SendClaimTest {
protected:
    void SetUp() override {
        SendClaimTest::SetUp();
        id_ = SavedVat7(3);
    }

    // The script text that opens the test's declaration in the script's session as `d`.
    std::string Open() const { return OpenDeclaration(id_); }
    // A column of the declaration's row as the database holds it ("" for NULL).
    std::string Stored(const std::string& column) { return StoredOf(id_, column); }

    // The second send `output` printed filed the declaration after telling `warning` in its messages and in
    // EInfo: the row holds its reference and the service two documents. Its reference.
    std::string ExpectFiledWithWarning(const std::string& output, const std::string& warning) {
        EXPECT_NE(output.find("[postęp] " + warning + "\n"), std::string::npos) << output;
        EXPECT_NE(output.find("EInfo: " + warning + "\n"), std::string::npos) << output;
        const std::string reference = FiledReference(output);
        EXPECT_FALSE(reference.empty()) << output;
        EXPECT_EQ(Stored("DkN_EDekl_RefID"), reference);
        EXPECT_EQ(Stored("DkN_EDekl_Status"), "301");
        EXPECT_EQ(Received(), 2);
        return reference;
    }

    std::string id_;
};

// Sessions that read the declaration before the send and during it save it while the service holds
// the document: both are refused as changed by another user, the sender stores the reference it was
// given, and the service holds one document.
TEST_F(EDeklaracjaSendClaimScript, ASaveDuringTheSendIsRefusedAndTheSenderStoresItsReference) {
    const std::string save = "d.P_19 = 200000; d.P_20 = 46000;\n" + Save();
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

// A sender killed while the service holds the answer to the document it took leaves nothing that blocks
// the declaration: a save at once goes through, and a send at once files the declaration and tells the
// user, in its messages and in EInfo, that the earlier send was cut off and may have reached the office.
TEST_F(EDeklaracjaSendClaimScript, AResendAfterASenderWasKilledNamesTheCutOffSend) {
    const pid_t sender = Start("nadawca", Open() + Send());
    ASSERT_TRUE(Eventually([&] { return Received() == 1; })) << Output("nadawca");
    kill(sender, SIGKILL);
    EXPECT_EQ(Finish(sender), -1);
    ASSERT_EQ(Stored("DkN_EDekl_Status"), "-1");
    const std::string cutOffAt = Stored("datetime(DkN_EDekl_DataWyslania, 'localtime')");
    ASSERT_FALSE(cutOffAt.empty());

    EXPECT_EQ(RunToEnd("zapis", Open() + "d.P_19 = 200000; d.P_20 = 46000;\n" + Save()), kSaved + "\n");
    const std::string resend = RunToEnd("ponownie", Open() + Send());
    const std::string warning = "Wcześniejsze wysyłanie tej deklaracji, rozpoczęte " + cutOffAt +
                                " przez operatora ADMIN, zostało przerwane; deklaracja mogła już dotrzeć do urzędu.";
    const std::string reference = ExpectFiledWithWarning(resend, warning);
    EXPECT_NE(Read((gate->State() / (reference + ".p7s")).string()).find("<P_20>46000</P_20>"), std::string::npos)
        << "the resend files the declaration as saved after the cut-off send";
}

// A workstation whose clock runs fifteen minutes ahead (its wall clock moved by a preloaded library)
// sends while another still waits on the service: it is refused as the declaration is being sent, the
// service holds one document, and the first sender's reference is in the row.
TEST_F(EDeklaracjaSendClaimScript, ASenderWhoseClockRunsAheadDoesNotTakeOverALiveSend) {
    const pid_t sender = Start("nadawca", Open() + Send());
    ASSERT_TRUE(Eventually([&] { return Received() == 1; })) << Output("nadawca");
    const char* asan = std::getenv("ASAN_OPTIONS");
    const std::string ahead = "LD_PRELOAD='" TLX_CLOCK_AHEAD_LIBRARY "' TLX_CLOCK_AHEAD_SECONDS=900 ASAN_OPTIONS='" +
                              std::string(asan ? asan : "") + ":verify_asan_link_order=0'";
    const auto started = std::chrono::system_clock::now();
    const std::string late = RunToEnd("spieszy-sie",
                                      Open() +
                                          "var teraz = Session.Connection.Execute(\"SELECT datetime('now') AS t\");\n"
                                          "print('zegar', new Date().getTime(), teraz.Fields('t').Value);\n"
                                          "print('odczytano', d.EDekl_Status);\n" + Send(),
                                      ahead);
    ASSERT_EQ(Finish(sender), 0) << Output("nadawca");

    // The preload works: the process's script clock and SQLite's are both a quarter of an hour ahead.
    std::smatch clocks;
    ASSERT_TRUE(std::regex_search(late, clocks, std::regex("zegar ([0-9]+) ([0-9-]+ [0-9:]+)\n"))) << late;
    const auto scriptNow = std::chrono::system_clock::time_point(std::chrono::milliseconds(std::stoll(clocks[1].str())));
    std::tm utc{};
    ASSERT_NE(strptime(clocks[2].str().c_str(), "%Y-%m-%d %H:%M:%S", &utc), nullptr) << late;
    const auto sqliteNow = std::chrono::system_clock::from_time_t(timegm(&utc));
    EXPECT_GE(scriptNow - started, std::chrono::minutes(14)) << late;
    EXPECT_GE(sqliteNow - started, std::chrono::minutes(14)) << late;

    EXPECT_NE(late.find("odczytano -1\n"), std::string::npos) << "sent while the first send was live: " << late;
    EXPECT_NE(late.find(kRefused + kSendingElsewhere), std::string::npos) << late;
    EXPECT_EQ(FiledReference(late), "") << late;
    EXPECT_EQ(Received(), 1);
    const std::string reference = FiledReference(Output("nadawca"));
    ASSERT_FALSE(reference.empty()) << Output("nadawca");
    EXPECT_EQ(Stored("DkN_EDekl_RefID"), reference);
    EXPECT_EQ(Stored("DkN_EDekl_Status"), "301");
}

// A service that answers only after the host's transport has given up (a one-second time-out against
// the service's three seconds) has taken the document: the user is told it may have reached the office,
// the row remembers the send without an answer, and the next send says so before it files again.
TEST_F(EDeklaracjaSendClaimScript, ASendWithoutAnAnswerIsRememberedAndNamedByTheResend) {
    const std::string unanswered = RunToEnd("bez-odpowiedzi", Open() + Send(), "TLX_GATEWAY_TIMEOUT=1");
    EXPECT_NE(unanswered.find(kRefused), std::string::npos) << unanswered;
    EXPECT_NE(unanswered.find("Deklaracja mogła dotrzeć do urzędu"), std::string::npos) << unanswered;
    EXPECT_EQ(Received(), 1);
    EXPECT_EQ(Stored("DkN_EDekl_Status"), "-2");
    EXPECT_TRUE(Stored("DkN_EDekl_StatusOpis").starts_with("Wysyłanie bez odpowiedzi urzędu"))
        << Stored("DkN_EDekl_StatusOpis");
    const std::string sentAt = Stored("datetime(DkN_EDekl_DataWyslania, 'localtime')");
    ASSERT_FALSE(sentAt.empty());

    const std::string resend = RunToEnd("ponownie", Open() + Send());
    const std::string warning = "Wcześniejsze wysyłanie tej deklaracji, rozpoczęte " + sentAt +
                                " przez operatora ADMIN, zakończyło się bez odpowiedzi urzędu; deklaracja mogła już "
                                "dotrzeć do urzędu.";
    EXPECT_LT(resend.find("[postęp] " + warning), resend.find("[postęp] Podpisanie deklaracji")) << resend;
    ExpectFiledWithWarning(resend, warning);
}

}  // namespace
