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

// What a generated company holds, counted and checked by a script: every table's rows, the rows whose
// card, payout, element, contract or absence is missing or belongs to another card, dated records that
// end before they start, and the payroll's years.
constexpr char kGeneratedChecks[] = R"js(
var c = Session.Connection;
function n(sql) { return c.Execute(sql).Fields(0).Value; }
print('karty', n('select count(*) from TLX.PracKod'), 'zapisy', n('select count(*) from TLX.PracEtaty'),
      'umowy', n('select count(*) from TLX.Umowy'), 'nieobecności', n('select count(*) from TLX.Nieobecnosci'),
      'okresy', n('select count(*) from TLX.OkresyPracownika'), 'wypłaty', n('select count(*) from TLX.Wyplaty'),
      'elementy', n('select count(*) from TLX.WypElementy'), 'linki', n('select count(*) from TLX.WypElementyLinki'),
      'rodzina', n('select count(*) from TLX.PracRodzina'));
print('osierocone',
      n('select count(*) from TLX.PracEtaty where PRE_PraId not in (select Pra_PraID from TLX.PracKod)') +
      n('select count(*) from TLX.PracKod where Pra_ParentID is not null and Pra_ParentID not in (select Pra_PraID from TLX.PracKod)') +
      n('select count(*) from TLX.Wyplaty where WPL_PraId not in (select Pra_PraID from TLX.PracKod)') +
      n('select count(*) from TLX.PracRodzina where PRR_PraId not in (select Pra_PraID from TLX.PracKod)') +
      n('select count(*) from TLX.WypElementy where WPE_WplId not in (select WPL_WplId from TLX.Wyplaty)') +
      n('select count(*) from TLX.WypElementyLinki where WEL_WpeId not in (select WPE_WpeId from TLX.WypElementy)'));
print('obce', n('select count(*) from TLX.WypElementyLinki join TLX.WypElementy on WPE_WpeId = WEL_WpeId join TLX.Wyplaty ' +
                'on WPL_WplId = WPE_WplId left join TLX.Umowy on UMW_UmwId = WEL_ZrodloId where WEL_ZrodloRodzaj = 8 ' +
                'and (UMW_PraId is null or UMW_PraId <> WPL_PraId)') +
              n('select count(*) from TLX.WypElementyLinki join TLX.WypElementy on WPE_WpeId = WEL_WpeId join TLX.Wyplaty ' +
                'on WPL_WplId = WPE_WplId left join TLX.Nieobecnosci on NBA_NbaId = WEL_NbaId where WEL_NbaId is not null ' +
                'and (NBA_PraId is null or NBA_PraId <> WPL_PraId)'));
print('odwrócone', n('select count(*) from TLX.PracEtaty where PRE_DataDo < PRE_DataOd') +
                   n('select count(*) from TLX.Nieobecnosci where NBA_DataDo < NBA_DataOd') +
                   n('select count(*) from TLX.Umowy where UMW_DataDo < UMW_DataOd'));
print('lata', n('select min(WPL_Rok) from TLX.Wyplaty'), n('select max(LPL_Rok) from TLX.ListyPlac'),
      'luty do', c.Execute('select LPL_DataDo from TLX.ListyPlac where LPL_LplId = 102').Fields(0).Value.getDate(),
      'otwarte', n("select count(*) from TLX.PracEtaty where PRE_DataDo = '2999-12-31 00:00:00'"));
var ostatni = c.Execute('select Pra_PraID, Pra_ParentID, Pra_Kod from TLX.PracKod order by Pra_PraID desc');
print('ostatnia karta', ostatni.Fields(0).Value, ostatni.Fields(2).Value);
var druga = c.Execute('select Pra_Kod from TLX.PracKod where Pra_ParentID is not null order by Pra_PraID desc');
print('karta podrzędna', druga.Fields(0).Value);
)js";

TEST_F(TlxhostTest, GeneratesACompanyCyclingTheDemoCardsWithTheirWholePayroll) {
    Outcome init = Run("init-db '" + Path("duza.db") + "' --employees 45");
    ASSERT_EQ(init.status, 0) << init.err;
    EXPECT_NE(init.out.find("45 pracowników"), std::string::npos) << init.out;
    Write("sprawdz.js", kGeneratedChecks);
    Outcome run = Run("run '" + Path("sprawdz.js") + "' --db '" + Path("duza.db") + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    // Two whole copies of the demo's twenty cards, then cards 41 to 45 as cards 1 to 5 (card 43 is
    // the secondary card of card 42): the demo has 26 records, 4 contracts, 6 absences, 3 dated entries
    // (card 4's one of them), 231 payouts, 237 elements and as many links, 3 family members (card 1's);
    // cards 1 to 5 have 5 records, contract 1, entries 1 and 3, 60 payouts, 60 elements and the family.
    EXPECT_EQ(run.out,
              "karty 45 zapisy 57 umowy 9 nieobecności 12 okresy 8 wypłaty 522 elementy 534 linki 534 rodzina 9\n"
              "osierocone 0\n"
              "obce 0\n"
              "odwrócone 0\n"
              "lata 2024 2024 luty do 29 otwarte 45\n"
              "ostatnia karta 45 P000045\n"
              "karta podrzędna P000042/1\n");

    // The same arguments make the same file.
    ASSERT_EQ(Run("init-db '" + Path("druga.db") + "' --employees 45").status, 0);
    EXPECT_EQ(Read(Path("duza.db")), Read(Path("druga.db")));
}

TEST_F(TlxhostTest, GeneratesFewerCardsThanTheDemoAndMovesThePayrollToAnotherYear) {
    Outcome init = Run("init-db '" + Path("mala.db") + "' --employees 5 --year 2025");
    ASSERT_EQ(init.status, 0) << init.err;
    Write("sprawdz.js", kGeneratedChecks);
    Outcome run = Run("run '" + Path("sprawdz.js") + "' --db '" + Path("mala.db") + "'");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "karty 5 zapisy 5 umowy 1 nieobecności 0 okresy 2 wypłaty 60 elementy 60 linki 60 rodzina 3\n"
              "osierocone 0\n"
              "obce 0\n"
              "odwrócone 0\n"
              "lata 2025 2025 luty do 28 otwarte 5\n"
              "ostatnia karta 5 P005\n"
              "karta podrzędna P002/1\n");
}

TEST_F(TlxhostTest, RefusesAnEmployeeCountOrYearOutOfRange) {
    for (const char* arguments : {"--employees 0", "--employees 100001", "--employees dużo", "--employees 5 --year 1999",
                                  "--year 2025"}) {
        Outcome init = Run("init-db '" + Path("zla.db") + "' " + arguments);
        EXPECT_EQ(init.status, 2) << arguments;
        EXPECT_FALSE(std::filesystem::exists(Path("zla.db"))) << arguments;
    }
}

}  // namespace
