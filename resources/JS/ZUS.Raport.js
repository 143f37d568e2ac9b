// Raporty imienne deklaracji DRA (RCA, RNA, RZA, RSA): tekst dokumentu KEDU zapisuje obiekt raportu, który
// wypełnia go dla każdej osoby. Skrypt czyta dokument z tekstu, a zapisuje go z powrotem tylko wtedy, gdy
// zmienił go skrypt, żeby nie nadpisać tekstu zapisanego przez obiekt raportu.

var rodzajRaportu = '';   // RCA, RNA, RZA albo RSA
var zmienionyRaport = false;

function OnLoad(rodzaj)
{
    rodzajRaportu = rodzaj;
    zmienionyRaport = false;
    CreateDekZus('ZUS' + rodzaj, false);
}

function OnSaveIt()
{
    if (zmienionyRaport)
        SaveDekZus();
    zmienionyRaport = false;
}

function PutRaport(s, n, v)
{
    PutValue(s, n, v);
    zmienionyRaport = true;
}

// Część identyfikatora raportu (numer × 1000000 + miesiąc × 10000 + rok) jako tekst o `cyfry` cyfrach.
function CzescIdentyfikatora(dzielnik, modul, cyfry)
{
    var tekst = String(Math.floor(GetLiczba('DO' + rodzajRaportu, 1) / dzielnik) % modul);
    while (tekst.length < cyfry)
        tekst = '0' + tekst;
    return tekst;
}
