// The employer's yearly forms of 2024 other than the PIT-11, as a payroll clerk makes them for single
// persons of the demo company: each made in a session of its own, calculated from the person's record and
// payroll, saved numbered and written as the official document into the folder the variable `folder`
// names; a form the module refuses to save is reported with the refusal. `forms` lists what to make:
// "PIT-40" (the calculation for an employee who asked for it), "PIT-8C" (income from other sources typed
// by the clerk), "IFT-1R" (a non-resident's income, his foreign number and residence typed by the clerk)
// and "IFT-1" (the same on his request, for the first half of the year).
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
// Makes one form: `wpisz` types what the clerk types before the calculation; `kwoty` the positions shown;
// `osoba` the positions of the person's identifiers (9 and 10 unless given).
function Formularz(symbol, typ, wersja, kod, wpisz, kwoty, osoba) {
    osoba = osoba || [9, 10];
    var sesja = Session.Login.CreateSession();
    var d = sesja.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
    d.TypDeklar = typ; d.Wersja = wersja; d.Rok = 2024;
    d.Pracownik = Karta(sesja, kod);
    if (wpisz) wpisz(d);
    d.Policz();
    var linia = '[' + kod + '] ' + d.Opis + ' | poz. ' + osoba[0] + ' ' + d['P_' + osoba[0]] + ', poz. ' + osoba[1] + ' ' +
                d['P_' + osoba[1]] + ' | ' + Kwoty(d, kwoty[0], kwoty[1]);
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
    // John Smith's record holds no foreign number and a Polish address of his stay: refused until the clerk
    // types his passport's number and his residence in Britain. Royalties under the treaty (row D.4).
    var osoba = function (d) {
        d.P_25 = 'Leeds'; d.P_29 = 'GB'; d.P_30 = 'London'; d.P_31 = 'SW1A 1AA'; d.P_32 = 'Baker Street'; d.P_33 = '221B';
    };
    var numer = function (d) { d.P_26 = 'GB123456789'; d.P_27 = 3; d.P_28 = 'GB'; };
    var licencja = function (d) { d.P_48 = 10000.40; d.P_49 = 20; d.P_50 = 2000.08; d.P_76 = '2025-01-20'; };
    if (forms[f] == 'IFT-1R') {
        Formularz('IFT-1R', 24, 13, 'P019', function (d) { osoba(d); licencja(d); }, [47, 50], [26, 28]);
        Formularz('IFT-1R', 24, 13, 'P019', function (d) { osoba(d); licencja(d); numer(d); }, [47, 50], [26, 28]);
    }
    if (forms[f] == 'IFT-1') {
        // On his request of 3 July, for the months to June.
        Formularz('IFT-1', 10, 13, 'P019', function (d) {
            d.Miesiac = 6; osoba(d); licencja(d); numer(d); d.P_75 = '2024-07-03'; d.P_76 = '2024-07-10';
        }, [47, 50], [4, 5]);
        // Anna Nowak's contract of mandate, on her request of 2 April, for January to March: row D.10 from
        // the payouts of her secondary card. Her parents' names, which no record holds, typed by the clerk.
        Formularz('IFT-1', 10, 13, 'P002', function (d) {
            d.Miesiac = 3; osoba(d); numer(d); d.P_22 = 'Jan'; d.P_23 = 'Maria'; d.P_75 = '2024-04-02'; d.P_76 = '2024-04-05';
        }, [71, 74], [4, 5]);
    }
}
