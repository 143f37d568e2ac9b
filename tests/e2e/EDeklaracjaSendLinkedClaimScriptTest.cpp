// A send holds every row its document is built from, not only the declaration's own: a VAT-27's list
// rows changed or deleted by other processes during its send, and a VAT-UE/A changed during its
// VAT-UE's send, are refused as changed by another user, so that what is marked filed is what the
// service received; a VAT-27 whose list row another user saved after the sender read it is not sent.
// The VAT-UE/K's lists, whose rows have no item objects of their own, are held the same way.
#include <map>

#include "SendClaimTest.h"

namespace {

class EDeklaracjaSendLinkedClaimScript : public SendClaimTest {
protected:
    // A quarterly VAT-27 of the demo company, saved with two deliveries of goods on its first list and one
    // service on its second; its identifier.
    std::string SavedVat27() {
        EXPECT_EQ(RunScript("var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                            "d.TypDeklar = 33; d.Wersja = 1; d.Rok = 2024; d.Miesiac = 3; d.MiesiecznieKwartalnie = 2;\n"
                            "var firma = Session.CreateObject('TLX.FirmaCfgRO');\n"
                            "d.P_1 = firma.NIP; d.P_6 = firma.UrzadSkarbowy.Kod; d.P_9 = firma.Nazwa;\n"
                            "d.P_8 = firma.RodzajPlatnika == '1' ? 2 : 1;\n"
                            "function Wiersz(lista, lp, nazwa, nip, kwota) {\n"
                            "  var w = (lista == 1 ? d.CustomCollection01 : d.CustomCollection02).AddNew();\n"
                            "  w.Typ = lista; w.Lp = lp; w.Nazwa = nazwa; w.NIP = nip; w.kwota = kwota; w.Zmiana = 0;\n"
                            "}\n"
                            "Wiersz(1, 1, 'Hurtownia Beta Sp. z o.o.', '526-025-02-74', 12500.5);\n"
                            "Wiersz(1, 2, 'Stalex S.A.', '774 000 14 54', 3000);\n"
                            "Wiersz(2, 1, 'Emisje Sp. z o.o.', '1132853869', 999.99);\n"
                            "d.Policz(); Session.Save(); print(d.ID);\n"),
                  0)
            << err_ << out_;
        return FirstLine(out_);
    }
    // A VAT-UE/K of the demo company, saved with a corrected supply (its row as it was and as it is) on
    // its first list; its identifier.
    std::string SavedVatUeK() {
        EXPECT_EQ(RunScript("var d = Session.CreateObject('TLXDeklaracje.Deklaracje').AddNew();\n"
                            "d.TypDeklar = 22; d.Wersja = 3; d.Rok = 2024; d.Miesiac = 3;\n"
                            "var firma = Session.CreateObject('TLX.FirmaCfgRO');\n"
                            "d.P_1 = firma.NIP; d.P_6 = firma.UrzadSkarbowy.Kod; d.P_9 = firma.Nazwa; d.P_8 = 1;\n"
                            "var rs = d.CustomCollection01.Recordset;\n"
                            "function Wiersz(byloJest, kwota) {\n"
                            "  rs.AddNew(); rs.Fields('DVU_Typ').Value = 1; rs.Fields('DVU_LP').Value = 1;\n"
                            "  rs.Fields('DVU_ByloJest').Value = byloJest; rs.Fields('DVU_Kraj').Value = 'DE';\n"
                            "  rs.Fields('DVU_NIP').Value = '123456789'; rs.Fields('DVU_Kwota').Value = kwota;\n"
                            "  rs.Fields('DVU_TT').Value = 0; rs.Update();\n"
                            "}\n"
                            "Wiersz(1, 100); Wiersz(2, 150);\n"
                            "Session.Save(); print(d.ID);\n"),
                  0)
            << err_ << out_;
        return FirstLine(out_);
    }
    // The amounts of the VAT-UE/K's rows as stored, as they were before the is rows.
    std::string Amounts(const std::string& id) {
        return Query("SELECT GROUP_CONCAT(DVU_Kwota, ' ') FROM (SELECT * FROM TLX.DeklVUEK WHERE DVU_DkNID = " + id +
                     " ORDER BY DVU_ByloJest)");
    }
    // A script line that sets the first row of the VAT-UE/K's first list to `amount` through its recordset.
    static std::string ChangeFirstRow(const std::string& amount) {
        return "var rs = d.CustomCollection01.Recordset; rs.MoveFirst(); rs.Fields('DVU_Kwota').Value = " + amount +
               "; rs.Update();\n";
    }

    // The list rows of VAT-27 `id` as stored: list, number, name, amount, one row after another.
    std::string ListRows(const std::string& id) {
        return Query("SELECT GROUP_CONCAT(V27_Typ || '/' || V27_LP || ' ' || V27_Nazwa || ' ' || V27_Kwota, '; ') FROM "
                     "(SELECT * FROM TLX.DeklV27 WHERE V27_DkNID = " + id + " ORDER BY V27_Typ, V27_LP)");
    }
};

// While a VAT-27 is being sent, one process changes a goods row's amount to 77 777 through its item,
// one deletes the other goods row, and one changes the service row through the list's recordset: each
// save is refused, the service holds one document with the rows as stored, the rows stay as they were,
// and the VAT-27 takes the reference and the 301.
TEST_F(EDeklaracjaSendLinkedClaimScript, Vat27ListRowsChangedOrDeletedDuringTheSendAreRefused) {
    const std::string vat27 = SavedVat27();
    const std::string rows = ListRows(vat27);
    ASSERT_EQ(rows, "1/1 Hurtownia Beta Sp. z o.o. 12500.5; 1/2 Stalex S.A. 3000; 2/1 Emisje Sp. z o.o. 999.99");
    const pid_t sender = Start("nadawca", OpenDeclaration(vat27) + Send());
    ASSERT_TRUE(Eventually([&] { return Received() == 1; })) << Output("nadawca");
    const std::map<std::string, std::string> edits = {
        {"zmiana", "d.CustomCollection01.Item(0).kwota = 77777;\n"},
        {"usuniecie", "d.CustomCollection01.Delete(d.CustomCollection01.Item(1));\n"},
        {"zestaw", "var rs = d.CustomCollection02.Recordset; rs.MoveFirst(); rs.Fields('V27_Kwota').Value = 55555;\n"},
    };
    std::vector<pid_t> editors;
    for (const auto& [name, edit] : edits)
        editors.push_back(Start(name, OpenDeclaration(vat27) + edit + PrintStatusOf(vat27) + Save()));
    for (pid_t editor : editors) EXPECT_EQ(Finish(editor), 0);
    ASSERT_EQ(Finish(sender), 0) << Output("nadawca");

    for (const auto& [name, edit] : edits) {
        SCOPED_TRACE(name);
        EXPECT_NE(Output(name).find("stan -1\n"), std::string::npos) << "saved while the send held it: " << Output(name);
        EXPECT_NE(Output(name).find(kRefused + kSaveConflict), std::string::npos) << Output(name);
    }
    EXPECT_EQ(Received(), 1);
    const std::string document = ReceivedDocument();
    EXPECT_NE(document.find("<P_C2>Hurtownia Beta Sp. z o.o.</P_C2><P_C3>5260250274</P_C3><P_C4>12500.5</P_C4>"),
              std::string::npos);
    EXPECT_NE(document.find("<P_C2>Stalex S.A.</P_C2><P_C3>7740001454</P_C3><P_C4>3000</P_C4>"), std::string::npos);
    EXPECT_NE(document.find("<P_D4>999.99</P_D4>"), std::string::npos);
    EXPECT_EQ(ListRows(vat27), rows);
    const std::string reference = FiledReference(Output("nadawca"));
    ASSERT_FALSE(reference.empty()) << Output("nadawca");
    EXPECT_EQ(StoredOf(vat27, "DkN_EDekl_RefID"), reference);
    EXPECT_EQ(StoredOf(vat27, "DkN_EDekl_Status"), "301");
}

// A VAT-UE/A changed and saved by another process while its VAT-UE is being sent is refused: the service
// holds one document with the attachment's rows as stored, and the VAT-UE and its VAT-UE/A carry the
// reference.
TEST_F(EDeklaracjaSendLinkedClaimScript, AVatUeAttachmentChangedDuringTheSendIsRefused) {
    ASSERT_EQ(RunScript("var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');\n"
                        "var firma = Session.CreateObject('TLX.FirmaCfgRO');\n"
                        "var a = deklaracje.AddNew();\n"
                        "a.TypDeklar = 13; a.Wersja = 3; a.Rok = 2024; a.Miesiac = 3; a.Numer = 1;\n"
                        "a.P_Da1 = 'DE'; a.P_Db1 = '123456789'; a.P_Dc1 = 15000; a.P_Dd1 = 1;\n"
                        "a.P_Da2 = 'FR'; a.P_Db2 = '12345678901'; a.P_Dc2 = 2500; a.P_Dd2 = 2;\n"
                        "var d = deklaracje.AddNew();\n"
                        "d.TypDeklar = 11; d.Wersja = 3; d.Rok = 2024; d.Miesiac = 3;\n"
                        "d.P_1 = firma.NIP; d.P_6 = firma.UrzadSkarbowy.Kod; d.P_9 = firma.Nazwa;\n"
                        "d.P_8 = firma.RodzajPlatnika == '1' ? 2 : 1;\n"
                        "d.ZalacznikVATUEA = 1; d.ZalacznikVATUEB = 0; d.ZalacznikVATUEC = 0;\n"
                        "d.Policz(); Session.Save(); print(d.ID + ' ' + a.ID);\n"),
              0)
        << err_ << out_;
    const std::string ids = FirstLine(out_);
    const std::string vatUe = ids.substr(0, ids.find(' ')), attachment = ids.substr(ids.find(' ') + 1);
    const pid_t sender = Start("nadawca", OpenDeclaration(vatUe) + Send());
    ASSERT_TRUE(Eventually([&] { return Received() == 1; })) << Output("nadawca");
    const std::string edit = RunToEnd("zalacznik", OpenDeclaration(attachment) + "d.P_Dc1 = 9999;\n" +
                                                       PrintStatusOf(vatUe) + Save());
    ASSERT_EQ(Finish(sender), 0) << Output("nadawca");

    EXPECT_NE(edit.find("stan -1\n"), std::string::npos) << "saved while the send held it: " << edit;
    EXPECT_NE(edit.find(kRefused + kSaveConflict), std::string::npos) << edit;
    EXPECT_EQ(Received(), 1);
    EXPECT_NE(ReceivedDocument().find("<P_Da>DE</P_Da><P_Db>123456789</P_Db><P_Dc>15000</P_Dc>"), std::string::npos);
    EXPECT_EQ(Positions(attachment, "P_Dc1 P_Dc2"), "15000 2500");
    const std::string reference = FiledReference(Output("nadawca"));
    ASSERT_FALSE(reference.empty()) << Output("nadawca");
    EXPECT_EQ(StoredOf(vatUe, "DkN_EDekl_RefID"), reference);
    EXPECT_EQ(StoredOf(attachment, "DkN_EDekl_RefID"), reference);
    EXPECT_EQ(StoredOf(vatUe, "DkN_EDekl_Status"), "301");
}

// A session that read a VAT-27 and its rows before another user changed a row and saved sends nothing:
// it is refused as a stale copy, the service gets no document, and the row keeps the other user's
// amount with the VAT-27 not filed.
TEST_F(EDeklaracjaSendLinkedClaimScript, AVat27ReadBeforeAnotherUserChangedARowIsNotSent) {
    const std::string vat27 = SavedVat27();
    const pid_t stale = Start("stara", OpenDeclaration(vat27) + "print('odczytano', d.CustomCollection01.Item(0).kwota);\n" +
                                           WaitFor("wyslij") + Send());
    ASSERT_TRUE(Printed("stara", "odczytano 12500.5\n")) << Output("stara");
    EXPECT_EQ(RunToEnd("zmiana", OpenDeclaration(vat27) + "d.CustomCollection01.Item(0).kwota = 77777;\n" + Save()),
              kSaved + "\n");
    Go("wyslij");
    ASSERT_EQ(Finish(stale), 0) << Output("stara");

    EXPECT_NE(Output("stara").find(kRefused + kChangedElsewhere), std::string::npos) << Output("stara");
    EXPECT_EQ(Received(), 0);
    EXPECT_EQ(ListRows(vat27), "1/1 Hurtownia Beta Sp. z o.o. 77777; 1/2 Stalex S.A. 3000; 2/1 Emisje Sp. z o.o. 999.99");
    EXPECT_EQ(StoredOf(vat27, "DkN_EDekl_RefID"), "");
    EXPECT_NE(StoredOf(vat27, "DkN_EDekl_Status"), "301");
}

// A VAT-UE/K's list row changed through the list's recordset while the VAT-UE/K is being sent is refused
// like an item's; a copy read before another user changed a row is not sent.
TEST_F(EDeklaracjaSendLinkedClaimScript, AVatUeKListRowIsHeldDuringTheSendAndAStaleCopyIsNotSent) {
    const std::string vatUeK = SavedVatUeK();
    ASSERT_EQ(Amounts(vatUeK), "100 150");
    const pid_t sender = Start("nadawca", OpenDeclaration(vatUeK) + Send());
    ASSERT_TRUE(Eventually([&] { return Received() == 1; })) << Output("nadawca");
    const std::string during =
        RunToEnd("w-trakcie", OpenDeclaration(vatUeK) + ChangeFirstRow("777") + PrintStatusOf(vatUeK) + Save());
    ASSERT_EQ(Finish(sender), 0) << Output("nadawca");
    EXPECT_NE(during.find("stan -1\n"), std::string::npos) << "saved while the send held it: " << during;
    EXPECT_NE(during.find(kRefused + kSaveConflict), std::string::npos) << during;
    EXPECT_NE(ReceivedDocument().find("<P_DBc>100</P_DBc>"), std::string::npos);
    EXPECT_EQ(Amounts(vatUeK), "100 150");
    ASSERT_FALSE(FiledReference(Output("nadawca")).empty()) << Output("nadawca");

    const pid_t stale = Start("stara", OpenDeclaration(vatUeK) + "print('odczytano', d.CustomCollection01.Count);\n" +
                                           WaitFor("wyslij") + Send());
    ASSERT_TRUE(Printed("stara", "odczytano")) << Output("stara");
    EXPECT_EQ(RunToEnd("zmiana", OpenDeclaration(vatUeK) + ChangeFirstRow("555") + Save()), kSaved + "\n");
    Go("wyslij");
    ASSERT_EQ(Finish(stale), 0) << Output("stara");
    EXPECT_NE(Output("stara").find(kRefused + kChangedElsewhere), std::string::npos) << Output("stara");
    EXPECT_EQ(Received(), 1);
}

}  // namespace
