// PIT/O(22): odliczenia od dochodu i od podatku podatnika i małżonka, załącznik zeznania PIT-36 albo PIT-37,
// jeden na zeznanie. Kwoty wpisuje użytkownik; załącznik sumuje je, a zeznanie przenosi sumy do siebie.

var PITO_ZEZNANIA = [PIT_TYP_PIT36, PIT_TYP_PIT37];
// Odliczenia od dochodu podatnika i małżonka i ich sumy.
var PITO_ODLICZENIA = [['P_6', 'P_8', 'P_10'], ['P_7', 'P_9', 'P_11']];
var PITO_RAZEM = ['P_12', 'P_13'];
// Wydatki na Internet: do 760 zł na osobę.
var PITO_LIMIT_INTERNETU = 760;

// Akcja "AktualizujPolaZNaglowka": identyfikatory podatnika i małżonka oraz rok z zeznania.
function PitOPrzepiszZZeznania()
{
    var zeznanie = PitZeznanieZalacznika();
    if (zeznanie == null) return;
    dokument.Rok = zeznanie.Rok;
    dokument.P_1 = PitTekst(zeznanie.P_1);
    dokument.P_2 = PitMaPole('P_2', zeznanie) ? PitTekst(zeznanie.P_2) : '';
}

function PitOWyliczenia()
{
    return { P_12: PitGrosze(SumaPol(PITO_ODLICZENIA[0])), P_13: PitGrosze(SumaPol(PITO_ODLICZENIA[1])),
             P_15: PitGrosze(KwotaPola('P_14')) };
}

// "oncalculate".
function PitOPolicz()
{
    PitUstawOkresRoczny();
    PitOPrzepiszZZeznania();
    var w = PitOWyliczenia();
    for (var nazwa in w)
        UstawPole(nazwa, w[nazwa]);
}

// "onverify": jedyny PIT/O zeznania PIT-36 albo PIT-37, kwoty nieujemne, Internet w limicie, sumy zgodne.
function PitOWeryfikuj()
{
    var zeznanie = PitSprawdzZeznanieZalacznika('PIT/O', PITO_ZEZNANIA, 'PIT-36 albo PIT-37');
    var inne = zeznanie.Session.CreateObject('TLXDeklaracje.Deklaracje');
    inne.Filter = 'DkN_ParentID=' + PitIdDeklaracji(zeznanie) + ' AND DkN_TypDeklar=' + PIT_TYP_PITO + ' AND DkN_DkNID<>' +
                  PitIdDeklaracji(dokument);
    if (inne.Count > 0)
        PitBlad('1', 'do zeznania dołączono już załącznik PIT/O; dołącza się jeden.');
    var kwoty = PITO_ODLICZENIA[0].concat(PITO_ODLICZENIA[1], PITO_RAZEM, ['P_14', 'P_15']);
    PitSprawdzNieujemne(kwoty);
    var internet = ['P_6', 'P_7'];
    for (var i = 0; i < internet.length; i++)
        if (KwotaPola(internet[i]) > PITO_LIMIT_INTERNETU)
            PitBlad(PitPozycja(internet[i]), 'wydatki na Internet odlicza się do ' + PITO_LIMIT_INTERNETU + ' zł.');
    var w = PitOWyliczenia();
    for (var nazwa in w)
        if (Math.abs(KwotaPola(nazwa) - w[nazwa]) > 0.001)
            PitDoPrzeliczenia(PitPozycja(nazwa), 'suma nie odpowiada kwotom, z których powstaje.');
}

function PitOOpis()
{
    return 'PIT/O za ' + dokument.Rok;
}
