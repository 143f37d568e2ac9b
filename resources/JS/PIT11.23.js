// PIT-11(23): informacja płatnika o przychodach, dochodach i pobranych zaliczkach jednego pracownika
// albo zleceniobiorcy za rok. Przeliczenie wypełnia dane płatnika z ustawień firmy, dane podatnika z
// zapisu pracownika ważnego na koniec roku oraz wiersze stosunku pracy (1) i działalności wykonywanej
// osobiście - umów zlecenia (4) z wypłat roku; pozostałe wiersze wpisuje użytkownik.

// Wiersze części E: przychód, koszty uzyskania, dochód i zaliczka pobrana przez płatnika.
var PIT11_WIERSZE = [
    { przychod: 'P_29', koszty: 'P_30', dochod: 'P_31', zaliczka: 'P_32' },   // 1. stosunek pracy
    { przychod: 'P_33', koszty: 'P_34', dochod: 'P_35', zaliczka: 'P_36' },   // 2. członkostwo w spółdzielni
    { przychod: 'P_37', koszty: null, dochod: 'P_38', zaliczka: 'P_39' },     // 3. emerytury - renty zagraniczne
    { przychod: 'P_40', koszty: 'P_41', dochod: 'P_42', zaliczka: 'P_43' },   // 4. działalność wykonywana osobiście
    { przychod: 'P_44', koszty: 'P_45', dochod: 'P_46', zaliczka: 'P_47' },   // 5. prawa autorskie
    { przychod: 'P_48', koszty: 'P_49', dochod: 'P_50', zaliczka: 'P_51' }    // 6. inne źródła
];
var PIT11_WIERSZ_ETAT = 0;
var PIT11_WIERSZ_UMOWY = 3;
// Składki na ubezpieczenia społeczne (odliczane od dochodu) i zdrowotne (odliczane od podatku).
var PIT11_SKLADKI = ['P_52', 'P_53'];
// Formularz obowiązuje od informacji za 2016 r.; od wersji 22 wskazuje nierezydenta numerem zagranicznym.
var PIT11_OD_ROKU = 2016;
var PIT11_WERSJA_NUMERU_ZAGRANICZNEGO = 22;
// Pola dołączanej informacji PIT-R (zestaw "PITR.18"): PITR_P_12 do PITR_P_60.
var PITR_PIERWSZA_POZYCJA = 12;
var PITR_OSTATNIA_POZYCJA = 60;

function Pit11Kwoty()
{
    var nazwy = [];
    for (var i = 0; i < PIT11_WIERSZE.length; i++) {
        var w = PIT11_WIERSZE[i];
        nazwy.push(w.przychod);
        if (w.koszty) nazwy.push(w.koszty);
        nazwy.push(w.dochod, w.zaliczka);
    }
    return nazwy.concat(PIT11_SKLADKI);
}

function Pit11Zaliczki()
{
    var nazwy = [];
    for (var i = 0; i < PIT11_WIERSZE.length; i++)
        nazwy.push(PIT11_WIERSZE[i].zaliczka);
    return nazwy;
}

function Pit11DochodWiersza(w)
{
    return PitDochod(KwotaPola(w.przychod), w.koszty ? KwotaPola(w.koszty) : 0);
}

// "onZmianaPracownika": identyfikator, nazwisko, imię, data urodzenia i adres zamieszkania z zapisu
// pracownika ważnego na koniec roku; numer zagraniczny czyni podatnika nierezydentem (poz. 26).
function ZmianaPracownika()
{
    var id = PitWypelnijPodatnika(dokument.Wersja >= PIT11_WERSJA_NUMERU_ZAGRANICZNEGO);
    dokument.P_26 = id != null && id.zagraniczny != '' ? 2 : 1;
}

function Pit11UstawWiersz(w, grupa)
{
    UstawPole(w.przychod, grupa.przychod);
    UstawPole(w.koszty, grupa.koszty);
    UstawPole(w.zaliczka, grupa.zaliczka);
}

// Wiersze 1 i 4 oraz składki z wypłat roku.
function Pit11WypelnijZWyplat(pracownik)
{
    var sumy = PitSumyRoku(pracownik, dokument.Rok);
    Pit11UstawWiersz(PIT11_WIERSZE[PIT11_WIERSZ_ETAT], sumy.etat);
    Pit11UstawWiersz(PIT11_WIERSZE[PIT11_WIERSZ_UMOWY], sumy.umowy);
    if (sumy.etat.koszty > 0 && KwotaPola('P_28') == 0)
        dokument.P_28 = 1;
    UstawPole('P_52', PitGrosze(sumy.etat.spoleczne + sumy.umowy.spoleczne));
    UstawPole('P_53', PitGrosze(sumy.etat.zdrowotne + sumy.umowy.zdrowotne));
}

// Dochód każdego wiersza z jego przychodu i kosztów.
function Pit11PrzeliczDochody()
{
    for (var i = 0; i < PIT11_WIERSZE.length; i++)
        UstawPole(PIT11_WIERSZE[i].dochod, Pit11DochodWiersza(PIT11_WIERSZE[i]));
}

// Informacja PIT-R jest dołączona, gdy którekolwiek z jej pól ma kwotę.
function Pit11JestPitR()
{
    for (var n = PITR_PIERWSZA_POZYCJA; n <= PITR_OSTATNIA_POZYCJA; n++)
        if (KwotaPola('PITR_P_' + n) != 0)
            return true;
    return false;
}

// "oncalculate".
function Pit11Policz()
{
    PitUstawOkresRoczny();
    PitUzupelnijPlatnika();
    ZmianaPracownika();
    var pracownik = PitPracownik();
    if (pracownik != null)
        Pit11WypelnijZWyplat(pracownik);
    var zaliczki = Pit11Zaliczki();
    for (var i = 0; i < zaliczki.length; i++)
        UstawPole(zaliczki[i], PelneZlote(KwotaPola(zaliczki[i])));
    Pit11PrzeliczDochody();
    dokument.P_54 = Pit11JestPitR() ? 1 : 2;
}

// "onverify": informacja o wskazanym pracowniku, w roku obowiązywania formularza, z kwotami nieujemnymi,
// zaliczkami w pełnych złotych i dochodami zgodnymi z przychodami i kosztami.
function Pit11Weryfikuj()
{
    PitSprawdzPracownika(PIT11_OD_ROKU, 'PIT-11(23)', 'informacja PIT-11 nie ma wskazanego pracownika.');
    PitJednaZ('P_26', [1, 2], 'rodzaj obowiązku podatkowego musi mieć wartość 1 albo 2.');
    PitJednaZ('P_28', [0, 1, 2, 3, 4], 'rodzaj kosztów uzyskania przychodów musi mieć wartość od 1 do 4.');
    PitJednaZ('P_54', [1, 2], 'dołączenie informacji PIT-R musi mieć wartość 1 (tak) albo 2 (nie).');
    PitSprawdzNieujemne(Pit11Kwoty());
    PitSprawdzPelneZlote(Pit11Zaliczki());
    for (var i = 0; i < PIT11_WIERSZE.length; i++) {
        var w = PIT11_WIERSZE[i];
        if (Math.abs(KwotaPola(w.dochod) - Pit11DochodWiersza(w)) > 0.001)
            PitDoPrzeliczenia(PitPozycja(w.dochod), 'dochód nie odpowiada przychodowi pomniejszonemu o koszty.');
    }
}

// "termin": do 31 stycznia roku następnego (za lata przed 2018 do końca lutego), w dzień roboczy.
function Pit11Termin()
{
    return PitTerminInformacji(dokument.Rok);
}

// "opis": formularz, rok i podatnik.
function Pit11Opis()
{
    return PitOpisInformacji('PIT-11');
}
