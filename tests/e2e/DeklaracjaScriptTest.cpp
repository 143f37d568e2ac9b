// A VAT-7 declaration driven by host scripts through tlxhost on the demo company: filled, calculated with
// progress, checked, saved with its number, read back in a new session; and what a script sees when a
// step fails.
#include "TlxhostFixture.h"

#include <string>

namespace {

class DeklaracjaScript : public TlxhostDemoTest {
protected:
    // Runs the VAT-7 set-up below followed by `script`.
    int RunScript(const std::string& script) {
        return TlxhostDemoTest::RunScript(kNewVat7 + script);
    }

    // A March 2024 VAT-7 of the demo company with its header, sales and purchases.
    static constexpr const char* kNewVat7 =
        "function NowyVat7(deklaracje) {\n"
        "    var d = deklaracje.AddNew();\n"
        "    d.TypDeklar = 1; d.Wersja = 17; d.Rok = 2024; d.Miesiac = 3;\n"
        "    d.P_1 = '5260250274'; d.P_6 = 'Urząd Skarbowy Warszawa-Mokotów'; d.P_8 = 1;\n"
        "    d.P_9 = 'Przykładowa Spółka z o.o.';\n"
        "    d.P_19 = 125000.40; d.P_20 = 28750.09; d.P_45 = 50000; d.P_46 = 11500.49;\n"
        "    return d;\n"
        "}\n";
};

}  // namespace

TEST_F(DeklaracjaScript, CalculatedSavedAndReadBackInANewSession) {
    ASSERT_EQ(RunScript("var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');\n"
                        "var d = NowyVat7(deklaracje);\n"
                        "d.AdviseProgress(Postep);\n"
                        "d.Policz();\n"
                        "d.Verify();\n"
                        "Session.Save();\n"
                        "var druga = NowyVat7(deklaracje);\n"
                        "druga.Policz();\n"
                        "Session.Save();\n"
                        "var inna = Session.Login.CreateSession();\n"
                        "var w = inna.CreateObject('TLXDeklaracje.Deklaracje', String(d.ID));\n"
                        "print(w.Opis, w.Numer, w.P_20, w.P_41, w.P_46, w.P_51, w.P_54, w.KwotaCalkowita);\n"
                        "var w2 = inna.CreateObject('TLXDeklaracje.Deklaracje', String(druga.ID));\n"
                        "print(w2.Numer);\n"),
              0)
        << err_;
    EXPECT_EQ(out_,
              "  [postęp] Wyliczanie deklaracji...\n"
              "  [postęp] zakończono\n"
              "VAT-7 za 03/2024 1 28750 28750 11500 11500 17250 17250\n"
              "2\n");
}

TEST_F(DeklaracjaScript, FailuresReachTheScriptAndNothingIsSaved) {
    ASSERT_EQ(RunScript("var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');\n"
                        "var d = NowyVat7(deklaracje);\n"
                        "try { d.Nieznane = 1; } catch (e) { print('nieznane pole:', e.number == -2147352570); }\n"
                        "try { d.Kwartal = 5; } catch (e) { print('put:', e.description); }\n"
                        "d.Kwartal = 2;\n"
                        "print('miesiąc po kwartale:', d.Miesiac, d.P_4);\n"
                        "d.Policz();\n"
                        "d.P_1 = '';\n"
                        "try { Session.Save(); } catch (e) { print('zapis:', e.description); }\n"
                        "var inna = Session.Login.CreateSession();\n"
                        "var zapisane = inna.CreateObject('TLXDeklaracje.Deklaracje'), vat7 = 0;\n"
                        "for (var i = 0; i < zapisane.Count; i++) if (zapisane.Item(i).TypDeklar == 1) vat7++;\n"
                        "print('VAT-7 w bazie:', vat7);\n"),
              0)
        << err_;
    EXPECT_EQ(out_,
              "nieznane pole: true\n"
              "put: Kwartał musi być liczbą od 1 do 4.\n"
              "miesiąc po kwartale: 6 6\n"
              "zapis: Pole \"P_1\" musi być wypełnione.\n"
              "VAT-7 w bazie: 0\n");
}

TEST_F(DeklaracjaScript, AFieldThatCannotBeReadSaysWhy) {
    ASSERT_EQ(RunScript("var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');\n"
                        "var d = deklaracje.AddNew();\n"
                        "d.TypDeklar = 1; d.Wersja = 99; d.Rok = 2024;\n"
                        "try { var x = d.P_19; } catch (e) { print('odczyt:', e.description); }\n"
                        "try { d.P_19 = 5; } catch (e) { print('zapis:', e.description); }\n"
                        "var v = NowyVat7(deklaracje);\n"
                        "try { var y = v.P_999; } catch (e) { print('brak pola:', e.description); }\n"),
              0)
        << err_;
    EXPECT_EQ(out_.find("nie obsługuje właściwości ani metody 'P_19'"), std::string::npos) << out_;
    EXPECT_NE(out_.find("odczyt: Deklaracja/Loader"), std::string::npos) << out_;
    EXPECT_NE(out_.find("zapis: Deklaracja/Loader"), std::string::npos) << out_;
    EXPECT_NE(out_.find("brak pola: Obiekt nie obsługuje właściwości ani metody 'P_999'"), std::string::npos) << out_;
}

TEST_F(DeklaracjaScript, TheDemoCalculatesTheInfdOfMarchAndListsItsFiles) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    EXPECT_NE(out_.find("INF-D nr 1 za 03-2024"), std::string::npos) << out_;
    EXPECT_NE(out_.find("załączników INF-D-P: 4"), std::string::npos) << out_;
    EXPECT_NE(out_.find("3. Lewandowski Tomasz, PESEL 60090876549: osiągane 5200"), std::string::npos) << out_;
    for (const char* file : {"infd_03-2024.xml (", "infdp_03-2024_60090876549.xml (", "infdp_03-2024_77031545679.xml (",
                             "infdp_03-2024_85050554327.xml (", "infdp_03-2024_88112233440.xml ("})
        EXPECT_NE(out_.find(file), std::string::npos) << file << "\n" << out_;
    EXPECT_EQ(out_.find("nie powiodło się"), std::string::npos) << out_;
}

TEST_F(DeklaracjaScript, TheDemoExportsTheVat7AsAnEDeclarationIntoItsOwnFolder) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    const std::string saved = "E-deklaracja VAT-7(17) nr 1 zapisana w pliku ";
    const std::size_t at = out_.find(saved);
    ASSERT_NE(at, std::string::npos) << out_;
    const std::string file = out_.substr(at + saved.size(), out_.find('\n', at) - at - saved.size());
    const std::string folder = file.substr(0, file.rfind('/'));
    EXPECT_TRUE(file.ends_with("/edeklaracje/VAT-7_17_03-2024.xml")) << file;
    const std::size_t listed = out_.find("Pliki w folderze " + folder + ":\n");
    ASSERT_NE(listed, std::string::npos) << out_;
    EXPECT_NE(out_.find("\n  VAT-7_17_03-2024.xml (", listed), std::string::npos) << "among the demo's e-declarations\n" << out_;
    EXPECT_EQ(out_.find("nie powiodło się"), std::string::npos) << out_;
}

TEST_F(DeklaracjaScript, TheDemoSavesTheVatFormsWithTheirNoticeAttachmentsAndRowsAsEDeclarations) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    for (const char* line :
         {"Zawiadomienie VAT-ZD za 03/2024: pozycji 4, korekta podstawy 4000.5 i podatku 920.12",
          "VAT-7 nr 1 z załącznikiem Wniosek_VAT-ZD zapisana w pliku ",
          "VAT-UE za 03/2024 z VAT-UE/A i VAT-UE/C (pozycje jako grupy Grupa1 i Grupa3) zapisana w pliku ",
          "VAT-27 za 1 kwartał 2024: dostawy towarów 15500.5 zł (Grupa_C), usługi 999.99 zł (Grupa_D)",
          "  VAT-7_17_03-2024_VAT-ZD.xml (", "  VAT-UE_3_03-2024.xml (", "  VAT27K_1_I-2024.xml ("})
        EXPECT_NE(out_.find(line), std::string::npos) << line << "\n" << out_;
    EXPECT_EQ(out_.find("nie powiodło się"), std::string::npos) << out_;
}

TEST_F(DeklaracjaScript, TheDemoPrintsACalculatedSavedAndReloadedVat7) {
    ASSERT_EQ(Run("demo"), 0) << err_;
    EXPECT_NE(out_.find("[postęp] Wyliczanie deklaracji..."), std::string::npos) << out_;
    EXPECT_NE(out_.find("Zapisano VAT-7 nr 1 za 3/2024"), std::string::npos) << out_;
    EXPECT_NE(out_.find("poz. 54 = 13450"), std::string::npos) << out_;
    EXPECT_NE(out_.find("Do wpłaty: 13450 zł, termin 25.04.2024"), std::string::npos) << out_;
    EXPECT_EQ(out_.find("nie powiodło się"), std::string::npos) << out_;
    const std::string named = "Firma demonstracyjna w katalogu ";
    std::size_t at = out_.find(named);
    ASSERT_NE(at, std::string::npos) << out_;
    std::string folder = out_.substr(at + named.size(), out_.find('\n', at) - at - named.size());
    EXPECT_FALSE(std::filesystem::exists(folder)) << "the demo removes its folder: " << folder;
}
