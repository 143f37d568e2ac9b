// The scripts' data service as a calculation script uses it: created through the session by its ProgID,
// asked for document numbers and for the demo company's ledger income of a month.
#include "TlxhostFixture.h"

#include <string>

namespace {

using DataServiceScript = TlxhostDemoTest;

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
