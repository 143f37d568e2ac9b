// A taxpayer's PIT-28 of 2024 on the lump sum, as the user makes it: the return of card P006 with his own revenue
// at two rates from the company's flat-rate register, a partnership's PIT/28B typed with his half share and
// closed in a window of its own, the return summing its attachments by its action. A second PIT/28B added and
// deleted shows the recount and the renumbering; attachments the module must refuse are tried on the way. The
// return is calculated, saved and written as its official document into the folder `folder` names.
// The non-zero amounts of positions `od` to `doPoz`, as "n: amount".
function Niezerowe(d, od, doPoz) {
    var wynik = [];
    for (var n = od; n <= doPoz; n++)
        if (Number(d['P_' + n]) != 0) wynik.push(n + ': ' + Kwota(d['P_' + n]));
    return wynik.join(', ');
}

var sesja = Sesja();
var pit = sesja.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
pit.TypDeklar = 20; pit.Wersja = 19; pit.Rok = 2024;
pit.Pracownik = sesja.CreateObject('TLX.Pracownicy').Item('6');
pit.P_75 = 12000; pit.P_76 = 4000.50; pit.P_80 = 12000;
pit.Policz();
sesja.Save();
var id = pit.ID;
print(pit.Opis + ': podatnik ' + pit.P_1 + ', ' + pit.P_17 + ', urząd ' + pit.P_5 + ', termin ' +
      pit.Termin.getFullYear() + '-' + (pit.Termin.getMonth() + 1) + '-' + pit.Termin.getDate());
print('Z ewidencji: ' + Niezerowe(pit, 20, 30));

// The return's action run in a window of its own, as the host runs it after an attachment's window closes.
function AkcjaIStan(nazwa) {
    var okno = Sesja();
    Otworz(okno, id).executeJS(nazwa);
    okno.Save();
    var d = Otworz(Sesja(), id);
    print(nazwa + ': PIT/28B ' + d.LiczbaPIT28B + ' | ' + Niezerowe(d, 31, 41) + ' | ryczałt ' + Kwota(d.P_77) +
          ', do zapłaty ' + Kwota(d.P_81));
}

var b = Zalacznik(id, 26, 14, 1, {P_6: '7251801126', P_7: 'Lewandowski i Wspólnicy s.c.', P_8: 50, P_14: 80000});
print('PIT/28B nr 1: ' + b.Opis + ', ' + b.P_4 + ' ' + b.P_5 + ', ' + b.P_1 + ' | ' + Niezerowe(b, 20, 30));
AkcjaIStan('zsumujPolaBIT28B');

// A return whose attachments changed behind it refuses to verify until it sums them again.
function Sprawdz(kiedy) {
    try { Otworz(Sesja(), id).Verify(); print(kiedy + ': zgodne'); } catch (err) { print(kiedy + ': ' + err.description); }
}
var drugi = Zalacznik(id, 26, 14, 3, {P_7: 'Druga spółka', P_8: 25, P_18: 10000});
print('PIT/28B z numerem 3: ' + Niezerowe(drugi, 20, 30));
AkcjaIStan('poprawIloscZalacznikowNaZalacznikach28B');
print('  numer ' + Otworz(Sesja(), drugi.ID).Numer + ', liczba na załącznikach ' + Otworz(Sesja(), b.ID).LiczbaPIT28B +
      ' i ' + Otworz(Sesja(), drugi.ID).LiczbaPIT28B);
Sprawdz('Zeznanie przed zsumowaniem');
AkcjaIStan('zsumujPolaBIT28B');
var usun = Sesja();
usun.CreateObject('TLXDeklaracje.Deklaracje').Delete(Otworz(usun, drugi.ID));
usun.Save();
Sprawdz('Po usunięciu drugiego');
AkcjaIStan('zsumujPolaBIT28B');
Sprawdz('Po zsumowaniu');

print('Udział 150%: ' + Zalacznik(id, 26, 14, 2, {P_8: 150, P_14: 1000}));
print('Przychód ujemny: ' + Zalacznik(id, 26, 14, 2, {P_14: -1000}));
var pit36 = sesja.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
pit36.TypDeklar = 15; pit36.Wersja = 23; pit36.Rok = 2024;
pit36.Pracownik = sesja.CreateObject('TLX.Pracownicy').Item('6');
pit36.Policz();
sesja.Save();
print('PIT/28B do PIT-36: ' + Zalacznik(pit36.ID, 26, 14, 1, {P_14: 1000}));
print('PIT/B do PIT-28: ' + Zalacznik(id, 25, 14, 1, {P_15: 2, P_11: 1000}));

var gotowy = Gotowy(id);
print('Zeznanie: ' + Niezerowe(gotowy, 20, 82) + ' | kwota ' + Kwota(gotowy.KwotaCalkowita));

// A partnership's PIT/28B may take the partnership's revenue from the company's register too: 30 % of each rate,
// calculated and not saved. A register entry at a rate the forms do not know stops the calculation.
var zRejestru = Sesja().CreateObject('TLXDeklaracje.Deklaracje').AddNew();
zRejestru.TypDeklar = 26; zRejestru.Wersja = 14; zRejestru.Rok = 2024; zRejestru.ParentId = id; zRejestru.Numer = 2;
zRejestru.P_31 = 1; zRejestru.P_8 = 30;
zRejestru.Policz();
print('PIT/28B z ewidencji, udział 30%: ' + Niezerowe(zRejestru, 9, 30));
Session.Connection.Execute("insert into TLX.EwidRyczalt (ERy_RokMies, ERy_Przychod, ERy_Stawka) values (202407, 100, 7)");
try { zRejestru.Policz(); } catch (err) { print('Stawka 7% w ewidencji: ' + err.description); }

ZapiszEDeklaracje(gotowy, 'PIT-28_19.xml');
print('e-deklaracja w pliku PIT-28_19.xml');
