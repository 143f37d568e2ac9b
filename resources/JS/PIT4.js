// Biblioteka "PIT4": miesięczna tabela zeznań rocznych płatnika (PIT-4R, PIT-8AR). Każda wersja formularza
// podaje w swojej definicji PIT4_WERSJA: { symbol, odRoku, doRoku (0 - bez końca), pierwsza (numer pierwszej
// pozycji tabeli) }; skrypt rodziny (PIT4R, PIT8AR) buduje z niej układ tabeli funkcją Pit4Tabela():
// { wiersze: { klucz: [pola miesięcy 1..12, null gdy miesiąc nie ma pozycji] }, liczby: [klucze wierszy
// z liczbą osób], sumy: [{ wynik, dodaj, odejmij }], doWplaty: klucz wiersza kwot do wpłaty }.
// Wiersz sumy to dla każdego miesiąca suma wierszy `dodaj` pomniejszona o wiersze `odejmij`, nie mniej
// niż 0; sumy liczy się w podanej kolejności. Kwoty w pełnych złotych.

var PIT4_MIESIACE = 12;

// Pola kolejnych `liczba` miesięcy od pozycji `pierwsza`; dalsze miesiące bez pozycji.
function Pit4Miesiace(pierwsza, liczba)
{
    var pola = [];
    for (var m = 1; m <= PIT4_MIESIACE; m++)
        pola[m] = m <= liczba ? 'P_' + (pierwsza + m - 1) : null;
    return pola;
}

// Pola miesięcy I-VI od pozycji `pierwszaI`, VII-XII od pozycji `pierwszaVII`.
function Pit4Polrocza(pierwszaI, pierwszaVII)
{
    var pola = [];
    for (var m = 1; m <= PIT4_MIESIACE; m++)
        pola[m] = 'P_' + (m <= 6 ? pierwszaI + m - 1 : pierwszaVII + m - 7);
    return pola;
}

// Wszystkie pola wierszy `klucze` (bez miesięcy, które nie mają pozycji).
function Pit4PolaWierszy(tabela, klucze)
{
    var nazwy = [];
    for (var i = 0; i < klucze.length; i++) {
        var pola = tabela.wiersze[klucze[i]];
        for (var m = 1; m <= PIT4_MIESIACE; m++)
            if (pola[m] != null) nazwy.push(pola[m]);
    }
    return nazwy;
}

function Pit4CzyLiczby(tabela, klucz)
{
    for (var i = 0; i < tabela.liczby.length; i++)
        if (tabela.liczby[i] == klucz) return true;
    return false;
}

// Pola kwot tabeli (bez wierszy liczby osób).
function Pit4PolaKwot()
{
    var tabela = Pit4Tabela(), klucze = [];
    for (var klucz in tabela.wiersze)
        if (!Pit4CzyLiczby(tabela, klucz)) klucze.push(klucz);
    return Pit4PolaWierszy(tabela, klucze);
}

// Kwoty tabeli zaokrąglone do pełnych złotych.
function Pit4ZaokraglijKwoty()
{
    var nazwy = Pit4PolaKwot();
    for (var i = 0; i < nazwy.length; i++)
        UstawPole(nazwy[i], PelneZlote(KwotaPola(nazwy[i])));
}

// Sumy, jakie powinny stać w tabeli: pole -> kwota.
function Pit4WyliczSumy()
{
    var tabela = Pit4Tabela(), sumy = {};
    var kwota = function (pole) { return (pole in sumy) ? sumy[pole] : KwotaPola(pole); };
    for (var s = 0; s < tabela.sumy.length; s++) {
        var suma = tabela.sumy[s], wynik = tabela.wiersze[suma.wynik];
        for (var m = 1; m <= PIT4_MIESIACE; m++) {
            if (wynik[m] == null) continue;
            var k = 0, i;
            for (i = 0; i < suma.dodaj.length; i++)
                if (tabela.wiersze[suma.dodaj[i]][m] != null) k += kwota(tabela.wiersze[suma.dodaj[i]][m]);
            for (i = 0; suma.odejmij && i < suma.odejmij.length; i++)
                if (tabela.wiersze[suma.odejmij[i]][m] != null) k -= kwota(tabela.wiersze[suma.odejmij[i]][m]);
            sumy[wynik[m]] = Math.max(0, k);
        }
    }
    return sumy;
}

function Pit4PrzeliczSumy()
{
    var sumy = Pit4WyliczSumy();
    for (var nazwa in sumy)
        UstawPole(nazwa, sumy[nazwa]);
}

// Rok deklaracji w latach obowiązywania wersji formularza.
function Pit4SprawdzLata()
{
    var w = PIT4_WERSJA;
    if (!w.doRoku) {
        PitSprawdzRok('4', w.odRoku, w.symbol);
        return;
    }
    if (dokument.Rok < w.odRoku || dokument.Rok > w.doRoku)
        PitBlad('4', 'rok ' + dokument.Rok + ' jest poza okresem obowiązywania formularza ' + w.symbol +
                (w.odRoku == w.doRoku ? ' (rok ' + w.odRoku + ').' : ' (lata ' + w.odRoku + '-' + w.doRoku + ').'));
}

// Kontrola deklaracji: rok w okresie obowiązywania wersji, cel złożenia, kwoty tabeli nieujemne i w pełnych
// złotych, liczby osób nieujemne, sumy zgodne z wierszami.
function Pit4Weryfikuj()
{
    Pit4SprawdzLata();
    if (KwotaPola('P_6') != 1 && KwotaPola('P_6') != 2)
        PitBlad('6', 'cel złożenia musi mieć wartość 1 (złożenie) albo 2 (korekta).');
    var tabela = Pit4Tabela();
    var nazwy = Pit4PolaKwot();
    PitSprawdzNieujemne(nazwy.concat(Pit4PolaWierszy(tabela, tabela.liczby)));
    PitSprawdzPelneZlote(nazwy);
    var sumy = Pit4WyliczSumy();
    for (var nazwa in sumy)
        if (Math.abs(KwotaPola(nazwa) - sumy[nazwa]) > 0.001)
            PitDoPrzeliczenia(PitPozycja(nazwa), 'suma nie odpowiada kwotom, z których powstaje.');
}

// Wpisuje wiersz `klucz` z tablicy wartości miesięcy (indeks 1 do 12), kwoty w pełnych złotych.
function Pit4UstawWiersz(klucz, wartosci)
{
    var pola = Pit4Tabela().wiersze[klucz];
    for (var m = 1; m <= PIT4_MIESIACE; m++)
        if (pola[m] != null) UstawPole(pola[m], PelneZlote(wartosci[m] || 0));
}

// Suma wiersza `klucz` za rok.
function Pit4SumaWiersza(klucz)
{
    var pola = Pit4PolaWierszy(Pit4Tabela(), [klucz]), suma = 0;
    for (var i = 0; i < pola.length; i++)
        suma += KwotaPola(pola[i]);
    return suma;
}

// "kwota": kwoty do wpłaty za rok razem.
function Pit4Kwota()
{
    return Pit4SumaWiersza(Pit4Tabela().doWplaty);
}

// "termin": do 31 stycznia roku następnego, w dzień roboczy.
function Pit4Termin()
{
    return DzienRoboczy(new Date(dokument.Rok + 1, 0, 31));
}
