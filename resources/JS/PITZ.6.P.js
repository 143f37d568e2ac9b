// PIT/Z(6): przychód, koszty i dochód (strata) z jednego działu specjalnego produkcji rolnej podatnika albo (w
// zeznaniu wspólnym PIT-36) małżonka, załącznik zeznania PIT-36 albo PIT-36L. Dochód z ksiąg to przychód
// pomniejszony o koszty; dochód z norm szacunkowych wpisuje użytkownik (bez kosztów i straty). Zeznanie przenosi
// sumy do siebie, do dochodu osoby.

var PITZ_ZEZNANIA = [PIT_TYP_PIT36, PIT_TYP_PIT36L];
var PITZ_Z_KSIAG = 1;
var PITZ_Z_NORM = 2;

function PitZWyliczenia()
{
    if (KwotaPola('P_8') == PITZ_Z_NORM) return { P_10: 0, P_12: 0 };
    return { P_11: PitDochod(KwotaPola('P_9'), KwotaPola('P_10')), P_12: PitDochod(KwotaPola('P_10'), KwotaPola('P_9')) };
}

// "oncalculate".
function PitZPolicz()
{
    PitUstawOkresRoczny();
    PitPrzepiszOsobeZZeznania();
    var w = PitZWyliczenia();
    for (var nazwa in w)
        UstawPole(nazwa, w[nazwa]);
}

// "onverify": załącznik zeznania PIT-36 albo PIT-36L, dział małżonka tylko w zeznaniu wspólnym PIT-36, rodzaj
// działu, kwoty nieujemne, dochód i strata zgodne z przychodem i kosztami.
function PitZWeryfikuj()
{
    var zeznanie = PitSprawdzZeznanieZalacznika('PIT/Z', PITZ_ZEZNANIA, 'PIT-36 albo PIT-36L');
    PitJednaZ('P_4', [1, 2], 'dział prowadzi podatnik (1) albo małżonek (2).');
    if (KwotaPola('P_4') == PITB_MALZONEK && (Number(zeznanie.TypDeklar) != PIT_TYP_PIT36 || !PitWspolnie(zeznanie)))
        PitBlad('4', 'dział małżonka wykazuje się tylko w zeznaniu PIT-36 przy rozliczeniu wspólnym.');
    PitJednaZ('P_8', [PITZ_Z_KSIAG, PITZ_Z_NORM], 'dochód ustala się z ksiąg (1) albo z norm szacunkowych (2).');
    if (PitTekst(dokument.P_7) == '')
        PitBlad('7', 'podaje się rodzaj działu specjalnego produkcji rolnej.');
    PitSprawdzNieujemne(['P_9', 'P_10', 'P_11', 'P_12']);
    var w = PitZWyliczenia();
    for (var nazwa in w)
        if (Math.abs(KwotaPola(nazwa) - w[nazwa]) > 0.001)
            PitDoPrzeliczenia(PitPozycja(nazwa), 'dochód i strata nie odpowiadają przychodowi i kosztom.');
}

function PitZOpis()
{
    return 'PIT/Z za ' + dokument.Rok + ': ' + PitTekst(dokument.P_7);
}
