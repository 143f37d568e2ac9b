// The demo company's quarterly VAT-7K for the first quarter of 2024 filed as an e-declaration: the
// declaration's period chooses the quarterly form, whose document names the quarter and carries the
// quarter's amounts in whole złoty.

var deklaracje = Session.CreateObject("TLXDeklaracje.Deklaracje");
var vat7k = deklaracje.AddNew();
vat7k.TypDeklar = 1;
vat7k.Wersja = 17;
vat7k.Rok = 2024;
vat7k.Miesiac = 3;
vat7k.Okres = 2;
var firma = Session.CreateObject("TLX.FirmaCfgRO");
vat7k.P_1 = firma.NIP;
vat7k.P_6 = firma.UrzadSkarbowy.Kod;
vat7k.P_8 = firma.RodzajPlatnika == "1" ? 2 : 1;
vat7k.P_9 = firma.Nazwa;
vat7k.P_19 = 375000.40;
vat7k.P_20 = 86250.09;
vat7k.P_45 = 150000;
vat7k.P_46 = 34500.49;
vat7k.Policz();
Session.Save();
print("Zapisano", vat7k.Opis, "nr", vat7k.Numer + ", przekształcenie", vat7k.Transformata + ", do wpłaty",
      vat7k.KwotaCalkowita, "zł");

var e = new ActiveXObject("TLX.EDeklaracja");
e.Login = Session.Login;
e.AdviseProgress(Postep);
print("Wysyłka podpisanej deklaracji:");
e.WyslijDeklaracje(vat7k, "");
for (var proba = 1; proba <= 2; proba++) {
    print("Pobranie UPO, próba " + proba + ":");
    e.PobierzUPO(vat7k);
}
var d = Session.Login.CreateSession().CreateObject("TLXDeklaracje.Deklaracje", String(vat7k.ID));
print("VAT-7K:", d.EDekl_Status, d.EDekl_StatusOpis);
print("  struktura logiczna:", d.EDekl_StrukturaLogiczna);
