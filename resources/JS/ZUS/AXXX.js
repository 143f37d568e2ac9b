// Biblioteka "ZUS/AXXX": adresy ubezpieczonego z jego zapisu: adres (blok AZMO), adres zamieszkania
// (ADZA, `ZAMAdres`) i adres do korespondencji (ADKB, `KORAdres`); kod pocztowy samymi cyframi.

// Najdłuższe teksty pozycji adresu AZMO i ADZA oraz ADKB: [pozycja, znaków, opis].
var ZUS_DLUGOSCI_ADRESU = [
    [2, 26, 'miejscowość'], [3, 26, 'gmina'], [4, 30, 'ulica'], [5, 7, 'numer domu'], [6, 7, 'numer lokalu'],
    [7, 12, 'telefon']
];
var ZUS_DLUGOSCI_ADRESU_KORESPONDENCYJNEGO = [
    [2, 26, 'miejscowość'], [3, 30, 'ulica'], [4, 7, 'numer domu'], [5, 7, 'numer lokalu']
];

function ZusKodPocztowy(kod)
{
    return ZusTekst(kod).replace(/[^0-9]/g, '');
}

// Pozycje 1-6 bloku adresu: kod pocztowy, miejscowość, gmina, ulica, numer domu, numer lokalu.
function WypelnijAdres(blok, adres)
{
    PutValue(blok, 1, ZusKodPocztowy(adres.KodPocztowy));
    PutValue(blok, 2, ZusTekst(adres.Miasto));
    PutValue(blok, 3, ZusTekst(adres.Gmina));
    PutValue(blok, 4, ZusTekst(adres.Ulica));
    PutValue(blok, 5, ZusTekst(adres.NrDomu));
    PutValue(blok, 6, ZusTekst(adres.NrLokalu));
}

function WypelnijAdresy(zapis)
{
    WypelnijAdres('AZMO', zapis.Adres);
    PutValue('AZMO', 7, ZusTekst(zapis.Telefon));
    PutValue('AZMO', 8, '');
    WypelnijAdres('ADZA', zapis.ZAMAdres);
    PutValue('ADZA', 7, '');
    PutValue('ADZA', 8, '');
    var k = zapis.KORAdres;
    PutValue('ADKB', 1, ZusKodPocztowy(k.KodPocztowy));
    PutValue('ADKB', 2, ZusTekst(k.Miasto));
    PutValue('ADKB', 3, ZusTekst(k.Ulica));
    PutValue('ADKB', 4, ZusTekst(k.NrDomu));
    PutValue('ADKB', 5, ZusTekst(k.NrLokalu));
    for (var i = 6; i <= 9; i++)
        PutValue('ADKB', i, '');
}

function SprawdzAdresy()
{
    var kto = ZusUbezpieczony();
    SprawdzDlugosci('AZMO', ZUS_DLUGOSCI_ADRESU, kto + ', adres (blok AZMO): ');
    SprawdzDlugosci('ADZA', ZUS_DLUGOSCI_ADRESU, kto + ', adres zamieszkania (blok ADZA): ');
    SprawdzDlugosci('ADKB', ZUS_DLUGOSCI_ADRESU_KORESPONDENCYJNEGO, kto + ', adres do korespondencji (blok ADKB): ');
}
