// ZUS DRA: dokument KEDU deklaracji rozliczeniowej, jej identyfikator oraz kwota, termin i opis płatności.
// Przeliczenie deklaracji wykonuje usługa TLXDeklaracje.DRA.

var doPrzeliczenia = 0;        // 1: deklarację trzeba przeliczyć przed zapisem

function OnLoad()
{
    CreateDekZus('ZUSDRA', false);
}

// Przeliczenie zaczyna od nowego dokumentu KEDU: termin składania wybrany przez użytkownika przechodzi do
// niego, data wypełnienia trafia do bloku OPLS, a resztę wypełnia usługa TLXDeklaracje.DRA. Do udanego
// przeliczenia deklaracji nie można zapisać: przeliczenie przerwane błędem zostawia ją wyliczoną w części.
function OnCalculate()
{
    doPrzeliczenia = 1;
    // Pole liczbowe niewypełnione ma wartość 0, która nie jest żadnym identyfikatorem.
    if (ZusPusta(dokument.DADRAIDENT) || Number(dokument.DADRAIDENT) == 0)
        dokument.DADRAIDENT = NumerIdentyfikatora() * 1000000 + Number(dokument.Miesiac) * 10000 + Number(dokument.Rok);
    var termin = GetDokument() == null ? null : GetValue('DADRA', 1);
    CreateDekZus('ZUSDRA', true);
    if (!ZusPusta(termin))
        PutValue('DADRA', 1, termin);
    var data = dokument.OSWIADCZENIE;
    PutValue('OPLS', 7, CcIsDate0(data) ? null : data);
    var dra = dokument.Session.CreateObject('TLXDeklaracje.DRA');
    dra.Przelicz(dokument.This);
    doPrzeliczenia = 0;
}

// Numer deklaracji w identyfikatorze wpisywanym, gdy go nie podano: numer deklaracji, a poza 1..99 - 1.
function NumerIdentyfikatora()
{
    var numer = Number(dokument.Numer);
    return (numer >= 1 && numer <= 99) ? numer : 1;
}

// Identyfikator deklaracji (NNMMRRRR): numer od 01 do 99 oraz miesiąc i rok deklaracji. Ten sam warunek
// sprawdza moduł przed zapisem deklaracji do pliku KEDU.
function SprawdzIdentyfikatorDRA()
{
    var v = dokument.DADRAIDENT;
    var ident = ZusPusta(v) ? 0 : Number(v);
    var numer = ident < 0 ? Math.ceil(ident / 1000000) : Math.floor(ident / 1000000);
    var pole = 'Deklaracja ZUS DRA: pole DADRAIDENT (identyfikator deklaracji) ';
    if (numer < 1 || numer > 99)
        CcThrow(ERR_ThrowText, pole + 'musi mieć numer od 01 do 99, a ma ' + ident + '.');
    var miesiac = Math.floor(ident / 10000) % 100, rok = ident % 10000;
    if (miesiac != Number(dokument.Miesiac) || rok != Number(dokument.Rok))
        CcThrow(ERR_ThrowText, pole + 'wskazuje okres ' + DwieCyfry(miesiac) + '/' + rok +
                               ', a deklaracja jest za okres ' + DwieCyfry(dokument.Miesiac) + '/' + Number(dokument.Rok) + '.');
}

function OnVerify()
{
    SprawdzIdentyfikatorDRA();
}

function OnSaveIt()
{
    CheckContext();
    SaveDekZus();
}

// Część identyfikatora deklaracji (numer × 1000000 + miesiąc × 10000 + rok) jako tekst o `cyfry` cyfrach.
function CzescIdentyfikatora(dzielnik, modul, cyfry)
{
    var v = dokument.DADRAIDENT;
    var tekst = String(ZusPusta(v) ? 0 : Math.floor(Number(v) / dzielnik) % modul);
    while (tekst.length < cyfry)
        tekst = '0' + tekst;
    return tekst;
}

// "kwota": łączna kwota do zapłaty (blok LSKD).
function get_Kwota()
{
    return GetKwota('LSKD', 1);
}

// "termin": dzień miesiąca po miesiącu deklaracji wyznaczony przez termin składania (DADRA, pozycja 1):
// 5. dla jednostek budżetowych i prokuratorów, 10. dla osób fizycznych, a inaczej 15.
function get_Termin()
{
    var kod = GetLiczba('DADRA', 1);
    var dzien = (kod == 1 || kod == 5) ? 5 : (kod == 2 ? 10 : 15);
    return new Date(dokument.Rok, dokument.Miesiac, dzien);
}

// "opis": nazwa deklaracji i miesiąc.
function get_Opis()
{
    return 'DRA za ' + DwieCyfry(dokument.Miesiac) + '/' + dokument.Rok;
}
