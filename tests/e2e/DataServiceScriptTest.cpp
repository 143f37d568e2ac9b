// The scripts' data service as a calculation script uses it: created through the session by its ProgID,
// asked for document numbers and for the demo company's ledger income of a month.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

namespace {

class DataServiceScript : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device random;
        folder_ = std::filesystem::temp_directory_path() / ("tlx-e2e-" + std::to_string(random()));
        std::filesystem::create_directories(folder_);
        ASSERT_EQ(Run("init-db '" + Path("firma.db") + "' --demo"), 0) << err_;
        ASSERT_EQ(Run("register"), 0) << err_;
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    std::string Path(const std::string& name) const { return (folder_ / name).string(); }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
    int Run(const std::string& arguments) {
        std::string command = "TLX_REGISTRY='" + Path("hkcr.reg") + "' '" + TLX_HOST_PROGRAM + "' " + arguments +
                              " >'" + Path("out.txt") + "' 2>'" + Path("err.txt") + "'";
        int raw = std::system(command.c_str());
        out_ = Read(Path("out.txt"));
        err_ = Read(Path("err.txt"));
        return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    }
    int RunScript(const std::string& script) {
        std::ofstream(Path("skrypt.js"), std::ios::binary) << script;
        return Run("run '" + Path("skrypt.js") + "' --db '" + Path("firma.db") + "'");
    }

    std::filesystem::path folder_;
    std::string out_, err_;
};

}  // namespace

TEST_F(DataServiceScript, NumbersAndTheLedgerIncomeOfAMonth) {
    // The demo company numbers declarations with "@symbol/@numer/@rok_kal" of the definition "DEK". Its
    // ledger: January 12000 income, 4000 costs, 50 advertising; February 15000, 5000, 80. A PIT-5 of
    // version 15 deducts advertising up to 0.25 % of the income so far: 30.00 by January and 67.50 by
    // February, so February's deductible advertising is 37.50 and its costs 5037.50.
    ASSERT_EQ(RunScript("var rSerwis = Session.CreateObject('TLX.SerwisDeklaracji');\n"
                        "rSerwis.TypDeklaracji = 2;\n"
                        "rSerwis.WersjaDeklaracji = 15;\n"
                        "print(rSerwis.NumerString('REJ', 3, 2024));\n"
                        "print(rSerwis.NumerPelny('REJ', 7, 3, 2024));\n"
                        "print(rSerwis.NumerPelny('REJ', 0, 3, 2024));\n"
                        "var rs = rSerwis.DochodPodatnika(2024, 2, 0);\n"
                        "rs.Filter = 'Rok=2024 AND Miesiac=2';\n"
                        "var koszt = rs.Fields('Koszt').Value + rs.Fields('ReklamaKoszt').Value"
                        " - rs.Fields('Remanent').Value;\n"
                        "print(rs.Fields('Przychod').Value, rs.Fields('ReklamaKoszt').Value, koszt);\n"
                        "print(rSerwis.Firma.RodzajKsiegowosci, rSerwis.ModulPlace);\n"),
              0)
        << err_;
    EXPECT_EQ(out_,
              "DEK/@numer/2024\n"
              "DEK/000007/2024\n"
              "DEK/2024\n"
              "15000 37.5 5037.5\n"
              "2 1\n");
}

TEST_F(DataServiceScript, AFailureReachesTheScriptAsAnError) {
    EXPECT_NE(RunScript("var rSerwis = Session.CreateObject('TLX.SerwisDeklaracji');\n"
                        "rSerwis.PobierzKwoty(2024, 3, 0, 1);\n"),
              0);
    EXPECT_NE(err_.find("Nie znaleziono rekordu: PPM_Rok=2024 AND PPM_Miesiac=3 (0x80050458)"), std::string::npos)
        << "the partner has no amounts for March: " << err_;
}
