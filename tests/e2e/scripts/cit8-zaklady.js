// The demo company's CIT-8 of 2024 with a CIT-ST and its CIT-ST/A built from the company's establishments:
// the active ones marked for each attachment, in the order they were entered. The return counts them and
// writes them among its attachments, the CIT-ST/A inside the CIT-ST.

var deklaracje = Session.CreateObject("TLXDeklaracje.Deklaracje");
var cit8 = deklaracje.AddNew();
cit8.TypDeklar = 17;
cit8.Wersja = 24;
cit8.Rok = 2024;
cit8.P_33 = 65000;
cit8.Policz();
Session.Save();

function Zalacznik(typ, wersja) {
    var z = deklaracje.AddNew();
    z.TypDeklar = typ;
    z.Wersja = wersja;
    z.Rok = 2024;
    z.Miesiac = 12;
    z.Numer = 1;
    z.ParentId = cit8.ID;
    z.Policz();
    Session.Save();
    return z;
}
var sta = Zalacznik(30, 5);
var st = Zalacznik(29, 7);
for (var i = 1; i <= 4; i++)
    print("CIT-ST " + i + ": " + [st["P_Ea" + i], st["P_Eb" + i], st["P_Ec" + i], st["P_Ed" + i], st["P_Ee" + i],
                                  st["P_Ef" + i], st["P_Eg" + i]].join(" | "));
print("CIT-ST: razem zatrudnionych " + st.P_169 + ", załączników CIT-ST/A " + st.P_170);
for (var i = 1; i <= 3; i++)
    print("CIT-ST/A " + i + ": " + [sta["P_Ba" + i], sta["P_Bb" + i], sta["P_Bc" + i], sta["P_Bd" + i], sta["P_Be" + i]].join(" | "));
cit8.executeJS("onCITSTListChanged");
cit8.executeJS("onCITSTAListChanged");
cit8.Verify();
Session.Save();
print("CIT-8: CIT-ST " + cit8.P_12 + ", CIT-ST/A " + cit8.P_13 + ", podatek " + cit8.P_30 + ", nadpłata " + cit8.P_35);

var e = new ActiveXObject("TLX.EDeklaracja");
e.Login = Session.Login;
e.ZapiszXml(cit8, "", folder + "/CIT-8-ST.xml");
