// ZUS ZIUA: zmiana danych identyfikacyjnych ubezpieczonego. Dane dotychczasowe (blok DIOP) wpisuje
// użytkownik w pola DIOP... i przeliczenie ich nie zmienia; dane aktualne (ADIU) pochodzą z zapisu
// pracownika ważnego w dniu DANEZDNIA.

var doPrzeliczenia = 0;    // 1: deklarację trzeba przeliczyć przed zapisem

// Najdłuższe teksty pozycji bloków DIOP i ADIU: [pozycja, znaków albo ZUS_PESEL, opis].
var ZUS_DLUGOSCI_DIOP = [
    [1, ZUS_PESEL, 'pole DIOPPESEL (PESEL)'],
    [2, 10, 'pole DIOPNIP (NIP)'],
    [4, 9, 'pole DIOPDOKNR (seria i numer dokumentu tożsamości)'],
    [5, 31, 'pole DIOPNAZWISKO (nazwisko)'],
    [6, 22, 'pole DIOPIMIE1 (imię)']
];
var ZUS_DLUGOSCI_ADIU = [
    [1, ZUS_PESEL, 'PESEL (blok ADIU, pozycja 1)'],
    [4, 9, 'seria i numer dokumentu tożsamości (blok ADIU, pozycja 4)'],
    [5, 31, 'nazwisko (blok ADIU, pozycja 5)'],
    [6, 22, 'imię (blok ADIU, pozycja 6)']
];

// Ubezpieczony bloku `blok` (DIOP, ADIU) z nazwiska i imienia, do komunikatów.
function UbezpieczonyZiua(blok, dane)
{
    return 'Ubezpieczony ' + ZusKlucz(GetValue(blok, 5)) + ' ' + ZusKlucz(GetValue(blok, 6)) + ' (' + dane + '): ';
}

function OnLoad()
{
    CreateDekZus('ZUSZIUA', false);
}

function OnCalculate()
{
    doPrzeliczenia = 1;
    var zapis = ZusZapis('DANEZDNIA');
    if (GetDokument() == null)
        CreateDekZus('ZUSZIUA', false);
    PutValue('DOZIUA', 1, ZusTekst(dokument.ZMIANA));
    WypelnijPlatnika();
    WypelnijOsobe('ADIU', zapis);
    PutValue('OPL1', 1, ZusData(dokument.OSWIADCZENIE));
    SaveDekZus();
    doPrzeliczenia = 0;
}

function OnSaveIt()
{
    CheckContext();
    SaveDekZus();
}

function OnVerify()
{
    SprawdzZmiane('DOZIUA', 1);
    SprawdzPlatnika();
    SprawdzIdentyfikacje(GetValue('DIOP', 1), GetValue('DIOP', 3), GetValue('DIOP', 4),
                         'Pole DIOPPESEL (dotychczasowe dane ubezpieczonego)');
    SprawdzDlugosci('DIOP', ZUS_DLUGOSCI_DIOP, UbezpieczonyZiua('DIOP', 'dane dotychczasowe'));
    SprawdzIdentyfikacje(GetValue('ADIU', 1), GetValue('ADIU', 3), GetValue('ADIU', 4),
                         'Aktualne dane ubezpieczonego (blok ADIU)');
    SprawdzDlugosci('ADIU', ZUS_DLUGOSCI_ADIU, UbezpieczonyZiua('ADIU', 'dane aktualne'));
}
