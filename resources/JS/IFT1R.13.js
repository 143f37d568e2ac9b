// IFT-1R(13): roczna informacja płatnika o przychodach osoby fizycznej niemającej w Polsce miejsca
// zamieszkania, od których pobrał zryczałtowany podatek. Przeliczenie wypełnia płatnika z ustawień firmy,
// podatnika z zapisu pracownika ważnego na koniec roku (nierezydenta z jego numerem zagranicznym) oraz
// wiersz działalności wykonywanej osobiście z wypłat roku z umów cywilnoprawnych; pozostałe wiersze
// wpisuje użytkownik, a sumy części E wylicza formularz.

// Wiersze części D: przychód (dochód), stawka podatku w procentach i podatek pobrany.
var IFT1R_WIERSZE = [
    { przychod: 'P_26', stawka: 'P_27', podatek: 'P_28' },   // 1. dywidendy
    { przychod: 'P_29', stawka: 'P_30', podatek: 'P_31' },   // 2. odsetki
    { przychod: 'P_32', stawka: 'P_33', podatek: 'P_34' },   // 3. należności licencyjne
    { przychod: 'P_35', stawka: 'P_36', podatek: 'P_37' },   // 4. działalność widowiskowa i sportowa
    { przychod: 'P_38', stawka: 'P_39', podatek: 'P_40' },   // 5. działalność wykonywana osobiście
    { przychod: 'P_41', stawka: 'P_42', podatek: 'P_43' },   // 6. członkowie zarządów i rad
    { przychod: 'P_44', stawka: 'P_45', podatek: 'P_46' },   // 7. emerytury i renty
    { przychod: 'P_47', stawka: 'P_48', podatek: 'P_49' }    // 8. inne
];
var IFT1R_WIERSZ_UMOWY = 4;
var IFT1R_RAZEM_PRZYCHOD = 'P_50';
var IFT1R_RAZEM_PODATEK = 'P_51';
// Stawka zryczałtowanego podatku od przychodów z działalności wykonywanej osobiście nierezydenta.
var IFT1R_STAWKA_UMOWY = 20;
var IFT1R_NAJWYZSZA_STAWKA = 100;
// Formularz obowiązuje od informacji za 2016 r.; od wersji 12 wskazuje nierezydenta numerem zagranicznym.
var IFT1R_OD_ROKU = 2016;
var IFT1R_WERSJA_NUMERU_ZAGRANICZNEGO = 12;

function Ift1rNazwy(cecha)
{
    var nazwy = [];
    for (var i = 0; i < IFT1R_WIERSZE.length; i++)
        nazwy.push(IFT1R_WIERSZE[i][cecha]);
    return nazwy;
}

// "onZmianaPracownika": część C z zapisu pracownika na koniec roku. Numer zagraniczny wpisany przez
// użytkownika zostaje, gdy zapis pracownika go nie ma.
function Ift1rZmianaPracownika()
{
    var wpisany = PitTekst(dokument.P_10);
    var id = PitWypelnijPodatnika(dokument.Wersja >= IFT1R_WERSJA_NUMERU_ZAGRANICZNEGO);
    if (id == null || id.zagraniczny == '')
        dokument.P_10 = wpisany;
}

// Wiersz działalności wykonywanej osobiście z wypłat roku z umów: przychód i pobrany podatek; stawka
// zryczałtowana, gdy użytkownik jej nie wpisał.
function Ift1rWypelnijZWyplat(pracownik)
{
    var umowy = PitSumyRoku(pracownik, dokument.Rok).umowy;
    var w = IFT1R_WIERSZE[IFT1R_WIERSZ_UMOWY];
    UstawPole(w.przychod, umowy.przychod);
    UstawPole(w.podatek, umowy.zaliczka);
    if (umowy.przychod > 0 && KwotaPola(w.stawka) == 0)
        dokument[w.stawka] = IFT1R_STAWKA_UMOWY;
}

// Przychody w groszach, podatek w pełnych złotych i sumy części E.
function Ift1rOblicz()
{
    var przychody = Ift1rNazwy('przychod'), podatki = Ift1rNazwy('podatek');
    for (var i = 0; i < IFT1R_WIERSZE.length; i++) {
        UstawPole(przychody[i], PitGrosze(KwotaPola(przychody[i])));
        UstawPole(podatki[i], PelneZlote(KwotaPola(podatki[i])));
    }
    UstawPole(IFT1R_RAZEM_PRZYCHOD, PitGrosze(SumaPol(przychody)));
    UstawPole(IFT1R_RAZEM_PODATEK, SumaPol(podatki));
}

// "oncalculate".
function Ift1rPolicz()
{
    PitUstawOkresRoczny();
    PitUzupelnijPlatnika();
    Ift1rZmianaPracownika();
    var pracownik = PitPracownik();
    if (pracownik != null)
        Ift1rWypelnijZWyplat(pracownik);
    Ift1rOblicz();
}

// "onverify": informacja o wskazanym nierezydencie z numerem zagranicznym i krajem jego wydania, w roku
// obowiązywania formularza, z kwotami nieujemnymi, podatkiem w pełnych złotych nie wyższym niż przychód,
// stawkami od 0 do 100 % i sumami zgodnymi z wierszami.
function Ift1rWeryfikuj()
{
    PitSprawdzRok('4', IFT1R_OD_ROKU, 'IFT-1R(13)');
    if (PitPracownik() == null)
        PitBlad('10', 'informacja IFT-1R nie ma wskazanego podatnika.');
    if (PitTekst(dokument.P_10) == '')
        PitBlad('10', 'podatnik nie ma zagranicznego numeru identyfikacyjnego; informację IFT-1R sporządza się dla osoby niemającej w Polsce miejsca zamieszkania.');
    if (PitTekst(dokument.P_12) == '')
        PitBlad('12', 'przy numerze zagranicznym podaje się kraj jego wydania.');
    var id = PitTekst(dokument.P_9);
    if (id != '' && !/^\d{10}$/.test(id) && !/^\d{11}$/.test(id))
        PitBlad('9', 'identyfikator podatnika "' + id + '" nie jest numerem PESEL (11 cyfr) ani NIP (10 cyfr).');
    PitSprawdzNaglowek();
    PitSprawdzNieujemne(Ift1rNazwy('przychod').concat(Ift1rNazwy('podatek')));
    PitSprawdzPelneZlote(Ift1rNazwy('podatek').concat([IFT1R_RAZEM_PODATEK]));
    for (var i = 0; i < IFT1R_WIERSZE.length; i++) {
        var w = IFT1R_WIERSZE[i];
        var stawka = KwotaPola(w.stawka);
        if (stawka < 0 || stawka > IFT1R_NAJWYZSZA_STAWKA)
            PitBlad(PitPozycja(w.stawka), 'stawka podatku musi mieć wartość od 0 do 100 %.');
        if (KwotaPola(w.podatek) > KwotaPola(w.przychod))
            PitBlad(PitPozycja(w.podatek), 'podatek pobrany nie może przewyższać przychodu.');
    }
    PitSprawdzWyliczone(IFT1R_RAZEM_PRZYCHOD, PitGrosze(SumaPol(Ift1rNazwy('przychod'))),
                        'suma nie odpowiada przychodom wierszy.');
    PitSprawdzWyliczone(IFT1R_RAZEM_PODATEK, SumaPol(Ift1rNazwy('podatek')), 'suma nie odpowiada podatkowi wierszy.');
}

// "termin": do końca lutego roku następnego, w dzień roboczy.
function Ift1rTermin()
{
    return PitTerminKoniecLutego(dokument.Rok);
}

function Ift1rOpis()
{
    return PitOpisInformacji('IFT-1R');
}
