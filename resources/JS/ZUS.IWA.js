// ZUS IWA: pola wypełniane przez skrypt przed przeliczeniem przez usługę TLXDeklaracje.IWA, która
// wypisuje blok płatnika, średnią liczbę ubezpieczonych, liczbę poszkodowanych i adres.

var doPrzeliczenia = 0;    // 1: deklarację trzeba przeliczyć przed zapisem

function OnLoad()
{
    CreateDekZus('ZUSIWA', false);
}

// Identyfikator deklaracji: dwie cyfry numeru i rok (NNRRRR).
function IdentyfikatorIWA()
{
    return DwieCyfry(dokument.Numer % 100) + String(dokument.Rok);
}

// Do udanego przeliczenia deklaracji nie można zapisać: przeliczenie przerwane błędem zostawia
// dokument wypełniony tylko w części.
function OnCalculate()
{
    doPrzeliczenia = 1;
    if (GetDokument() == null)
        CreateDekZus('ZUSIWA', false);
    dokument.Miesiac = 12;
    PutValue('DOIWA', 1, IdentyfikatorIWA());
    PutValue('DOIWA', 2, UstawienieFirmy('KodTerZUS'));
    var decyzja = dokument.NUMERDECYZJI;
    PutValue('DOIWA', 6, decyzja == null ? '' : String(decyzja));
    PutValue('ZDKRIWA', 1, UstawienieFirmy('KodPKD'));
    PutValue('ZDKRIWA', 3, Number(dokument.WYPADKISMIERTELNE));
    PutValue('ZDKRIWA', 4, Number(dokument.WARUNKIZAGROZENIA));
    var data = dokument.OSWIADCZENIE;
    PutValue('OPLR', 1, CcIsDate0(data) ? null : data);
    var iwa = dokument.Session.CreateObject('TLXDeklaracje.IWA');
    iwa.Przelicz(dokument.This);
    doPrzeliczenia = 0;
}

function OnSaveIt()
{
    CheckContext();
    SaveDekZus();
}

// Liczby osób podane przez użytkownika nie mogą być ujemne.
function OnVerify()
{
    SprawdzLiczbeOsob('WYPADKISMIERTELNE', 'Liczba poszkodowanych w wypadkach śmiertelnych i ciężkich');
    SprawdzLiczbeOsob('WARUNKIZAGROZENIA', 'Liczba zatrudnionych w warunkach zagrożenia');
}

function SprawdzLiczbeOsob(pole, opis)
{
    var v = dokument.Wartosc(pole);
    if (v != null && v !== '' && Number(v) < 0)
        CcThrow(ERR_ThrowText, 'Pole ' + pole + ' (' + opis + ') nie może być ujemne: ' + v + '.');
}
