// August's DRA (version 4) and the month's registration forms sent to ZUS as one KEDU package, written to
// `plik` and locked: the May starter registered (ZUA), an employee's family registered (ZCNA) and the
// August leaver deregistered (ZWUA). A declaration attached to the locked package is refused.
var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');
var dra = deklaracje.AddNew();
dra.TypDeklar = 120; dra.Wersja = 4; dra.Rok = 2024; dra.Miesiac = 8; dra.Numer = 1;
dra.DADRAIDENT = 1082024;
dra.OSWIADCZENIE = new Date(2024, 8, 10);
dra.Policz();

// A registration form of the demo card, its employee's record picked by the form's date.
function zgloszenie(typ, karta, pole, data) {
    var d = deklaracje.AddNew();
    d.TypDeklar = typ; d.Wersja = 1; d.Rok = 2024; d.Miesiac = 8; d.Numer = 1;
    d.Pracownik = Session.CreateObject('TLX.Pracownicy', String(karta));
    d.Wartosc(pole) = data;
    d.OSWIADCZENIE = new Date(2024, 8, 10);
    return d;
}
var zua = zgloszenie(100, 12, 'DATAZGLOSZENIA', new Date(2024, 4, 6));
zua.Policz();
var zcna = zgloszenie(102, 1, 'DATAZGLOSZENIA', new Date(2024, 7, 1));
for (var czlonek = 1; czlonek <= 3; czlonek++)
    zcna.ZGLOSZENIE = czlonek;
zcna.Policz();
var zwua = zgloszenie(104, 13, 'DATAWYREJESTROWANIA', new Date(2024, 7, 15));
zwua.Policz();
Session.Save();

var kedu = Session.CreateObject('TLXDeklaracje.KeduKolekcja').AddNew();
kedu.Nazwa = 'ZUS 08/2024';
kedu.Opis = 'Deklaracje za sierpień 2024';
Session.Save();
dra.Kedu = kedu;
zua.Kedu = kedu;
zcna.Kedu = kedu;
zwua.Kedu = kedu;
Session.Save();
print('plik KEDU:', kedu.Nazwa, '(' + kedu.Opis + '), deklaracji:', kedu.Deklaracje.Count);
print('ZestawMieszany:', kedu.ZestawMieszany());
print('Zapisz:', kedu.Zapisz(0, plik, 1));

kedu.Zablokowana = 1;
Session.Save();
// The lock as another session reads it: the package's declarations and the DRA's reports.
var odczytany = Session.Login.CreateSession().CreateObject('TLXDeklaracje.KeduKolekcja').Item(String(kedu.ID));
var blokady = [];
for (var e = new Enumerator(odczytany.Deklaracje); !e.atEnd(); e.moveNext()) {
    var d = e.item();
    blokady.push(d.TypDeklar + ':' + d.Zablokowana);
    for (var r = new Enumerator(d.Deklaracje); !r.atEnd(); r.moveNext())
        blokady.push(r.item().TypDeklar + ':' + r.item().Zablokowana);
}
print('zablokowane:', blokady.join(' '));

// Another user, who reads the package as locked.
var inna = Session.Login.CreateSession();
var jeszcze = inna.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
jeszcze.TypDeklar = 130; jeszcze.Wersja = 1; jeszcze.Rok = 2023; jeszcze.Numer = 1;
try {
    jeszcze.Kedu = inna.CreateObject('TLXDeklaracje.KeduKolekcja').Item(String(kedu.ID));
    print('przypięto do zablokowanego pliku');
} catch (e) {
    print('przypięcie:', (e.number & 0xFFFF), e.description);
}
var trzecia = Session.Login.CreateSession();
var inny = trzecia.CreateObject('TLXDeklaracje.KeduKolekcja').AddNew();
inny.Nazwa = 'zus 08/2024';
try {
    trzecia.Save();
    print('zapisano drugi plik o tej samej nazwie');
} catch (e) {
    print('drugi plik:', (e.number & 0xFFFF), e.description);
}
