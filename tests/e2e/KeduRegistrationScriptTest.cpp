// The ZUS registration forms made by host scripts through tlxhost on the demo company, with the data
// ZUS would refuse the KEDU file over: family members that clash on a ZCNA, a PESEL that is not 11
// digits, a text longer than its KEDU element. Each is refused with a message naming the person, and
// neither a declaration row nor a file is left behind.
#include "TlxhostFixture.h"

#include <filesystem>

namespace {

class KeduRegistrationScript : public TlxhostDemoTest {
protected:
    // A new form of `type` for card `card` on `dateField`, with the payer's statement, in a script of
    // its own: `then` runs after the form is set up, and the script ends by saving the session.
    static std::string Form(int type, int card, const std::string& dateField, const std::string& then) {
        return "var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
               "d.TypDeklar = " + std::to_string(type) + "; d.Wersja = 1; d.Rok = 2024; d.Miesiac = 8; d.Numer = 1;\n"
               "d.Pracownik = Session.CreateObject('TLX.Pracownicy', '" + std::to_string(card) + "');\n"
               "d." + dateField + " = new Date(2024, 7, 1);\n"
               "d.OSWIADCZENIE = new Date(2024, 7, 20);\n" +
               then + "d.Policz();\nSession.Save();\nprint('zapisano', d.ID);\n";
    }
    static std::string Sql(const std::string& statement) {
        return "Session.Connection.Execute(\"" + statement + "\");\n";
    }
    // The number of declarations of `type` in the company, printed by a script of its own.
    std::string Stored(int type) {
        EXPECT_EQ(RunScript("print(Session.Connection.Execute('select count(*) from TLX.DeklNag where DkN_TypDeklar = " +
                            std::to_string(type) + "').Fields(0).Value);\n"),
                  0)
            << err_;
        return out_;
    }
    void ExpectRefused(const std::string& message) {
        EXPECT_NE(err_.find(message), std::string::npos) << err_;
        EXPECT_EQ(out_.find("zapisano"), std::string::npos) << out_;
    }
};

TEST_F(KeduRegistrationScript, TwoFamilyMembersWithOnePeselAreRefusedNamingBoth) {
    EXPECT_NE(RunScript(Sql("update TLX.PracRodzina set PRR_Pesel = '82030312340' where PRR_PrrId = 2") +
                        Form(102, 1, "DATAZGLOSZENIA", "d.ZGLOSZENIE = 1;\nd.ZGLOSZENIE = 2;\n")),
              0);
    ExpectRefused("Członek rodziny 1 (KOWALSKA MARIA) i członek rodziny o identyfikatorze 2 (KOWALSKI ADAM) mają ten "
                  "sam numer PESEL 82030312340: popraw numer PESEL w danych członków rodziny.");
    EXPECT_EQ(Stored(102), "0\n");
}

TEST_F(KeduRegistrationScript, TwoFamilyMembersWithOneDocumentAreRefusedNamingBoth) {
    EXPECT_NE(RunScript(Sql("update TLX.PracRodzina set PRR_Pesel = NULL, PRR_DowodNr = 'ABC123456' "
                            "where PRR_PrrId in (1, 3)") +
                        Form(102, 1, "DATAZGLOSZENIA", "d.WYREJESTROWANIE = 3;\nd.WYREJESTROWANIE = 1;\n")),
              0);
    ExpectRefused("Członek rodziny 1 (KOWALSKA ZUZANNA) i członek rodziny o identyfikatorze 1 (KOWALSKA MARIA) mają "
                  "ten sam dokument tożsamości ABC123456: popraw dokument tożsamości w danych członków rodziny.");
    EXPECT_EQ(Stored(102), "0\n");
}

TEST_F(KeduRegistrationScript, AMemberRegisteredAndDeregisteredOnOneFormIsRefused) {
    EXPECT_NE(RunScript(Form(102, 1, "DATAZGLOSZENIA", "d.ZGLOSZENIE = 3;\nd.WYREJESTROWANIE = 3;\n")), 0);
    ExpectRefused("Członek rodziny 1 (KOWALSKA ZUZANNA) jest już zgłaszany na tym formularzu: członek rodziny "
                  "o identyfikatorze 3 (KOWALSKA ZUZANNA) nie może być na nim także wyrejestrowywany.");
    EXPECT_EQ(Stored(102), "0\n");
    // The very same member put twice is still listed once, without a word.
    ASSERT_EQ(RunScript(Form(102, 1, "DATAZGLOSZENIA", "d.ZGLOSZENIE = 3;\nd.ZGLOSZENIE = 3;\n") +
                        "print(String(d.Tekst).split('<DOCRA>').length - 1, 'blok DOCRA');\n"),
              0)
        << err_;
    EXPECT_NE(out_.find("1 blok DOCRA"), std::string::npos) << out_;
}

TEST_F(KeduRegistrationScript, ATwelveDigitPeselIsRefusedOnTheZuaAndOnAZcnaMember) {
    EXPECT_NE(RunScript(Sql("update TLX.PracEtaty set PRE_Pesel = '880606678960' where PRE_PraId = 12") +
                        Form(100, 12, "DATAZGLOSZENIA", "")),
              0);
    ExpectRefused("Ubezpieczony WOJCIECHOWSKI MICHAŁ: pole DAUPESEL (PESEL ubezpieczonego) musi być numerem PESEL "
                  "z 11 cyfr, a jest \"880606678960\".");
    EXPECT_EQ(Stored(100), "0\n");

    EXPECT_NE(RunScript(Sql("update TLX.PracRodzina set PRR_Pesel = '820303123401' where PRR_PrrId = 1") +
                        Form(102, 1, "DATAZGLOSZENIA", "d.ZGLOSZENIE = 1;\n")),
              0);
    ExpectRefused("Członek rodziny 1 (KOWALSKA MARIA): pozycja 3 (PESEL) musi być numerem PESEL z 11 cyfr, a jest "
                  "\"820303123401\".");
    EXPECT_EQ(Stored(102), "0\n");
}

// A ZUA stored with a twelve-digit PESEL (its page text changed behind the form) is not exported: the
// export answers the refusal and writes no file.
TEST_F(KeduRegistrationScript, AStoredTwelveDigitPeselIsNotExported) {
    const std::string file = Path("zua.xml");
    ASSERT_EQ(RunScript(Form(100, 12, "DATAZGLOSZENIA", "")), 0) << err_;
    EXPECT_NE(RunScript(Sql("update TLX.DeklStr set DkS_Tekst = replace(DkS_Tekst, '88060667896', '880606678960')") +
                        "var id = Session.Connection.Execute('select max(DkN_DkNID) from TLX.DeklNag where "
                        "DkN_TypDeklar = 100').Fields(0).Value;\n"
                        "Session.CreateObject('TLXDeklaracje.DRA').ExportToXML(id, '" + file + "');\n"
                        "print('wyeksportowano');\n"),
              0)
        << out_;
    EXPECT_NE(err_.find("Ubezpieczony WOJCIECHOWSKI MICHAŁ: III/p1 (PESEL) musi być numerem PESEL z 11 cyfr, a jest "
                        "\"880606678960\"."),
              std::string::npos)
        << err_;
    EXPECT_EQ(out_.find("wyeksportowano"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(file));
}

// A town of a family member's own address longer than its KEDU element: refused on saving the ZCNA.
TEST_F(KeduRegistrationScript, ATooLongTextIsRefusedNamingTheMemberAndTheField) {
    const std::string town = "Kamienna Góra Przy Starej Drodze";
    EXPECT_NE(RunScript(Sql("update TLX.PracRodzina set PRR_Miasto = '" + town + "' where PRR_PrrId = 3") +
                        Form(102, 1, "DATAZGLOSZENIA", "d.ZGLOSZENIE = 3;\n")),
              0);
    ExpectRefused("Członek rodziny 1 (KOWALSKA ZUZANNA): pozycja 15 (miejscowość) może mieć najwyżej 26 znaków, a ma 32: " +
                  town);
    EXPECT_EQ(Stored(102), "0\n");
}

}  // namespace
