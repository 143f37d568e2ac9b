// The PIT-11 information of 2024 for every employee of the demo company, as a payroll clerk makes them:
// one per main card (a secondary card's payouts belong to its main card's information), calculated from
// the year's payroll, saved numbered in a session of its own, and written as the official document into
// the folder the variable `folder` names. An information the module refuses to save is reported with the
// refusal; a person paid nothing in the year (the owner) gets none.
var e = new ActiveXObject('TLX.EDeklaracja');
e.Login = Session.Login;
function Dodatkowa(p) {
    try { p.GetEtat(new Date(2024, 11, 31)).Powiazanie; return true; } catch (err) { return false; }
}
function Kwota(v) { return Number(v).toFixed(2); }
function Dzien(d) {
    function dwa(n) { return (n < 10 ? '0' : '') + n; }
    return d.getFullYear() + '-' + dwa(d.getMonth() + 1) + '-' + dwa(d.getDate());
}
var pracownicy = new Enumerator(Session.CreateObject('TLX.Pracownicy'));
for (; !pracownicy.atEnd(); pracownicy.moveNext()) {
    var p = pracownicy.item();
    if (Dodatkowa(p)) continue;
    var sesja = Session.Login.CreateSession();
    var d = sesja.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
    d.TypDeklar = 5; d.Wersja = 23; d.Rok = 2024;
    d.Pracownik = sesja.CreateObject('TLX.Pracownicy').Item(String(p.ID));
    d.Policz();
    var linia = '[' + p.Kod + '] ' + d.Opis + ' | poz. 11 ' + d.P_11 + ' | 1: ' +
        [d.P_29, d.P_30, d.P_31].map(Kwota).join(' ') + ' zal. ' + d.P_33 + ' | 6: ' +
        [d.P_49, d.P_50, d.P_51].map(Kwota).join(' ') + ' zal. ' + d.P_52 + ' | składki ' + Kwota(d.P_70) +
        ' ' + Kwota(d.P_72);
    if (Number(d.P_29) + Number(d.P_49) == 0) {
        print(linia + ' | bez przychodów w roku, informacji nie zapisano');
        continue;
    }
    try {
        sesja.Save();
    } catch (err) {
        print(linia + ' | odmowa: ' + err.description);
        continue;
    }
    var plik = folder + '/PIT-11_' + p.Kod.replace('/', '_') + '.xml';
    e.ZapiszXml(d, '', plik);
    print(linia + ' | nr ' + d.Numer + ', termin ' + Dzien(d.Termin));
}
