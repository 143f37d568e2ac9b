// The demo company's CIT-8 return of 2024 made by a host script: revenue and costs from the company's books,
// a loss of 2023 carried forward, the CIT-8/O part with new technology, a CIT-D with two donations and a
// CIT/BR with the research and development relief, each attachment a declaration of its own under the
// return. A second CIT-D added and deleted again shows the attachment actions keeping the return's
// positions; the return is then written as its official document with its attachments.

var deklaracje = Session.CreateObject("TLXDeklaracje.Deklaracje");

function Pozycje(d, od, doPoz) {
    var wynik = [];
    for (var p = od; p <= doPoz; p++) wynik.push(p + ": " + d["P_" + p]);
    return wynik.join(", ");
}

// A new attachment of the return with the fields given.
function Zalacznik(cit8, typ, wersja, numer, pola) {
    var z = deklaracje.AddNew();
    z.TypDeklar = typ;
    z.Wersja = wersja;
    z.Rok = 2024;
    z.Miesiac = 12;
    z.Numer = numer;
    z.ParentId = cit8.ID;
    for (var pole in pola) z[pole] = pola[pole];
    z.Policz();
    return z;
}

var cit8 = deklaracje.AddNew();
cit8.TypDeklar = 17;
cit8.Wersja = 24;
cit8.Rok = 2024;
cit8.P_23 = 60000;
cit8.P_33 = 41000;
cit8.Policz();
Session.Save();
print(cit8.Opis + ": podatnik " + cit8.P_1 + " " + cit8.P_8 + ", REGON " + cit8.P_9 + ", urząd " + cit8.P_6 +
      ", rok " + cit8.P_4 + " - " + cit8.P_5);
print("z ksiąg:", Pozycje(cit8, 15, 22));

cit8.executeJS("onCIT8OAdded");
cit8.P_O1 = 12000;
print("CIT-8/O:", cit8.P_10, cit8.P_O3, "poz. 26:", cit8.P_26);

var d1 = Zalacznik(cit8, 28, 5, 1, {P_Da1: "Fundacja Pomocy Dzieciom - cel pożytku publicznego", P_Db1: 3000,
                                   P_Da2: "Stowarzyszenie Sportowe Orzeł - upowszechnianie sportu", P_Db2: 1500.5});
var br = Zalacznik(cit8, 38, 1, 1, {P_Da1: "wynagrodzenia pracowników działu badań", P_Db1: 48000, P_Dc1: 24000,
                                   P_Da2: "materiały i surowce", P_Db2: 6000, P_Dc2: 6000});
var d2 = Zalacznik(cit8, 28, 5, 2, {P_Da1: "Parafia św. Anny - cele kultu religijnego", P_Db1: 700});
Session.Save();
print(d1.Opis + ": " + d1.P_1 + ", razem " + d1.P_Suma + "; " + br.Opis + ": razem " + br.P_Suma + "; " + d2.Opis +
      ": razem " + d2.P_Suma);
cit8.executeJS("onCITDListChanged");
cit8.executeJS("onCITBRAdded");
print("z załącznikami:", Pozycje(cit8, 10, 14), "|", Pozycje(cit8, 24, 25));

deklaracje.Delete(d2);
Session.Save();
cit8.executeJS("onCITDDeleted");
print("bez drugiego CIT-D:", Pozycje(cit8, 11, 11), "|", Pozycje(cit8, 24, 24));

cit8.Policz();
cit8.Verify();
Session.Save();
print("rozliczenie:", Pozycje(cit8, 23, 35));
var t = cit8.Termin;
print(cit8.Opis + ", do zapłaty " + cit8.KwotaCalkowita + " zł, termin " + t.getDate() + "." + (t.getMonth() + 1) + "." +
      t.getFullYear());

var e = new ActiveXObject("TLX.EDeklaracja");
e.Login = Session.Login;
e.AdviseProgress(Postep);
e.ZapiszXml(cit8, "", folder + "/CIT-8.xml");
