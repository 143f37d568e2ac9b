// The owner's PIT-36L of 2024 with her research and development relief: her business income on a PIT/B from the
// company's ledger, the qualified costs on two PIT/BR attachments (the second one's rows continue the first's),
// each closed in a window of its own before the return recounts through its PIT/BR actions. Attachments the module
// must refuse are tried on the way; the first PIT/BR is removed and another added to show the recount, the
// renumbering and the first-attachment mark. The return is written as its official document into the folder the
// variable `folder` names.

var sesja = Sesja();
var pit = Nowa(sesja, 16, 12, '11');
pit.P_24 = 4000; pit.P_25 = 3000; pit.P_30 = 3000;
pit.Policz();
var pit37 = Nowa(sesja, 35, 23, '2');
pit37.Policz();
sesja.Save();
var id = pit.ID;

function Stan(d) {
    var pozycje = [];
    var nazwy = [22, 26, 27, 29, 31, 32, 38, 39];
    for (var i = 0; i < nazwy.length; i++) pozycje.push(nazwy[i] + ': ' + Kwota(d['P_' + nazwy[i]]));
    print('  PIT/BR: ' + d.LiczbaPITBR + ' | ' + pozycje.join(', '));
}
function Opis(z) { return z.Opis + ', pierwszy ' + z.Pierwszy + ', odliczenie ' + Kwota(z.P_Suma); }

Zalacznik(id, 25, 14, 1, {P_8: '5260250274', P_9: 'Działalność z księgi firmy'});
Akcja(id, 'przeliczPoZamknieciuPITB');
var br1 = Zalacznik(id, 39, 1, 1, {P_Da1: 'wynagrodzenia pracowników', P_Db1: 8000, P_Dc1: 5000,
                                P_Da2: 'materiały i surowce', P_Db2: 2000, P_Dc2: 2000});
print(Opis(br1) + ', podatnik ' + br1.P_1);
var br2 = Zalacznik(id, 39, 1, 2, {P_Da1: 'ekspertyzy', P_Db1: 1500, P_Dc1: 1500});
print(Opis(br2));
print('przeliczPoZamknieciuPITBR:');
Stan(Akcja(id, 'przeliczPoZamknieciuPITBR'));

print('Załączniki odrzucone:');
print('  PIT/BR do PIT-37: ' + Zalacznik(pit37.ID, 39, 1, 1, {P_Da1: 'ekspertyzy', P_Db1: 100, P_Dc1: 100}));
print('  PIT/BR małżonka: ' + Zalacznik(id, 39, 1, 3, {UzupelniamDaneMalzonka: 1, P_Da1: 'ekspertyzy', P_Db1: 100, P_Dc1: 100}));
print('  odliczenie ponad koszty: ' + Zalacznik(id, 39, 1, 3, {P_Da1: 'ekspertyzy', P_Db1: 100, P_Dc1: 150}));
print('  wiersz bez rodzaju kosztów: ' + Zalacznik(id, 39, 1, 3, {P_Db2: 100, P_Dc2: 100}));

Stan(UsunZalacznik(id, br1, 'PIT/BR nr 1', 'przeliczPoUsunieciuPITBR'));
print('  ' + Opis(Otworz(Sesja(), br2.ID)));
var br3 = Zalacznik(id, 39, 1, 2, {P_Da1: 'wynagrodzenia pracowników', P_Db1: 8000, P_Dc1: 5000});
print(Opis(br3));
print('przeliczPoZamknieciuPITBR:');
Stan(Akcja(id, 'przeliczPoZamknieciuPITBR'));

var gotowy = Gotowy(id);
ZapiszEDeklaracje(gotowy, 'PIT-36L_12_BR.xml');
print('e-deklaracja w pliku PIT-36L_12_BR.xml, kwota ' + Kwota(gotowy.KwotaCalkowita));
