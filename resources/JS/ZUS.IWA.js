// ZUS IWA: pola wypełniane przez skrypt przed przeliczeniem przez usługę TLXDeklaracje.IWA, która
// wypisuje blok płatnika, średnią liczbę ubezpieczonych, liczbę poszkodowanych i adres.

function OnLoad()
{
    CreateDekZus('ZUSIWA', false);
}

function UstawienieFirmy(klucz)
{
    return String(new ActiveXObject('TLX.Konfiguracja').GetValue(klucz));
}

// Identyfikator deklaracji: dwie cyfry numeru i rok (NNRRRR).
function IdentyfikatorIWA()
{
    return DwieCyfry(dokument.Numer % 100) + String(dokument.Rok);
}

function OnCalculate()
{
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
}

function OnSaveIt()
{
    SaveDekZus();
}
