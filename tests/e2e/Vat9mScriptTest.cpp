// The VAT-9M of May 2024 on the demo company (tests/e2e/scripts/vat9m-miesiac.js), worked out by hand: the
// rows of part C typed in złoty and grosze and rounded half up to whole złoty - import of services 4 250.40 /
// 977.59 -> 4 250 / 978, services of art. 28b 12 300.55 / 2 829.13 -> 12 301 / 2 829, supplies where the buyer
// is the taxpayer 1 999.49 / 459.88 -> 1 999 / 460; the tax to pay (poz. 16) 978 + 2 829 + 460 = 4 267, due on
// 25 June 2024, a Tuesday. Before the calculation the amounts in grosze are refused (poz. 10 first), then a
// negative tax (poz. 13) and a typed poz. 16 that is not the rows' sum.
#include "ProjectSchemaStore.h"
#include "TlxhostFixture.h"

#include <string>

namespace {

class Vat9mScript : public TlxhostDemoTest {};

TEST_F(Vat9mScript, AMonthsTaxOnImportedServicesIsCheckedAndWrittenAsItsDocument) {
    ASSERT_EQ(RunScript("var folder = '" + folder_.string() + "';\n" + Source("scripts/vat9m-miesiac.js")), 0)
        << err_ << out_;
    EXPECT_EQ(out_,
              "kwoty w groszach: Kwota w poz. 10 nie jest w pełnych złotych. Deklarację należy przeliczyć.\n"
              "C.1: 4250 / 978, C.2: 12301 / 2829, C.3: 1999 / 460, do wpłaty 4267\n"
              "ujemny podatek: Kwota w poz. 13 nie może być ujemna.\n"
              "poz. 16 wpisana: Kwota w poz. 16 nie odpowiada sumie kwot z poz. 11, 13 i 15. Deklarację należy "
              "przeliczyć.\n"
              "Zapisano VAT-9M za 05/2024 nr 1, przekształcenie 404/6: do wpłaty 4267 zł, termin 25.6.2024\n");
    const std::string document = Read(Path("VAT-9M.xml"));
    EXPECT_EQ(document, Golden("VAT-9M_6_2024-05.xml"));

    if (!ProjectSchemaStore::OfficialSchemasHere()) GTEST_SKIP() << "the official etd types are not here";
    ProjectSchemaStore store(folder_);
    ASSERT_TRUE(store.Opened());
    ASSERT_TRUE(store.Holds("urn:tlx:wzor:VAT-9M:6/")) << "the project's schema";
    const auto errors = store.Errors(document);
    EXPECT_TRUE(errors.empty()) << errors.front();
    // The schema bites: a negative tax, or a base without its tax, is not valid.
    std::string negative = document;
    negative.replace(negative.find("<P_13>2829</P_13>"), std::string("<P_13>2829</P_13>").size(), "<P_13>-2829</P_13>");
    EXPECT_FALSE(store.Errors(negative).empty());
    std::string alone = document;
    alone.erase(alone.find("<P_15>460</P_15>"), std::string("<P_15>460</P_15>").size());
    EXPECT_FALSE(store.Errors(alone).empty());
}

// A month with nothing but the art. 28b service writes that row and the tax to pay only; the value
// providers answer the return's tax, due date and description.
TEST_F(Vat9mScript, OnlyTheRowsWithAmountsAreWritten) {
    ASSERT_EQ(RunScript("var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                        "d.TypDeklar = 404; d.Wersja = 6; d.Rok = 2024; d.Miesiac = 11;\n"
                        "var firma = Session.CreateObject('TLX.FirmaCfgRO');\n"
                        "d.P_1 = firma.NIP; d.P_6 = firma.UrzadSkarbowy.Kod; d.P_8 = 1;\n"
                        "d.P_12 = 800; d.P_13 = 184;\n"
                        "d.Policz();\n"
                        "d.Verify();\n"
                        "var t = d.Termin;\n"
                        "print(d.Opis, d.KwotaCalkowita, t.getDate() + '.' + (t.getMonth() + 1) + '.' + t.getFullYear());\n"
                        "var e = new ActiveXObject('TLX.EDeklaracja');\n"
                        "e.Login = Session.Login;\n"
                        "e.ZapiszXml(d, '', '" + Path("VAT-9M-11.xml") + "');\n"),
              0)
        << err_ << out_;
    // 25 December is a holiday and 26 December too: the tax is due on Friday 27 December 2024.
    EXPECT_EQ(out_, "VAT-9M za 11/2024 184 27.12.2024\n");
    const std::string document = Read(Path("VAT-9M-11.xml"));
    EXPECT_NE(document.find("<PozycjeSzczegolowe><P_12>800</P_12><P_13>184</P_13><P_16>184</P_16></PozycjeSzczegolowe>"),
              std::string::npos)
        << document;
}

// A natural person's correction: the taxpayer is written as a person with his date of birth, the purpose is
// the correction, and the document stays valid; an unknown purpose is refused naming its position.
TEST_F(Vat9mScript, ANaturalPersonsCorrection) {
    ASSERT_EQ(RunScript("var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                        "d.TypDeklar = 404; d.Wersja = 6; d.Rok = 2024; d.Miesiac = 3;\n"
                        "d.P_1 = '526-025-02-74'; d.P_6 = '1471'; d.P_8 = 2; d.P_7 = 3;\n"
                        "d.ImiePierwsze = 'Anna'; d.Nazwisko = 'Nowak'; d.DataUrodzenia = '1980-04-12';\n"
                        "d.P_10 = 1000; d.P_11 = 230;\n"
                        "d.Policz();\n"
                        "try { d.Verify(); print('przyjęto'); } catch (e) { print(e.description); }\n"
                        "d.P_7 = 2;\n"
                        "d.Verify();\n"
                        "var e = new ActiveXObject('TLX.EDeklaracja');\n"
                        "e.Login = Session.Login;\n"
                        "e.ZapiszXml(d, '', '" + Path("VAT-9M-osoba.xml") + "');\n"),
              0)
        << err_ << out_;
    EXPECT_EQ(out_, "Cel złożenia deklaracji (poz. 7) musi mieć wartość 1 (złożenie) albo 2 (korekta).\n");
    const std::string document = Read(Path("VAT-9M-osoba.xml"));
    EXPECT_NE(document.find("<CelZlozenia poz=\"P_7\">2</CelZlozenia>"), std::string::npos) << document;
    EXPECT_NE(document.find("<Podmiot1 rola=\"Podatnik\"><etd:OsobaFizyczna><etd:NIP>5260250274</etd:NIP>"
                            "<etd:ImiePierwsze>Anna</etd:ImiePierwsze><etd:Nazwisko>Nowak</etd:Nazwisko>"
                            "<etd:DataUrodzenia>1980-04-12</etd:DataUrodzenia></etd:OsobaFizyczna></Podmiot1>"),
              std::string::npos)
        << document;
    if (!ProjectSchemaStore::OfficialSchemasHere()) GTEST_SKIP() << "the official etd types are not here";
    ProjectSchemaStore store(folder_);
    const auto errors = store.Errors(document);
    EXPECT_TRUE(errors.empty()) << errors.front();
}

// The demo files the same month's VAT-9M.
TEST_F(Vat9mScript, TheDemoFilesTheMonthsReturn) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    EXPECT_NE(out_.find("  VAT-9M za 05/2024 nr 1: import usług 978, usługi z art. 28b 2829, nabywca jako podatnik 460, "
                        "do wpłaty 4267 zł, termin 25.6.2024; zapisana w pliku VAT-9M_6_05-2024.xml\n"),
              std::string::npos)
        << out_;
}

}  // namespace
