// The PFRON WN-D of the demo company's March 2024 as a host script makes it, in both generations: a
// version 6 calculated by TLXDeklaracje.WND3 and a version 1 by TLXDeklaracje.WND, each through its
// form's Policz, read back in a new session with the employment figures and the INF-D-P attachments.
//
// The employer figures are the host's SOD3/SOD4 averages (SOD4 leaves out of the disabled those with a
// pension right). The first generation counts the four disabled employees of the INF-D of the same month
// (refund status 3, the minimum wage of 2023-12-31, 3 600.00); the current generation refuses, from March
// 2010 on, employees of a light or moderate degree whose month was paid only in components of tens digit
// 1, and the demo's basic wage has component code 10: only Tomasz Lewandowski (significant) remains.
// The refund base sums the cost amounts and limits of January to March: Lewandowski's limit is 3 × (3600
// × 0.9 × 0.7 + his contributions), Wójcik's under the first generation 3 × 3600 × 0.4 × 0.75 × 0.7
// without a light degree's own costs under refund status 3.
#include "TlxhostFixture.h"

#include <cstdlib>
#include <string>

namespace {

class PfronWndScript : public TlxhostDemoTest {};

TEST_F(PfronWndScript, BothGenerationsOfMarch) {
    ASSERT_EQ(RunScript(
                  "function wnd(wersja) {\n"
                  "    var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                  "    d.TypDeklar = 310; d.Wersja = wersja; d.Rok = 2024; d.Miesiac = 3;\n"
                  "    d.DATAWYPELNIENIA = new Date(2024, 3, 10);\n"
                  "    d.RODZAJINFORMACJI = 'Z';\n"
                  "    d.Policz();\n"
                  "    Session.Save();\n"
                  "    var w = Session.Login.CreateSession().CreateObject('TLXDeklaracje.Deklaracje', String(d.ID));\n"
                  "    print('WN-D', wersja, w.OKRESSPRAWOZDAWCZY, 'NRPFRON', w.NRPFRON, 'INF-D-P:', w.LICZBAINFDP,\n"
                  "          'INF-D-Z:', w.LICZBAINFDZ, 'nowo zatrudnieni:', w.NOWOZATRUDNIENI);\n"
                  "    print('   w miesiącu', w.WOKRESIEOGOLEM, w.WOKRESIENIEPELNOSPRAWNI, 'poprzednio',\n"
                  "          w.POPRZEDZAJACYOKRESOGOLEM, w.POPRZEDZAJACYOKRESNIEPELNOSPRAWNI, 'bieżący',\n"
                  "          w.BIEZACYOKRESOGOLEM, w.BIEZACYOKRESNIEPELNOSPRAWNI, 'status',\n"
                  "          w.STATUSPRACODAWCYIP, w.STATUSPRACODAWCYZPC, w.STATUSPRACODAWCYZAZ);\n"
                  "    for (var e = new Enumerator(w.Deklaracje); !e.atEnd(); e.moveNext()) {\n"
                  "        var a = e.item();\n"
                  "        print(a.NRKOLEJNY, 'wersja', a.Wersja, a.NAZWISKO, a.IMIE1, a.PESEL, 'osiągane', a.WYNOSIAGANE,\n"
                  "              'koszty', a.KOSZTYPLACY, 'podstawa', a.PODWKOSZTY, 'pomniejszenia', a.POMNIEJSZENIA);\n"
                  "        print('   chron', [a.CHRONZNACZNY, a.CHRONUMIARKOWANY, a.CHRONLEKKI, a.CHRONSZNACZNY,\n"
                  "                            a.CHRONSUMIARKOWANY, a.CHRONSLEKKI].join(' '),\n"
                  "              'norm', [a.NORMZNACZNY, a.NORMUMIARKOWANY, a.NORMLEKKI, a.NORMSZNACZNY,\n"
                  "                       a.NORMSUMIARKOWANY, a.NORMSLEKKI].join(' '));\n"
                  "    }\n"
                  "}\n"
                  "wnd(6);\n"
                  "wnd(1);\n"),
              0)
        << err_;
    EXPECT_EQ(out_, Source("golden/pfron-wnd.out"));
}

}  // namespace
