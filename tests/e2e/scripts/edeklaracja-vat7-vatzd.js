// The demo company's VAT-7 of March 2024 declaring the month's VAT-ZD notice (poz. 68 and 69): the notice's
// rows and totals go into the filed document; the notice takes the VAT-7's sending data and then its
// official receipt.

function Odczyt(deklaracja) {
    return Session.Login.CreateSession().CreateObject("TLXDeklaracje.Deklaracje", String(deklaracja.ID));
}

var zawiadomienie = Session.CreateObject("TLXDeklaracje.Deklaracje",
                                         "DkN_TypDeklar = 403 and DkN_Finalna = 1 and Dkn_RokMiesiac = 202403");
print("Zawiadomienie VAT-ZD za", zawiadomienie.Miesiac + "/" + zawiadomienie.Rok, "nr", zawiadomienie.Numer +
      ", korekta netto", zawiadomienie.RazemNetto, "VAT", zawiadomienie.RazemVat);

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
vat7.P_68 = 1;
vat7.P_69 = 1;
vat7.Policz();
Session.Save();
print("Zapisano", vat7.Opis, "nr", vat7.Numer + ", do wpłaty", vat7.KwotaCalkowita, "zł, zawiadomienia VAT-ZD:", vat7.P_69);

var e = new ActiveXObject("TLX.EDeklaracja");
e.Login = Session.Login;
e.AdviseProgress(Postep);

print("Wysyłka podpisanej deklaracji:");
e.WyslijDeklaracje(vat7, "");
var z = Odczyt(zawiadomienie);
print("  zawiadomienie:", z.EDekl_Status, z.EDekl_StatusOpis + ", numer referencyjny", z.EDekl_RefID);
for (var proba = 1; proba <= 2; proba++) {
    print("Pobranie UPO, próba " + proba + ":");
    e.PobierzUPO(vat7);
}
var d = Odczyt(vat7);
z = Odczyt(zawiadomienie);
print("VAT-7:", d.EDekl_Status, d.EDekl_StatusOpis);
print("Zawiadomienie:", z.EDekl_Status, z.EDekl_StatusOpis);
print("  urząd:", z.EDekl_KodUrzedu, "data wpływu jak w VAT-7:", z.EDekl_DataWplyniecia == d.EDekl_DataWplyniecia,
      "pobrał operator:", z.EDekl_OperatorPobierajacyUPOKod);
