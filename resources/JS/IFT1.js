// Biblioteka "IFT1": informacja płatnika o przychodach (dochodach) osoby fizycznej niemającej w Polsce
// miejsca zamieszkania, od których pobrał zryczałtowany podatek, w dwóch rodzajach jednego wzoru:
// IFT-1R za cały rok i IFT-1 na wniosek podatnika za okres od początku roku. Pola w numeracji pozycji
// formularza (P_n): płatnik (poz. 1-19), podatnik (poz. 20-34), wiersze D.1-D.10 rodzajów dochodu
// (poz. 35-74) i daty części E (poz. 75, 76). Przeliczenie wypełnia płatnika z ustawień firmy, podatnika
// z zapisu pracownika ważnego na koniec roku oraz wiersz D.10 z wypłat okresu z umów cywilnoprawnych.
// Wymaga bibliotek "KsiCommon" i "COMMONFUNCPIT".

// Rodzaje informacji: symbol, czy obejmuje cały rok, rok, od którego obowiązuje wzór.
var IFT_RODZAJE = {
    'IFT-1R': { symbol: 'IFT-1R', roczna: true, odRoku: 2016 },
    'IFT-1': { symbol: 'IFT-1', roczna: false, odRoku: 2016 }
};

// Wiersze części D od poz. 35, po cztery pozycje: dochód zwolniony z opodatkowania, dochód podlegający
// opodatkowaniu, stawka podatku w procentach i kwota pobranego podatku. D.1-D.9 przy umowie o unikaniu
// podwójnego opodatkowania, D.10 bez niej (przychód według art. 29-30a ustawy).
var IFT_PIERWSZA_POZYCJA_D = 35;
var IFT_WIERSZY_D = 10;
var IFT_WIERSZ_UMOWY = 10;
// Stawka zryczałtowanego podatku od przychodów z umów cywilnoprawnych nierezydenta.
var IFT_STAWKA_UMOWY = 20;
var IFT_NAJWYZSZA_STAWKA = 100;
// Dni na sporządzenie informacji IFT-1 od złożenia wniosku przez podatnika.
var IFT_DNI_NA_WNIOSEK = 14;

// Pola płatnika w tej numeracji dla biblioteki "COMMONFUNCPIT".
var IFT_POLA_PLATNIKA = { rodzaj: 'P_8', nazwa: 'P_9', urzad: 'P_6' };

function IftRodzaj(symbol)
{
    return IFT_RODZAJE[symbol];
}

// Wiersz n (1-10) części D: nazwy jego czterech pól.
function IftWiersz(n)
{
    var p = IFT_PIERWSZA_POZYCJA_D + 4 * (n - 1);
    return { zwolniony: 'P_' + p, opodatkowany: 'P_' + (p + 1), stawka: 'P_' + (p + 2), podatek: 'P_' + (p + 3) };
}

// Nazwy pól jednej kolumny wszystkich wierszy części D.
function IftKolumna(cecha)
{
    var nazwy = [];
    for (var n = 1; n <= IFT_WIERSZY_D; n++)
        nazwy.push(IftWiersz(n)[cecha]);
    return nazwy;
}

// Data "RRRR-MM-DD" z pola albo null, gdy pole jest puste lub nie jest datą.
function IftData(nazwa)
{
    var m = /^(\d{4})-(\d{2})-(\d{2})$/.exec(PitTekst(dokument[nazwa]));
    if (m == null) return null;
    var d = new Date(Number(m[1]), Number(m[2]) - 1, Number(m[3]));
    if (d.getMonth() != Number(m[2]) - 1 || d.getDate() != Number(m[3])) return null;
    return d;
}

// Okres informacji (poz. 4 i 5): IFT-1R zawsze cały rok; IFT-1 od 1 stycznia do końca miesiąca
// deklaracji, gdy użytkownik nie wpisał innych dat.
function IftUstawOkres(rodzaj)
{
    var rok = dokument.Rok;
    if (rodzaj.roczna) {
        PitUstawOkresRoczny();
        dokument.P_4 = rok + '-01-01';
        dokument.P_5 = rok + '-12-31';
        return;
    }
    PitUzupelnij('P_4', rok + '-01-01');
    PitUzupelnij('P_5', PitDataTekst(new Date(rok, dokument.Miesiac, 0)));
}

// Płatnik z ustawień firmy, z adresem siedziby albo zamieszkania (poz. 10-19); wpisane pola zostają.
function IftUzupelnijPlatnika()
{
    PitUzupelnijPlatnika(IFT_POLA_PLATNIKA);
    var firma = dokument.Session.CreateObject('TLX.FirmaCfgRO');
    var adres = [PitKodKraju(firma.Kraj), firma.Wojewodztwo, firma.Powiat, firma.Gmina, firma.Ulica, firma.Nr_domu,
                 firma.Nr_Lokalu, firma.Miasto, firma.KodPocztowy, firma.Poczta];
    for (var i = 0; i < adres.length; i++)
        PitUzupelnij('P_' + (10 + i), PitTekst(adres[i]));
}

// "onZmianaPracownika": część C z zapisu pracownika na koniec roku: nazwisko, imię, data urodzenia,
// numer zagraniczny nierezydenta i adres zamieszkania, gdy zapis podaje adres za granicą (polski adres
// zapisu to adres pobytu, a informacja wykazuje adres w państwie zamieszkania). Tego, czego zapis nie zna
// (imiona rodziców, miejsce urodzenia, rodzaj numeru, kraj jego wydania), numeru wpisanego przy zapisie
// bez numeru ani adresu wpisanego przy zapisie z adresem polskim przeliczenie nie zmienia.
function IftZmianaPracownika()
{
    var pracownik = PitPracownik();
    if (pracownik == null) return;
    var zapis = PitZapisNaKoniecRoku(pracownik);
    if (zapis == null) return;
    dokument.P_20 = PitTekst(zapis.Nazwisko);
    dokument.P_21 = PitTekst(zapis.Imie1);
    dokument.P_24 = PitDataTekst(zapis.DataUr);
    var id = PitIdentyfikator(zapis, true);
    if (id.zagraniczny != '')
        dokument.P_26 = id.zagraniczny;
    var a = PitAdres(zapis);
    if (a.kraj == 'PL') return;
    var adres = [a.kraj, a.miejscowosc, a.kodPocztowy, a.ulica, a.nrDomu, a.nrLokalu];
    for (var i = 0; i < adres.length; i++)
        dokument['P_' + (29 + i)] = adres[i];
}

// Wypłaty umów cywilnoprawnych podatnika w miesiącach okresu informacji: przychód i pobrany podatek.
function IftUmowyOkresu(pracownik, od, doDnia)
{
    var suma = { przychod: 0, podatek: 0 };
    if (od == null || doDnia == null) return suma;
    var rok = dokument.Rok;
    var karty = PitKartyPodatnika(pracownik);
    for (var k = 0; k < karty.length; k++) {
        PitWyplatyRoku(karty[k], rok, function (w, lista, miesiac) {
            if (Number(lista.Typ) != PIT_LISTA_UMOWY) return;
            if (miesiac < od.getMonth() + 1 || miesiac > doDnia.getMonth() + 1) return;
            suma.przychod += Number(w.Kwota);
            suma.podatek += Number(w.DaneZUS.ZaliczkaPodatku);
        });
    }
    return suma;
}

// Wiersz D.10 z wypłat umów okresu; stawka zryczałtowana, gdy użytkownik jej nie wpisał.
function IftWypelnijZWyplat(pracownik)
{
    var umowy = IftUmowyOkresu(pracownik, IftData('P_4'), IftData('P_5'));
    var w = IftWiersz(IFT_WIERSZ_UMOWY);
    UstawPole(w.opodatkowany, PitGrosze(umowy.przychod));
    UstawPole(w.podatek, umowy.podatek);
    if (umowy.przychod > 0 && KwotaPola(w.stawka) == 0)
        dokument[w.stawka] = IFT_STAWKA_UMOWY;
}

// Dochody w groszach, podatek w pełnych złotych.
function IftOblicz()
{
    var kwoty = IftKolumna('zwolniony').concat(IftKolumna('opodatkowany'));
    for (var i = 0; i < kwoty.length; i++)
        UstawPole(kwoty[i], PitGrosze(KwotaPola(kwoty[i])));
    var podatki = IftKolumna('podatek');
    for (var j = 0; j < podatki.length; j++)
        UstawPole(podatki[j], PelneZlote(KwotaPola(podatki[j])));
}

// "oncalculate".
function IftPolicz(symbol)
{
    var rodzaj = IftRodzaj(symbol);
    IftUstawOkres(rodzaj);
    IftUzupelnijPlatnika();
    IftZmianaPracownika();
    var pracownik = PitPracownik();
    if (pracownik != null)
        IftWypelnijZWyplat(pracownik);
    IftOblicz();
}

// Data wymagana w polu: poprawna data "RRRR-MM-DD".
function IftSprawdzDate(nazwa, opis)
{
    var d = IftData(nazwa);
    if (d == null)
        PitBlad(PitPozycja(nazwa), opis);
    return d;
}

// "onverify": okres w roku informacji, wskazany nierezydent z numerem zagranicznym i krajem jego wydania,
// nagłówek, kwoty nieujemne, podatek w pełnych złotych nie wyższy niż dochód opodatkowany, stawki od 0
// do 100 %, daty części E (data wniosku tylko w IFT-1).
function IftWeryfikuj(symbol)
{
    var rodzaj = IftRodzaj(symbol);
    var od = IftSprawdzDate('P_4', 'początek okresu informacji musi być datą RRRR-MM-DD.');
    var doDnia = IftSprawdzDate('P_5', 'koniec okresu informacji musi być datą RRRR-MM-DD.');
    PitSprawdzRok('4', rodzaj.odRoku, rodzaj.symbol + '(13)');
    if (od.getFullYear() != dokument.Rok || doDnia.getFullYear() != dokument.Rok || od > doDnia)
        PitBlad('5', 'okres informacji musi mieścić się w roku ' + dokument.Rok + ' i kończyć się nie wcześniej, niż się zaczyna.');
    if (PitPracownik() == null)
        PitBlad('26', 'informacja ' + rodzaj.symbol + ' nie ma wskazanego podatnika.');
    if (PitTekst(dokument.P_26) == '')
        PitBlad('26', 'podatnik nie ma zagranicznego numeru identyfikacyjnego; informację ' + rodzaj.symbol +
                ' sporządza się dla osoby niemającej w Polsce miejsca zamieszkania.');
    if (PitTekst(dokument.P_28) == '')
        PitBlad('28', 'przy numerze zagranicznym podaje się kraj jego wydania.');
    if (KwotaPola('P_27') < 0)
        PitBlad('27', 'rodzaj numeru identyfikacyjnego nie może być ujemny.');
    IftSprawdzDate('P_24', 'podaje się datę urodzenia podatnika (RRRR-MM-DD).');
    if (PitTekst(dokument.P_25) == '')
        PitBlad('25', 'podaje się miejsce urodzenia podatnika.');
    var kraj = PitTekst(dokument.P_29);
    if (kraj == '' || kraj == 'PL')
        PitBlad('29', 'podaje się adres zamieszkania podatnika za granicą, z kodem kraju innego niż Polska.');
    if (PitTekst(dokument.P_30) == '')
        PitBlad('30', 'w adresie zamieszkania podaje się miejscowość.');
    PitJednaZ('P_7', [1, 2], 'cel złożenia musi mieć wartość 1 (złożenie) albo 2 (korekta).');
    PitJednaZ('P_8', [1, 2], 'rodzaj płatnika musi mieć wartość 1 albo 2.');
    PitSprawdzNieujemne(IftKolumna('zwolniony').concat(IftKolumna('opodatkowany'), IftKolumna('podatek')));
    PitSprawdzPelneZlote(IftKolumna('podatek'));
    for (var n = 1; n <= IFT_WIERSZY_D; n++) {
        var w = IftWiersz(n);
        var stawka = KwotaPola(w.stawka);
        if (stawka < 0 || stawka > IFT_NAJWYZSZA_STAWKA)
            PitBlad(PitPozycja(w.stawka), 'stawka podatku musi mieć wartość od 0 do 100 %.');
        if (KwotaPola(w.podatek) > KwotaPola(w.opodatkowany))
            PitBlad(PitPozycja(w.podatek), 'podatek pobrany nie może przewyższać dochodu podlegającego opodatkowaniu.');
    }
    if (!rodzaj.roczna)
        IftSprawdzDate('P_75', 'informację IFT-1 sporządza się na wniosek podatnika: podaje się datę złożenia wniosku (RRRR-MM-DD).');
    IftSprawdzDate('P_76', 'podaje się datę przekazania informacji podatnikowi (RRRR-MM-DD).');
}

// "termin": IFT-1R do końca lutego roku następnego, IFT-1 14 dni od złożenia wniosku; w dzień roboczy.
// IFT-1 bez daty wniosku nie ma terminu.
function IftTermin(symbol)
{
    if (IftRodzaj(symbol).roczna)
        return PitTerminKoniecLutego(dokument.Rok);
    var wniosek = IftData('P_75');
    if (wniosek == null) return null;
    return DzienRoboczy(new Date(wniosek.getFullYear(), wniosek.getMonth(), wniosek.getDate() + IFT_DNI_NA_WNIOSEK));
}

// "opis": symbol, rok i podatnik z części C.
function IftOpis(symbol)
{
    var osoba = (PitTekst(dokument.P_20) + ' ' + PitTekst(dokument.P_21)).replace(/^\s+|\s+$/g, '');
    return IftRodzaj(symbol).symbol + ' za ' + dokument.Rok + (osoba != '' ? ': ' + osoba : '');
}
