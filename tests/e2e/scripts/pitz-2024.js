
var zeznania = ZeznaniaPit36IPit37();
var pit36 = zeznania.pit36;
var pit37 = zeznania.pit37;
var id = pit36.ID;
function PitZ(numer, pola, rodzic) { return Zalacznik(rodzic || id, 37, 6, numer, pola); }

function Stan(d) {
    print('  PIT/Z: ' + d.LiczbaPITZ + ' | ' + Pozycje(d, [75, 76, 77, 78, 42, 50, 52, 53]) + ' | 57: ' + d.P_57 +
          ', 59: ' + d.P_59);
}
function Opis(z) { return z.Opis + ', ' + z.P_1 + ' ' + z.P_5 + ' ' + z.P_6 + ' | ' + [z.P_9, z.P_10, z.P_11, z.P_12].map(Kwota).join(' '); }
var SZKLARNIE = {P_7: 'uprawy w szklarniach', P_9: 30000, P_10: 18000};

var szklarnie = PitZ(1, SZKLARNIE);
print('PIT/Z nr 1: ' + Opis(szklarnie));
var drob = PitZ(2, {P_7: 'chów drobiu', P_8: 2, P_9: 40000, P_10: 25000, P_11: 5000});
print('PIT/Z nr 2: ' + Opis(drob));
print('przeliczPoZamknieciuPITZ:');
Stan(Akcja(id, 'przeliczPoZamknieciuPITZ'));

print('Załączniki odrzucone:');
print('  PIT/Z do PIT-37: ' + PitZ(1, {P_7: 'chów drobiu', P_9: 100}, pit37.ID));
print('  PIT/Z małżonka bez rozliczenia wspólnego: ' + PitZ(3, {P_4: 2, P_7: 'pieczarkarnie', P_9: 100}));
print('  PIT/Z bez rodzaju działu: ' + PitZ(3, {P_9: 100}));
print('  ujemny przychód: ' + PitZ(3, {P_7: 'pieczarkarnie', P_9: -100}));

Stan(UsunZalacznik(id, szklarnie, 'PIT/Z nr 1', 'przeliczPoUsunieciuPITZ'));
print('  PIT/Z chowu drobiu ma nr ' + Otworz(Sesja(), drob.ID).Numer);
PitZ(2, SZKLARNIE);
print('przeliczPoZamknieciuPITZ:');
Stan(Akcja(id, 'przeliczPoZamknieciuPITZ'));

var gotowy = Gotowy(id);
ZapiszEDeklaracje(gotowy, 'PIT-36_23_Z.xml');
print('e-deklaracja w pliku PIT-36_23_Z.xml, kwota ' + Kwota(gotowy.KwotaCalkowita));
