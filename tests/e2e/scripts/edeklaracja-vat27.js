// The demo company's quarterly VAT-27 for the first quarter of 2024 filed as an e-declaration: two
// deliveries of goods and one service where the buyer pays the tax, kept as rows of its two lists, go to
// the filed document as its C and D groups around their totals.

var deklaracje = Session.CreateObject("TLXDeklaracje.Deklaracje");
var vat27 = deklaracje.AddNew();
vat27.TypDeklar = 33;
vat27.Wersja = 1;
vat27.Rok = 2024;
vat27.Miesiac = 3;
var firma = Session.CreateObject("TLX.FirmaCfgRO");
vat27.P_1 = firma.NIP;
vat27.P_6 = firma.UrzadSkarbowy.Kod;
vat27.P_8 = firma.RodzajPlatnika == "1" ? 2 : 1;
vat27.P_9 = firma.Nazwa;
vat27.MiesiecznieKwartalnie = 2;

// A row of list 1 (goods) or 2 (services).
function Wiersz(lista, lp, nazwa, nip, kwota) {
    var w = (lista == 1 ? vat27.CustomCollection01 : vat27.CustomCollection02).AddNew();
    w.Typ = lista;
    w.Lp = lp;
    w.Nazwa = nazwa;
    w.NIP = nip;
    w.kwota = kwota;
    w.Zmiana = 0;
}
Wiersz(1, 1, "Hurtownia Beta Sp. z o.o.", "526-025-02-74", 12500.5);
Wiersz(1, 2, "Stalex S.A.", "774 000 14 54", 3000);
Wiersz(2, 1, "Emisje Sp. z o.o.", "1132853869", 999.99);
vat27.Policz();
Session.Save();
print("Zapisano", vat27.Opis, "nr", vat27.Numer + ": dostawy towarów", vat27.P_11, "zł, usługi", vat27.P_12, "zł");

var e = new ActiveXObject("TLX.EDeklaracja");
e.Login = Session.Login;
e.AdviseProgress(Postep);
print("Wysyłka podpisanej deklaracji:");
e.WyslijDeklaracje(vat27, "");
for (var proba = 1; proba <= 2; proba++) {
    print("Pobranie UPO, próba " + proba + ":");
    e.PobierzUPO(vat27);
}
var d = Session.Login.CreateSession().CreateObject("TLXDeklaracje.Deklaracje", String(vat27.ID));
print("VAT-27:", d.EDekl_Status, d.EDekl_StatusOpis);
print("  struktura logiczna:", d.EDekl_StrukturaLogiczna);
