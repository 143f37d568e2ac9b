// Helpers of the scripts that build a taxpayer's return with its attachments as the user does, each attachment
// closed (saved) in a window of its own before the return recounts through its actions. Their tests put this file
// before the script.
function Sesja() { return Session.Login.CreateSession(); }
function Otworz(sesja, id) { return sesja.CreateObject('TLXDeklaracje.Deklaracje', String(id)); }
function Kwota(v) { return Number(v).toFixed(2); }
// The positions numbered `nazwy` of the declaration `d`, as "n: amount".
function Pozycje(d, nazwy) {
    var wynik = [];
    for (var i = 0; i < nazwy.length; i++) wynik.push(nazwy[i] + ': ' + Kwota(d['P_' + nazwy[i]]));
    return wynik.join(', ');
}
// The position numbers `od` to `doPoz`.
function Zakres(od, doPoz) {
    var numery = [];
    for (var n = od; n <= doPoz; n++) numery.push(n);
    return numery;
}
// A new declaration of 2024 on the employee card `pracownik`, in the session `sesja`.
function Nowa(sesja, typ, wersja, pracownik) {
    var d = sesja.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
    d.TypDeklar = typ; d.Wersja = wersja; d.Rok = 2024;
    d.Pracownik = sesja.CreateObject('TLX.Pracownicy').Item(pracownik);
    return d;
}
// The returns of 2024 the attachment scripts add to, saved together: a PIT-36 on card 1 with its pay, costs and
// contributions, and a PIT-37 on card 2, which takes none of those attachments.
function ZeznaniaPit36IPit37() {
    var sesja = Sesja();
    var pit36 = Nowa(sesja, 15, 23, '1');
    pit36.P_24 = 55992; pit36.P_25 = 3000; pit36.P_27 = 1836; pit36.P_46 = 7676.52;
    pit36.Policz();
    var pit37 = Nowa(sesja, 35, 23, '2');
    pit37.Policz();
    sesja.Save();
    return { pit36: pit36, pit37: pit37 };
}
// An attachment of the return `rodzic`, closed: saved in its own session. Answers the saved attachment, or the
// refusal.
function Zalacznik(rodzic, typ, wersja, numer, pola) {
    var s = Sesja();
    var z = s.CreateObject('TLXDeklaracje.Deklaracje').AddNew();
    z.TypDeklar = typ; z.Wersja = wersja; z.Rok = 2024; z.ParentId = rodzic; z.Numer = numer;
    for (var k in pola) z[k] = pola[k];
    z.Policz();
    try {
        s.Save();
    } catch (err) {
        return 'odmowa: ' + err.description;
    }
    return z;
}
// The action `nazwa` of the return `id`, run on the return opened afresh and saved; prints a refusal, and a
// "weryfikuj" that passes.
function Akcja(id, nazwa) {
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
// The attachment `zalacznik` of the return `id` deleted in a window of its own: until the return recounts by its
// action `akcja`, its check finds the attachments wrong. Answers the return as the action left it.
function UsunZalacznik(id, zalacznik, opis, akcja) {
    var s = Sesja();
    s.CreateObject('TLXDeklaracje.Deklaracje').Delete(Otworz(s, zalacznik.ID));
    s.Save();
    print('Usunięty ' + opis + ':');
    Akcja(id, 'weryfikuj');
    print(akcja + ':');
    return Akcja(id, akcja);
}
// The return `id` opened afresh, calculated and checked, as the user files it.
function Gotowy(id) {
    var d = Otworz(Sesja(), id);
    d.Policz();
    d.Verify();
    return d;
}
// The official document of the declaration `d` written into the folder `folder` names, as the file `plik`.
function ZapiszEDeklaracje(d, plik) {
    var e = new ActiveXObject('TLX.EDeklaracja');
    e.Login = Session.Login;
    e.ZapiszXml(d, '', folder + '/' + plik);
}
