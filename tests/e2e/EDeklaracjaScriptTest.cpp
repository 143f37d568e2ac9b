// The e-declaration object and the host's validator driven by a script through tlxhost, as the host's
// scripts use them on the demo company.
#include <cstdlib>

#include "TlxhostFixture.h"

namespace {

class EDeklaracjaScript : public TlxhostDemoTest {};

// A text as a JavaScript string literal.
std::string Literal(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\\' || c == '\'') out += '\\';
        if (c == '\r') { out += "\\r"; continue; }
        if (c == '\n') { out += "\\n"; continue; }
        out += c;
    }
    return out + "'";
}

TEST_F(EDeklaracjaScript, TheObjectAnswersAndTheValidatorJudgesTheGoldenVat7) {
    std::string golden = Read((std::filesystem::path(std::getenv("TLX_SOURCE_DIR")) / "tests" / "module" / "edeklaracje" / "golden" /
                               "VAT-7_17.xml").string());
    std::string script =
        "var e = new ActiveXObject('TLX.EDeklaracja');\n"
        "e.Login = Session.Login;\n"
        "e.AdviseProgress(Postep);\n"
        "e.SprawdzUstawieniaRegionalne();\n"
        "print('Ustawienia regionalne: poprawne');\n"
        "e.EPodpisana = 2; e.ETrybSeryjny = 0;\n"
        "print('EPodpisana', e.EPodpisana, 'ETrybSeryjny', e.ETrybSeryjny, 'EBlad', e.EBlad, 'EInfo [' + e.EInfo + ']');\n"
        "print('KomunikatBledu [' + e.KomunikatBledu('/Deklaracja') + ']');\n"
        "e.DodajAtrybut('Zrodlo', 'demo');\n"
        "try { e.DodajAtrybut('P 1', 'x'); } catch (err) { print('DodajAtrybut:', err.description); }\n"
        "var walidator = new ActiveXObject('TLX.EdeklaracjeValidator');\n"
        "var wzorzec = " + Literal(golden) + ";\n"
        "var wynik = walidator.Validate(wzorzec, e);\n"
        "print('Wzorzec VAT-7(17): ' + (wynik == '' ? 'poprawny' : wynik));\n"
        "var bledny = wzorzec.replace('<Miesiac>3</Miesiac>', '<Miesiac>13</Miesiac>');\n"
        "var linie = walidator.Validate(bledny, e).split('\\r\\n');\n"
        "print('Kopia z miesiącem 13: ' + linie.length + ' błąd');\n"
        "print(linie[0]);\n";
    ASSERT_EQ(RunScript(script), 0) << err_;
    EXPECT_EQ(out_.substr(0, out_.rfind("Kopia")),
              "Ustawienia regionalne: poprawne\n"
              "EPodpisana 1 ETrybSeryjny 0 EBlad 0 EInfo []\n"
              "KomunikatBledu []\n"
              "DodajAtrybut: Nazwa atrybutu e-deklaracji \"P 1\" nie jest poprawną nazwą elementu XML.\n"
              "Wzorzec VAT-7(17): poprawny\n");
    EXPECT_NE(out_.find("Kopia z miesiącem 13: 1 błąd\nwiersz 2: "), std::string::npos) << out_;
}

}  // namespace
