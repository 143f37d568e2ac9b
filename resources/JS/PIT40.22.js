// PIT-40(22): roczne obliczenie podatku przez płatnika dla pracownika, który złożył mu wniosek. Przeliczenie
// wypełnia płatnika z ustawień firmy, podatnika z zapisu pracownika ważnego na koniec roku, a przychód,
// koszty, zaliczki i składki z wypłat roku ze stosunku pracy; podatek liczy skalą roku z jej kwotą
// zmniejszającą podatek, a różnica z zaliczkami daje nadpłatę albo niedopłatę.

// Kwoty formularza w złotych i groszach oraz w pełnych złotych.
var PIT40_KWOTY = ['P_26', 'P_27', 'P_28', 'P_29', 'P_30', 'P_31', 'P_32', 'P_33', 'P_34', 'P_35', 'P_36', 'P_37'];
var PIT40_PELNE_ZLOTE = ['P_29', 'P_32', 'P_35', 'P_36', 'P_37'];
// Formularz obowiązuje od obliczenia za 2016 r.; od wersji 21 wskazuje nierezydenta numerem zagranicznym.
var PIT40_OD_ROKU = 2016;
var PIT40_WERSJA_NUMERU_ZAGRANICZNEGO = 21;

// Skale podatku od roku `od`: próg, stawki do progu i ponad nim (%), podatek od kwoty progu i kwota
// zmniejszająca podatek - stała albo malejąca w przedziałach podstawy (`zmniejszenie`).
var PIT40_SKALE = [
    { od: 2022, prog: 120000, stawka: 12, stawkaPonad: 32, podatekProgu: 14400, zmniejszenie: [[0, 3600]] },
    { od: 2020, prog: 85528, stawka: 17, stawkaPonad: 32, podatekProgu: 14539.76,
      zmniejszenie: [[8000, 1360], [13000, 525.12], [85528, 525.12], [127000, 0]] },
    { od: 2019, prog: 85528, stawka: 17.75, stawkaPonad: 32, podatekProgu: 15181.22,
      zmniejszenie: [[8000, 1420], [13000, 548.30], [85528, 548.30], [127000, 0]] },
    { od: 2017, prog: 85528, stawka: 18, stawkaPonad: 32, podatekProgu: 15395.04,
      zmniejszenie: [[6600, 1188], [11000, 556.02], [85528, 556.02], [127000, 0]] },
    { od: 2016, prog: 85528, stawka: 18, stawkaPonad: 32, podatekProgu: 15395.04, zmniejszenie: [[0, 556.02]] }
];

function Pit40Skala(rok)
{
    for (var i = 0; i < PIT40_SKALE.length; i++)
        if (rok >= PIT40_SKALE[i].od) return PIT40_SKALE[i];
    return PIT40_SKALE[PIT40_SKALE.length - 1];
}

// Kwota zmniejszająca podatek przy podstawie: do pierwszego punktu jego kwota, między punktami liniowo od
// kwoty poprzedniego do kwoty następnego, za ostatnim punktem kwota ostatniego.
function Pit40KwotaZmniejszajaca(skala, podstawa)
{
    var punkty = skala.zmniejszenie;
    if (podstawa <= punkty[0][0]) return punkty[0][1];
    for (var i = 1; i < punkty.length; i++) {
        if (podstawa <= punkty[i][0]) {
            var od = punkty[i - 1], doPunktu = punkty[i];
            return od[1] + (doPunktu[1] - od[1]) * (podstawa - od[0]) / (doPunktu[0] - od[0]);
        }
    }
    return punkty[punkty.length - 1][1];
}

// Podatek od podstawy według skali roku, pomniejszony o kwotę zmniejszającą podatek, w groszach, nie
// mniej niż 0.
function Pit40PodatekWedlugSkali(rok, podstawa)
{
    var skala = Pit40Skala(rok);
    var podatek = podstawa <= skala.prog ? podstawa * skala.stawka / 100 :
        skala.podatekProgu + (podstawa - skala.prog) * skala.stawkaPonad / 100;
    return PitGrosze(Math.max(0, podatek - Pit40KwotaZmniejszajaca(skala, podstawa)));
}

// Kwoty wyliczane z przychodu, kosztów, zaliczek i składek.
function Pit40Wylicz()
{
    var w = {};
    w.dochod = PitDochod(KwotaPola('P_26'), KwotaPola('P_27'));
    w.poSkladkach = PitGrosze(Math.max(0, w.dochod - KwotaPola('P_30')));
    w.podstawa = PelneZlote(w.poSkladkach);
    w.podatek = Pit40PodatekWedlugSkali(dokument.Rok, w.podstawa);
    w.nalezny = PelneZlote(Math.max(0, w.podatek - KwotaPola('P_34')));
    w.nadplata = Math.max(0, KwotaPola('P_29') - w.nalezny);
    w.niedoplata = Math.max(0, w.nalezny - KwotaPola('P_29'));
    return w;
}

// "onZmianaPracownika": część C z zapisu pracownika na koniec roku.
function Pit40ZmianaPracownika()
{
    PitWypelnijPodatnika(dokument.Wersja >= PIT40_WERSJA_NUMERU_ZAGRANICZNEGO);
}

// Przychód, koszty, zaliczki i składki ze stosunku pracy z wypłat roku; składki społeczne odlicza się do
// wysokości dochodu.
function Pit40WypelnijZWyplat(pracownik)
{
    var etat = PitSumyRoku(pracownik, dokument.Rok).etat;
    UstawPole('P_26', etat.przychod);
    UstawPole('P_27', etat.koszty);
    UstawPole('P_29', etat.zaliczka);
    UstawPole('P_30', Math.min(etat.spoleczne, PitDochod(etat.przychod, etat.koszty)));
    UstawPole('P_34', etat.zdrowotne);
}

// Obliczenie podatku z przychodu, kosztów, zaliczek i składek: dochód, podstawa, podatek według skali,
// składka zdrowotna odliczona najwyżej do wysokości podatku, podatek należny i różnica z zaliczkami.
function Pit40Oblicz()
{
    UstawPole('P_29', PelneZlote(KwotaPola('P_29')));
    var w = Pit40Wylicz();
    UstawPole('P_28', w.dochod);
    UstawPole('P_31', w.poSkladkach);
    UstawPole('P_32', w.podstawa);
    UstawPole('P_33', w.podatek);
    UstawPole('P_34', PitGrosze(Math.min(KwotaPola('P_34'), w.podatek)));
    w = Pit40Wylicz();
    UstawPole('P_35', w.nalezny);
    UstawPole('P_36', w.nadplata);
    UstawPole('P_37', w.niedoplata);
}

// "oncalculate".
function Pit40Policz()
{
    PitUstawOkresRoczny();
    PitUzupelnijPlatnika();
    Pit40ZmianaPracownika();
    var pracownik = PitPracownik();
    if (pracownik != null)
        Pit40WypelnijZWyplat(pracownik);
    Pit40Oblicz();
}

// "onverify": obliczenie dla wskazanego pracownika, w roku obowiązywania formularza, z kwotami
// nieujemnymi, w pełnych złotych tam, gdzie formularz ich wymaga, i zgodne z obliczeniem.
function Pit40Weryfikuj()
{
    PitSprawdzPracownika(PIT40_OD_ROKU, 'PIT-40(22)', 'roczne obliczenie podatku PIT-40 nie ma wskazanego pracownika.');
    PitSprawdzNieujemne(PIT40_KWOTY);
    PitSprawdzPelneZlote(PIT40_PELNE_ZLOTE);
    if (KwotaPola('P_30') > KwotaPola('P_28') + 0.005)
        PitBlad('30', 'składki odlicza się od dochodu najwyżej do jego wysokości.');
    if (KwotaPola('P_34') > KwotaPola('P_33') + 0.005)
        PitBlad('34', 'składkę zdrowotną odlicza się od podatku najwyżej do jego wysokości.');
    var w = Pit40Wylicz();
    var przeliczyc = 'kwota nie odpowiada obliczeniu podatku.';
    PitSprawdzWyliczone('P_28', w.dochod, 'dochód nie odpowiada przychodowi pomniejszonemu o koszty.');
    PitSprawdzWyliczone('P_31', w.poSkladkach, przeliczyc);
    PitSprawdzWyliczone('P_32', w.podstawa, przeliczyc);
    PitSprawdzWyliczone('P_33', w.podatek, 'podatek nie odpowiada skali podatku roku ' + dokument.Rok + '.');
    PitSprawdzWyliczone('P_35', w.nalezny, przeliczyc);
    PitSprawdzWyliczone('P_36', w.nadplata, przeliczyc);
    PitSprawdzWyliczone('P_37', w.niedoplata, przeliczyc);
}

// "kwota": niedopłata, którą płatnik pobiera od pracownika i wpłaca.
function Pit40Kwota()
{
    return KwotaPola('P_37');
}

// "termin": do końca lutego roku następnego, w dzień roboczy.
function Pit40Termin()
{
    return PitTerminKoniecLutego(dokument.Rok);
}

function Pit40Opis()
{
    return PitOpisInformacji('PIT-40');
}
