// The command-line host: creating a company database, running a script against it, and the failures a
// user meets (a missing script, a script error, a file that is not a company database).
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

class TlxhostTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() / ("tlxhost-test-" + std::to_string(random()));
        std::filesystem::create_directories(folder_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }

    std::string Path(const std::string& name) const { return (folder_ / name).string(); }

    void Write(const std::string& name, const std::string& text) const {
        std::ofstream(Path(name), std::ios::binary) << text;
    }

    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }

    Outcome Run(const std::string& arguments) const {
        std::string out = Path("out.txt"), err = Path("err.txt");
        std::string command = std::string("TLX_REGISTRY='") + Path("hkcr.reg") + "' '" + TLX_HOST_PROGRAM + "' " +
                              arguments + " >'" + out + "' 2>'" + err + "'";
        int raw = std::system(command.c_str());
        int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        return Outcome{status, Read(out), Read(err)};
    }

    std::filesystem::path folder_;
};

TEST_F(TlxhostTest, RunsAScriptOnANewCompanyDatabase) {
    Outcome init = Run("init-db '" + Path("firma.db") + "' --demo");
    ASSERT_EQ(init.status, 0) << init.err;
    EXPECT_TRUE(std::filesystem::exists(Path("firma.konfiguracja.db")));

    Write("skrypt.js",
          "var waluta = Session.CreateObject('TLX.Waluty', '1');\n"
          "print('waluta', waluta.Symbol);\n"
          "var rs = Session.Connection.Execute('select count(*) as n from TLX.PracKod');\n"
          "print('pracownicy', rs.Fields('n').Value);\n"
          "var cfg = Session.Login.CreateObject('{A1E6C62D-2AE2-4D6A-B82B-17EF8DCFB6D1}');\n"
          "print('NIP', cfg.GetValue('FirmaNIP'));\n"
          "print(Application.GetErrorText(0x80050467, ''));\n");
    Outcome run = Run("run '" + Path("skrypt.js") + "' --db '" + Path("firma.db") + "'");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "waluta PLN\n"
              "pracownicy 20\n"
              "NIP 5260250274\n"
              "Rekord 0 nieznaleziony.|Powiązany rekord nie istnieje.\n");
}

TEST_F(TlxhostTest, AScriptErrorEndsTheRunWithItsTextAndAFailingStatus) {
    ASSERT_EQ(Run("init-db '" + Path("firma.db") + "'").status, 0);
    Write("zly.js", "print('przed');\nthrow new Error(5, 'Coś poszło nie tak');\nprint('po');\n");
    Outcome run = Run("run '" + Path("zly.js") + "' --db '" + Path("firma.db") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "przed\n");
    EXPECT_NE(run.err.find("tlxhost: skrypt"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Coś poszło nie tak"), std::string::npos) << run.err;

    Write("brak.js", "Session.CreateObject('TLX.Waluty', '7');\n");
    run = Run("run '" + Path("brak.js") + "' --db '" + Path("firma.db") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("Nie znaleziono rekordu: 7"), std::string::npos) << run.err;
}

TEST_F(TlxhostTest, RefusesMissingScriptsAndFilesThatAreNoCompanyDatabase) {
    ASSERT_EQ(Run("init-db '" + Path("firma.db") + "'").status, 0);
    Outcome run = Run("run '" + Path("nie-ma.js") + "' --db '" + Path("firma.db") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("nie można odczytać skryptu"), std::string::npos) << run.err;

    Write("ok.js", "print('x');\n");
    Write("notatki.txt", "to nie jest baza\n");
    run = Run("run '" + Path("ok.js") + "' --db '" + Path("notatki.txt") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("nie jest bazą firmy"), std::string::npos) << run.err;
    EXPECT_EQ(run.out, "");

    run = Run("run '" + Path("ok.js") + "' --db '" + Path("firma.konfiguracja.db") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("nie jest bazą firmy"), std::string::npos) << run.err;

    run = Run("run '" + Path("ok.js") + "' --db '" + Path("nie-ma.db") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_FALSE(std::filesystem::exists(Path("nie-ma.db"))) << "a missing database is not created";

    // A company database damaged inside: said so, with the database's words.
    {
        std::string whole = Read(Path("firma.db"));
        ASSERT_GT(whole.size(), 20000u);
        for (std::size_t i = 5000; i < 8000; ++i) whole[i] = static_cast<char>(i * 7919 % 251);
        Write("uszkodzona.db", whole.substr(0, 20000));
    }
    run = Run("run '" + Path("ok.js") + "' --db '" + Path("uszkodzona.db") + "'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.err.find("jest uszkodzona"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("nie jest bazą firmy"), std::string::npos) << run.err;

    // A script's own connection to a file that does not exist fails and creates nothing.
    Write("obca.js", "var c = new ActiveXObject('ADODB.Connection');\n"
                     "try { c.Open('Data Source=" + Path("brak.db") + "'); print('otwarta'); }\n"
                     "catch (e) { print('błąd'); }\n");
    run = Run("run '" + Path("obca.js") + "' --db '" + Path("firma.db") + "'");
    EXPECT_EQ(run.out, "błąd\n") << run.err;
    EXPECT_FALSE(std::filesystem::exists(Path("brak.db"))) << "no file is created for a foreign connection";

    Outcome again = Run("init-db '" + Path("firma.db") + "'");
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("już istnieje"), std::string::npos) << again.err;
}

}  // namespace
