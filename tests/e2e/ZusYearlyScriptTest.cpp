// The yearly ZUS declarations of the demo company's payroll year as a host script makes them: an IWA and
// a ZSWA for 2024, calculated with their progress shown, saved, and read back in a new session.
//
// The IWA's figures, counted by hand from db/demo.sql (a month counts for an employee whose payout of
// that month bears accident contributions, or who is insured and present for some of its days):
// thirteen employees count in all twelve months (cards 1, 2, 4-8, 11, 14, 16, 18-20); Ewa Szymańska's
// contract in January to November (11); Michał Wojciechowski from May (8); Joanna Kowalczyk to August
// (8); Natalia Mazur outside her maternity leave of May to August (8); Grzegorz Brzęczyszczykiewicz
// outside his childcare leave of November (11); the health-only contract and the secondary card's
// contract add nothing. 156 + 11 + 8 + 8 + 8 + 11 = 202 insured months, 16.83 a month, written as 17.
// Robert Pawlak's accident at work makes him the one injured person.
//
// The ZSWA reports Magdalena Kamińska's special work of the whole year in two blocks, one for each of
// her keys (011001 to June, 011002 from July); Piotr Wiśniewski's special work is covered by his dated
// entry of the same kind and is cut out.
#include "TlxhostFixture.h"

#include <cstdlib>
#include <string>

namespace {

class ZusYearlyScript : public TlxhostDemoTest {
protected:
};

TEST_F(ZusYearlyScript, TheIwaAndTheZswaOfThePayrollYear) {
    ASSERT_EQ(RunScript(
                  "var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');\n"
                  "var inna = Session.Login.CreateSession();\n"
                  "function Nowa(typ) {\n"
                  "    var d = deklaracje.AddNew();\n"
                  "    d.TypDeklar = typ; d.Wersja = 1; d.Rok = 2024; d.Numer = 1;\n"
                  "    d.OSWIADCZENIE = new Date(2025, 0, 20);\n"
                  "    d.AdviseProgress(Postep);\n"
                  "    return d;\n"
                  "}\n"
                  "var iwa = Nowa(130);\n"
                  "iwa.NUMERDECYZJI = 'PK/12/2024';\n"
                  "iwa.Policz();\n"
                  "Session.Save();\n"
                  "var w = inna.CreateObject('TLXDeklaracje.Deklaracje', String(iwa.ID));\n"
                  "print('IWA', w.DOIWAIDENT, w.DOIWADECYZJA, 'ubezpieczonych:', w.DUZWIWALICZBAUBEZP,\n"
                  "      'poszkodowanych:', w.ZDKRIWALPOSZKOG);\n"
                  "print('DIPLIWA', [w.DIPLNIP, w.DIPLREGON, w.DIPLPESEL, w.DIPLRODZAJDOK, w.DIPLDOKUMENT, w.DIPLNAZWA,\n"
                  "                  w.DIPLNAZWISKO, w.DIPLIMIE, w.DIPLDATAUR].join('|'));\n"
                  "print('ADKP', [w.ADKPKODPOCZTOWY, w.ADKPMIASTO, w.ADKPULICA, w.ADKPNRDOMU, w.ADKPNRLOKALU,\n"
                  "               w.ADKPNRTELKOR, w.ADKPSKRPOCZTOWA, w.ADKPNRTELEFONU, w.ADKPNRFAKSU, w.ADKPEMAIL].join('|'));\n"
                  "print('odczytana jak zapisana:', w.DOKUMENT.ToString() == iwa.DOKUMENT.ToString());\n"
                  "var zswa = Nowa(106);\n"
                  "zswa.Policz();\n"
                  "Session.Save();\n"
                  "var z = inna.CreateObject('TLXDeklaracje.Deklaracje', String(zswa.ID));\n"
                  "print(String(z.DOKUMENT.ToString()).replace(/\\r/g, ''));\n"
                  "print('odczytana jak zapisana:', z.DOKUMENT.ToString() == zswa.DOKUMENT.ToString());\n"),
              0)
        << err_;
    EXPECT_EQ(out_, Golden("zus-iwa-zswa.out"));
}

}  // namespace
