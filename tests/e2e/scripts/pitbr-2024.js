// The owner's PIT-36L of 2024 with her research and development relief: her business income on a PIT/B from the
// company's ledger, the qualified costs on two PIT/BR attachments (the second one's rows continue the first's),
// each closed in a window of its own before the return recounts through its PIT/BR actions. Attachments the module
// must refuse are tried on the way; the first PIT/BR is removed and another added to show the recount, the
// renumbering and the first-attachment mark. The return is written as its official document into the folder the
// variable `folder` names.
function Sesja() { return Session.Login.CreateSession(); }
function Otworz(sesja, id) { return sesja.CreateObject('TLXDeklaracje.Deklaracje', String(id)); }
function Kwota(v) { return Number(v).toFixed(2); }

var sesja = Sesja();
var pit = sesja.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
pit.TypDeklar = 16; pit.Wersja = 12; pit.Rok = 2024;
pit.Pracownik = sesja.CreateObject('TLX.Pracownicy').Item('11');
pit.P_24 = 4000; pit.P_25 = 3000; pit.P_30 = 3000;
pit.Policz();
var pit37 = sesja.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
pit37.TypDeklar = 35; pit37.Wersja = 23; pit37.Rok = 2024;
pit37.Pracownik = sesja.CreateObject('TLX.Pracownicy').Item('2');
pit37.Policz();
sesja.Save();
var id = pit.ID;

function Zalacznik(typ, wersja, numer, pola, rodzic) {
    var s = Sesja();
    var z = s.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
    z.TypDeklar = typ; z.Wersja = wersja; z.Rok = 2024; z.ParentId = rodzic || id; z.Numer = numer;
    for (var k in pola) z[k] = pola[k];
    z.Policz();
    try {
        s.Save();
    } catch (err) {
        return 'odmowa: ' + err.description;
    }
    return z;
}
function Akcja(nazwa) {
    var s = Sesja();
    var d = Otworz(s, id);
    try {
        d.executeJS(nazwa);
        s.Save();
        if (nazwa == 'weryfikuj') print('  weryfikuj: załączniki zgodne z zeznaniem');
    } catch (err) {
        print('  ' + nazwa + ': ' + err.description);
    }
    return d;
}
function Stan(d) {
    var pozycje = [];
    var nazwy = [22, 26, 27, 29, 31, 32, 38, 39];
    for (var i = 0; i < nazwy.length; i++) pozycje.push(nazwy[i] + ': ' + Kwota(d['P_' + nazwy[i]]));
    print('  PIT/BR: ' + d.LiczbaPITBR + ' | ' + pozycje.join(', '));
}
function Opis(z) { return z.Opis + ', pierwszy ' + z.Pierwszy + ', odliczenie ' + Kwota(z.P_Suma); }

Zalacznik(25, 14, 1, {P_8: '5260250274', P_9: 'Działalność z księgi firmy'});
Akcja('przeliczPoZamknieciuPITB');
var br1 = Zalacznik(39, 1, 1, {P_Da1: 'wynagrodzenia pracowników', P_Db1: 8000, P_Dc1: 5000,
                                P_Da2: 'materiały i surowce', P_Db2: 2000, P_Dc2: 2000});
print(Opis(br1) + ', podatnik ' + br1.P_1);
var br2 = Zalacznik(39, 1, 2, {P_Da1: 'ekspertyzy', P_Db1: 1500, P_Dc1: 1500});
print(Opis(br2));
print('przeliczPoZamknieciuPITBR:');
Stan(Akcja('przeliczPoZamknieciuPITBR'));

print('Załączniki odrzucone:');
print('  PIT/BR do PIT-37: ' + Zalacznik(39, 1, 1, {P_Da1: 'ekspertyzy', P_Db1: 100, P_Dc1: 100}, pit37.ID));
print('  PIT/BR małżonka: ' + Zalacznik(39, 1, 3, {UzupelniamDaneMalzonka: 1, P_Da1: 'ekspertyzy', P_Db1: 100, P_Dc1: 100}));
print('  odliczenie ponad koszty: ' + Zalacznik(39, 1, 3, {P_Da1: 'ekspertyzy', P_Db1: 100, P_Dc1: 150}));
print('  wiersz bez rodzaju kosztów: ' + Zalacznik(39, 1, 3, {P_Db2: 100, P_Dc2: 100}));

var s = Sesja();
s.CreateObject('TLXDeklaracje.Deklaracje').Delete(Otworz(s, br1.ID));
s.Save();
print('Usunięty PIT/BR nr 1:');
Akcja('weryfikuj');
print('przeliczPoUsunieciuPITBR:');
Stan(Akcja('przeliczPoUsunieciuPITBR'));
print('  ' + Opis(Otworz(Sesja(), br2.ID)));
var br3 = Zalacznik(39, 1, 2, {P_Da1: 'wynagrodzenia pracowników', P_Db1: 8000, P_Dc1: 5000});
print(Opis(br3));
print('przeliczPoZamknieciuPITBR:');
Stan(Akcja('przeliczPoZamknieciuPITBR'));

var gotowy = Otworz(Sesja(), id);
gotowy.Policz();
gotowy.Verify();
var e = new ActiveXObject('TLX.EDeklaracja');
e.Login = Session.Login;
e.ZapiszXml(gotowy, '', folder + '/PIT-36L_12_BR.xml');
print('e-deklaracja w pliku PIT-36L_12_BR.xml, kwota ' + Kwota(gotowy.KwotaCalkowita));
