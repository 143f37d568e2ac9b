// ZUS ZCNA: zgłoszenie członków rodziny pracownika deklaracji do ubezpieczenia zdrowotnego albo ich
// wyrejestrowanie. Każdy członek wpisany w pole ZGLOSZENIE albo WYREJESTROWANIE dostaje swój blok DOCRA;
// przeliczenie wypełnia płatnika, ubezpieczonego (z zapisu ważnego w dniu DATAZGLOSZENIA) i datę
// oświadczenia, a bloków członków rodziny nie zmienia.

var doPrzeliczenia = 0;    // 1: deklarację trzeba przeliczyć przed zapisem

var ZUS_ZGLOSZENIE = 1;
var ZUS_WYREJESTROWANIE = 2;

// Najdłuższe teksty pozycji bloku DOCRA: [pozycja, znaków albo ZUS_PESEL, opis].
var ZUS_DLUGOSCI_DOCRA = [
    [3, ZUS_PESEL, 'pozycja 3 (PESEL)'], [6, 9, 'pozycja 6 (seria i numer dokumentu tożsamości)'],
    [7, 31, 'pozycja 7 (nazwisko)'], [8, 22, 'pozycja 8 (imię)'], [10, 2, 'pozycja 10 (kod stopnia pokrewieństwa)'],
    [13, 1, 'pozycja 13 (kod stopnia niepełnosprawności)'], [15, 26, 'pozycja 15 (miejscowość)'],
    [16, 26, 'pozycja 16 (gmina)'], [17, 30, 'pozycja 17 (ulica)'], [18, 7, 'pozycja 18 (numer domu)'],
    [19, 7, 'pozycja 19 (numer lokalu)']
];

function OnLoad()
{
    CreateDekZus('ZUSZCNA', false);
}

function OnCalculate()
{
    doPrzeliczenia = 1;
    PrzeliczUbezpieczonego('ZUSZCNA', 'DATAZGLOSZENIA');
    SaveDekZus();
    doPrzeliczenia = 0;
}

// Adres członka rodziny: jego własny, gdy wskazuje miejscowość albo gminę; inaczej adres zamieszkania
// ubezpieczonego, a gdy i ten ich nie wskazuje, adres z jego zapisu.
function AdresCzlonka(czlonek, zapis)
{
    var adresy = [czlonek.Adres, zapis.ZAMAdres];
    for (var i = 0; i < adresy.length; i++)
        if (ZusTekst(adresy[i].Miasto) != '' || ZusTekst(adresy[i].Gmina) != '')
            return adresy[i];
    return zapis.Adres;
}

// Dodaje blok DOCRA członka rodziny o identyfikatorze `id`: zgłoszenie (1) albo wyrejestrowanie (2)
// od dnia DATAZGLOSZENIA.
function DodajCzlonkaRodziny(id, rodzaj)
{
    var zapis = ZusZapis('DATAZGLOSZENIA');
    var czlonek = ZusCzlonekRodziny(zapis, id);
    if (GetDokument() == null)
        CreateDekZus('ZUSZCNA', false);
    // Członek rodziny już wpisany tak samo nie jest dopisywany drugi raz; jego zgłoszenie i wyrejestrowanie
    // na jednym formularzu albo druga osoba z jego numerem PESEL lub dokumentem są odmawiane.
    if (CzlonekRodzinyWpisany(3, 1, id, czlonek, rodzaj))
        return;
    var b = GetDokument().bloki.Add();
    b(1, 0) = String(rodzaj);
    b(2, 0) = ZusData(dokument.DATAZGLOSZENIA);
    WypelnijCzlonka(b, 3, czlonek);
    b(10, 0) = ZusTekst(czlonek.Pokrewienstwo);
    b(11, 0) = ZusZnak(Number(czlonek.NaUtrzymaniu) != 0);
    b(12, 0) = ZusZnak(Number(czlonek.WspolneGospodarstwo) != 0);
    b(13, 0) = ZusTekst(czlonek.Niepelnosprawnosc);
    var adres = AdresCzlonka(czlonek, zapis);
    b(14, 0) = ZusKodPocztowy(adres.KodPocztowy);
    b(15, 0) = ZusTekst(adres.Miasto);
    b(16, 0) = ZusTekst(adres.Gmina);
    b(17, 0) = ZusTekst(adres.Ulica);
    b(18, 0) = ZusTekst(adres.NrDomu);
    b(19, 0) = ZusTekst(adres.NrLokalu);
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
    if (SprawdzCzlonkowRodziny(3, ZUS_DLUGOSCI_DOCRA) == 0)
        CcThrow(ERR_ThrowText, 'Formularz ZUS ZCNA nie zgłasza ani nie wyrejestrowuje żadnego członka rodziny: wpisz ' +
                'identyfikator członka rodziny w pole ZGLOSZENIE albo WYREJESTROWANIE.');
}
