// A VAT-9M for May 2024 on the demo company: the tax due on three purchases of the month, typed in złoty and
// grosze and rounded by the calculation to whole złoty. A negative tax, an amount left in grosze and a tax to
// pay that disagrees with its rows are refused naming the position; the return that passes is saved and
// written as its document.

var deklaracje = Session.CreateObject("TLXDeklaracje.Deklaracje");
var d = deklaracje.AddNew();
d.TypDeklar = 404;
d.Wersja = 6;
d.Rok = 2024;
d.Miesiac = 5;
var firma = Session.CreateObject("TLX.FirmaCfgRO");
d.P_1 = firma.NIP;
d.P_6 = firma.UrzadSkarbowy.Kod;
d.P_8 = 1;

function Sprawdz(opis) {
    try { d.Verify(); print(opis + ": przyjęto"); } catch (e) { print(opis + ": " + e.description); }
}

// A licence bought from a supplier outside the Union, an advertising service from a Union supplier (its
// place of supply under art. 28b) and emission allowances where the buyer is the taxpayer, all at 23 %.
d.P_10 = 4250.40;  d.P_11 = 977.59;
d.P_12 = 12300.55; d.P_13 = 2829.13;
d.P_14 = 1999.49;  d.P_15 = 459.88;
Sprawdz("kwoty w groszach");
d.Policz();
print("C.1: " + d.P_10 + " / " + d.P_11 + ", C.2: " + d.P_12 + " / " + d.P_13 + ", C.3: " + d.P_14 + " / " + d.P_15 +
      ", do wpłaty " + d.P_16);
d.P_13 = -2829;
Sprawdz("ujemny podatek");
d.P_13 = 2829;
d.P_16 = 5000;
Sprawdz("poz. 16 wpisana");
d.Policz();
d.Verify();
Session.Save();
var t = d.Termin;
print("Zapisano " + d.Opis + " nr " + d.Numer + ", przekształcenie " + d.Transformata + ": do wpłaty " +
      d.KwotaCalkowita + " zł, termin " + t.getDate() + "." + (t.getMonth() + 1) + "." + t.getFullYear());

var e = new ActiveXObject("TLX.EDeklaracja");
e.Login = Session.Login;
e.ZapiszXml(d, "", folder + "/VAT-9M.xml");
