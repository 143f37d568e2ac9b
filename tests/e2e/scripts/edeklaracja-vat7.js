// The demo company's VAT-7 of March 2024 filed as an e-declaration: calculated and saved, sent signed
// through the tax office's gateway with the progress the module reports, then its official receipt
// asked for twice, while the service is still processing and once it has issued the receipt. What the
// declaration stored is read back in a new session after each step.

function Stan(deklaracja) {
    var d = Session.Login.CreateSession().CreateObject("TLXDeklaracje.Deklaracje", String(deklaracja.ID));
    return d;
}

var deklaracje = Session.CreateObject("TLXDeklaracje.Deklaracje");
var vat7 = deklaracje.AddNew();
vat7.TypDeklar = 1;
vat7.Wersja = 17;
vat7.Rok = 2024;
vat7.Miesiac = 3;
var firma = Session.CreateObject("TLX.FirmaCfgRO");
vat7.P_1 = firma.NIP;
vat7.P_6 = firma.UrzadSkarbowy.Kod;
vat7.P_8 = firma.RodzajPlatnika == "1" ? 2 : 1;
vat7.P_9 = firma.Nazwa;
vat7.P_19 = 125000.40;
vat7.P_20 = 28750.09;
vat7.P_17 = 10000;
vat7.P_18 = 800;
vat7.P_43 = 20000;
vat7.P_44 = 4600;
vat7.P_45 = 50000;
vat7.P_46 = 11500.49;
vat7.AdviseProgress(Postep);
vat7.Policz();
Session.Save();
print("Zapisano VAT-7 nr", vat7.Numer, "za", vat7.Miesiac + "/" + vat7.Rok + ", do wpłaty", vat7.KwotaCalkowita, "zł");

var e = new ActiveXObject("TLX.EDeklaracja");
e.Login = Session.Login;
e.AdviseProgress(Postep);

print("Wysyłka podpisanej deklaracji:");
e.WyslijDeklaracje(vat7, "");
var wyslana = Stan(vat7);
print("  numer referencyjny:", wyslana.EDekl_RefID);
print("  status:", wyslana.EDekl_Status, wyslana.EDekl_StatusOpis);
print("  wysłał operator:", wyslana.EDekl_OperatorWysylajacyKod + ",", wyslana.EDekl_DataWyslaniaStr);

for (var proba = 1; proba <= 2; proba++) {
    print("Pobranie UPO, próba " + proba + ":");
    e.PobierzUPO(vat7);
    var d = Stan(vat7);
    print("  status:", d.EDekl_Status, d.EDekl_StatusOpis);
    if (d.EDekl_Status != 200) continue;
    print("  podmiot przyjmujący:", d.EDekl_Podmiot);
    print("  numer referencyjny dokumentu:", d.EDekl_DokumentID);
    print("  struktura logiczna:", d.EDekl_StrukturaLogiczna);
    print("  NIP:", d.EDekl_NIP1, "urząd:", d.EDekl_KodUrzedu);
    print("  data wpływu, znacznik czasu i czas podpisu UPO podane:",
          d.EDekl_DataWplyniecia != "" && d.EDekl_StempelCzasu != "" && d.EDekl_SigningTime != "");
    print("  pobrał operator:", d.EDekl_OperatorPobierajacyUPOKod + ",", d.EDekl_DataOdebraniaUPOStr);
}
