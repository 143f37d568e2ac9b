// ZUS RGA: raport imienny wypełniany ręcznie. Osoba to blok DDORGA: nazwisko (1), imię (2), typ
// identyfikatora (3: P dla numeru PESEL, 1 dla dowodu osobistego, 2 dla paszportu), identyfikator (4)
// i kod tytułu ubezpieczenia (5); dalsze pozycje wpisuje użytkownik. Dokument zapisuje się przy każdym
// zapisie deklaracji, bo zmienia go użytkownik, a nie obiekt raportu.

var ZUS_TYPY_IDENTYFIKATORA = { 'P': 11, '1': 9, '2': 9 };   // typ: najdłuższy identyfikator

// Najdłuższe teksty pozycji bloku DDORGA: [pozycja, znaków, opis].
var ZUS_DLUGOSCI_DDORGA = [[1, 31, 'pozycja 1 (nazwisko)'], [2, 22, 'pozycja 2 (imię)']];

function OnLoadRGA()
{
    OnLoad('RGA');
}

// Płatnik z ustawień firmy; identyfikator raportu (numer, miesiąc i rok deklaracji), gdy go nie wpisano.
function OnCalculateRGA()
{
    WypelnijPlatnika();
    if (GetLiczba('DORGA', 1) == 0)
        PutValue('DORGA', 1, Number(dokument.Numer) * 1000000 + Number(dokument.Miesiac) * 10000 +
                             Number(dokument.Rok));
}

function OnSaveRGA()
{
    SaveDekZus();
    zmienionyRaport = false;
}

function OdmowRGA(tekst)
{
    CcThrow(ERR_ThrowText, 'Raport ZUS RGA: ' + tekst);
}

// Identyfikator raportu: numer od 1 do 99 oraz miesiąc i rok deklaracji.
function SprawdzIdentyfikatorRGA()
{
    var ident = GetLiczba('DORGA', 1);
    var numer = Math.floor(ident / 1000000), miesiac = Math.floor(ident / 10000) % 100, rok = ident % 10000;
    if (numer < 1 || numer > 99)
        OdmowRGA('pozycja 1 bloku DORGA (identyfikator raportu) musi mieć numer od 01 do 99, a ma ' + ident + '.');
    if (miesiac != Number(dokument.Miesiac) || rok != Number(dokument.Rok))
        OdmowRGA('pozycja 1 bloku DORGA (identyfikator raportu) wskazuje okres ' + CzescIdentyfikatora(10000, 100, 2) +
                 '/' + rok + ', a deklaracja jest za okres ' + (Number(dokument.Miesiac) < 10 ? '0' : '') +
                 Number(dokument.Miesiac) + '/' + Number(dokument.Rok) + '.');
}

// Osoba w bloku `blok`: nazwisko i imię, typ i identyfikator, sześciocyfrowy kod tytułu ubezpieczenia.
function SprawdzOsobeRGA(blok, n)
{
    var kto = 'osoba ' + n + ' (' + ZusTekst(GetValue(blok, 1)) + ' ' + ZusTekst(GetValue(blok, 2)) + '): ';
    if (ZusTekst(GetValue(blok, 1)) == '')
        OdmowRGA(kto + 'pozycja 1 (nazwisko) musi być wypełniona.');
    if (ZusTekst(GetValue(blok, 2)) == '')
        OdmowRGA(kto + 'pozycja 2 (imię) musi być wypełniona.');
    SprawdzDlugosci(blok, ZUS_DLUGOSCI_DDORGA, 'Raport ZUS RGA: ' + kto);
    var typ = ZusTekst(GetValue(blok, 3));
    if (!ZUS_TYPY_IDENTYFIKATORA.hasOwnProperty(typ))
        OdmowRGA(kto + 'pozycja 3 (typ identyfikatora) musi być P, 1 albo 2, a jest "' + typ + '".');
    var identyfikator = ZusTekst(GetValue(blok, 4));
    if (identyfikator == '')
        OdmowRGA(kto + 'pozycja 4 (identyfikator) musi być wypełniona.');
    if (typ == 'P')
        SprawdzPesel(identyfikator, 'Raport ZUS RGA: ' + kto + 'pozycja 4 (identyfikator)');
    SprawdzDlugosc(identyfikator, ZUS_TYPY_IDENTYFIKATORA[typ], 'Raport ZUS RGA: ' + kto + 'pozycja 4 (identyfikator)');
    if (!/^\d{6}$/.test(ZusTekst(GetValue(blok, 5))))
        OdmowRGA(kto + 'pozycja 5 (kod tytułu ubezpieczenia) musi mieć 6 cyfr, a jest "' + ZusTekst(GetValue(blok, 5)) +
                 '".');
}

function OnVerifyRGA()
{
    SprawdzIdentyfikatorRGA();
    var n = 1;
    for (; ZusBlokWpisany('DDORGA' + n); n++)
        SprawdzOsobeRGA('DDORGA' + n, n);
    if (n == 1)
        OdmowRGA('raport nie zawiera żadnej osoby (bloku DDORGA).');
}
