// The employer's yearly forms of 2024 other than the PIT-11, as a payroll clerk makes them for single
// persons of the demo company: each made in a session of its own, calculated from the person's record and
// payroll, saved numbered and written as the official document into the folder the variable `folder`
// names; a form the module refuses to save is reported with the refusal. `forms` lists what to make:
// "PIT-40" (the calculation for an employee who asked for it), "PIT-8C" (income from other sources typed
// by the clerk) and "IFT-1R" (a non-resident's income, his foreign number typed by the clerk).
var e = new ActiveXObject('TLX.EDeklaracja');
e.Login = Session.Login;
function Karta(sesja, kod) {
    for (var p = new Enumerator(sesja.CreateObject('TLX.Pracownicy')); !p.atEnd(); p.moveNext())
        if (p.item().Kod == kod) return p.item();
    return null;
}
function Kwoty(d, od, doPoz) {
    var w = [];
    for (var n = od; n <= doPoz; n++) w.push(d['P_' + n]);
    return w.join(' ');
}
function Dzien(d) {
    function dwa(n) { return (n < 10 ? '0' : '') + n; }
    return d.getFullYear() + '-' + dwa(d.getMonth() + 1) + '-' + dwa(d.getDate());
}
// Makes one form: `wpisz` types what the clerk types before the calculation; `kwoty` the positions shown.
function Formularz(symbol, typ, wersja, kod, wpisz, kwoty) {
    var sesja = Session.Login.CreateSession();
    var d = sesja.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
    d.TypDeklar = typ; d.Wersja = wersja; d.Rok = 2024;
    d.Pracownik = Karta(sesja, kod);
    if (wpisz) wpisz(d);
    d.Policz();
    var linia = '[' + kod + '] ' + d.Opis + ' | poz. 9 ' + d.P_9 + ', poz. 10 ' + d.P_10 + ' | ' + Kwoty(d, kwoty[0], kwoty[1]);
    try {
        sesja.Save();
    } catch (err) {
        print(linia + ' | odmowa: ' + err.description);
        return null;
    }
    e.ZapiszXml(d, '', folder + '/' + symbol + '_' + kod + '.xml');
    print(linia + ' | nr ' + d.Numer + ', kwota ' + d.KwotaCalkowita + ', termin ' + Dzien(d.Termin));
    return d;
}
for (var f = 0; f < forms.length; f++) {
    if (forms[f] == 'PIT-40') {
        Formularz('PIT-40', 9, 22, 'P001', null, [26, 37]);
        Formularz('PIT-40', 9, 22, 'P008', null, [26, 37]);
        Formularz('PIT-40', 9, 22, 'P020', null, [26, 37]);
    }
    if (forms[f] == 'PIT-8C') {
        // Joanna Kowalczyk left in August; in December the social fund paid her a holiday benefit.
        Formularz('PIT-8C', 21, 8, 'P013', function (d) { d.P_28 = 1500; }, [26, 30]);
    }
    if (forms[f] == 'IFT-1R') {
        // John Smith's record holds no foreign number: refused until the clerk types his passport's.
        var licencja = function (d) { d.P_32 = 10000.40; d.P_33 = 20; d.P_34 = 2000.08; };
        Formularz('IFT-1R', 24, 13, 'P019', licencja, [26, 51]);
        Formularz('IFT-1R', 24, 13, 'P019', function (d) {
            licencja(d);
            d.P_10 = 'GB123456789'; d.P_11 = 3; d.P_12 = 'GB';
        }, [26, 51]);
    }
}
