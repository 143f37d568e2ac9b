// ZUS ZCZA: wyrejestrowanie członków rodziny pracownika deklaracji z ubezpieczenia zdrowotnego. Każdy
// członek wpisany w pole WYREJESTROWANIE dostaje swój blok DOCRA: data wyrejestrowania (1), PESEL (2), NIP
// (3), rodzaj (4) oraz seria i numer dokumentu tożsamości (5), nazwisko (6), imię (7), data urodzenia (8)
// i kod stopnia pokrewieństwa (9). Przeliczenie wypełnia płatnika, ubezpieczonego (z zapisu ważnego
// w dniu DATAWYREJESTROWANIA) i datę oświadczenia, a bloków członków rodziny nie zmienia.

var doPrzeliczenia = 0;    // 1: deklarację trzeba przeliczyć przed zapisem

// Najdłuższe teksty pozycji bloku DOCRA: [pozycja, znaków albo ZUS_PESEL, opis].
var ZUS_DLUGOSCI_DOCRA_ZCZA = [
    [2, ZUS_PESEL, 'pozycja 2 (PESEL)'], [5, 9, 'pozycja 5 (seria i numer dokumentu tożsamości)'],
    [6, 31, 'pozycja 6 (nazwisko)'], [7, 22, 'pozycja 7 (imię)'], [9, 2, 'pozycja 9 (kod stopnia pokrewieństwa)']
];

function OnLoad()
{
    CreateDekZus('ZUSZCZA', false);
}

function OnCalculate()
{
    doPrzeliczenia = 1;
    PrzeliczUbezpieczonego('ZUSZCZA', 'DATAWYREJESTROWANIA');
    SaveDekZus();
    doPrzeliczenia = 0;
}

// Dodaje blok DOCRA członka rodziny o identyfikatorze `id`, wyrejestrowanego od dnia DATAWYREJESTROWANIA.
function DodajCzlonkaRodziny(id)
{
    var zapis = ZusZapis('DATAWYREJESTROWANIA');
    var czlonek = ZusCzlonekRodziny(zapis, id);
    if (GetDokument() == null)
        CreateDekZus('ZUSZCZA', false);
    // Członek rodziny już wpisany nie jest dopisywany drugi raz; druga osoba z jego numerem PESEL albo
    // dokumentem jest odmawiana.
    if (CzlonekRodzinyWpisany(2, 0, id, czlonek, 2))
        return;
    var b = GetDokument().bloki.Add();
    b(1, 0) = ZusData(dokument.DATAWYREJESTROWANIA);
    WypelnijCzlonka(b, 2, czlonek);
    b(9, 0) = ZusTekst(czlonek.Pokrewienstwo);
    SaveDekZus();
    doPrzeliczenia = 1;
}

function OnSaveIt()
{
    CheckContext();
    SaveDekZus();
}

function OnVerify()
{
    SprawdzDAU();
    if (SprawdzCzlonkowRodziny(2, ZUS_DLUGOSCI_DOCRA_ZCZA) == 0)
        CcThrow(ERR_ThrowText, 'Formularz ZUS ZCZA nie wyrejestrowuje żadnego członka rodziny: wpisz identyfikator ' +
                'członka rodziny w pole WYREJESTROWANIE.');
}
