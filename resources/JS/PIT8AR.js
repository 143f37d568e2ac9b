// PIT-8AR: roczna deklaracja płatnika o zryczałtowanym podatku dochodowym, miesiąc po miesiącu. Kwoty
// pobranego podatku (wiersze 1-14) i wynagrodzenie płatnika (wiersz 16) wpisuje użytkownik (płace hosta nie
// wyodrębniają podatku zryczałtowanego); przeliczenie wypełnia płatnika z ustawień firmy, zaokrągla kwoty
// i liczy sumę (wiersz 15) oraz kwoty do wpłaty (wiersz 17).

// Siedemnaście wierszy po dwanaście miesięcy od pozycji p.
function Pit8arTabela(p)
{
    var w = {}, dodaj = [];
    for (var i = 1; i <= 17; i++)
        w['w' + i] = Pit4Miesiace(p + 12 * (i - 1), 12);
    for (var j = 1; j <= 14; j++)
        dodaj.push('w' + j);
    return {
        wiersze: w,
        liczby: [],
        sumy: [
            { wynik: 'w15', dodaj: dodaj },
            { wynik: 'w17', dodaj: ['w15'], odejmij: ['w16'] }
        ],
        doWplaty: 'w17'
    };
}

function Pit4Tabela()
{
    return Pit8arTabela(PIT4_WERSJA.pierwsza);
}

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
    Pit4Weryfikuj();
}

function Pit8arOpis()
{
    return 'PIT-8AR za ' + dokument.Rok;
}
