// The demo company's quarterly VAT-27K for the second quarter of 2024: two deliveries of goods and one service
// where the buyer pays the tax, kept as rows of the form's two lists (DeklV27K, filled through their
// recordsets), go to the document as its C and D groups around their totals. The information is refused for
// May, which ends no quarter, and accepted for June.

var deklaracje = Session.CreateObject("TLXDeklaracje.Deklaracje");
var d = deklaracje.AddNew();
d.TypDeklar = 34;
d.Wersja = 1;
d.Rok = 2024;
d.Miesiac = 5;
var firma = Session.CreateObject("TLX.FirmaCfgRO");
d.P_1 = firma.NIP;
d.P_6 = firma.UrzadSkarbowy.Kod;
d.P_8 = firma.RodzajPlatnika == "1" ? 2 : 1;

// A row of list 1 (goods) or 2 (services).
function Wiersz(lista, lp, nazwa, nip, kwota) {
    var rs = (lista == 1 ? d.CustomCollection01 : d.CustomCollection02).Recordset;
    rs.AddNew();
    rs.Fields("DVK_Typ").Value = lista;
    rs.Fields("DVK_LP").Value = lp;
    rs.Fields("DVK_Nazwa").Value = nazwa;
    rs.Fields("DVK_NIP").Value = nip;
    rs.Fields("DVK_Kwota").Value = kwota;
    rs.Fields("DVK_Zmiana").Value = 0;
}
Wiersz(1, 1, "Hurtownia Beta Sp. z o.o.", "526-025-02-74", 18250.75);
Wiersz(1, 2, "Stalex S.A.", "774 000 14 54", 4200);
Wiersz(2, 1, "Emisje Sp. z o.o.", "1132853869", 1500.25);
d.Policz();
try { d.Verify(); print("przyjęto za maj"); } catch (e) { print(e.description); }
d.Miesiac = 6;
d.Verify();
Session.Save();
print("Zapisano", d.Opis, "nr", d.Numer + ", przekształcenie", d.Transformata + ": dostawy towarów", d.P_11,
      "zł, usługi", d.P_12, "zł");

var e = new ActiveXObject("TLX.EDeklaracja");
e.Login = Session.Login;
e.ZapiszXml(d, "", folder + "/VAT-27K.xml");
