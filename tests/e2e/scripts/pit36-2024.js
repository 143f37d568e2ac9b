// The owner's PIT-36 of 2024, filed jointly with her husband, as the user makes it: the return of the owner's
// card, her business income on a PIT/B calculated from the company's ledger, the couple's reliefs on a PIT/O,
// each attachment closed (saved in a window of its own) before the return recounts itself through its
// attachment actions. A partnership's PIT/B added and removed again shows the recount and the renumbering;
// attachments the module must refuse are tried on the way. The return is calculated, saved and written as its
// official document into the folder the variable `folder` names.

// The return: the owner's card (P011), her husband's identification and his PIT-11 figures, the advances she
// paid on her business and both their social contributions.
var sesja = Sesja();
var pit36 = sesja.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
pit36.TypDeklar = 15; pit36.Wersja = 23; pit36.Rok = 2024;
pit36.Pracownik = sesja.CreateObject('TLX.Pracownicy').Item('11');
pit36.P_6 = 2; pit36.P_2 = '80010112340'; pit36.P_21 = 'Kowalski'; pit36.P_22 = 'Jan'; pit36.P_23 = '1980-01-01';
pit36.P_28 = 55992; pit36.P_29 = 3000; pit36.P_31 = 1836;
pit36.P_36 = 2000; pit36.P_46 = 4000; pit36.P_47 = 7676.52;
pit36.Policz();
sesja.Save();
var id = pit36.ID;
print(pit36.Opis + ': podatnik ' + pit36.P_1 + ', urząd ' + pit36.P_5 + ', termin ' + pit36.Termin.getFullYear() + '-' +
      (pit36.Termin.getMonth() + 1) + '-' + pit36.Termin.getDate());

function Stan(d) {
    print('  PIT/B: ' + d.LiczbaPITB + ', PIT/O: ' + d.ZalacznikPITO + ' | ' + Pozycje(d, Zakres(32, 35)) + ' | ' + Pozycje(d, Zakres(48, 49)) +
          ', 56: ' + Kwota(d.P_56) + ' | 52: ' + d.P_52 + ', 53: ' + Kwota(d.P_53) + ', 57: ' + d.P_57 + ', 59: ' + d.P_59 +
          ', 60: ' + d.P_60);
}

var spolka = Zalacznik(id, 25, 14, 1, {P_7: 2, P_8: '7740001454', P_9: 'Dąbrowska i Wspólnicy sp.j.', P_10: 50, P_15: 2,
                                  P_11: 10000, P_12: 4000});
print('PIT/B nr 1 (spółka, wpisany): ' + [spolka.P_11, spolka.P_12, spolka.P_13].map(Kwota).join(' '));
var ksiega = Zalacznik(id, 25, 14, 2, {P_8: '5260250274', P_9: 'Działalność z księgi firmy'});
print('PIT/B nr 2 (z księgi): ' + [ksiega.P_11, ksiega.P_12, ksiega.P_13].map(Kwota).join(' ') + ', ' + ksiega.P_5 + ' ' +
      ksiega.P_6 + ', ' + ksiega.P_1);
print('przeliczPoZamknieciuPITB:');
Stan(Akcja(id, 'przeliczPoZamknieciuPITB'));
var ulgi = Zalacznik(id, 27, 22, 1, {P_6: 600, P_10: 500, P_14: 556.02});
print('PIT/O: ' + ulgi.P_1 + ' ' + ulgi.P_2 + ' | ' + [ulgi.P_12, ulgi.P_13, ulgi.P_15].map(Kwota).join(' '));
print('przeliczPoZamknieciuPITO:');
Stan(Akcja(id, 'przeliczPoZamknieciuPITO'));

print('Załączniki odrzucone:');
var pit4r = sesja.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
pit4r.TypDeklar = 18; pit4r.Wersja = 6; pit4r.Rok = 2024;
pit4r.Policz();
sesja.Save();
print('  PIT/B do PIT-4R: ' + Zalacznik(pit4r.ID, 25, 14, 1, {P_15: 2, P_11: 100}));
print('  PIT/B z udziałem 120%: ' + Zalacznik(id, 25, 14, 3, {P_10: 120}));
print('  PIT/B z ujemnym przychodem: ' + Zalacznik(id, 25, 14, 3, {P_15: 2, P_11: -500}));
print('  drugi PIT/O: ' + Zalacznik(id, 27, 22, 2, {P_6: 100}));

// The partnership's PIT/B removed: until the return recounts, its check finds the count wrong; the recount
// renumbers the ledger's PIT/B to 1.
Stan(UsunZalacznik(id, spolka, 'PIT/B nr 1', 'przeliczPoUsunieciuPITB'));
print('  PIT/B z księgi ma nr ' + Otworz(Sesja(), ksiega.ID).Numer + ', liczbę załączników ' + Otworz(Sesja(), ksiega.ID).LiczbaPITB);
Akcja(id, 'weryfikuj');

// The husband's PESEL typed as hers is refused.
var inna = Sesja();
var zly = Otworz(inna, id);
zly.P_2 = zly.P_1;
try {
    zly.Verify();
} catch (err) {
    print('Małżonek z identyfikatorem podatnika: ' + err.description);
}

// A second return, filed alone, with a PIT/B: clearing its attachments leaves it none and recounts it.
var sama = Sesja();
var pusty = sama.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
pusty.TypDeklar = 15; pusty.Wersja = 23; pusty.Rok = 2024;
pusty.Pracownik = sama.CreateObject('TLX.Pracownicy').Item('11');
pusty.Policz();
sama.Save();
Zalacznik(pusty.ID, 25, 14, 1, {});
var czysty = Sesja();
var drugi = Otworz(czysty, pusty.ID);
drugi.executeJS('przeliczPoZamknieciuPITB');
print('Zeznanie indywidualne z PIT/B: ' + drugi.LiczbaPITB + ' PIT/B, 32: ' + Kwota(drugi.P_32) + ', 57: ' + drugi.P_57);
drugi.executeJS('wyczyscZalaczniki');
czysty.Save();
var zostalo = Sesja().CreateObject('TLXDeklaracje.Deklaracje');
zostalo.Filter = 'DkN_ParentID=' + pusty.ID;
print('wyczyscZalaczniki: ' + zostalo.Count + ' załączników, ' + drugi.LiczbaPITB + ' PIT/B, 32: ' + Kwota(drugi.P_32) +
      ', 57: ' + drugi.P_57);

var gotowy = Gotowy(id);
print('Zeznanie: ' + Pozycje(gotowy, Zakres(24, 31)));
print('  ' + Pozycje(gotowy, Zakres(32, 41)));
print('  ' + Pozycje(gotowy, Zakres(42, 51)));
print('  ' + Pozycje(gotowy, Zakres(52, 60)) + ', kwota ' + Kwota(gotowy.KwotaCalkowita));
ZapiszEDeklaracje(gotowy, 'PIT-36_23.xml');
print('e-deklaracja w pliku PIT-36_23.xml');
