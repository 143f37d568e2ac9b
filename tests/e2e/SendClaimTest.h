// The demo company filing e-declarations through a tlxgate that holds its answer for three seconds, with
// tlxhost processes of their own meeting the send: each started with an environment, its output kept in
// a file, waiting where the test says through the company database; what the service received and what
// the rows hold read back by the test.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <regex>
#include <thread>

#include "GateDemoTest.h"
#include "platform/ado/FieldValues.h"
#include "platform/text/CodePage.h"

// The outcome lines the scripts print, and the texts they carry.
inline const std::string kSent = "wysłano ";
inline const std::string kRefused = "odmowa: ";
inline const std::string kSaved = "zapisano";
inline const std::string kSendingElsewhere = "Deklaracja jest właśnie wysyłana albo została wysłana w innej sesji";
inline const std::string kChangedElsewhere = "Deklaracja została zmieniona przez innego użytkownika po jej odczytaniu";
inline const std::string kSaveConflict = "Dane zostały zmienione lub usunięte przez innego użytkownika po ich odczytaniu";

class SendClaimTest : public GateDemoTest {
protected:
    std::vector<std::string> GateArguments() const override { return {"--delay", "3000"}; }

    void TearDown() override {
        for (pid_t pid : running_) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        GateDemoTest::TearDown();
    }

    // The script text that opens the declaration `id` in the script's session as `name`.
    static std::string OpenDeclaration(const std::string& id, const std::string& name = "d") {
        return "var " + name + " = Session.CreateObject('TLXDeklaracje.Deklaracje', '" + id + "');\n";
    }

    // Sends `d` signed with the progress events printed; prints the reference filed or the refusal, then EInfo.
    static std::string Send() { return SendBy("e.WyslijDeklaracje(d, '')"); }
    // The same, unsigned, with a taxpayer's authorisation data.
    static std::string SendUnsigned() {
        return SendBy("e.WyslijDeklaracje_Unsigned(d, '', '5260250274', 'Jan', 'Kowalski', '', new Date(1980, 1, 29), 1234.5)");
    }

    // Saves the script's session; prints "zapisano" or the refusal.
    static std::string Save() {
        return "try { Session.Save(); print('" + kSaved + "'); }\n"
               "catch (err) { print('" + kRefused + "' + err.description); }\n";
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
    // Runs `script` in a process of its own to its end; its output is the answer.
    std::string RunToEnd(const std::string& name, const std::string& script, const std::string& env = "") {
        const int status = Finish(Start(name, script, env));
        EXPECT_EQ(status, 0) << Output(name);
        return Output(name);
    }
    std::string Output(const std::string& name) const { return Read(Path(name + ".txt")); }
    // Waits until the process `name` has printed `text`; false when it ended or a minute passed without.
    bool Printed(const std::string& name, const std::string& text) {
        return Eventually([&] { return Output(name).find(text) != std::string::npos; });
    }

    // Polls `done` until it holds; false after a minute.
    static bool Eventually(const std::function<bool()>& done) {
        for (int n = 0; n < 1200; ++n) {
            if (done()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }

    // The documents the service has received: signed ones (.p7s) and unsigned ones (.xml).
    std::vector<std::filesystem::path> Documents() const {
        std::vector<std::filesystem::path> documents;
        for (const auto& entry : std::filesystem::directory_iterator(gate->State())) {
            const std::string name = entry.path().filename().string();
            if (name.ends_with(".p7s") || (name.ends_with(".xml") && !name.starts_with("request-") && !name.ends_with(".upo.xml")))
                documents.push_back(entry.path());
        }
        return documents;
    }
    int Received() const { return static_cast<int>(Documents().size()); }
    // The bytes of the one document the service has received (a signed one carries the document as it is).
    std::string ReceivedDocument() const {
        const auto documents = Documents();
        EXPECT_EQ(documents.size(), 1u);
        return documents.empty() ? "" : Read(documents.front().string());
    }

    // The reference the service gave the one document it has received (its file's name).
    std::string ReceivedReference() const {
        const auto documents = Documents();
        EXPECT_EQ(documents.size(), 1u);
        return documents.empty() ? "" : documents.front().stem().string();
    }

    // The first column of the first row `sql` answers, as text ("" for NULL, "(no row)" for none).
    std::string Query(const std::string& sql) {
        tlx::ado::SqliteDatabase company(Path("firma.db"));
        tlx::ado::Statement value = company.Prepare(sql);
        if (!value.Step()) return "(no row)";
        const tlx::Variant text = tlx::ado::ReadColumn(value.Get(), 0, adVarWChar);
        return text.vt == VT_BSTR ? tlx::Utf16ToUtf8(std::u16string_view(text.bstrVal, SysStringLen(text.bstrVal))) : "";
    }
    // A column of the row of declaration `id` as the database holds it ("" for NULL).
    std::string StoredOf(const std::string& id, const std::string& column) {
        return Query("SELECT IFNULL(" + column + ", '') FROM TLX.DeklNag WHERE DkN_DkNID = " + id);
    }

    // The positions `names` ("P_19 P_20") of declaration `id` as a new session reads them, joined by spaces.
    std::string Positions(const std::string& id, const std::string& names) {
        EXPECT_EQ(RunScript(OpenDeclaration(id) + "var p = '" + names + "'.split(' '), v = [];\n"
                            "for (var i = 0; i < p.length; i++) v.push(d[p[i]]);\nprint(v.join(' '));\n"),
                  0)
            << err_;
        return FirstLine(out_);
    }
    // Script text printing "stan" and the send status the row of declaration `id` holds at that moment:
    // printed just before a save, it shows the save was tried while the send held the declaration.
    static std::string PrintStatusOf(const std::string& id) {
        return "print('stan', Session.Connection.Execute(\"SELECT DkN_EDekl_Status AS s FROM TLX.DeklNag "
               "WHERE DkN_DkNID = " + id + "\").Fields('s').Value);\n";
    }

    // What the row of declaration `id` records of sends and saves: reference, status, status text, time
    // of the send, time of the last save.
    std::string SendRecord(const std::string& id) {
        return Query("SELECT IFNULL(DkN_EDekl_RefID, '') || '|' || IFNULL(DkN_EDekl_Status, '') || '|' || "
                     "IFNULL(DkN_EDekl_StatusOpis, '') || '|' || IFNULL(DkN_EDekl_DataWyslania, '') || '|' || "
                     "IFNULL(DkN_TS_Mod, '') FROM TLX.DeklNag WHERE DkN_DkNID = " + id);
    }

    // The reference a script printed as filed; "" when it printed none.
    static std::string FiledReference(const std::string& output) {
        std::smatch sent;
        return std::regex_search(output, sent, std::regex(kSent + "([0-9a-f]{32})\n")) ? sent[1].str() : "";
    }

    // The first line a script printed (the identifier a set-up script prints).
    // A VAT-7 of the demo company for `month` of 2024, calculated and saved; its identifier.
    std::string SavedVat7(int month) {
        EXPECT_EQ(RunScript("var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                            "d.TypDeklar = 1; d.Wersja = 17; d.Rok = 2024; d.Miesiac = " + std::to_string(month) + ";\n"
                            "var firma = Session.CreateObject('TLX.FirmaCfgRO');\n"
                            "d.P_1 = firma.NIP; d.P_6 = firma.UrzadSkarbowy.Kod; d.P_9 = firma.Nazwa;\n"
                            "d.P_8 = firma.RodzajPlatnika == '1' ? 2 : 1;\n"
                            "d.P_19 = 125000; d.P_20 = 28750;\n"
                            "d.Policz(); Session.Save(); print(d.ID);\n"),
                  0)
            << err_ << out_;
        return FirstLine(out_);
    }

    static std::string FirstLine(const std::string& output) { return output.substr(0, output.find('\n')); }

    std::vector<pid_t> running_;

private:
    static std::string SendBy(const std::string& call) {
        return "var e = new ActiveXObject('TLX.EDeklaracja');\n"
               "e.Login = Session.Login; e.AdviseProgress(Postep);\n"
               "try { " + call + "; print('" + kSent + "' + d.EDekl_RefID); }\n"
               "catch (err) { print('" + kRefused + "' + err.description); }\n"
               "print('EInfo: ' + e.EInfo);\n";
    }
};
