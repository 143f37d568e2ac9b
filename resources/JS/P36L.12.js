// PIT-36L(12): zeznanie roczne podatnika, który opłaca podatek od dochodu z działalności gospodarczej stawką 19%.
// Podatnik to osoba wskazana w deklaracji (zapis pracownika ważny na koniec roku: właściciel albo wspólnik);
// dochód sumują jego załączniki PIT/B, składki i zaliczki wpisuje użytkownik. Bez rozliczenia z małżonkiem i
// bez ulg załącznika PIT/O.

var PIT36L_OD_ROKU = 2016;
var PIT36L_STAWKA = 0.19;
// Od 2022 r. składki zdrowotnej nie odlicza się od podatku, lecz (w limicie) od dochodu.
var PIT36L_ROK_ZDROWOTNEJ_OD_DOCHODU = 2022;
// Pozycje zeznania, które mówią o jego załącznikach: liczby PIT/B, PIT/ZG, PIT/BR i PIT/Z.
var PIT36L_POZYCJE_ZALACZNIKOW = { pitB: '33', pitZG: '37', pitBR: '40', pitZ: '45' };

// Dane podatnika z zapisu ważnego na koniec roku.
function Pit36LPodatnik()
{
    PitWpiszPodatnika(['P_1', 'P_7', 'P_8', 'P_9', 'P_10', 'P_11', 'P_12', 'P_13', 'P_14', 'P_15', 'P_16', 'P_17',
                       'P_18', 'P_19']);
}

function Pit36LWyliczenia()
{
    var w = {};
    var roznica = KwotaPola('P_20') - KwotaPola('P_21');
    w.P_22 = PitGrosze(Math.max(0, roznica));
    w.P_23 = PitGrosze(Math.max(0, -roznica));
    var dochod = w.P_22 + KwotaPola('P_34') + KwotaPola('P_43');
    // Ulga badawczo-rozwojowa odliczana od dochodu z działalności, nie więcej niż ten dochód.
    w.P_39 = PitGrosze(Math.min(KwotaPola('P_38'), w.P_22));
    w.P_26 = PelneZlote(Math.max(0, dochod - KwotaPola('P_24') - KwotaPola('P_25') - w.P_39));
    w.P_27 = PitGrosze(w.P_26 * PIT36L_STAWKA);
    w.P_36 = PitOdliczeniePodatkuZagranicznego(w.P_27, KwotaPola('P_35'), KwotaPola('P_34'), dochod);
    w.P_29 = PelneZlote(Math.max(0, w.P_27 - KwotaPola('P_28') - w.P_36));
    w.P_31 = Math.max(0, w.P_29 - KwotaPola('P_30'));
    w.P_32 = Math.max(0, KwotaPola('P_30') - w.P_29);
    return w;
}

function Pit36LPrzelicz()
{
    var w = Pit36LWyliczenia();
    for (var nazwa in w)
        UstawPole(nazwa, w[nazwa]);
}

// Akcje załączników PIT/B, PIT/ZG, PIT/BR i PIT/Z: ich sumy w wierszu działalności, dochodu z zagranicy, ulgi i
// działów specjalnych, potem przeliczenie zeznania. Zeznanie jeszcze
// niezapisane nie ma załączników: jego kwoty zostają, jak są.
function Pit36LPrzeliczZalaczniki()
{
    if (PitIdDeklaracji(dokument) != 0) {
        var sumy = PitSumujPitB(PitPoprawNumeracjeZalacznikow(PIT_TYP_PITB));
        UstawPole('P_20', sumy[0].przychod);
        UstawPole('P_21', sumy[0].koszty);
        var zagranica = PitSumujPitZG(PitPoprawNumeracjeZalacznikow(PIT_TYP_PITZG));
        UstawPole('P_34', zagranica[0].proporcjonalnie);
        UstawPole('P_35', zagranica[0].podatek);
        UstawPole('P_38', PitSumujPitBR(PitPoprawNumeracjePitBR())[0]);
        var dzialy = PitSumujPitZ(PitPoprawNumeracjeZalacznikow(PIT_TYP_PITZ))[0];
        UstawPole('P_41', dzialy.przychod);
        UstawPole('P_42', dzialy.koszty);
        UstawPole('P_43', dzialy.dochod);
        UstawPole('P_44', dzialy.strata);
    }
    Pit36LPrzelicz();
}

// "oncalculate".
function Pit36LPolicz()
{
    PitUstawOkresRoczny();
    Pit36LPodatnik();
    if (PitTekst(dokument.P_5) == '')
        dokument.P_5 = PitUrzadFirmy();
    UstawPole('P_30', PelneZlote(KwotaPola('P_30')));
    Pit36LPrzeliczZalaczniki();
}

// "onverify": zeznanie w roku obowiązywania formularza, z poprawnym identyfikatorem, kwotami nieujemnymi, składką
// zdrowotną odliczaną tak, jak pozwala rok, zaliczkami w pełnych złotych i wyliczeniami zgodnymi z pozycjami.
function Pit36LWeryfikuj()
{
    PitSprawdzRok('4', PIT36L_OD_ROKU, 'PIT-36L(12)');
    PitSprawdzNumerOsoby('1', dokument.P_1, 'podatnika');
    PitJednaZ('P_6', [1, 2], 'cel złożenia musi mieć wartość 1 (zeznanie) albo 2 (korekta).');
    var kwoty = [];
    for (var n = 20; n <= 32; n++) kwoty.push('P_' + n);
    kwoty.push('P_34', 'P_35', 'P_36', 'P_38', 'P_39', 'P_41', 'P_42', 'P_43', 'P_44');
    PitSprawdzNieujemne(kwoty);
    if (dokument.Rok >= PIT36L_ROK_ZDROWOTNEJ_OD_DOCHODU && KwotaPola('P_28') != 0)
        PitBlad('28', 'od ' + PIT36L_ROK_ZDROWOTNEJ_OD_DOCHODU + ' r. składkę zdrowotną odlicza się od dochodu (poz. 25), nie od podatku.');
    if (dokument.Rok < PIT36L_ROK_ZDROWOTNEJ_OD_DOCHODU && KwotaPola('P_25') != 0)
        PitBlad('25', 'przed ' + PIT36L_ROK_ZDROWOTNEJ_OD_DOCHODU + ' r. składkę zdrowotną odlicza się od podatku (poz. 28).');
    PitSprawdzPelneZlote(['P_29', 'P_30', 'P_31', 'P_32']);
    var w = Pit36LWyliczenia();
    for (var nazwa in w)
        if (Math.abs(KwotaPola(nazwa) - w[nazwa]) > 0.001)
            PitDoPrzeliczenia(PitPozycja(nazwa), 'kwota nie odpowiada pozycjom, z których powstaje.');
    PitSprawdzZalaczniki(PIT36L_POZYCJE_ZALACZNIKOW);
}

function Pit36LOpis()
{
    var osoba = (PitTekst(dokument.P_7) + ' ' + PitTekst(dokument.P_8)).replace(/^\s+|\s+$/g, '');
    return 'PIT-36L za ' + dokument.Rok + (osoba != '' ? ': ' + osoba : '');
}
