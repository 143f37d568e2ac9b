// The demo employee Jan Kowalski's son deregistered from health insurance on a ZCZA, as a host script
// makes it: the form calculated and saved, its member's block printed, the form written through its
// SAVETO to `plik` (the host KEDU component's file, the only road of the ZCZA) and put into a KEDU
// package of its own, which takes the component's road too.
var deklaracje = Session.CreateObject('TLXDeklaracje.Deklaracje');
var zcza = deklaracje.AddNew();
zcza.TypDeklar = 103; zcza.Wersja = 1; zcza.Rok = 2024; zcza.Miesiac = 9; zcza.Numer = 1;
zcza.Pracownik = Session.CreateObject('TLX.Pracownicy', '1');
zcza.DATAWYREJESTROWANIA = new Date(2024, 8, 1);
zcza.OSWIADCZENIE = new Date(2024, 8, 3);
zcza.WYREJESTROWANIE = 2;
zcza.Policz();
Session.Save();

// The member's block as the saved text holds it, one position a line.
var tekst = String(zcza.Tekst);
var blok = tekst.substring(tekst.indexOf('<DOCRA>\r\n') + 9, tekst.indexOf('\r\n</DOCRA>'));
print('ZCZA nr', zcza.Numer + ':', zcza.DAUNAZWISKO, zcza.DAUIMIE + ', PESEL', zcza.DAUPESEL);
print('wyrejestrowany członek rodziny:', blok.split('\r\n').join(' | '));
print('droga eksportu:', Session.CreateObject('TLXDeklaracje.DRA').FormatEksportu(zcza.ID));
zcza.SAVETO = plik;

var kedu = Session.CreateObject('TLXDeklaracje.KeduKolekcja').AddNew();
kedu.Nazwa = 'ZCZA 09/2024';
Session.Save();
zcza.Kedu = kedu;
Session.Save();
print('plik KEDU', kedu.Nazwa + ', ZestawMieszany:', kedu.ZestawMieszany() + ', Zapisz:', kedu.Zapisz(0, plik + '.pakiet', 1));
