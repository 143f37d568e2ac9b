// Biblioteka "ZUS/DEOZ": dalsze dane ubezpieczonego (blok DEOZ) z jego zapisu: drugie imię, nazwisko
// rodowe, obywatelstwo i płeć.

var ZUS_DLUGOSCI_DEOZ = [
    [1, 22, 'drugie imię (blok DEOZ, pozycja 1)'],
    [2, 31, 'nazwisko rodowe (blok DEOZ, pozycja 2)'],
    [3, 22, 'obywatelstwo (blok DEOZ, pozycja 3)'],
    [4, 1, 'płeć (blok DEOZ, pozycja 4)']
];

function WypelnijDEOZ(zapis)
{
    PutValueUC('DEOZ', 1, ZusTekst(zapis.Imie2));
    PutValueUC('DEOZ', 2, ZusTekst(zapis.NazwiskoRodowe));
    PutValueUC('DEOZ', 3, ZusTekst(zapis.Obywatelstwo));
    PutValue('DEOZ', 4, ZusTekst(zapis.Plec));
}

function SprawdzDEOZ()
{
    SprawdzDlugosci('DEOZ', ZUS_DLUGOSCI_DEOZ, ZusUbezpieczony() + ': ');
}
