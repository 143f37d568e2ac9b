// The owner's PIT-36L of 2024 at the flat 19 % rate: the return of the owner's card, her business income on a
// PIT/B calculated from the company's ledger and closed in a window of its own, the return recounted by its
// attachment action, calculated, saved and written as its official document into the folder `folder` names.
// A PIT/O and a spouse's PIT/B, which the flat-rate return does not take, are refused.

var sesja = Sesja();
var pit = sesja.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
pit.TypDeklar = 16; pit.Wersja = 12; pit.Rok = 2024;
pit.Pracownik = sesja.CreateObject('TLX.Pracownicy').Item('11');
pit.P_24 = 4000; pit.P_25 = 3000; pit.P_30 = 3000;
pit.Policz();
sesja.Save();
var id = pit.ID;
print(pit.Opis + ': podatnik ' + pit.P_1 + ', ' + pit.P_17 + ', urząd ' + pit.P_5);

var b = Zalacznik(id, 25, 14, 1, {P_8: '5260250274', P_9: 'Działalność z księgi firmy'});
print('PIT/B nr 1: ' + [b.P_11, b.P_12, b.P_13].map(Kwota).join(' ') + ', ' + b.P_5 + ' ' + b.P_6);
print('PIT/O do PIT-36L: ' + Zalacznik(id, 27, 22, 1, {P_6: 600}));
print('PIT/B małżonka: ' + Zalacznik(id, 25, 14, 2, {P_4: 2, P_15: 2, P_11: 1000}));

var okno = Sesja();
var d = Otworz(okno, id);
d.executeJS('przeliczPoZamknieciuPITB');
okno.Save();
var gotowy = Gotowy(id);
var pozycje = [];
for (var n = 20; n <= 32; n++) pozycje.push(n + ': ' + Kwota(gotowy['P_' + n]));
print('Zeznanie: PIT/B ' + gotowy.LiczbaPITB + ' | ' + pozycje.join(', ') + ' | kwota ' + Kwota(gotowy.KwotaCalkowita));

var zly = Otworz(Sesja(), id);
zly.P_28 = 100;
zly.Policz();
try { zly.Verify(); } catch (err) { print('Składka zdrowotna od podatku w 2024: ' + err.description); }

ZapiszEDeklaracje(gotowy, 'PIT-36L_12.xml');
print('e-deklaracja w pliku PIT-36L_12.xml');
