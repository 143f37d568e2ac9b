// ZUS ZWUA: wyrejestrowanie pracownika deklaracji z ubezpieczeń, z jego zapisu ważnego w dniu
// DATAWYREJESTROWANIA: kod tytułu ubezpieczenia, a dla każdego ubezpieczenia, którym był objęty, znak,
// data wyrejestrowania i kod jego przyczyny (blok WUBD), oraz rodzaj wyrejestrowania (DOZWUA).

var doPrzeliczenia = 0;    // 1: deklarację trzeba przeliczyć przed zapisem

function OnLoad()
{
    CreateDekZus('ZUSZWUA', false);
}

function OnCalculate()
{
    doPrzeliczenia = 1;
    var zapis = ZusZapis('DATAWYREJESTROWANIA');
    CreateDekZus('ZUSZWUA', true);
    WypelnijPlatnika();
    WypelnijDAU(zapis);
    var wyrejestrowanie = WypelnijWUBD(zapis);
    var zmiana = ZusTekst(dokument.ZMIANA);
    // Zmiana danych wcześniejszego wyrejestrowania nie ma rodzaju wyrejestrowania.
    var rodzaj = zmiana != '' ? { spoleczne: false, zdrowotne: false } : wyrejestrowanie;
    PutValue('DOZWUA', 1, ZusZnak(rodzaj.spoleczne && rodzaj.zdrowotne));
    PutValue('DOZWUA', 2, ZusZnak(rodzaj.spoleczne && !rodzaj.zdrowotne));
    PutValue('DOZWUA', 3, ZusZnak(rodzaj.zdrowotne && !rodzaj.spoleczne));
    PutValue('DOZWUA', 4, zmiana);
    PutValue('OPL1', 1, ZusData(dokument.OSWIADCZENIE));
    SaveDekZus();
    doPrzeliczenia = 0;
}

// WUBD: pozycja 1 kod tytułu ubezpieczenia; po trzy pozycje (znak, data, kod przyczyny) ubezpieczeń
// emerytalnego, rentowych, chorobowego, wypadkowego i zdrowotnego. Data wyrejestrowania z zapisu, a gdy
// jej nie ma, data z pola DATAWYREJESTROWANIA. Zwraca, z których ubezpieczeń wyrejestrowano.
function WypelnijWUBD(zapis)
{
    var u = zapis.Ubezpieczenie;
    var data = ZusData(u.DataWyrejestrowania);
    if (data == null)
        data = ZusData(dokument.DATAWYREJESTROWANIA);
    var kod = ZusTekst(u.KodWyrejestrowania);
    var objete = [Number(u.Emerytalne) != 0, Number(u.Rentowe) != 0, Number(u.Chorobowe) != 0,
                  Number(u.Wypadkowe) != 0, Number(u.Zdrowotne) != 0];
    PutValue('WUBD', 1, ZusKodUbezpieczenia(zapis));
    var spoleczne = false;
    for (var i = 0; i < objete.length; i++) {
        PutValue('WUBD', 2 + 3 * i, ZusZnak(objete[i]));
        PutValue('WUBD', 3 + 3 * i, objete[i] ? data : null);
        PutValue('WUBD', 4 + 3 * i, objete[i] ? kod : '');
        if (i < 4)
            spoleczne = spoleczne || objete[i];
    }
    return { spoleczne: spoleczne, zdrowotne: objete[4] };
}

function OnSaveIt()
{
    CheckContext();
    SaveDekZus();
}

// Kod przyczyny wyrejestrowania: ubezpieczenia emerytalnego, a bez niego zdrowotnego (pozycje 4 i 16 bloku WUBD).
var ZUS_DLUGOSCI_WUBD = [
    [4, 3, 'kod przyczyny wyrejestrowania (blok WUBD, pozycja 4)'],
    [16, 3, 'kod przyczyny wyrejestrowania (blok WUBD, pozycja 16)']
];

function OnVerify()
{
    SprawdzDAU();
    SprawdzDlugosci('WUBD', ZUS_DLUGOSCI_WUBD, ZusUbezpieczony() + ': ');
}
