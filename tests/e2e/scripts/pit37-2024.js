// The PIT-37 of 2024 of a couple paid by the demo company, filed jointly: Jan Kowalski's return on his card, his
// wife Anna Nowak's income from her card, both as their PIT-11 information counts them, and the couple's reliefs
// on a PIT/O closed in a window of its own before the return recounts. Calculated, saved and written as its
// official document into the folder `folder` names; a PIT/B, which the return does not take, is refused.

var sesja = Sesja();
var pit = sesja.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
pit.TypDeklar = 35; pit.Wersja = 23; pit.Rok = 2024;
pit.Pracownik = sesja.CreateObject('TLX.Pracownicy').Item('1');
pit.P_6 = 2; pit.PracownikMalzonka = 2;
pit.Policz();
sesja.Save();
var id = pit.ID;
print(pit.Opis + ': podatnik ' + pit.P_1 + ', małżonek ' + pit.P_2 + ' ' + pit.P_21 + ' ' + pit.P_22 + ', urząd ' + pit.P_5);

var o = Zalacznik(id, 27, 22, 1, {P_7: 760, P_14: 1112.04});
print('PIT/O: ' + o.P_1 + ' ' + o.P_2 + ' | ' + [o.P_12, o.P_13, o.P_15].map(Kwota).join(' '));
print('PIT/B do PIT-37: ' + Zalacznik(id, 25, 14, 1, {P_15: 2, P_11: 100}));
var okno = Sesja();
Otworz(okno, id).executeJS('przeliczPoZamknieciuPITO');
okno.Save();

var zly = Otworz(Sesja(), id);
zly.PracownikMalzonka = 1;
zly.Policz();
try { zly.Verify(); } catch (err) { print('Małżonek z karty podatnika: ' + err.description); }

var gotowy = Gotowy(id);
print('Zeznanie: PIT/O ' + gotowy.ZalacznikPITO + ' | ' + Pozycje(gotowy, Zakres(24, 39)));
print('  ' + Pozycje(gotowy, Zakres(40, 49)));
print('  ' + Pozycje(gotowy, Zakres(50, 58)) + ', kwota ' + Kwota(gotowy.KwotaCalkowita));
ZapiszEDeklaracje(gotowy, 'PIT-37_23.xml');
print('e-deklaracja w pliku PIT-37_23.xml');

// The PIT/O removed: until the return recounts, its check finds it still marked; the recount drops the reliefs.
var s = Sesja();
s.CreateObject('TLXDeklaracje.Deklaracje').Delete(Otworz(s, o.ID));
s.Save();
var bez = Otworz(Sesja(), id);
try { bez.executeJS('weryfikuj'); } catch (err) { print('Usunięty PIT/O: ' + err.description); }
var okno2 = Sesja();
var przeliczony = Otworz(okno2, id);
przeliczony.executeJS('przeliczPoUsunieciuPITO');
okno2.Save();
przeliczony = Otworz(Sesja(), id);
przeliczony.executeJS('weryfikuj');
print('przeliczPoUsunieciuPITO: PIT/O ' + przeliczony.ZalacznikPITO + ' | 47: ' + Kwota(przeliczony.P_47) + ', 54: ' +
      Kwota(przeliczony.P_54) + ' | ' + Pozycje(przeliczony, Zakres(49, 51)) + ', 55: ' + przeliczony.P_55 + ', 58: ' +
      przeliczony.P_58);
