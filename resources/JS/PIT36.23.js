// PIT-36(23): zeznanie roczne podatnika opodatkowanego według skali, indywidualnie albo wspólnie z małżonkiem.
// Podatnik to osoba wskazana w deklaracji (zapis pracownika ważny na koniec roku: właściciel albo wspólnik);
// dochód z działalności gospodarczej sumują jego załączniki PIT/B, ulgi przychodzą z załącznika PIT/O,
// należności od płatników (z informacji PIT-11), składki i zaliczki wpisuje użytkownik.

// Wiersze źródeł przychodów: podatnik i małżonek.
var PIT36_ETAT = [
    { przychod: 'P_24', koszty: 'P_25', dochod: 'P_26', zaliczka: 'P_27' },
    { przychod: 'P_28', koszty: 'P_29', dochod: 'P_30', zaliczka: 'P_31' }
];
var PIT36_DZIALALNOSC = [
    { przychod: 'P_32', koszty: 'P_33', dochod: 'P_34', strata: 'P_35', zaliczka: 'P_36' },
    { przychod: 'P_37', koszty: 'P_38', dochod: 'P_39', strata: 'P_40', zaliczka: 'P_41' }
];
// Kolumny podatnika i małżonka części odliczeń: dochód razem, zaliczki, składki społeczne, ulgi z PIT/O,
// dochód po odliczeniach, składka zdrowotna odliczana od podatku.
var PIT36_OSOBY = [
    { dochod: 'P_42', zaliczki: 'P_44', spoleczne: 'P_46', odliczenia: 'P_48', poOdliczeniach: 'P_50', zdrowotna: 'P_54' },
    { dochod: 'P_43', zaliczki: 'P_45', spoleczne: 'P_47', odliczenia: 'P_49', poOdliczeniach: 'P_51', zdrowotna: 'P_55' }
];
// Dochód z zagranicy z załączników PIT/ZG podatnika i małżonka: metodą proporcjonalnego odliczenia (wchodzi do
// dochodu razem) i wyłączony z progresją (podnosi stopę podatku od podstawy).
var PIT36_ZAGRANICA = [{ proporcjonalnie: 'P_63', zwolniony: 'P_65' }, { proporcjonalnie: 'P_64', zwolniony: 'P_66' }];
// Ulga badawczo-rozwojowa podatnika i małżonka: suma ich PIT/BR i kwota odliczona (do dochodu z działalności).
var PIT36_ULGA_BR = [{ suma: 'P_70', odliczona: 'P_72' }, { suma: 'P_71', odliczona: 'P_73' }];
// Działy specjalne produkcji rolnej podatnika i małżonka z załączników PIT/Z; dochód wchodzi do dochodu razem.
var PIT36_DZIALY_SPECJALNE = [{ przychod: 'P_75', koszty: 'P_76', dochod: 'P_77', strata: 'P_78' },
                              { przychod: 'P_79', koszty: 'P_80', dochod: 'P_81', strata: 'P_82' }];
var PIT36_OD_ROKU = 2016;
// "onZmianaPracownika": dane podatnika z zapisu ważnego na koniec roku.
function Pit36ZmianaPodatnika()
{
    PitWpiszPodatnika(['P_1', 'P_8', 'P_9', 'P_10', 'P_11', 'P_12', 'P_13', 'P_14', 'P_15', 'P_16', 'P_17', 'P_18',
                       'P_19', 'P_20']);
}

// Akcje załączników: sumy zapisanych PIT/B w wierszach działalności podatnika i małżonka, ulgi z PIT/O, dochody z
// zagranicy z PIT/ZG, koszty kwalifikowane z PIT/BR,
// działy specjalne produkcji rolnej z PIT/Z, potem przeliczenie zeznania. Zeznanie jeszcze niezapisane nie ma załączników: jego kwoty zostają, jak są.
function Pit36PrzeliczZalaczniki()
{
    if (PitIdDeklaracji(dokument) != 0) {
        Pit36SumujPitB(PitPoprawNumeracjeZalacznikow(PIT_TYP_PITB));
        Pit36PrzeniesPitO(PitZalaczniki(PIT_TYP_PITO));
        Pit36SumujPitZG(PitPoprawNumeracjeZalacznikow(PIT_TYP_PITZG));
        Pit36SumujPitZ(PitPoprawNumeracjeZalacznikow(PIT_TYP_PITZ));
        var br = PitSumujPitBR(PitPoprawNumeracjePitBR());
        UstawPole('P_70', br[0]);
        UstawPole('P_71', br[1]);
    }
    Pit36Przelicz();
}

function Pit36SumujPitB(zalaczniki)
{
    var sumy = PitSumujPitB(zalaczniki);
    for (var k = 0; k < 2; k++) {
        UstawPole(PIT36_DZIALALNOSC[k].przychod, sumy[k].przychod);
        UstawPole(PIT36_DZIALALNOSC[k].koszty, sumy[k].koszty);
    }
}

function Pit36SumujPitZ(zalaczniki)
{
    var sumy = PitSumujPitZ(zalaczniki);
    for (var k = 0; k < 2; k++)
        for (var nazwa in PIT36_DZIALY_SPECJALNE[k])
            UstawPole(PIT36_DZIALY_SPECJALNE[k][nazwa], sumy[k][nazwa]);
}

function Pit36SumujPitZG(zalaczniki)
{
    var sumy = PitSumujPitZG(zalaczniki);
    for (var k = 0; k < 2; k++) {
        UstawPole(PIT36_ZAGRANICA[k].proporcjonalnie, sumy[k].proporcjonalnie);
        UstawPole(PIT36_ZAGRANICA[k].zwolniony, sumy[k].zwolniony);
    }
    UstawPole('P_67', PitGrosze(sumy[0].podatek + (PitWspolnie() ? sumy[1].podatek : 0)));
}

function Pit36PrzeniesPitO(zalaczniki)
{
    var o = zalaczniki.length > 0 ? zalaczniki[0] : null;
    UstawPole('P_48', o ? PitGrosze(Number(o.P_12)) : 0);
    UstawPole('P_49', o ? PitGrosze(Number(o.P_13)) : 0);
    UstawPole('P_56', o ? PitGrosze(Number(o.P_15)) : 0);
    UstawPole('ZalacznikPITO', o ? 1 : 2);
}

// Dochód i strata wiersza działalności z jego przychodu i kosztów.
function Pit36Wiersz(w)
{
    var roznica = KwotaPola(w.przychod) - KwotaPola(w.koszty);
    return { dochod: PitGrosze(Math.max(0, roznica)), strata: PitGrosze(Math.max(0, -roznica)) };
}

// Podatek od podstawy; dochód wyłączony z progresją liczy się do stopy: podatek od podstawy powiększonej o ten
// dochód, w części, jaką podstawa stanowi w tej sumie.
function Pit36PodatekZProgresja(podstawa, zwolniony)
{
    if (zwolniony <= 0 || podstawa <= 0) return PitPodatekZeznania(podstawa);
    return PitGrosze(PitPodatekZeznania(podstawa + zwolniony) * podstawa / (podstawa + zwolniony));
}

// Wyliczenia zeznania z pozycji wpisanych i przeniesionych z załączników.
function Pit36Wyliczenia()
{
    var w = {};
    var osoby = PitWspolnie() ? 2 : 1;
    var podstawa = 0, zdrowotne = 0, zaliczki = 0, dochody = 0, zagraniczny = 0, zwolniony = 0;
    for (var k = 0; k < 2; k++) {
        var etat = PIT36_ETAT[k], dzial = PIT36_DZIALALNOSC[k], o = PIT36_OSOBY[k], z = PIT36_ZAGRANICA[k];
        var br = PIT36_ULGA_BR[k];
        w[etat.dochod] = PitDochod(KwotaPola(etat.przychod), KwotaPola(etat.koszty));
        var d = Pit36Wiersz(dzial);
        w[dzial.dochod] = d.dochod;
        w[dzial.strata] = d.strata;
        w[o.dochod] = PitGrosze(w[etat.dochod] + d.dochod + KwotaPola(z.proporcjonalnie) +
                                KwotaPola(PIT36_DZIALY_SPECJALNE[k].dochod));
        w[o.zaliczki] = KwotaPola(etat.zaliczka) + KwotaPola(dzial.zaliczka);
        w[br.odliczona] = PitGrosze(Math.min(KwotaPola(br.suma), d.dochod));
        w[o.poOdliczeniach] = PitGrosze(Math.max(0, w[o.dochod] - KwotaPola(o.spoleczne) - KwotaPola(o.odliczenia) -
                                                    w[br.odliczona]));
        if (k < osoby) {
            podstawa += w[o.poOdliczeniach];
            zdrowotne += KwotaPola(o.zdrowotna);
            zaliczki += w[o.zaliczki];
            dochody += w[o.dochod];
            zagraniczny += KwotaPola(z.proporcjonalnie);
            zwolniony += KwotaPola(z.zwolniony);
        }
    }
    w.P_52 = PelneZlote(podstawa);
    w.P_53 = Pit36PodatekZProgresja(w.P_52, zwolniony);
    w.P_68 = PitOdliczeniePodatkuZagranicznego(w.P_53, KwotaPola('P_67'), zagraniczny, dochody);
    w.P_57 = PelneZlote(Math.max(0, w.P_53 - zdrowotne - KwotaPola('P_56') - w.P_68));
    w.P_58 = zaliczki;
    w.P_59 = Math.max(0, w.P_57 - w.P_58);
    w.P_60 = Math.max(0, w.P_58 - w.P_57);
    return w;
}

function Pit36Przelicz()
{
    var w = Pit36Wyliczenia();
    for (var nazwa in w)
        UstawPole(nazwa, w[nazwa]);
}

// "oncalculate".
function Pit36Policz()
{
    PitUstawOkresRoczny();
    Pit36ZmianaPodatnika();
    if (PitTekst(dokument.P_5) == '')
        dokument.P_5 = PitUrzadFirmy();
    var zaliczki = ['P_27', 'P_31', 'P_36', 'P_41'];
    for (var i = 0; i < zaliczki.length; i++)
        UstawPole(zaliczki[i], PelneZlote(KwotaPola(zaliczki[i])));
    Pit36PrzeliczZalaczniki();
}

function Pit36Kwoty()
{
    var nazwy = [];
    for (var n = 24; n <= 60; n++) nazwy.push('P_' + n);
    for (var m = 63; m <= 82; m++) if (m != 69 && m != 74) nazwy.push('P_' + m);
    return nazwy;
}

// "onverify": zeznanie w roku obowiązywania formularza, z poprawnymi identyfikatorami podatnika i małżonka,
// kwotami nieujemnymi, zaliczkami i podatkiem w pełnych złotych, wyliczeniami zgodnymi z pozycjami i
// załącznikami zgodnymi z tym, co zeznanie o nich zapisało.
function Pit36Weryfikuj()
{
    PitSprawdzNaglowekZeznania(PIT36_OD_ROKU, 'PIT-36(23)');
    PitSprawdzNieujemne(Pit36Kwoty());
    PitSprawdzPelneZlote(['P_27', 'P_31', 'P_36', 'P_41', 'P_57', 'P_58', 'P_59', 'P_60']);
    var w = Pit36Wyliczenia();
    for (var nazwa in w)
        if (Math.abs(KwotaPola(nazwa) - w[nazwa]) > 0.001)
            PitDoPrzeliczenia(PitPozycja(nazwa), 'kwota nie odpowiada pozycjom, z których powstaje.');
    PitSprawdzZalaczniki();
}

// "opis": formularz, rok i podatnik.
function Pit36Opis()
{
    var osoba = (PitTekst(dokument.P_8) + ' ' + PitTekst(dokument.P_9)).replace(/^\s+|\s+$/g, '');
    return 'PIT-36 za ' + dokument.Rok + (osoba != '' ? ': ' + osoba : '');
}
