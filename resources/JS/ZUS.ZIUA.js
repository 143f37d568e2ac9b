// ZUS ZIUA: zmiana danych identyfikacyjnych ubezpieczonego. Dane dotychczasowe (blok DIOP) wpisuje
// użytkownik w pola DIOP... i przeliczenie ich nie zmienia; dane aktualne (ADIU) pochodzą z zapisu
// pracownika ważnego w dniu DANEZDNIA.

var doPrzeliczenia = 0;    // 1: deklarację trzeba przeliczyć przed zapisem

// Najdłuższe teksty pozycji bloków DIOP i ADIU: [pozycja, znaków, opis].
var ZUS_DLUGOSCI_DIOP = [
    [4, 9, 'DIOPDOKNR (seria i numer dokumentu tożsamości)'],
    [5, 31, 'DIOPNAZWISKO (nazwisko)'],
    [6, 22, 'DIOPIMIE1 (imię)']
];
var ZUS_DLUGOSCI_ADIU = [
    [4, 9, 'seria i numer dokumentu tożsamości (blok ADIU, pozycja 4)'],
    [5, 31, 'nazwisko (blok ADIU, pozycja 5)'],
    [6, 22, 'imię (blok ADIU, pozycja 6)']
];

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
    SprawdzIdentyfikacje(GetValue('DIOP', 1), GetValue('DIOP', 3), GetValue('DIOP', 4),
                         'Pole DIOPPESEL (dotychczasowe dane ubezpieczonego)');
    SprawdzDlugosci('DIOP', ZUS_DLUGOSCI_DIOP, 'Pole ');
    SprawdzIdentyfikacje(GetValue('ADIU', 1), GetValue('ADIU', 3), GetValue('ADIU', 4),
                         'Aktualne dane ubezpieczonego (blok ADIU)');
    SprawdzDlugosci('ADIU', ZUS_DLUGOSCI_ADIU, 'Pole ');
}
