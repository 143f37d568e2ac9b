// PIT-37(23): zeznanie roczne podatnika, który uzyskał przychody wyłącznie za pośrednictwem płatnika, według skali,
// indywidualnie albo wspólnie z małżonkiem. Podatnik to osoba wskazana w deklaracji; jego przychody, koszty,
// zaliczki i składki przychodzą z wypłat roku jego karty (te same sumy, które informacja PIT-11 liczy dla tej
// karty), a małżonka - z karty wskazanej w polu "PracownikMalzonka" albo wpisane przez użytkownika. Ulgi
// przychodzą z załącznika PIT/O.

// Wiersze podatnika [0] i małżonka [1]: stosunek pracy i umowy zlecenia.
var PIT37_WIERSZE = [
    { etat: { przychod: 'P_24', koszty: 'P_25', dochod: 'P_26', zaliczka: 'P_27' },
      umowy: { przychod: 'P_28', koszty: 'P_29', dochod: 'P_30', zaliczka: 'P_31' } },
    { etat: { przychod: 'P_32', koszty: 'P_33', dochod: 'P_34', zaliczka: 'P_35' },
      umowy: { przychod: 'P_36', koszty: 'P_37', dochod: 'P_38', zaliczka: 'P_39' } }
];
var PIT37_OSOBY = [
    { dochod: 'P_40', zaliczki: 'P_42', spoleczne: 'P_44', odliczenia: 'P_46', poOdliczeniach: 'P_48', zdrowotna: 'P_52' },
    { dochod: 'P_41', zaliczki: 'P_43', spoleczne: 'P_45', odliczenia: 'P_47', poOdliczeniach: 'P_49', zdrowotna: 'P_53' }
];
var PIT37_OD_ROKU = 2016;
// Pozycja zeznania: dołączono załącznik PIT/O (1 - tak, 2 - nie).
var PIT37_POZYCJE_ZALACZNIKOW = { pitO: '59' };

// Przychody, koszty, zaliczki i składki roku z wypłat karty, w kolumnie osoby `k`.
function Pit37ZWyplat(pracownik, k)
{
    var sumy = PitSumyRoku(pracownik, dokument.Rok);
    var grupy = [[PIT37_WIERSZE[k].etat, sumy.etat], [PIT37_WIERSZE[k].umowy, sumy.umowy]];
    for (var i = 0; i < grupy.length; i++) {
        UstawPole(grupy[i][0].przychod, grupy[i][1].przychod);
        UstawPole(grupy[i][0].koszty, grupy[i][1].koszty);
        UstawPole(grupy[i][0].zaliczka, grupy[i][1].zaliczka);
    }
    UstawPole(PIT37_OSOBY[k].spoleczne, PitGrosze(sumy.etat.spoleczne + sumy.umowy.spoleczne));
    UstawPole(PIT37_OSOBY[k].zdrowotna, PitGrosze(sumy.etat.zdrowotne + sumy.umowy.zdrowotne));
}

// Karta małżonka wskazana w polu "PracownikMalzonka" albo null.
function Pit37KartaMalzonka()
{
    var id = KwotaPola('PracownikMalzonka');
    if (id == 0) return null;
    return dokument.Session.CreateObject('TLX.Pracownicy').Item(String(id));
}

// Małżonek z jego karty: identyfikator, nazwisko, imię i data urodzenia z zapisu na koniec roku.
function Pit37WpiszMalzonka(karta)
{
    var zapis = PitZapisNaKoniecRoku(karta);
    var id = PitIdentyfikator(zapis, false);
    dokument.P_2 = id.nip != '' ? id.nip : id.pesel;
    dokument.P_21 = PitTekst(zapis.Nazwisko);
    dokument.P_22 = PitTekst(zapis.Imie1);
    dokument.P_23 = PitDataTekst(zapis.DataUr);
}

// Ulgi z zapisanego PIT/O zeznania.
function Pit37PrzeniesPitO()
{
    var zalaczniki = PitZalaczniki(PIT_TYP_PITO);
    var o = zalaczniki.length > 0 ? zalaczniki[0] : null;
    UstawPole('P_46', o ? PitGrosze(Number(o.P_12)) : 0);
    UstawPole('P_47', o ? PitGrosze(Number(o.P_13)) : 0);
    UstawPole('P_54', o ? PitGrosze(Number(o.P_15)) : 0);
    UstawPole('ZalacznikPITO', o ? 1 : 2);
}

function Pit37Wyliczenia()
{
    var w = {};
    var osoby = PitWspolnie() ? 2 : 1;
    var podstawa = 0, zdrowotne = 0, zaliczki = 0;
    for (var k = 0; k < 2; k++) {
        var wiersze = [PIT37_WIERSZE[k].etat, PIT37_WIERSZE[k].umowy], o = PIT37_OSOBY[k];
        var dochod = 0, zaliczka = 0;
        for (var i = 0; i < wiersze.length; i++) {
            w[wiersze[i].dochod] = PitDochod(KwotaPola(wiersze[i].przychod), KwotaPola(wiersze[i].koszty));
            dochod += w[wiersze[i].dochod];
            zaliczka += KwotaPola(wiersze[i].zaliczka);
        }
        w[o.dochod] = PitGrosze(dochod);
        w[o.zaliczki] = zaliczka;
        w[o.poOdliczeniach] = PitGrosze(Math.max(0, w[o.dochod] - KwotaPola(o.spoleczne) - KwotaPola(o.odliczenia)));
        if (k < osoby) {
            podstawa += w[o.poOdliczeniach];
            zdrowotne += KwotaPola(o.zdrowotna);
            zaliczki += zaliczka;
        }
    }
    w.P_50 = PelneZlote(podstawa);
    w.P_51 = PitPodatekZeznania(w.P_50);
    w.P_55 = PelneZlote(Math.max(0, w.P_51 - zdrowotne - KwotaPola('P_54')));
    w.P_56 = zaliczki;
    w.P_57 = Math.max(0, w.P_55 - w.P_56);
    w.P_58 = Math.max(0, w.P_56 - w.P_55);
    return w;
}

function Pit37Przelicz()
{
    var w = Pit37Wyliczenia();
    for (var nazwa in w)
        UstawPole(nazwa, w[nazwa]);
}

// Akcje załącznika PIT/O: ulgi z zapisanego PIT/O, potem przeliczenie zeznania.
function Pit37PrzeliczZalaczniki()
{
    if (PitIdDeklaracji(dokument) != 0)
        Pit37PrzeniesPitO();
    Pit37Przelicz();
}

// "oncalculate": podatnik i jego przychody z jego karty, małżonek z jego karty (przy rozliczeniu wspólnym).
function Pit37Policz()
{
    PitUstawOkresRoczny();
    PitWpiszPodatnika(['P_1', 'P_8', 'P_9', 'P_10', 'P_11', 'P_12', 'P_13', 'P_14', 'P_15', 'P_16', 'P_17', 'P_18',
                       'P_19', 'P_20']);
    if (PitTekst(dokument.P_5) == '')
        dokument.P_5 = PitUrzadFirmy();
    var pracownik = PitPracownik();
    if (pracownik != null)
        Pit37ZWyplat(pracownik, 0);
    var malzonek = PitWspolnie() ? Pit37KartaMalzonka() : null;
    if (malzonek != null) {
        Pit37WpiszMalzonka(malzonek);
        Pit37ZWyplat(malzonek, 1);
    }
    var zaliczki = ['P_27', 'P_31', 'P_35', 'P_39'];
    for (var i = 0; i < zaliczki.length; i++)
        UstawPole(zaliczki[i], PelneZlote(KwotaPola(zaliczki[i])));
    Pit37PrzeliczZalaczniki();
}

// "onverify": nagłówek zeznania, kwoty nieujemne, zaliczki i podatek w pełnych złotych, wyliczenia zgodne z
// pozycjami, małżonek różny od podatnika i załącznik PIT/O zgodny z tym, co zeznanie o nim zapisało.
function Pit37Weryfikuj()
{
    PitSprawdzNaglowekZeznania(PIT37_OD_ROKU, 'PIT-37(23)');
    if (PitWspolnie() && KwotaPola('PracownikMalzonka') != 0 && PitPracownik() != null &&
        KwotaPola('PracownikMalzonka') == Number(PitPracownik().ID))
        PitBlad('2', 'karta małżonka jest kartą podatnika.');
    var kwoty = [];
    for (var n = 24; n <= 58; n++) kwoty.push('P_' + n);
    PitSprawdzNieujemne(kwoty);
    PitSprawdzPelneZlote(['P_27', 'P_31', 'P_35', 'P_39', 'P_55', 'P_56', 'P_57', 'P_58']);
    var w = Pit37Wyliczenia();
    for (var nazwa in w)
        if (Math.abs(KwotaPola(nazwa) - w[nazwa]) > 0.001)
            PitDoPrzeliczenia(PitPozycja(nazwa), 'kwota nie odpowiada pozycjom, z których powstaje.');
    PitSprawdzZalaczniki(PIT37_POZYCJE_ZALACZNIKOW);
}

function Pit37Opis()
{
    var osoba = (PitTekst(dokument.P_8) + ' ' + PitTekst(dokument.P_9)).replace(/^\s+|\s+$/g, '');
    return 'PIT-37 za ' + dokument.Rok + (osoba != '' ? ': ' + osoba : '');
}
