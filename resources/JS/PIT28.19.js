// PIT-28(19): zeznanie roczne podatnika opłacającego ryczałt od przychodów ewidencjonowanych. Podatnik to osoba
// wskazana w deklaracji (zapis pracownika ważny na koniec roku); przychody z działalności prowadzonej samodzielnie
// przychodzą z ewidencji przychodów firmy według stawek albo wpisuje je użytkownik, przychody z udziału w spółkach
// sumują załączniki PIT/28B, składki i wpłacony ryczałt wpisuje użytkownik.

var PIT28_OD_ROKU = 2016;
var PIT28_Z_EWIDENCJI = 1;
// Od 2022 r. połowę zapłaconej składki zdrowotnej odlicza się od przychodu; wcześniej składkę odliczano od ryczałtu.
var PIT28_ROK_ZDROWOTNEJ_OD_PRZYCHODU = 2022;
// Pierwsze pozycje kolumn stawek: przychody własne, przychody ze spółek, odliczenia, podstawy, ryczałt.
var PIT28_WLASNE = 20;
var PIT28_SPOLKI = 31;
var PIT28_ODLICZENIA = 42;
var PIT28_PODSTAWY = 53;
var PIT28_RYCZALT = 64;
// Pozycja liczby załączników PIT/28B w dokumencie zeznania.
var PIT28_POZ_LICZBY_PIT28B = '84';

function Pit28Pole(pierwsza, k)
{
    return 'P_' + (pierwsza + k);
}

// "onZmianaPracownika": dane podatnika z zapisu ważnego na koniec roku.
function Pit28ZmianaPodatnika()
{
    PitWpiszPodatnika(['P_1', 'P_7', 'P_8', 'P_9', 'P_10', 'P_11', 'P_12', 'P_13', 'P_14', 'P_15', 'P_16', 'P_17',
                       'P_18', 'P_19']);
}

// Wyliczenia zeznania: przychody każdej stawki pomniejszone o odliczenia (składki), które pomniejszają najpierw
// przychody opodatkowane najwyższą stawką, podstawy w pełnych złotych, ryczałt każdej stawki i razem.
function Pit28Wyliczenia()
{
    var w = {};
    var doOdliczenia = PitGrosze(KwotaPola('P_75') + KwotaPola('P_76'));
    var razem = 0;
    for (var k = 0; k < PIT28_STAWKI.length; k++) {
        var przychod = PitGrosze(KwotaPola(Pit28Pole(PIT28_WLASNE, k)) + KwotaPola(Pit28Pole(PIT28_SPOLKI, k)));
        var odliczenie = PitGrosze(Math.max(0, Math.min(doOdliczenia, przychod)));
        doOdliczenia = PitGrosze(doOdliczenia - odliczenie);
        var podstawa = PelneZlote(przychod - odliczenie);
        w[Pit28Pole(PIT28_ODLICZENIA, k)] = odliczenie;
        w[Pit28Pole(PIT28_PODSTAWY, k)] = podstawa;
        w[Pit28Pole(PIT28_RYCZALT, k)] = PitGrosze(podstawa * PIT28_STAWKI[k] / 100);
        razem += w[Pit28Pole(PIT28_RYCZALT, k)];
    }
    w.P_77 = PitGrosze(razem);
    w.P_79 = PelneZlote(Math.max(0, w.P_77 - KwotaPola('P_78')));
    w.P_81 = Math.max(0, w.P_79 - KwotaPola('P_80'));
    w.P_82 = Math.max(0, KwotaPola('P_80') - w.P_79);
    return w;
}

function Pit28Przelicz()
{
    var w = Pit28Wyliczenia();
    for (var nazwa in w)
        UstawPole(nazwa, w[nazwa]);
}

// "zsumujPolaBIT28B" i pozostałe akcje załączników: przychody podatnika z zapisanych PIT/28B sumowane według stawek
// i ich liczba, potem przeliczenie zeznania. Zeznanie jeszcze niezapisane nie ma załączników: jego kwoty zostają.
function Pit28PrzeliczZalaczniki()
{
    if (PitIdDeklaracji(dokument) != 0) {
        var zalaczniki = PitPoprawNumeracjeZalacznikow(PIT_TYP_PIT28B);
        var sumy = Pit28ZeraStawek();
        for (var i = 0; i < zalaczniki.length; i++)
            for (var k = 0; k < PIT28_STAWKI.length; k++)
                sumy[k] += Number(zalaczniki[i]['P_' + (PIT28B_UDZIALY + k)]);
        for (var k = 0; k < PIT28_STAWKI.length; k++)
            UstawPole(Pit28Pole(PIT28_SPOLKI, k), PitGrosze(sumy[k]));
        UstawPole('LiczbaPIT28B', zalaczniki.length);
    }
    Pit28Przelicz();
}

// "przeliczPoZmianiePodatnikow": identyfikator podatnika na załącznikach.
function Pit28PrzeniesPodatnika()
{
    PitPrzeniesPodatnikowNaZalaczniki();
}

// "oncalculate".
function Pit28Policz()
{
    PitUstawOkresRoczny();
    Pit28ZmianaPodatnika();
    if (PitTekst(dokument.P_5) == '')
        dokument.P_5 = PitUrzadFirmy();
    if (KwotaPola('P_83') == PIT28_Z_EWIDENCJI) {
        var przychody = Pit28PrzychodyZEwidencji(dokument.Rok, String(PIT28_WLASNE));
        for (var k = 0; k < PIT28_STAWKI.length; k++)
            UstawPole(Pit28Pole(PIT28_WLASNE, k), przychody[k]);
    }
    UstawPole('P_80', PelneZlote(KwotaPola('P_80')));
    Pit28PrzeliczZalaczniki();
}

// Akcja "weryfikuj": liczba załączników PIT/28B zapisana w zeznaniu i ich numeracja zgadzają się z załącznikami.
function Pit28SprawdzZalaczniki()
{
    if (PitIdDeklaracji(dokument) == 0) return;
    PitSprawdzLiczbeZalacznikow(PIT_TYP_PIT28B, 'PIT/28B', 'LiczbaPIT28B', PIT28_POZ_LICZBY_PIT28B);
}

// "onverify": zeznanie w roku obowiązywania formularza, z poprawnym identyfikatorem, kwotami nieujemnymi, składką
// zdrowotną odliczaną tak, jak pozwala rok, podstawami i ryczałtem w pełnych złotych, wyliczeniami zgodnymi z
// pozycjami i załącznikami zgodnymi z tym, co zeznanie o nich zapisało.
function Pit28Weryfikuj()
{
    PitSprawdzRok('4', PIT28_OD_ROKU, 'PIT-28(19)');
    PitSprawdzNumerOsoby('1', dokument.P_1, 'podatnika');
    PitJednaZ('P_6', [1, 2], 'cel złożenia musi mieć wartość 1 (zeznanie) albo 2 (korekta).');
    PitJednaZ('P_83', [1, 2], 'przychody z działalności pochodzą z ewidencji przychodów (1) albo są wpisane (2).');
    var kwoty = [], podstawy = [];
    for (var n = PIT28_WLASNE; n <= 82; n++) kwoty.push('P_' + n);
    for (var k = 0; k < PIT28_STAWKI.length; k++) podstawy.push(Pit28Pole(PIT28_PODSTAWY, k));
    PitSprawdzNieujemne(kwoty);
    if (dokument.Rok >= PIT28_ROK_ZDROWOTNEJ_OD_PRZYCHODU && KwotaPola('P_78') != 0)
        PitBlad('78', 'od ' + PIT28_ROK_ZDROWOTNEJ_OD_PRZYCHODU + ' r. składkę zdrowotną odlicza się od przychodu (poz. 76), nie od ryczałtu.');
    if (dokument.Rok < PIT28_ROK_ZDROWOTNEJ_OD_PRZYCHODU && KwotaPola('P_76') != 0)
        PitBlad('76', 'przed ' + PIT28_ROK_ZDROWOTNEJ_OD_PRZYCHODU + ' r. składkę zdrowotną odlicza się od ryczałtu (poz. 78).');
    PitSprawdzPelneZlote(podstawy.concat(['P_79', 'P_80', 'P_81', 'P_82']));
    var w = Pit28Wyliczenia();
    for (var nazwa in w)
        if (Math.abs(KwotaPola(nazwa) - w[nazwa]) > 0.001)
            PitDoPrzeliczenia(PitPozycja(nazwa), 'kwota nie odpowiada pozycjom, z których powstaje.');
    Pit28SprawdzZalaczniki();
}

// Termin zeznania za rok: do 2018 r. 31 stycznia, za lata 2019-2021 koniec lutego, od 2022 r. 30 kwietnia roku
// następnego; dzień wolny przesuwa termin na dzień roboczy.
function Pit28Termin(rok)
{
    if (rok <= 2018) return DzienRoboczy(new Date(rok + 1, 0, 31));
    if (rok <= 2021) return PitTerminKoniecLutego(rok);
    return PitTerminZeznania(rok);
}

// "opis": formularz, rok i podatnik.
function Pit28Opis()
{
    var osoba = (PitTekst(dokument.P_7) + ' ' + PitTekst(dokument.P_8)).replace(/^\s+|\s+$/g, '');
    return 'PIT-28 za ' + dokument.Rok + (osoba != '' ? ': ' + osoba : '');
}
