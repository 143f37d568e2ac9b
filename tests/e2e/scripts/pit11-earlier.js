// The PIT-11 information of earlier years, each in the form's version of its year, as a payroll clerk makes
// them when an earlier year's information is to be made again: the demo company's payroll of 2024 moved into
// that year (its lists paid in it; the records of Jan Kowalski and of Anna Nowak with her contract card valid
// through it). Each information is calculated, saved and written as the official document of its version into
// the folder the variable `folder` names; a version asked for a year outside its own is refused.
var e = new ActiveXObject('TLX.EDeklaracja');
e.Login = Session.Login;
var c = Session.Connection;
c.Execute("update TLX.PracEtaty set PRE_DataOd = '2000-01-01 00:00:00', PRE_DataDo = '2999-12-31 00:00:00' " +
          "where PRE_PraId in (1, 2, 3)");
function Karta(kod) {
    for (var p = new Enumerator(Session.CreateObject('TLX.Pracownicy')); !p.atEnd(); p.moveNext())
        if (p.item().Kod == kod) return p.item();
}
function Kwota(v) { return Number(v).toFixed(2); }
function Dzien(d) {
    function dwa(n) { return (n < 10 ? '0' : '') + n; }
    return d.getFullYear() + '-' + dwa(d.getMonth() + 1) + '-' + dwa(d.getDate());
}
function Nowa(sesja, wersja, rok, kod) {
    var d = sesja.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
    d.TypDeklar = 5; d.Wersja = wersja; d.Rok = rok; d.Miesiac = 12;
    d.Pracownik = sesja.CreateObject('TLX.Pracownicy').Item(String(Karta(kod).ID));
    return d;
}
// The position of versions 22 and 23 numbered `n`, in the numbering of the declaration's version.
function Pozycje(d, o) {
    return function (n) { return d['P_' + (n - o)]; };
}
var lata = [[20, 2013], [21, 2014], [22, 2015], [23, 2016]];
var rokWyplat = 2024;
for (var i = 0; i < lata.length; i++) {
    var wersja = lata[i][0], rok = lata[i][1];
    // The lists keep their months; 29 February 2024 becomes the 28th.
    c.Execute("update TLX.ListyPlac set LPL_DataWyplaty = replace(replace(LPL_DataWyplaty, '" + rokWyplat + "-', '" +
              rok + "-'), '-02-29', '-02-28')");
    rokWyplat = rok;
    // Versions 20 and 21 number their positions from the costs of earning on 4 below versions 22 and 23.
    var o = wersja >= 22 ? 0 : 4;
    var kody = ['P001', 'P002'];
    for (var k = 0; k < kody.length; k++) {
        var sesja = Session.Login.CreateSession();
        var d = Nowa(sesja, wersja, rok, kody[k]);
        d.Policz();
        var P = Pozycje(d, o);
        print('[' + kody[k] + '] PIT-11(' + wersja + ') ' + d.Opis + ' | id ' + d['P_' + (wersja >= 22 ? 11 : 10)] +
              ' | 1: ' + [P(29), P(30), P(31)].map(Kwota).join(' ') + ' zal. ' + P(33) +
              ' | 6: ' + [P(49), P(50), P(51)].map(Kwota).join(' ') + ' zal. ' + P(52) +
              ' | składki ' + Kwota(P(70)) + ' ' + Kwota(P(72)) + ' | PIT-R ' + P(76) + ' | termin ' + Dzien(d.Termin));
        sesja.Save();
        e.ZapiszXml(d, '', folder + '/PIT-11_' + wersja + '_' + kody[k] + '.xml');
    }
}
var d = Nowa(Session.Login.CreateSession(), 21, 2015, 'P001');
try {
    d.Policz();
    print('PIT-11(21) za 2015 przeliczona');
} catch (err) {
    print('PIT-11(21) za 2015: ' + err.description);
}
