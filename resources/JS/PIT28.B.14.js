// PIT/28B(14): przychody ze spółki niebędącej osobą prawną według stawek ryczałtu, załącznik zeznania PIT-28.
// Dane podatnika przychodzą z zeznania; przychody spółki - z ewidencji przychodów firmy za cały rok albo wpisane
// przez użytkownika; przychody podatnika to ich część według udziału (poz. 8).

var PIT28B_Z_EWIDENCJI = 1;
var PIT28B_PELNY_UDZIAL = 100;

// Akcje "AktualizujPolaZNaglowka" i "AktualizujPolaZPierwszejDeklaracji": rok, identyfikator, nazwisko i imię
// podatnika z zeznania.
function Pit28BPrzepiszZZeznania()
{
    var zeznanie = PitZeznanieZalacznika();
    if (zeznanie == null || Number(zeznanie.TypDeklar) != PIT_TYP_PIT28) return;
    dokument.Rok = zeznanie.Rok;
    dokument.P_1 = PitTekst(zeznanie.P_1);
    dokument.P_4 = PitTekst(zeznanie.P_7);
    dokument.P_5 = PitTekst(zeznanie.P_8);
}

// "oncalculate".
function Pit28BPolicz()
{
    PitUstawOkresRoczny();
    Pit28BPrzepiszZZeznania();
    if (KwotaPola('P_31') == PIT28B_Z_EWIDENCJI) {
        var przychody = Pit28PrzychodyZEwidencji(dokument.Rok, String(PIT28B_SPOLKA));
        for (var k = 0; k < PIT28_STAWKI.length; k++)
            UstawPole('P_' + (PIT28B_SPOLKA + k), przychody[k]);
    }
    var udzial = KwotaPola('P_8') / PIT28B_PELNY_UDZIAL;
    for (var k = 0; k < PIT28_STAWKI.length; k++)
        UstawPole('P_' + (PIT28B_UDZIALY + k), PitGrosze(KwotaPola('P_' + (PIT28B_SPOLKA + k)) * udzial));
}

// "onverify": załącznik zeznania PIT-28, udział do 100%, przychody nieujemne, przychody podatnika zgodne z
// przychodami spółki i udziałem.
function Pit28BWeryfikuj()
{
    PitSprawdzZeznanieZalacznika('PIT/28B', [PIT_TYP_PIT28], 'PIT-28');
    PitJednaZ('P_31', [1, 2], 'przychody spółki pochodzą z ewidencji przychodów (1) albo są wpisane (2).');
    var udzial = KwotaPola('P_8');
    if (udzial <= 0 || udzial > PIT28B_PELNY_UDZIAL)
        PitBlad('8', 'udział ' + udzial + '% musi być większy od 0 i nie większy niż 100%.');
    var kwoty = [];
    for (var n = PIT28B_SPOLKA; n < PIT28B_UDZIALY + PIT28_STAWKI.length; n++) kwoty.push('P_' + n);
    PitSprawdzNieujemne(kwoty);
    for (var k = 0; k < PIT28_STAWKI.length; k++)
        PitSprawdzWyliczone('P_' + (PIT28B_UDZIALY + k),
                            PitGrosze(KwotaPola('P_' + (PIT28B_SPOLKA + k)) * udzial / PIT28B_PELNY_UDZIAL),
                            'przychód podatnika nie odpowiada przychodowi spółki i udziałowi.');
}

function Pit28BOpis()
{
    var nazwa = PitTekst(dokument.P_7);
    return 'PIT/28B za ' + dokument.Rok + (nazwa != '' ? ': ' + nazwa : '');
}
