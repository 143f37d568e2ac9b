// CIT-8(24): zeznanie roczne podatnika podatku dochodowego od osób prawnych. Przeliczenie wypełnia
// podatnika z ustawień firmy, przychody i koszty roku z danych księgowych hosta (DaneCIT2 usługi
// deklaracji), liczby załączników i odliczenia z załączników CIT-D i CIT/BR, część CIT-8/O, a potem
// dochód, podstawę, podatek 19% i rozliczenie z zaliczkami.

var CIT8_OD_ROKU = 2016;
var CIT8_STAWKA = 19;
// Darowizny odlicza się do wysokości 10% dochodu (art. 18 ust. 1 pkt 1 ustawy).
var CIT8_LIMIT_DAROWIZN = 0.1;

// Kwoty wpisywane lub wyliczane w złotych i groszach, i kwoty w pełnych złotych.
var CIT8_POLA_GROSZE = ['P_15', 'P_16', 'P_17', 'P_18', 'P_19', 'P_20', 'P_21', 'P_22', 'P_23', 'P_24', 'P_25',
                        'P_26', 'P_27', 'P_O1', 'P_O2', 'P_O3'];
var CIT8_POLA_ZLOTE = ['P_28', 'P_30', 'P_31', 'P_32', 'P_33', 'P_34', 'P_35'];

// Wyliczenie pozycji z kwot wpisanych: każda pozycja wynikowa z tych, z których powstaje.
function Cit8Wylicz()
{
    var w = {};
    w.P_O3 = PitGrosze(KwotaPola('P_O1') + KwotaPola('P_O2'));
    w.P_26 = KwotaPola('P_10') == 1 ? w.P_O3 : 0;
    w.P_19 = PitGrosze(KwotaPola('P_15') + KwotaPola('P_17'));
    w.P_20 = PitGrosze(KwotaPola('P_16') + KwotaPola('P_18'));
    w.P_21 = PitGrosze(Math.max(0, w.P_19 - w.P_20));
    w.P_22 = PitGrosze(Math.max(0, w.P_20 - w.P_19));
    w.P_27 = PitGrosze(Math.min(w.P_21, KwotaPola('P_23') + KwotaPola('P_24') + KwotaPola('P_25') + w.P_26));
    w.P_28 = PelneZlote(w.P_21 - w.P_27);
    w.P_30 = PelneZlote(w.P_28 * KwotaPola('P_29') / 100);
    w.P_32 = Math.max(0, w.P_30 - PelneZlote(KwotaPola('P_31')));
    w.P_34 = Math.max(0, w.P_32 - KwotaPola('P_33'));
    w.P_35 = Math.max(0, KwotaPola('P_33') - w.P_32);
    return w;
}

// "onupdate" kwot wpisywanych: pozycje wynikowe na nowo.
function Cit8Przelicz()
{
    if (KwotaPola('P_29') == 0)
        UstawPole('P_29', CIT8_STAWKA);
    var w = Cit8Wylicz();
    for (var nazwa in w)
        UstawPole(nazwa, w[nazwa]);
}

// Podatnik z ustawień firmy; pola wpisane przez użytkownika zostają.
function Cit8UzupelnijPodatnika()
{
    var firma = dokument.Session.CreateObject('TLX.FirmaCfgRO');
    PitUzupelnij('P_1', PitTekst(firma.NIP).replace(/[\s-]/g, ''));
    PitUzupelnij('P_8', PitTekst(firma.Nazwa));
    PitUzupelnij('P_9', PitUstawienieFirmy('FirmaREGON'));
    var urzad = firma.UrzadSkarbowy;
    if (urzad != null)
        PitUzupelnij('P_6', PitTekst(urzad.Kod));
}

// Rok podatkowy równy kalendarzowemu, gdy użytkownik nie wpisał innego.
function Cit8UstawRokPodatkowy()
{
    PitUstawOkresRoczny();
    PitUzupelnij('P_4', dokument.Rok + '-01-01');
    PitUzupelnij('P_5', dokument.Rok + '-12-31');
}

// Przychody i koszty roku z danych księgowych hosta (bez zapisów w buforze). Koszty reprezentacji nie
// są kosztem uzyskania przychodów (art. 16 ust. 1 pkt 28 ustawy), więc nie wchodzą do poz. 16.
function Cit8DaneZKsiag()
{
    var serwis = dokument.Session.CreateObject('TLX.SerwisDeklaracji');
    var rs = serwis.DaneCIT2(dokument.Rok, 12, 0);
    var pole = function (nazwa) { return PitGrosze(Number(rs.Fields(nazwa).Value)); };
    dokument.P_15 = pole('Przychod');
    dokument.P_16 = pole('KosztyBezReklamy');
    dokument.P_17 = pole('PrzUzpTRP');
    dokument.P_18 = pole('KosztyPozaRP');
}

// Liczby załączników i odliczenia z nich, jak zapisane w bazie.
function Cit8ZZalacznikow()
{
    var d = CitPodsumujZalaczniki(CIT_D);
    var br = CitPodsumujZalaczniki(CIT_BR);
    return {
        P_11: d.liczba, P_12: CitPodsumujZalaczniki(CIT_ST).liczba, P_13: CitPodsumujZalaczniki(CIT_STA).liczba,
        P_14: br.liczba, P_24: d.suma, P_25: br.suma
    };
}

// Akcje list załączników: liczby i odliczenia z załączników, potem pozycje wynikowe.
function Cit8PoZmianieZalacznikow()
{
    var z = Cit8ZZalacznikow();
    for (var nazwa in z)
        UstawPole(nazwa, z[nazwa]);
    Cit8Przelicz();
}

// "onCITSTAListChanged", "onCITSTADeleted": jak przy innych listach, a do tego liczba załączników CIT-ST/A na
// załącznikach CIT-ST zeznania.
function Cit8PoZmianieCitSta()
{
    Cit8PoZmianieZalacznikow();
    CitUzgodnijLiczbeCitSta();
}

// "onCIT8OAdded": część CIT-8/O dołączona, jej odliczenia wchodzą do poz. 26.
function Cit8DodanoCit8O()
{
    UstawPole('P_10', 1);
    Cit8Przelicz();
}

// "onCIT8ODeleted": część CIT-8/O usunięta razem ze swoimi kwotami.
function Cit8UsunietoCit8O()
{
    UstawPole('P_10', 0);
    UstawPole('P_O1', 0);
    UstawPole('P_O2', 0);
    Cit8Przelicz();
}

// "oncalculate".
function Cit8Policz()
{
    Cit8UstawRokPodatkowy();
    Cit8UzupelnijPodatnika();
    Cit8DaneZKsiag();
    Cit8PoZmianieZalacznikow();
}

// "onverify": okres formularza, cel złożenia, kwoty nieujemne, pełne złote, limity odliczeń, pozycje
// wynikowe i zgodność z zapisanymi załącznikami.
function Cit8Weryfikuj()
{
    PitSprawdzRok('4', CIT8_OD_ROKU, 'CIT-8(24)');
    if (KwotaPola('P_7') != 1 && KwotaPola('P_7') != 2)
        PitBlad('7', 'cel złożenia musi mieć wartość 1 (złożenie) albo 2 (korekta).');
    if (KwotaPola('P_29') != CIT8_STAWKA)
        PitBlad('29', 'stawka podatku wynosi ' + CIT8_STAWKA + '%.');
    PitSprawdzNieujemne(CIT8_POLA_GROSZE.concat(CIT8_POLA_ZLOTE));
    PitSprawdzPelneZlote(CIT8_POLA_ZLOTE);
    if (KwotaPola('P_23') > KwotaPola('P_21'))
        PitBlad('23', 'odliczenie straty z lat ubiegłych nie może przekroczyć dochodu z poz. 21.');
    if (KwotaPola('P_24') > PitGrosze(KwotaPola('P_21') * CIT8_LIMIT_DAROWIZN))
        PitBlad('24', 'odliczenie darowizn nie może przekroczyć 10% dochodu z poz. 21.');
    if (KwotaPola('P_31') > KwotaPola('P_30'))
        PitBlad('31', 'odliczenia od podatku nie mogą przekroczyć podatku z poz. 30.');
    if (KwotaPola('P_10') != 1 && KwotaPola('P_O3') != 0)
        PitBlad('10', 'kwoty części CIT-8/O wymagają jej dołączenia.');
    var w = Cit8Wylicz();
    for (var nazwa in w)
        if (Math.abs(KwotaPola(nazwa) - w[nazwa]) > 0.001)
            PitDoPrzeliczenia(PitPozycja(nazwa), 'kwota nie odpowiada pozycjom, z których powstaje.');
    var z = Cit8ZZalacznikow();
    for (var pole in z)
        if (Math.abs(KwotaPola(pole) - z[pole]) > 0.001)
            PitDoPrzeliczenia(PitPozycja(pole), 'kwota zeznania (' + KwotaPola(pole) +
                              ') nie zgadza się z załącznikami (' + z[pole] + ').');
}

// "kwota": podatek do zapłaty.
function Cit8Kwota()
{
    return KwotaPola('P_34');
}

// "termin": koniec trzeciego miesiąca roku następnego (art. 27 ust. 1 ustawy), w dzień roboczy.
function Cit8Termin()
{
    return DzienRoboczy(new Date(dokument.Rok + 1, 3, 0));
}

function Cit8Opis()
{
    return 'CIT-8 za ' + dokument.Rok;
}
