// What a host script's Session.Save stores, checked in the demo company's tables: a VAT-7's life cycle
// (create, save, reopen, change, save, clone, delete, create again) with the rows left in each table after
// every step, and rows of a collection the script only created (establishments), stored or the save
// fails, never reported saved unwritten.
#include "TlxhostFixture.h"

#include <string>

namespace {

class SessionSaveScript : public TlxhostDemoTest {};

TEST_F(SessionSaveScript, EstablishmentsAddedByAScriptAreStored) {
    ASSERT_EQ(RunScript("var zaklady = Session.CreateObject('TLXDeklaracje.DeklZaklady');\n"
                        "var przed = zaklady.Count;\n"
                        "var z = zaklady.AddNew();\n"
                        "z.NazwaPelna = 'Zakład w Radomiu';\n"
                        "z.NIP = '7960000000';\n"
                        "Session.Save();\n"
                        "print('identyfikator nadany:', z.ID > 0);\n"
                        "var inna = Session.Login.CreateSession();\n"
                        "var odczytane = inna.CreateObject('TLXDeklaracje.DeklZaklady');\n"
                        "print('w bazie:', odczytane.Count - przed);\n"
                        "print('nazwa:', inna.CreateObject('TLXDeklaracje.DeklZaklady', String(z.ID)).NazwaPelna);\n"),
              0)
        << err_;
    EXPECT_EQ(out_,
              "identyfikator nadany: true\n"
              "w bazie: 1\n"
              "nazwa: Zakład w Radomiu\n");
}

TEST_F(SessionSaveScript, AVat7LifeCycleLeavesNoRowOfADeletedDeclaration) {
    ASSERT_EQ(RunScript(
        "function Wiersze(etap) {\n"
        "    var c = Session.Connection;\n"
        "    var tabele = [['DeklNag', 'DkN_ParentID'], ['DeklElem', 'DkE_DkNID'], ['DeklStr', 'DkS_DkNID'],\n"
        "                  ['DeklWydr', 'DkW_DkNID'], ['DeklVUEK', 'DVU_DkNID'], ['DeklV27', 'V27_DkNID'],\n"
        "                  ['DeklV27K', 'DVK_DkNID'], ['VATZD', 'VaZ_DkNId']];\n"
        "    var opis = etap + ':', sieroty = 0;\n"
        "    for (var i = 0; i < tabele.length; i++) {\n"
        "        opis += ' ' + tabele[i][0] + '=' + c.Execute('select count(*) from TLX.' + tabele[i][0]).Fields(0).Value;\n"
        "        sieroty += c.Execute('select count(*) from TLX.' + tabele[i][0] + ' where ' + tabele[i][1] +\n"
        "                             ' not in (select DkN_DkNID from TLX.DeklNag)').Fields(0).Value;\n"
        "    }\n"
        "    print(opis + ', osierocone ' + sieroty);\n"
        "}\n"
        "function NowyVat7(deklaracje, miesiac) {\n"
        "    var d = deklaracje.AddNew();\n"
        "    d.TypDeklar = 1; d.Wersja = 17; d.Rok = 2024; d.Miesiac = miesiac;\n"
        "    d.P_1 = '5260250274'; d.P_6 = 'Urząd Skarbowy Warszawa-Mokotów'; d.P_8 = 1;\n"
        "    d.P_9 = 'Przykładowa Spółka z o.o.'; d.P_19 = 1000; d.P_20 = 230;\n"
        "    d.Policz();\n"
        "    return d;\n"
        "}\n"
        "Wiersze('na początku');\n"
        "var d = NowyVat7(Session.CreateObject('TLXDeklaracje.Deklaracje'), 3);\n"
        "d.Tekst = 'uwagi';\n"
        "Session.Save();\n"
        "var pierwszy = d.ID;\n"
        "print('utworzona', d.Numer, d.Opis);\n"
        "Wiersze('po utworzeniu');\n"
        "var s2 = Session.Login.CreateSession();\n"
        "var w = s2.CreateObject('TLXDeklaracje.Deklaracje', String(pierwszy));\n"
        "w.P_19 = 2000; w.P_20 = 460; w.Policz();\n"
        "s2.Save();\n"
        "print('zmieniona', w.P_19, w.P_20, w.P_54, w.Tekst);\n"
        "var s3 = Session.Login.CreateSession();\n"
        "var lista = s3.CreateObject('TLXDeklaracje.Deklaracje');\n"
        "var klon = lista.AddNew(lista.Item(String(pierwszy)));\n"
        "s3.Save();\n"
        "print('klon', klon.Numer, klon.P_19, klon.Opis);\n"
        "Wiersze('po klonowaniu');\n"
        "var s4 = Session.Login.CreateSession();\n"
        "var wszystkie = s4.CreateObject('TLXDeklaracje.Deklaracje');\n"
        "while (wszystkie.Count > 0) wszystkie.Delete(0);\n"
        "s4.Save();\n"
        "Wiersze('po usunięciu');\n"
        "var s5 = Session.Login.CreateSession();\n"
        "var n = NowyVat7(s5.CreateObject('TLXDeklaracje.Deklaracje'), 4);\n"
        "s5.Save();\n"
        "print('nowa', n.ID > klon.ID, n.Numer, n.P_19, n.Tekst == '');\n"
        "Wiersze('po ponownym utworzeniu');\n"),
              0)
        << err_;
    EXPECT_EQ(out_,
              "na początku: DeklNag=1 DeklElem=0 DeklStr=0 DeklWydr=0 DeklVUEK=0 DeklV27=0 DeklV27K=0 VATZD=4, "
              "osierocone 0\n"
              "utworzona 1 VAT-7 za 03/2024\n"
              "po utworzeniu: DeklNag=2 DeklElem=81 DeklStr=1 DeklWydr=69 DeklVUEK=0 DeklV27=0 DeklV27K=0 VATZD=4, "
              "osierocone 0\n"
              "zmieniona 2000 460 460 uwagi\n"
              "klon 2 2000 VAT-7 za 03/2024\n"
              "po klonowaniu: DeklNag=3 DeklElem=162 DeklStr=1 DeklWydr=138 DeklVUEK=0 DeklV27=0 DeklV27K=0 VATZD=4, "
              "osierocone 0\n"
              "po usunięciu: DeklNag=0 DeklElem=0 DeklStr=0 DeklWydr=0 DeklVUEK=0 DeklV27=0 DeklV27K=0 VATZD=0, "
              "osierocone 0\n"
              "nowa true 1 1000 true\n"
              "po ponownym utworzeniu: DeklNag=1 DeklElem=81 DeklStr=0 DeklWydr=69 DeklVUEK=0 DeklV27=0 DeklV27K=0 "
              "VATZD=0, osierocone 0\n");
}

}  // namespace
