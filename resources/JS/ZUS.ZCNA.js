// ZUS ZCNA: zgłoszenie członków rodziny pracownika deklaracji do ubezpieczenia zdrowotnego albo ich
// wyrejestrowanie. Każdy członek wpisany w pole ZGLOSZENIE albo WYREJESTROWANIE dostaje swój blok DOCRA;
// przeliczenie wypełnia płatnika, ubezpieczonego (z zapisu ważnego w dniu DATAZGLOSZENIA) i datę
// oświadczenia, a bloków członków rodziny nie zmienia.

var doPrzeliczenia = 0;    // 1: deklarację trzeba przeliczyć przed zapisem

var ZUS_ZGLOSZENIE = 1;
var ZUS_WYREJESTROWANIE = 2;

// Najdłuższe teksty pozycji bloku DOCRA: [pozycja, znaków, opis].
var ZUS_DLUGOSCI_DOCRA = [
    [6, 9, 'seria i numer dokumentu tożsamości'], [7, 31, 'nazwisko'], [8, 22, 'imię'], [15, 26, 'miejscowość'],
    [16, 26, 'gmina'], [17, 30, 'ulica'], [18, 7, 'numer domu'], [19, 7, 'numer lokalu']
];

function OnLoad()
{
    CreateDekZus('ZUSZCNA', false);
}

function OnCalculate()
{
    doPrzeliczenia = 1;
    var zapis = ZusZapis('DATAZGLOSZENIA');
    if (GetDokument() == null)
        CreateDekZus('ZUSZCNA', false);
    WypelnijPlatnika();
    WypelnijDAU(zapis);
    PutValue('OPL1', 1, ZusData(dokument.OSWIADCZENIE));
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
    var czlonek;
    try {
        czlonek = zapis.CzlonkowieRodziny.Item('PRR_PrrId=' + Number(id));
    } catch (e) {
        CcThrow(ERR_ThrowText, 'Pracownik nie ma członka rodziny o identyfikatorze ' + ZusTekst(id) + '.');
    }
    if (GetDokument() == null)
        CreateDekZus('ZUSZCNA', false);
    var b = GetDokument().bloki.Add();
    var osoba = ZusIdentyfikatory(czlonek.Pesel, czlonek.NipE, czlonek.DowOsobisty, czlonek.Paszport);
    b(1, 0) = String(rodzaj);
    b(2, 0) = ZusData(dokument.DATAZGLOSZENIA);
    b(3, 0) = osoba.pesel;
    b(4, 0) = osoba.nip;
    b(5, 0) = osoba.rodzaj;
    b(6, 0) = osoba.numer;
    b(7, 0) = ZusTekst(czlonek.Nazwisko).toUpperCase();
    b(8, 0) = ZusTekst(czlonek.Imie).toUpperCase();
    b(9, 0) = ZusData(czlonek.DataUr);
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
    doPrzeliczenia = 1;
}

// Czy dokument ma n-ty blok DOCRA (blok o numerze dalszym niż dodane nie istnieje).
function CzlonekWpisany(blok)
{
    try {
        GetDokument().bloki(blok);
        return true;
    } catch (e) {
        return false;
    }
}

function OnSaveIt()
{
    CheckContext();
    SaveDekZus();
}

function OnVerify()
{
    SprawdzDAU();
    var bloki = GetDokument() == null ? 0 : Number(GetDokument().bloki.Count);
    for (var n = 1; n <= bloki; n++) {
        var blok = 'DOCRA' + n;
        if (!CzlonekWpisany(blok))
            break;
        var kto = 'Członek rodziny ' + n + ' (' + ZusTekst(GetValue(blok, 7)) + ' ' + ZusTekst(GetValue(blok, 8)) + ')';
        SprawdzIdentyfikacje(GetValue(blok, 3), GetValue(blok, 5), GetValue(blok, 6), kto);
        SprawdzDlugosci(blok, ZUS_DLUGOSCI_DOCRA, kto + ': ');
    }
}
