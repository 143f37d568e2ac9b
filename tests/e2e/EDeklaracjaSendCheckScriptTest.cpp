// What a send files is the declaration as stored and as its own check accepts it: a CIT-8 whose CIT-D
// changed after it was calculated is refused by the CIT-8's check on both entry points, a VAT-7 with
// unsaved changes is refused, and a VAT-7 sent from a session that holds other unsaved objects (a
// changed VAT-7, a DRA that cannot be saved) is filed with its reference stored while they stay unsaved.
#include "SendClaimTest.h"

namespace {

const std::string kUnsavedChanges = "Deklaracja ma niezapisane zmiany; zapisz ją przed wysłaniem. Nie wysłano jej.";

class EDeklaracjaSendCheckScript : public SendClaimTest {
protected:
    // Sends a saved VAT-7 from a session that also holds another saved VAT-7 with an unsaved change, and
    // whatever the script text `more` makes: the VAT-7 is filed with the service's reference and 301 in
    // its row, and the other VAT-7 keeps its row and its stored positions.
    void ExpectFiledAloneBeside(const std::string& more) {
        const std::string vat7 = SavedVat7(3), other = SavedVat7(4);
        const std::string otherBefore = SendRecord(other);
        const std::string output = RunToEnd("nadawca", OpenDeclaration(vat7) + OpenDeclaration(other, "inna") +
                                                           "inna.P_19 = 300000; inna.P_20 = 69000;\n" + more + Send());
        EXPECT_EQ(Received(), 1);
        const std::string reference = ReceivedReference();
        EXPECT_EQ(FiledReference(output), reference) << output;
        EXPECT_EQ(StoredOf(vat7, "DkN_EDekl_RefID"), reference);
        EXPECT_EQ(StoredOf(vat7, "DkN_EDekl_Status"), "301");
        EXPECT_EQ(SendRecord(other), otherBefore);
        EXPECT_EQ(Positions(other, "P_19 P_20"), "125000 28750");
    }
};

// A CIT-8 calculated and saved with a CIT-D of 3 000, whose CIT-D another session then raised to 7 777
// and saved: sending the CIT-8, signed or unsigned, is refused with the CIT-8's own check; the service
// gets nothing, the CIT-8 is not marked sent and the CIT-D keeps its 7 777.
TEST_F(EDeklaracjaSendCheckScript, ACit8WhoseCitDChangedIsRefusedByItsCheckOnBothEntryPoints) {
    for (const auto& [entry, send] : {std::pair{"WyslijDeklaracje", Send()}, std::pair{"WyslijDeklaracje_Unsigned", SendUnsigned()}}) {
        SCOPED_TRACE(entry);
        ASSERT_EQ(RunScript("var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');\n"
                            "var cit8 = deklaracje.AddNew();\n"
                            "cit8.TypDeklar = 17; cit8.Wersja = 24; cit8.Rok = 2024;\n"
                            "cit8.Policz(); Session.Save();\n"
                            "var z = deklaracje.AddNew();\n"
                            "z.TypDeklar = 28; z.Wersja = 5; z.Rok = 2024; z.Miesiac = 12; z.Numer = 1; z.ParentId = cit8.ID;\n"
                            "z.P_Da1 = 'Fundacja Pomocy Dzieciom'; z.P_Db1 = 3000;\n"
                            "z.Policz(); Session.Save();\n"
                            "cit8.executeJS('onCITDListChanged'); cit8.Policz(); cit8.Verify(); Session.Save();\n"
                            "print(cit8.ID + ' ' + z.ID);\n"),
                  0)
            << err_ << out_;
        const std::string ids = FirstLine(out_);
        const std::string cit8 = ids.substr(0, ids.find(' ')), citD = ids.substr(ids.find(' ') + 1);
        ASSERT_EQ(RunToEnd("cit-d", OpenDeclaration(citD, "z") + "z.P_Db1 = 7777; z.Policz();\n" + Save()), kSaved + "\n");
        const std::string cit8Before = SendRecord(cit8), citDBefore = SendRecord(citD);
        const int received = Received();

        const std::string output = RunToEnd("nadawca", OpenDeclaration(cit8) + send);
        EXPECT_NE(output.find(kRefused + "Poz. 24: kwota zeznania (3000) nie zgadza się z załącznikami (7777). "
                                         "Deklarację należy przeliczyć.\n"),
                  std::string::npos)
            << output;
        EXPECT_EQ(Received(), received);
        EXPECT_EQ(SendRecord(cit8), cit8Before);
        EXPECT_EQ(SendRecord(citD), citDBefore);
        EXPECT_EQ(StoredOf(cit8, "DkN_EDekl_RefID"), "");
        EXPECT_NE(StoredOf(cit8, "DkN_EDekl_Status"), "-1");
        EXPECT_EQ(Positions(cit8, "P_24"), "3000");
        EXPECT_EQ(Positions(citD, "P_Db1"), "7777");
    }
}

// A VAT-7 with a change its session has not saved is not sent, on either entry point: the service
// gets nothing and the row keeps what was stored.
TEST_F(EDeklaracjaSendCheckScript, AVat7WithUnsavedChangesIsRefused) {
    const std::string vat7 = SavedVat7(3);
    const std::string before = SendRecord(vat7);
    for (const std::string& send : {Send(), SendUnsigned()}) {
        const std::string output = RunToEnd("nadawca", OpenDeclaration(vat7) + "d.P_19 = 130000; d.P_20 = 29900;\n" + send);
        EXPECT_NE(output.find(kRefused + kUnsavedChanges + "\n"), std::string::npos) << output;
        EXPECT_EQ(Received(), 0);
        EXPECT_EQ(SendRecord(vat7), before);
        EXPECT_EQ(Positions(vat7, "P_19 P_20"), "125000 28750");
    }
}

// A VAT-7 sent from a session that also holds a new DRA without its identifier (which cannot be saved)
// and another stored VAT-7 with an unsaved change: the VAT-7 is filed and its row takes the reference
// and the service's 301; no DRA reaches the database and the other VAT-7 keeps what was stored.
TEST_F(EDeklaracjaSendCheckScript, AVat7SentFromASessionHoldingAnUnsavableDraIsFiledAlone) {
    const std::string newDra = "var dra = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                               "dra.TypDeklar = 120; dra.Wersja = 3; dra.Rok = 2024; dra.Miesiac = 3;\n";
    // Such a DRA is refused by its own save.
    EXPECT_EQ(RunToEnd("dra", newDra + Save()),
              kRefused + "Deklaracja ZUS DRA: pole DADRAIDENT (identyfikator deklaracji) musi mieć numer od 01 do 99, a ma 0.\n");
    ExpectFiledAloneBeside(newDra);
    EXPECT_EQ(Query("SELECT COUNT(*) FROM TLX.DeklNag WHERE DkN_TypDeklar = 120"), "0");
}

// The same with only the other, changed VAT-7 in the session, whose save would go through: it is still
// not saved by the send.
TEST_F(EDeklaracjaSendCheckScript, AVat7SentFromASessionHoldingAnotherChangedVat7IsFiledAlone) {
    ExpectFiledAloneBeside("");
}

}  // namespace
