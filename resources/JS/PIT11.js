// Biblioteka "PIT11": informacja płatnika PIT-11 o przychodach, dochodach i pobranych zaliczkach jednego
// pracownika albo zleceniobiorcy za rok, w każdej wersji formularza. Przeliczenie wypełnia dane płatnika z
// ustawień firmy, dane podatnika z zapisu pracownika ważnego na koniec roku oraz wiersze stosunku pracy i
// działalności wykonywanej osobiście (umów zlecenia) z wypłat roku; pozostałe wiersze wpisuje użytkownik.
// Wersje różnią się numeracją pozycji, latami obowiązywania, numerem zagranicznym podatnika i dołączaną
// informacją PIT-R: to dane tablicy PIT11_WERSJE, obliczenie jest jedno.

// Wiersze części E w numeracji wersji 22 i 23: przychód, koszty, dochód, dochód zwolniony od podatku i zaliczka
// pobrana przez płatnika (null: wiersz nie ma tej kolumny).
var PIT11_WIERSZE = [
    { przychod: 29, koszty: 30, dochod: 31, zwolniony: 32, zaliczka: 33 },       // 1. stosunek pracy
    { przychod: 36, koszty: null, dochod: 37, zwolniony: null, zaliczka: 38 },   // 2. rolnicza spółdzielnia produkcyjna
    { przychod: 39, koszty: null, dochod: 40, zwolniony: 41, zaliczka: 42 },     // 3. emerytury - renty zagraniczne
    { przychod: 43, koszty: null, dochod: 44, zwolniony: null, zaliczka: 45 },   // 4. aresztowani i skazani
    { przychod: 46, koszty: null, dochod: 47, zwolniony: null, zaliczka: 48 },   // 5. Fundusz Pracy i FGŚP
    { przychod: 49, koszty: 50, dochod: 51, zwolniony: null, zaliczka: 52 },     // 6. działalność wykonywana osobiście
    { przychod: 53, koszty: 54, dochod: 55, zwolniony: null, zaliczka: 56 },     // 7. obowiązki społeczne (PIT-R)
    { przychod: 57, koszty: 61, dochod: 58, zwolniony: null, zaliczka: 59 },     // 8. prawa autorskie
    { przychod: 62, koszty: 63, dochod: 64, zwolniony: null, zaliczka: 65 },     // 9. umowa aktywizacyjna
    { przychod: 66, koszty: null, dochod: 67, zwolniony: 68, zaliczka: 69 }      // 10. inne źródła
];
var PIT11_WIERSZ_ETAT = 0;
var PIT11_WIERSZ_UMOWY = 5;
// Kwoty poza wierszami: "w tym" wierszy 1 i 8 (przychody z kosztami według art. 22 ust. 9 ustawy i koszty
// wiersza 1), składki (społeczne, w tym zagraniczne, zdrowotne, w tym zagraniczne) i przychody zwolnione części F.
var PIT11_W_TYM = [34, 35, 60];
var PIT11_SKLADKI = { spoleczne: 70, spoleczneZagraniczne: 71, zdrowotne: 72, zdrowotneZagraniczne: 73 };
var PIT11_ZWOLNIONE = [74, 75];
var PIT11_KOSZTY = 28;
var PIT11_PIT_R = 76;

// Wersje formularza: przesunięcie numeracji względem wersji 22 i 23 (wersje 20 i 21 nie mają poz. 10 i 12-14,
// więc ich pozycje od kosztów są o 4 niższe), lata obowiązywania, czy podatnika wskazuje się numerem
// zagranicznym (i rodzajem obowiązku podatkowego) oraz pola dołączanej informacji PIT-R, gdy wersja je ma.
var PIT11_WERSJE = {
    20: { przesuniecie: 4, lata: { od: 2013, doRoku: 2013 }, zagraniczny: false, pitR: null },
    21: { przesuniecie: 4, lata: { od: 2014, doRoku: 2014 }, zagraniczny: false, pitR: null },
    22: { przesuniecie: 0, lata: { od: 2015, doRoku: 2015 }, zagraniczny: true, pitR: null },
    23: { przesuniecie: 0, lata: { od: 2016 }, zagraniczny: true, pitR: { pierwsza: 12, ostatnia: 60 } }
};

// Część C o podatniku: z numerem zagranicznym (poz. 10 rodzaj obowiązku, 11 NIP albo PESEL, 12-14 numer
// zagraniczny, jego rodzaj i kraj wydania, 15-27 osoba i adres) albo bez niego (poz. 10 NIP albo PESEL, 11-23).
function Pit11Podatnik(zagraniczny)
{
    var pierwsza = zagraniczny ? 15 : 11;
    var adres = [];
    for (var n = pierwsza + 3; n < pierwsza + 13; n++)
        adres.push('P_' + n);
    return {
        id: zagraniczny ? 'P_11' : 'P_10', zagraniczny: zagraniczny ? 'P_12' : null,
        rodzajNumeru: zagraniczny ? 'P_13' : null, krajWydania: zagraniczny ? 'P_14' : null,
        nazwisko: 'P_' + pierwsza, imie: 'P_' + (pierwsza + 1), dataUrodzenia: 'P_' + (pierwsza + 2), adres: adres
    };
}

// Układ pozycji wersji deklaracji: nazwy pól jej numeracji.
function Pit11Uklad()
{
    var wersja = PIT11_WERSJE[dokument.Wersja];
    if (wersja == null)
        PitBlad('4', 'wersja ' + dokument.Wersja + ' informacji PIT-11 nie jest obsługiwana.');
    var p = wersja.przesuniecie;
    function pole(n) { return n == null ? null : 'P_' + (n - p); }
    var wiersze = [];
    for (var i = 0; i < PIT11_WIERSZE.length; i++) {
        var w = PIT11_WIERSZE[i];
        wiersze.push({ przychod: pole(w.przychod), koszty: pole(w.koszty), dochod: pole(w.dochod),
                       zwolniony: pole(w.zwolniony), zaliczka: pole(w.zaliczka) });
    }
    var inne = [];
    var pozaWierszami = PIT11_W_TYM.concat([PIT11_SKLADKI.spoleczne, PIT11_SKLADKI.spoleczneZagraniczne,
                                            PIT11_SKLADKI.zdrowotne, PIT11_SKLADKI.zdrowotneZagraniczne],
                                           PIT11_ZWOLNIONE);
    for (var k = 0; k < pozaWierszami.length; k++)
        inne.push(pole(pozaWierszami[k]));
    return {
        symbol: 'PIT-11(' + dokument.Wersja + ')', lata: wersja.lata, zagraniczny: wersja.zagraniczny,
        podatnik: Pit11Podatnik(wersja.zagraniczny), obowiazek: wersja.zagraniczny ? 'P_10' : null,
        koszty: pole(PIT11_KOSZTY), wiersze: wiersze, inne: inne,
        spoleczne: pole(PIT11_SKLADKI.spoleczne), zdrowotne: pole(PIT11_SKLADKI.zdrowotne),
        pitR: pole(PIT11_PIT_R), pitRPola: wersja.pitR
    };
}

// Pola kwot wersji: wiersze, "w tym", składki i przychody zwolnione.
function Pit11Kwoty(uklad)
{
    var nazwy = [];
    for (var i = 0; i < uklad.wiersze.length; i++) {
        var w = uklad.wiersze[i];
        var kolumny = [w.przychod, w.koszty, w.dochod, w.zwolniony, w.zaliczka];
        for (var k = 0; k < kolumny.length; k++)
            if (kolumny[k] != null) nazwy.push(kolumny[k]);
    }
    return nazwy.concat(uklad.inne);
}

function Pit11Zaliczki(uklad)
{
    var nazwy = [];
    for (var i = 0; i < uklad.wiersze.length; i++)
        nazwy.push(uklad.wiersze[i].zaliczka);
    return nazwy;
}

// Dochód wiersza: przychód pomniejszony o koszty, gdy wiersz je ma.
function Pit11DochodWiersza(w)
{
    return PitDochod(KwotaPola(w.przychod), w.koszty ? KwotaPola(w.koszty) : 0);
}

// "onZmianaPracownika": identyfikator, nazwisko, imię, data urodzenia i adres zamieszkania z zapisu
// pracownika ważnego na koniec roku; w wersjach z numerem zagranicznym ten numer czyni podatnika
// nierezydentem (rodzaj obowiązku podatkowego 2).
function ZmianaPracownika()
{
    var uklad = Pit11Uklad();
    var id = PitWypelnijPodatnikaWg(uklad.podatnik, uklad.zagraniczny);
    if (uklad.obowiazek != null)
        dokument[uklad.obowiazek] = id != null && id.zagraniczny != '' ? 2 : 1;
}

function Pit11UstawWiersz(w, grupa)
{
    UstawPole(w.przychod, grupa.przychod);
    UstawPole(w.koszty, grupa.koszty);
    UstawPole(w.zaliczka, grupa.zaliczka);
}

// Wiersze stosunku pracy i działalności wykonywanej osobiście oraz składki z wypłat roku.
function Pit11WypelnijZWyplat(uklad, pracownik)
{
    var sumy = PitSumyRoku(pracownik, dokument.Rok);
    Pit11UstawWiersz(uklad.wiersze[PIT11_WIERSZ_ETAT], sumy.etat);
    Pit11UstawWiersz(uklad.wiersze[PIT11_WIERSZ_UMOWY], sumy.umowy);
    if (sumy.etat.koszty > 0 && KwotaPola(uklad.koszty) == 0)
        dokument[uklad.koszty] = 1;
    UstawPole(uklad.spoleczne, PitGrosze(sumy.etat.spoleczne + sumy.umowy.spoleczne));
    UstawPole(uklad.zdrowotne, PitGrosze(sumy.etat.zdrowotne + sumy.umowy.zdrowotne));
}

// Informacja PIT-R jest dołączona, gdy którekolwiek z jej pól ma kwotę.
function Pit11JestPitR(pola)
{
    for (var n = pola.pierwsza; n <= pola.ostatnia; n++)
        if (KwotaPola('PITR_P_' + n) != 0)
            return true;
    return false;
}

// "oncalculate". Dołączenie informacji PIT-R wynika z jej pól, gdy wersja je ma; inaczej zostaje, jak je wskazał
// użytkownik.
function Pit11Policz()
{
    var uklad = Pit11Uklad();
    PitUstawOkresRoczny();
    PitUzupelnijPlatnika();
    ZmianaPracownika();
    var pracownik = PitPracownik();
    if (pracownik != null)
        Pit11WypelnijZWyplat(uklad, pracownik);
    var zaliczki = Pit11Zaliczki(uklad);
    for (var i = 0; i < zaliczki.length; i++)
        UstawPole(zaliczki[i], PelneZlote(KwotaPola(zaliczki[i])));
    for (var k = 0; k < uklad.wiersze.length; k++)
        UstawPole(uklad.wiersze[k].dochod, Pit11DochodWiersza(uklad.wiersze[k]));
    if (uklad.pitRPola != null)
        dokument[uklad.pitR] = Pit11JestPitR(uklad.pitRPola) ? 1 : 2;
}

// "onverify": informacja o wskazanym pracowniku, w latach obowiązywania wersji, z kwotami nieujemnymi,
// zaliczkami w pełnych złotych i dochodami zgodnymi z przychodami i kosztami.
function Pit11Weryfikuj()
{
    var uklad = Pit11Uklad();
    PitSprawdzPracownikaWg(uklad.lata, uklad.symbol, 'informacja PIT-11 nie ma wskazanego pracownika.', uklad.podatnik);
    if (uklad.obowiazek != null)
        PitJednaZ(uklad.obowiazek, [1, 2], 'rodzaj obowiązku podatkowego musi mieć wartość 1 albo 2.');
    PitJednaZ(uklad.koszty, [0, 1, 2, 3, 4], 'rodzaj kosztów uzyskania przychodów musi mieć wartość od 1 do 4.');
    PitJednaZ(uklad.pitR, [1, 2], 'dołączenie informacji PIT-R musi mieć wartość 1 (tak) albo 2 (nie).');
    PitSprawdzNieujemne(Pit11Kwoty(uklad));
    PitSprawdzPelneZlote(Pit11Zaliczki(uklad));
    for (var i = 0; i < uklad.wiersze.length; i++) {
        var w = uklad.wiersze[i];
        if (Math.abs(KwotaPola(w.dochod) - Pit11DochodWiersza(w)) > 0.001)
            PitDoPrzeliczenia(PitPozycja(w.dochod), 'dochód nie odpowiada przychodowi pomniejszonemu o koszty.');
    }
}

// "termin": termin informacji rocznej płatnika za rok deklaracji.
function Pit11Termin()
{
    return PitTerminInformacji(dokument.Rok);
}

// "opis": formularz, rok i podatnik.
function Pit11Opis()
{
    return PitOpisInformacjiWg('PIT-11', Pit11Uklad().podatnik);
}
