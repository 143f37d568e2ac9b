// PIT/BR(1): koszty kwalifikowane działalności badawczo-rozwojowej odliczane od dochodu z działalności
// gospodarczej podatnika albo (w zeznaniu wspólnym PIT-36) małżonka, załącznik zeznania PIT-36 albo PIT-36L.
// Wiersze ("PITBR.1") wpisuje użytkownik; załącznik sumuje odliczenia, a zeznanie przenosi sumy do siebie. Pierwszy
// PIT/BR osoby trafia do dokumentu zeznania w całości, wiersze następnych dopisuje się do niego.

var PITBR_ZEZNANIA = [PIT_TYP_PIT36, PIT_TYP_PIT36L];
var PITBR_WIERSZE = 3;

// Akcje "AktualizujPolaZNaglowka" i "AktualizujPolaZPierwszejDeklaracji": identyfikator podatnika i rok z zeznania.
function PitBRPrzepiszZZeznania()
{
    var zeznanie = PitZeznanieZalacznika();
    if (zeznanie == null) return;
    dokument.Rok = zeznanie.Rok;
    dokument.P_1 = PitTekst(zeznanie.P_1);
}

function PitBRSumaWierszy()
{
    var suma = 0;
    for (var i = 1; i <= PITBR_WIERSZE; i++)
        suma += KwotaPola('P_Dc' + i);
    return PitGrosze(suma);
}

function PitBRSumuj()
{
    UstawPole('P_Suma', PitBRSumaWierszy());
}

// Zapisane PIT/BR tej samej osoby tego zeznania poza tym załącznikiem.
function PitBRInneTejOsoby(zeznanie)
{
    var inne = zeznanie.Session.CreateObject('TLXDeklaracje.Deklaracje');
    inne.Filter = 'DkN_ParentID=' + PitIdDeklaracji(zeznanie) + ' AND DkN_TypDeklar=' + PIT_TYP_PITBR + ' AND DkN_DkNID<>' +
                  PitIdDeklaracji(dokument);
    var wynik = [];
    for (var e = new Enumerator(inne); !e.atEnd(); e.moveNext())
        if (Number(e.item().UzupelniamDaneMalzonka) == KwotaPola('UzupelniamDaneMalzonka'))
            wynik.push(e.item());
    return wynik;
}

// "oncalculate": dane z zeznania, suma wierszy i to, czy to pierwszy PIT/BR osoby (żaden inny zapisany PIT/BR tej
// osoby nie ma niższego numeru).
function PitBRPolicz()
{
    PitUstawOkresRoczny();
    PitBRPrzepiszZZeznania();
    PitBRSumuj();
    var zeznanie = PitZeznanieZalacznika();
    var pierwszy = 1;
    var inne = zeznanie != null ? PitBRInneTejOsoby(zeznanie) : [];
    for (var i = 0; i < inne.length; i++)
        if (Number(inne[i].Numer) < Number(dokument.Numer)) pierwszy = 0;
    UstawPole('Pierwszy', pierwszy);
}

// "onverify": załącznik zeznania PIT-36 albo PIT-36L, małżonka tylko w zeznaniu wspólnym PIT-36, wiersze z
// opisem, kwoty nieujemne, odliczenie nie większe niż koszty wiersza, suma zgodna z wierszami.
function PitBRWeryfikuj()
{
    var zeznanie = PitSprawdzZeznanieZalacznika('PIT/BR', PITBR_ZEZNANIA, 'PIT-36 albo PIT-36L');
    PitJednaZ('UzupelniamDaneMalzonka', [0, 1], 'odliczenie podatnika (0) albo małżonka (1).');
    if (KwotaPola('UzupelniamDaneMalzonka') == 1 &&
        (Number(zeznanie.TypDeklar) != PIT_TYP_PIT36 || !PitWspolnie(zeznanie)))
        PitBlad('4', 'odliczenie małżonka wykazuje się tylko w zeznaniu PIT-36 przy rozliczeniu wspólnym.');
    for (var i = 1; i <= PITBR_WIERSZE; i++) {
        PitSprawdzNieujemne(['P_Db' + i, 'P_Dc' + i]);
        var odliczenie = KwotaPola('P_Dc' + i);
        if (odliczenie != 0 && PitTekst(dokument['P_Da' + i]) == '')
            PitBlad('Da' + i, 'wiersz z kwotą odliczenia musi mieć rodzaj kosztów.');
        if (odliczenie > KwotaPola('P_Db' + i) + 0.001)
            PitBlad('Dc' + i, 'odliczenie ' + odliczenie.toFixed(2) + ' zł przekracza koszty kwalifikowane wiersza (' +
                              KwotaPola('P_Db' + i).toFixed(2) + ' zł).');
    }
    if (Math.abs(KwotaPola('P_Suma') - PitBRSumaWierszy()) > 0.001)
        PitDoPrzeliczenia('Suma', 'suma nie odpowiada kwotom wierszy.');
}

function PitBROpis()
{
    return 'PIT/BR nr ' + dokument.Numer + ' za ' + dokument.Rok + (KwotaPola('UzupelniamDaneMalzonka') == 1 ? ' (małżonek)' : '');
}
