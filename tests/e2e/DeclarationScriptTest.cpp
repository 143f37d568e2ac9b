// A VAT-7 of the demo company as a host script works with it: its symbol, full number and filing
// state, its text kept in pages, and a clone that carries its values and is numbered anew.
#include "TlxhostFixture.h"

#include <string>

namespace {

using DeclarationScript = TlxhostDemoTest;

}  // namespace

TEST_F(DeclarationScript, AVat7KeepsItsTextAndIsClonedWithItsValues) {
    ASSERT_EQ(RunScript("var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');\n"
                        "var vat7 = deklaracje.AddNew();\n"
                        "vat7.TypDeklar = 1; vat7.Wersja = 17; vat7.Rok = 2024; vat7.Miesiac = 3;\n"
                        "var firma = Session.CreateObject('TLX.FirmaCfgRO');\n"
                        "vat7.P_1 = firma.NIP; vat7.P_6 = firma.UrzadSkarbowy.Kod; vat7.P_8 = 1;\n"
                        "vat7.P_9 = firma.Nazwa; vat7.P_19 = 1000; vat7.P_20 = 230;\n"
                        "vat7.Policz();\n"
                        "var tekst = '';\n"
                        "for (var i = 0; i < 5000; i++) tekst += String.fromCharCode(65 + i % 26);\n"
                        "vat7.Tekst = tekst;\n"
                        "Session.Save();\n"
                        "print(vat7.Symbol, vat7.NumerPelny, vat7.EDekl_StatusPrzetwarzania,\n"
                        "      vat7.CustomCollection01 === null, vat7.Zatwierdzony);\n"
                        "var klon = deklaracje.AddNew(vat7);\n"
                        "print(klon.JestemKlonem, klon.Numer, klon.P_19, klon.P_20);\n"
                        "Session.Save();\n"
                        "print(klon.NumerPelny, klon.Tekst.length);\n"
                        "var druga = Session.Login.CreateSession();\n"
                        "var wczytana = druga.CreateObject('TLXDeklaracje.Deklaracje', String(vat7.ID));\n"
                        "print(wczytana.Tekst == tekst, wczytana.Tekst.length);\n"),
              0)
        << err_;
    EXPECT_EQ(out_,
              "VAT7 DEK/000001/2024 1 true -61\n"
              "1 0 1000 230\n"
              "DEK/000002/2024 0\n"
              "true 5000\n")
        << "the clone keeps the values, not the pages, and takes the next number";
}
