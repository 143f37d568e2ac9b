// Biblioteka "PIT4": miesięczna tabela zeznań rocznych płatnika (PIT-4R, PIT-8AR). Formularz ustawia
// PIT4_PIERWSZA (numer pierwszej pozycji tabeli) i PIT4_WIERSZE (wiersze miesiąca, ostatni to "razem");
// po dwunastu miesiącach idą sumy roku w tym samym układzie. Kwoty w pełnych złotych.

var PIT4_MIESIACE = 12;

// Pole wiersza `wiersz` (od 0) miesiąca `miesiac` (od 1 do 12).
function Pit4Pole(miesiac, wiersz)
{
    return 'P_' + (PIT4_PIERWSZA + PIT4_WIERSZE * (miesiac - 1) + wiersz);
}

// Pole sumy roku wiersza `wiersz`.
function Pit4PoleRoku(wiersz)
{
    return Pit4Pole(PIT4_MIESIACE + 1, wiersz);
}

function Pit4Razem()
{
    return PIT4_WIERSZE - 1;
}

// Wszystkie pola tabeli z sumami roku.
function Pit4Pola()
{
    var nazwy = [];
    for (var m = 1; m <= PIT4_MIESIACE + 1; m++)
        for (var w = 0; w < PIT4_WIERSZE; w++)
            nazwy.push(Pit4Pole(m, w));
    return nazwy;
}

// Kwoty tabeli zaokrąglone do pełnych złotych.
function Pit4ZaokraglijKwoty()
{
    var nazwy = Pit4Pola();
    for (var i = 0; i < nazwy.length; i++)
        UstawPole(nazwy[i], PelneZlote(KwotaPola(nazwy[i])));
}

// Sumy, jakie powinny stać w tabeli: "razem" każdego miesiąca i sumy roku każdego wiersza.
function Pit4WyliczSumy()
{
    var sumy = {};
    var razem = Pit4Razem();
    for (var w = 0; w <= razem; w++)
        sumy[Pit4PoleRoku(w)] = 0;
    for (var m = 1; m <= PIT4_MIESIACE; m++) {
        var miesiaca = 0;
        for (var w2 = 0; w2 < razem; w2++) {
            miesiaca += KwotaPola(Pit4Pole(m, w2));
            sumy[Pit4PoleRoku(w2)] += KwotaPola(Pit4Pole(m, w2));
        }
        sumy[Pit4Pole(m, razem)] = miesiaca;
        sumy[Pit4PoleRoku(razem)] += miesiaca;
    }
    return sumy;
}

function Pit4PrzeliczSumy()
{
    var sumy = Pit4WyliczSumy();
    for (var nazwa in sumy)
        UstawPole(nazwa, sumy[nazwa]);
}

// Kontrola deklaracji: rok w okresie obowiązywania wersji (`symbol` od roku `odRoku`), cel złożenia,
// kwoty tabeli nieujemne i w pełnych złotych, sumy zgodne z wierszami.
function Pit4Weryfikuj(symbol, odRoku)
{
    PitSprawdzRok('4', odRoku, symbol);
    if (KwotaPola('P_6') != 1 && KwotaPola('P_6') != 2)
        PitBlad('6', 'cel złożenia musi mieć wartość 1 (złożenie) albo 2 (korekta).');
    var nazwy = Pit4Pola();
    PitSprawdzNieujemne(nazwy);
    PitSprawdzPelneZlote(nazwy);
    var sumy = Pit4WyliczSumy();
    for (var nazwa in sumy)
        if (Math.abs(KwotaPola(nazwa) - sumy[nazwa]) > 0.001)
            PitDoPrzeliczenia(PitPozycja(nazwa), 'suma nie odpowiada kwotom, z których powstaje.');
}

// Wpisuje wiersz `wiersz` wszystkich miesięcy z tablicy kwot (indeks 1 do 12).
function Pit4UstawWiersz(wiersz, kwoty)
{
    for (var m = 1; m <= PIT4_MIESIACE; m++)
        UstawPole(Pit4Pole(m, wiersz), PelneZlote(kwoty[m] || 0));
}

// "kwota": kwota pobrana w roku razem.
function Pit4Kwota()
{
    return KwotaPola(Pit4PoleRoku(Pit4Razem()));
}

// "termin": do 31 stycznia roku następnego, w dzień roboczy.
function Pit4Termin()
{
    return DzienRoboczy(new Date(dokument.Rok + 1, 0, 31));
}
