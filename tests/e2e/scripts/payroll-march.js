// Per employee of the demo company: the record at 2024-03-31 with its working time on the RCA, the
// March payouts with their ZUS amounts, the absences; then the March averages of the full-time
// equivalents.
var koniecMarca = new Date(2024, 2, 31);
function Dzien(d) {
    if (d == null) return '-';
    var t = new Date(d);
    function dwa(n) { return (n < 10 ? '0' : '') + n; }
    return t.getFullYear() + '-' + dwa(t.getMonth() + 1) + '-' + dwa(t.getDate());
}
function Kwota(v) { return Number(v).toFixed(2); }
function Tytul(kod) { var t = String(kod); while (t.length < 4) t = '0' + t; return t; }
// The working time as position 7 of the person's RCA block shows it from his own record: only a record
// with the second denominator has one, and titles 05xx none.
function Pozycja7(e) {
    var etat = e.WymiarEtatu;
    if (etat.Mianownik2 == 0 || Math.floor(e.Tytul.Kod / 100) == 5) return '-';
    return etat.Licznik + ' ' + etat.Mianownik;
}
var pracownicy = new Enumerator(Session.CreateObject('TLX.Pracownicy'));
for (; !pracownicy.atEnd(); pracownicy.moveNext()) {
    var p = pracownicy.item();
    var e = p.GetEtat(koniecMarca);
    var etat = e.WymiarEtatu;
    print('[' + p.Kod + '] ' + e.Nazwisko + ' ' + e.Imie1 + ': tytuł ' + Tytul(e.Tytul.Kod) + ', stopień ' +
          e.StopienNiepelnosprawnosci + ', prawo do emerytury lub renty ' + e.PrawoEmerRent + ', etat ' +
          etat.Licznik + '/' + etat.Mianownik + ', poz. 7 RCA ' + Pozycja7(e) + ', ważny ' +
          Dzien(e.OkresWaznosci.DataOd) + '..' + Dzien(e.OkresWaznosci.DataDo));
    var wyplaty = new Enumerator(p.Wyplaty);
    for (; !wyplaty.atEnd(); wyplaty.moveNext()) {
        var w = wyplaty.item();
        var okres = w.ListaPlac.RokMiesiac;
        if (okres.Rok != 2024 || okres.Miesiac != 3) continue;
        print('  wypłata ' + w.ID + ' z listy typu ' + w.ListaPlac.Typ + ': ' + Kwota(w.Kwota));
        var elementy = new Enumerator(w.Elementy);
        for (; !elementy.atEnd(); elementy.moveNext()) {
            var el = elementy.item();
            var z = el.DaneZUS;
            print('    ' + el.Typ.Nazwa + ' ' + Kwota(el.Kwota) + ', kod ' + z.KodTytulu + ', podstawy ' +
                  [z.PodstawaEmerytalna, z.PodstawaRentowa, z.PodstawaChorobowa, z.PodstawaWypadkowa, z.PodstawaFP,
                   z.PodstawaFGSP, z.PodstawaZdrowotna].map(Kwota).join(' '));
            print('      składki ' + [z.EmerytalnaPracownik, z.EmerytalnaPlatnik, z.RentowaPracownik, z.RentowaPlatnik,
                  z.ChorobowaPracownik, z.ChorobowaPlatnik, z.WypadkowaPracownik, z.WypadkowaPlatnik,
                  z.ZdrowotnaOdliczana, z.ZdrowotnaFinansowana, z.ZdrowotnaPozostala, z.ZaliczkaPodatku, z.KwotaFEP,
                  z.SkladkaFP, z.SkladkaFGSP].map(Kwota).join(' '));
        }
    }
    var nieobecnosci = new Enumerator(p.Nieobecnosci);
    for (; !nieobecnosci.atEnd(); nieobecnosci.moveNext()) {
        var n = nieobecnosci.item();
        print('  nieobecność ' + n.Rodzaj.Kod + ' ' + Dzien(n.Okres.DataOd) + '..' + Dzien(n.Okres.DataDo));
    }
}
function Srednia(polecenie, kolumna) {
    var wiersze = Session.Connection.Execute(polecenie), suma = 0, dni = 0;
    for (; !wiersze.EOF; wiersze.MoveNext()) { suma += Number(wiersze.Fields(kolumna).Value); dni++; }
    return (suma / dni).toFixed(4) + ' (' + dni + ' dni)';
}
print('ZPCHR, średnio w marcu: ' + Srednia("DECLARE @D1 DATETIME \t\t\t\t\t\t\t  DECLARE @D2 DATETIME \t\t\t\t\t\t\t  " +
    "SET @D1 = CONVERT(datetime,'2024-03-01',120) \t\t\t\t\t\t\t  SET @D2 = CONVERT(datetime,'2024-03-31',120) " +
    "\t\t\t\t\t\t\t  exec TLX.ZPCHR @D1 , @D2, 1", 'Tmp_ET_P'));
var sod3 = "DECLARE @DataOd DATETIME,@DataDo DATETIME; SET @DataOd= CONVERT(datetime, '2024-03-01', 120); " +
    "SET @DataDo=CONVERT(datetime, '2024-03-31', 120); exec TLX.SOD3 @DataOd, @DataDo, 1;";
print('SOD3, średnio w marcu: wszyscy ' + Srednia(sod3, 'TMP_ET_P') + ', niepełnosprawni ' + Srednia(sod3, 'TMP_ET_N'));
// The year of the employee who passes the annual pension base limit in October: his pension base stops,
// his FP and FGŚP do not.
var zielinski = Session.CreateObject('TLX.Pracownicy', '8');
print('[' + zielinski.Kod + '] w 2024: podstawa emerytalna, FP, FGŚP');
var jegoWyplaty = new Enumerator(zielinski.Wyplaty);
for (; !jegoWyplaty.atEnd(); jegoWyplaty.moveNext()) {
    var wz = jegoWyplaty.item(), dz = wz.DaneZUS, mz = wz.ListaPlac.RokMiesiac.Miesiac;
    print('  ' + (mz < 10 ? '0' : '') + mz + '/2024: ' + [dz.PodstawaEmerytalna, dz.SkladkaFP, dz.SkladkaFGSP].map(Kwota).join(' '));
}
