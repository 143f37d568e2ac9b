// The demo company's CIT-8 return of 2024 made by a host script (tests/e2e/scripts/cit8-2024.js) and written
// as its document with the attachments. Worked out by hand from db/demo.sql and the script's entries:
// - from the books (the quarters of 2024, the buffered December entry and 2023 left out): revenue in Poland
//   412 300.50 + 455 120.00 + 438 760.25 + 537 069.25 = 1 843 250.00, costs 338 410.20 + 371 845.35 +
//   362 300.00 + 439 784.45 = 1 512 340.00; abroad 18 000 + 12 000 = 30 000.00 and 9 500 + 6 500 = 16 000.00;
//   together 1 873 250.00 and 1 528 340.00, income 344 910.00;
// - deductions: the loss carried forward 60 000.00, the CIT-D's donations 3 000.00 + 1 500.50 = 4 500.50
//   (within 10 % of the income), the CIT/BR's relief 24 000 + 6 000 = 30 000.00, the CIT-8/O's new technology
//   12 000.00: 106 500.50;
// - tax base 344 910.00 - 106 500.50 = 238 409.50, rounded 238 410; tax 19 % = 45 297.90, rounded 45 298;
//   advances 41 000, so 4 298 to pay by 31 March 2025 (a Monday).
// A second CIT-D of 700.00 counts while it exists and drops out when deleted.
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <string>

namespace {

class Cit8Script : public TlxhostDemoTest {};

TEST_F(Cit8Script, TheReturnOfTheYearWithItsAttachmentsAsItsDocument) {
    ASSERT_EQ(RunScript("var folder = '" + folder_.string() + "';\n" + Source("scripts/cit8-2024.js")), 0) << err_ << out_;
    EXPECT_EQ(out_, Golden("cit8-2024.out"));
    const std::string document = Read(Path("CIT-8.xml"));
    EXPECT_EQ(document, Golden("CIT-8_24_2024.xml"));

    if (!ProjectSchemaStore::OfficialSchemasHere()) GTEST_SKIP() << "the official etd types are not here";
    ProjectSchemaStore store(folder_);
    ASSERT_TRUE(store.Opened());
    ASSERT_TRUE(store.Holds("urn:tlx:wzor:CIT-8:24/")) << "the project's schema";
    const auto errors = store.Errors(document);
    EXPECT_TRUE(errors.empty()) << errors.front();
    // The schema bites: grosze in the tax, or a CIT-D before the CIT/BR, is not valid.
    std::string grosze = document;
    grosze.replace(grosze.find("<P_30>45298</P_30>"), std::string("<P_30>45298</P_30>").size(), "<P_30>45297.90</P_30>");
    EXPECT_FALSE(store.Errors(grosze).empty());
    std::string order = document;
    const auto br = order.find("<Zalacznik_CIT-BR>");
    const auto d = order.find("<Zalacznik_CIT-D>");
    const std::string brText = order.substr(br, d - br);
    order.erase(br, brText.size());
    order.insert(order.find("</Zalaczniki>"), brText);
    EXPECT_FALSE(store.Errors(order).empty());
}

// The CIT-ST and its CIT-ST/A from the demo's establishments (db/demo.sql): the head office (16 employees),
// the Radom branch (3) and the Płock shop (1) on the CIT-ST, 20 employees; the Płock shop is not marked for
// the CIT-ST/A and the Kielce warehouse is inactive. The return without deductions: 344 910 x 19 % =
// 65 532.90, rounded 65 533.
TEST_F(Cit8Script, TheEstablishmentsAttachmentsFromTheCompanysEstablishments) {
    ASSERT_EQ(RunScript("var folder = '" + folder_.string() + "';\n" + Source("scripts/cit8-zaklady.js")), 0) << err_ << out_;
    EXPECT_EQ(out_, Golden("cit8-zaklady.out"));
    const std::string document = Read(Path("CIT-8-ST.xml"));
    EXPECT_EQ(document, Golden("CIT-8_24_2024_CIT-ST.xml"));
    if (!ProjectSchemaStore::OfficialSchemasHere()) GTEST_SKIP() << "the official etd types are not here";
    ProjectSchemaStore store(folder_);
    const auto errors = store.Errors(document);
    EXPECT_TRUE(errors.empty()) << errors.front();
    std::string code = document;
    code.replace(code.find("<P_Ed>1465011</P_Ed>"), std::string("<P_Ed>1465011</P_Ed>").size(), "<P_Ed>14-65</P_Ed>");
    EXPECT_FALSE(store.Errors(code).empty()) << "a municipality's code has seven digits";
}

// A return whose stored deductions no longer agree with its attachments is refused, naming the position.
TEST_F(Cit8Script, AReturnThatDisagreesWithItsAttachmentsIsRefused) {
    ASSERT_EQ(RunScript("var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');\n"
                        "var cit8 = deklaracje.AddNew();\n"
                        "cit8.TypDeklar = 17; cit8.Wersja = 24; cit8.Rok = 2024;\n"
                        "cit8.Policz();\n"
                        "Session.Save();\n"
                        "var d = deklaracje.AddNew();\n"
                        "d.TypDeklar = 28; d.Wersja = 5; d.Rok = 2024; d.Miesiac = 12; d.Numer = 1; d.ParentId = cit8.ID;\n"
                        "d.P_Da1 = 'Fundacja'; d.P_Db1 = 2500;\n"
                        "d.Policz();\n"
                        "Session.Save();\n"
                        "try { cit8.Verify(); print('przyjęto'); } catch (e) { print(e.description); }\n"
                        "cit8.executeJS('onCITDListChanged');\n"
                        "cit8.Verify();\n"
                        "print(cit8.P_11, cit8.P_24, cit8.P_27);\n"),
              0)
        << err_;
    EXPECT_EQ(out_,
              "Poz. 11: kwota zeznania (0) nie zgadza się z załącznikami (1). Deklarację należy przeliczyć.\n"
              "1 2500 2500\n");
}

// A CIT-ST saved before its return's CIT-ST/A counts them (position 170) as they are added and removed: the
// return's actions on the CIT-ST/A list bring the saved CIT-ST up to date, read back in a new session.
TEST_F(Cit8Script, TheCitStaActionsBringTheCitStCountUpToDate) {
    ASSERT_EQ(RunScript("var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');\n"
                        "var cit8 = deklaracje.AddNew();\n"
                        "cit8.TypDeklar = 17; cit8.Wersja = 24; cit8.Rok = 2024;\n"
                        "cit8.Policz();\n"
                        "Session.Save();\n"
                        "function Zalacznik(typ, wersja, numer) {\n"
                        "  var z = deklaracje.AddNew();\n"
                        "  z.TypDeklar = typ; z.Wersja = wersja; z.Rok = 2024; z.Miesiac = 12; z.Numer = numer;\n"
                        "  z.ParentId = cit8.ID;\n"
                        "  z.Policz();\n"
                        "  Session.Save();\n"
                        "  return z;\n"
                        "}\n"
                        "function LiczbaNaCitSt(id) {\n"
                        "  return Session.Login.CreateSession().CreateObject('TLXDeklaracje.Deklaracje', String(id)).P_170;\n"
                        "}\n"
                        "var st = Zalacznik(29, 7, 1);\n"
                        "print('bez CIT-ST/A: ' + LiczbaNaCitSt(st.ID));\n"
                        "var a1 = Zalacznik(30, 5, 1);\n"
                        "cit8.executeJS('onCITSTAListChanged');\n"
                        "print('po dodaniu: ' + LiczbaNaCitSt(st.ID) + ', zeznanie ' + cit8.P_13);\n"
                        "var a2 = Zalacznik(30, 5, 2);\n"
                        "cit8.executeJS('onCITSTAListChanged');\n"
                        "print('po drugim: ' + LiczbaNaCitSt(st.ID) + ', zeznanie ' + cit8.P_13);\n"
                        "deklaracje.Delete(a2);\n"
                        "Session.Save();\n"
                        "cit8.executeJS('onCITSTADeleted');\n"
                        "print('po usunięciu: ' + LiczbaNaCitSt(st.ID) + ', zeznanie ' + cit8.P_13);\n"
                        "Session.Save();\n"
                        "var st2 = Session.Login.CreateSession().CreateObject('TLXDeklaracje.Deklaracje', String(st.ID));\n"
                        "st2.Verify();\n"
                        "print('CIT-ST sprawdzony');\n"),
              0)
        << err_ << out_;
    EXPECT_EQ(out_,
              "bez CIT-ST/A: 0\n"
              "po dodaniu: 1, zeznanie 1\n"
              "po drugim: 2, zeznanie 2\n"
              "po usunięciu: 1, zeznanie 1\n"
              "CIT-ST sprawdzony\n");
}

// The demo files the CIT-8 with one donation: 344 910 - (60 000 + 3 000) = 281 910, 19 % = 53 562.90,
// rounded 53 563, less 41 000 of advances.
TEST_F(Cit8Script, TheDemoFilesTheReturnWithItsCitD) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    EXPECT_NE(out_.find("  CIT-8 za 2024: przychody 1873250, koszty 1528340, dochód 344910, odliczenia 63000 (w tym "
                        "darowizny z CIT-D 3000), podstawa 281910, podatek 53563, do zapłaty 12563 zł, termin 31.3.2025\n"),
              std::string::npos)
        << out_;
    EXPECT_NE(out_.find("  CIT-8_24_2024.xml ("), std::string::npos) << out_;
}

}  // namespace
