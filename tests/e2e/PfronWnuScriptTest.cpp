// The PFRON WN-U of the demo company's March 2024 as a host script makes it: the form's Policz fills the
// employer from the company's settings and has TLXDeklaracje.WNU build one INF-U-P attachment per
// reported disabled employee, read back in a new session with its days, refund cost and reduction.
//
// The demo's refund status is 3 and the minimum wage of 2023-12-31 is 3 600.00: each attachment's refund
// cost is the month's minimum-wage amount (degree and group factors times the working-time fraction) plus
// the employee's and the employer's pension contributions of a moderate or significant degree, or the
// employer's accident contribution of a light one, and PODWKOSZTY the smaller of that and the wage cost.
// January to March add theirs, each month's minimum-wage amount once. A form whose calculation fails
// (its kind of information left empty) still asks for a calculation; so does one whose month changed.
#include "TlxhostFixture.h"

#include <string>

namespace {

class PfronWnuScript : public TlxhostDemoTest {};

TEST_F(PfronWnuScript, TheWnuOfMarch) {
    ASSERT_EQ(RunScript(
                  "var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                  "d.TypDeklar = 320; d.Wersja = 1; d.Rok = 2024; d.Miesiac = 3;\n"
                  "d.DATAWYPELNIENIA = new Date(2024, 3, 10);\n"
                  "d.RODZAJINFORMACJI = 'Z';\n"
                  "d.MIESIACOD = 3; d.ROKOD = 2024; d.MIESIACDO = 3; d.ROKDO = 2024;\n"
                  "d.Policz();\n"
                  "Session.Save();\n"
                  "print('do przeliczenia po przeliczeniu:', d.DOPRZELICZENIA);\n"
                  "var w = Session.Login.CreateSession().CreateObject('TLXDeklaracje.Deklaracje', String(d.ID));\n"
                  "print('WN-U', w.OKRESSPRAWOZDAWCZY, 'NIP', w.NIP, 'REGON', w.REGON, 'NRPFRON', w.NRPFRON,\n"
                  "      'INF-U-P:', w.LICZBAINFUPGA, 'INF-U-Z:', w.LICZBAINFUZ);\n"
                  "for (var e = new Enumerator(w.Deklaracje); !e.atEnd(); e.moveNext()) {\n"
                  "    var a = e.item();\n"
                  "    print(a.NRKOLEJNY, a.NAZWISKO, a.IMIE1, a.PESEL, 'od', a.OKRESZATRODDNIA, 'osiągane', a.WYNOSIAGANE,\n"
                  "          'wypłacone', a.WYNWYPLACONE, 'podstawa', a.PODWKOSZTY, 'pomniejszenia', a.POMNIEJSZENIA);\n"
                  "    print('   chron', [a.CHRONZNACZNY, a.CHRONUMIARKOWANY, a.CHRONLEKKI, a.CHRONSZNACZNY,\n"
                  "                        a.CHRONSUMIARKOWANY, a.CHRONSLEKKI].join(' '),\n"
                  "          'norm', [a.NORMZNACZNY, a.NORMUMIARKOWANY, a.NORMLEKKI, a.NORMSZNACZNY,\n"
                  "                   a.NORMSUMIARKOWANY, a.NORMSLEKKI].join(' '), 'dni', a.OKRESZATR);\n"
                  "}\n"
                  "var s = Session.Login.CreateSession();\n"
                  "var f = s.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                  "f.TypDeklar = 320; f.Wersja = 1; f.Rok = 2024; f.Miesiac = 3;\n"
                  "f.DATAWYPELNIENIA = new Date(2024, 3, 10);\n"
                  "f.MIESIACOD = 4; f.ROKOD = 2024; f.MIESIACDO = 4; f.ROKDO = 2024;\n"
                  "print('nowy wniosek do przeliczenia:', f.DOPRZELICZENIA);\n"
                  "f.Miesiac = 4;\n"
                  "try { f.Policz(); } catch (x) { print('błąd:', x.description); }\n"
                  "print('do przeliczenia po błędzie:', f.DOPRZELICZENIA);\n"
                  "d.Miesiac = 4;\n"
                  "print('do przeliczenia po zmianie miesiąca:', d.DOPRZELICZENIA);\n"),
              0)
        << err_;
    EXPECT_EQ(out_, Golden("pfron-wnu.out"));
}

}  // namespace
