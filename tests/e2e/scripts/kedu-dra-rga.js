// The demo company's DRA of March 2024 (form version 4) with an RGA report the user filled by hand under
// it: the DRA's KEDU XML, which has no document for the RGA, is refused naming the report, and every road
// that writes the DRA takes the host KEDU component's file, which carries it: SAVETO to `plik`,
// SENDTONET to the user's machine and a KEDU package of its own written to `plik` + ".pakiet".
var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');
var dra = deklaracje.AddNew();
dra.TypDeklar = 120; dra.Wersja = 4; dra.Rok = 2024; dra.Miesiac = 3; dra.Numer = 1;
dra.DADRAIDENT = 1032024;
dra.OSWIADCZENIE = new Date(2024, 3, 10);
dra.Policz();
Session.Save();

var rga = deklaracje.AddNew();
rga.TypDeklar = 125; rga.Wersja = 1; rga.Rok = 2024; rga.Miesiac = 3; rga.Numer = 1;
rga.Deklaracja = dra;
rga.Policz();
rga.OPLRDATAWYP = new Date(2024, 3, 10);
var osoba = rga.DOKUMENT.bloki.Add();
var pozycje = ['KOWALSKI', 'JAN', 'P', '80010112340', '011000'];
for (var i = 0; i < pozycje.length; i++)
    osoba(i + 1, 0) = pozycje[i];
Session.Save();

var usluga = Session.CreateObject('TLXDeklaracje.DRA');
print('droga eksportu DRA z raportem RGA:', usluga.FormatEksportu(dra.ID));
try {
    usluga.ExportToXML(dra.ID, plik + '.xml');
    print('ExportToXML: zapisano');
} catch (e) {
    print('ExportToXML:', e.description);
}
dra.SAVETO = plik;
dra.SENDTONET = 'C:\\Kadry\\dra_03-2024.kdu';

var kedu = Session.CreateObject('TLXDeklaracje.KeduKolekcja').AddNew();
kedu.Nazwa = 'DRA 03/2024 z RGA';
Session.Save();
dra.Kedu = kedu;
Session.Save();
print('plik KEDU', kedu.Nazwa + ', ZestawMieszany:', kedu.ZestawMieszany() + ', Zapisz:', kedu.Zapisz(0, plik + '.pakiet', 1));
