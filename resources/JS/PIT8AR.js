// PIT-8AR(6): roczna deklaracja płatnika o zryczałtowanym podatku dochodowym, miesiąc po miesiącu.
// Kwoty pobranego podatku wpisuje użytkownik (płace hosta nie wyodrębniają podatku zryczałtowanego);
// przeliczenie wypełnia płatnika z ustawień firmy, zaokrągla kwoty i liczy sumy miesięcy i roku.

// Tabela: poz. 9 do 56 po cztery na miesiąc (trzy rodzaje podatku i razem), poz. 57 do 60 sumy roku.
var PIT4_PIERWSZA = 9;
var PIT4_WIERSZE = 4;
var PIT8AR_OD_ROKU = 2016;

// "oncalculate".
function Pit8arPolicz()
{
    PitUstawOkresRoczny();
    PitUzupelnijPlatnika();
    Pit4ZaokraglijKwoty();
    Pit4PrzeliczSumy();
}

// "onverify".
function Pit8arWeryfikuj()
{
    Pit4Weryfikuj('PIT-8AR(6)', PIT8AR_OD_ROKU);
}

function Pit8arOpis()
{
    return 'PIT-8AR za ' + dokument.Rok;
}
