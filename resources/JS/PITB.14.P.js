// PIT/B(14): dochód (strata) z jednej działalności gospodarczej albo udziału w spółce, załącznik zeznania PIT-36
// albo PIT-36L. Dane podatnika przychodzą z zeznania; przychód i koszty działalności prowadzonej w firmie - z
// księgi przychodów i rozchodów za cały rok przez serwis danych, w części udziału (poz. 10).

var PITB_Z_KSIEGI = 1;
var PITB_PELNY_UDZIAL = 100;
var PITB_ZEZNANIA = [PIT_TYP_PIT36, PIT_TYP_PIT36L];
// Wersje zeznań, dla których serwis danych liczy limit kosztów reklamy.
var PITB_WERSJE_ZEZNAN = {};
PITB_WERSJE_ZEZNAN[PIT_TYP_PIT36] = 23;
PITB_WERSJE_ZEZNAN[PIT_TYP_PIT36L] = 12;

// Przychód i koszty roku z księgi: przychód, koszty z reklamą w uznanym limicie, pomniejszone o zmianę remanentu.
function PitBZKsiegi(typZeznania)
{
    var serwis = dokument.Session.CreateObject('TLX.SerwisDeklaracji');
    serwis.TypDeklaracji = typZeznania;
    serwis.WersjaDeklaracji = PITB_WERSJE_ZEZNAN[typZeznania];
    var rs = serwis.DochodPodatnika(dokument.Rok, 12, 0);
    var wynik = { przychod: 0, koszty: 0 };
    if (rs.RecordCount != 0) {
        for (rs.MoveFirst(); !rs.EOF; rs.MoveNext()) {
            wynik.przychod += Number(rs.Fields('Przychod').Value);
            wynik.koszty += Number(rs.Fields('Koszt').Value) + Number(rs.Fields('ReklamaKoszt').Value) -
                            Number(rs.Fields('Remanent').Value);
        }
    }
    return wynik;
}

// "oncalculate".
function PitBPolicz()
{
    PitUstawOkresRoczny();
    PitPrzepiszOsobeZZeznania();
    if (KwotaPola('P_15') == PITB_Z_KSIEGI) {
        var zeznanie = PitZeznanieZalacznika();
        var ksiega = PitBZKsiegi(zeznanie != null ? Number(zeznanie.TypDeklar) : PIT_TYP_PIT36);
        var udzial = KwotaPola('P_10') / PITB_PELNY_UDZIAL;
        UstawPole('P_11', PitGrosze(ksiega.przychod * udzial));
        UstawPole('P_12', PitGrosze(ksiega.koszty * udzial));
    }
    UstawPole('P_13', PitDochod(KwotaPola('P_11'), KwotaPola('P_12')));
    UstawPole('P_14', PitDochod(KwotaPola('P_12'), KwotaPola('P_11')));
}

// "onverify": załącznik zeznania PIT-36 albo PIT-36L (tego bez działalności małżonka), udział do 100%, kwoty nieujemne, dochód i strata zgodne z
// przychodem i kosztami.
function PitBWeryfikuj()
{
    var zeznanie = PitSprawdzZeznanieZalacznika('PIT/B', PITB_ZEZNANIA, 'PIT-36 albo PIT-36L');
    PitJednaZ('P_4', [1, 2], 'działalność prowadzi podatnik (1) albo małżonek (2).');
    if (KwotaPola('P_4') == PITB_MALZONEK && Number(zeznanie.TypDeklar) == PIT_TYP_PIT36L)
        PitBlad('4', 'zeznanie PIT-36L składa się bez małżonka: działalność prowadzi podatnik.');
    PitJednaZ('P_7', [1, 2], 'forma działalności musi mieć wartość 1 albo 2.');
    var udzial = KwotaPola('P_10');
    if (udzial <= 0 || udzial > PITB_PELNY_UDZIAL)
        PitBlad('10', 'udział ' + udzial + '% musi być większy od 0 i nie większy niż 100%.');
    PitSprawdzNieujemne(['P_11', 'P_12', 'P_13', 'P_14']);
    if (Math.abs(KwotaPola('P_13') - PitDochod(KwotaPola('P_11'), KwotaPola('P_12'))) > 0.001 ||
        Math.abs(KwotaPola('P_14') - PitDochod(KwotaPola('P_12'), KwotaPola('P_11'))) > 0.001)
        PitDoPrzeliczenia('13', 'dochód i strata nie odpowiadają przychodowi i kosztom.');
}

function PitBOpis()
{
    var nazwa = PitTekst(dokument.P_9);
    return 'PIT/B za ' + dokument.Rok + (nazwa != '' ? ': ' + nazwa : '');
}
