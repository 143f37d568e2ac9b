// The demo company's ZUS declarations as KEDU files for the payer's ZUS program: the IWA of 2024 saved
// through its form's SAVETO, as the host saves a declaration to a file, and sent to the user's machine
// through SENDTONET; the DRA of March 2024 with its reports in form version 4 through the DRA service's
// ExportToXML and in version 3 through SAVETO. Each file is named bare; what the files hold is printed
// from the DRA service's body of the declaration.

var konfiguracja = Session.Login.CreateObject("{A1E6C62D-2AE2-4D6A-B82B-17EF8DCFB6D1}");
var katalog = konfiguracja.GetValue("eDeklaracjeKatalogWymiany");
var deklaracje = Session.CreateObject("TLXDeklaracje.Deklaracje");
var usluga = Session.CreateObject("TLXDeklaracje.DRA");

// The text between the first opening tag of `nazwa` (with or without attributes) and its closing tag.
function Element(tekst, nazwa) {
    var od = tekst.search(new RegExp("<" + nazwa + "[ >]"));
    if (od < 0)
        return "";
    return tekst.substring(tekst.indexOf(">", od) + 1, tekst.indexOf("</" + nazwa + ">", od));
}

var iwa = deklaracje.AddNew();
iwa.TypDeklar = 130;
iwa.Wersja = 1;
iwa.Rok = 2024;
iwa.Numer = 1;
iwa.OSWIADCZENIE = new Date(2025, 0, 20);
iwa.NUMERDECYZJI = "PK/12/2024";
iwa.Policz();
Session.Save();
print("IWA droga eksportu", usluga.FormatEksportu(iwa.ID));
iwa.SAVETO = katalog + "/iwa_2024.xml";
iwa.SENDTONET = "C:\\Kadry\\iwa_2024.xml";
var cialo = String(usluga.ToXML(iwa.ID));
print("IWA plik iwa_2024.xml, u użytkownika C:\\Kadry\\iwa_2024.xml, decyzja", Element(Element(cialo, "I"), "p6"),
      "ubezpieczonych", Element(Element(cialo, "III"), "p1"));

function Dra(wersja) {
    var d = deklaracje.AddNew();
    d.TypDeklar = 120;
    d.Wersja = wersja;
    d.Rok = 2024;
    d.Miesiac = 3;
    d.Numer = wersja;
    d.DADRAIDENT = wersja * 1000000 + 32024;
    d.OSWIADCZENIE = new Date(2024, 3, 10);
    d.Policz();
    Session.Save();
    return d;
}

var d4 = Dra(4);
usluga.ExportToXML(d4.ID, katalog + "/dra_4_03-2024.xml");
var d3 = Dra(3);
d3.SAVETO = katalog + "/dra_3_03-2024.xml";
var wersje = [[4, d4], [3, d3]];
for (var i = 0; i < wersje.length; i++) {
    var tekst = String(usluga.ToXML(wersje[i][1].ID));
    var rca = Element(tekst, "ZUSRCA");
    print("DRA w wersji", wersje[i][0], "droga eksportu", usluga.FormatEksportu(wersje[i][1].ID) +
          ", plik dra_" + wersje[i][0] + "_03-2024.xml: NIP płatnika", Element(Element(rca, "II"), "p1") +
          ", ubezpieczonych w ZUSRCA", rca.split(/<III[ >]/).length - 1 +
          ", w ZUSRSA", Element(tekst, "ZUSRSA").split(/<III[ >]/).length - 1 +
          ", w ZUSRZA", Element(tekst, "ZUSRZA").split(/<III[ >]/).length - 1);
}

// A DRA of form version 2 takes the host KEDU component's road: its file holds the declaration's KEDU
// document and its reports' documents.
var d2 = Dra(2);
d2.SAVETO = katalog + "/dra_2_03-2024.kdu";
d2.SENDTONET = "C:\\Kadry\\dra_2_03-2024.kdu";
print("DRA w wersji 2 droga eksportu", usluga.FormatEksportu(d2.ID) + ", plik dra_2_03-2024.kdu");
