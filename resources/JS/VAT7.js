// Rodzina VAT-7 (z wariantami kwartalnymi VAT-7K i VAT-7D): wyliczenie podatku należnego, naliczonego,
// kwoty do wpłaty albo nadwyżki do zwrotu i przeniesienia, kontrola deklaracji, termin i opis.
// Numeracja pozycji jest danymi wersji: skrypt wersji ("VAT7.17", "VAT7.16", ...) definiuje obiekt
// VAT7_UKLAD z listami i pozycjami poniżej, a biblioteka liczy według niego.
// Pole "Okres": 1 - rozliczenie miesięczne (VAT-7), 2 - kwartalne (VAT-7K, a przy VAT7D = 1 VAT-7D).
//
// VAT7_UKLAD:
//   podstawy        - podstawy opodatkowania sumowane w poz. sumaPodstaw (bez pozycji "w tym"),
//   nalezny         - podatek należny sumowany w poz. sumaNaleznego ...
//   pomniejszenia   - ... pomniejszony o podatek od WNT wpłacany odrębnie, każdy nie większy niż
//                     podatek od WNT (wntPodatek) pomniejszony o poprzednie,
//   naliczony       - podatek naliczony do odliczenia sumowany w poz. sumaNaliczonego,
//   czesci          - pary [część, całość]: pozycja "w tym" nie większa niż jej całość,
//   inneKwoty       - pozostałe kwoty wpisywane (wartości netto nabyć, pozycje "w tym"),
//   kasyOdliczenie, zaniechanie, doWplaty, kasyZwrot, nadwyzka, doZwrotu, doPrzeniesienia - pozycje
//                     rozliczenia, terminyZwrotu - podział kwoty zwrotu według terminów,
//   vatZd, liczbaVatZd - dołączenie zawiadomień VAT-ZD (1 - tak, 2 - nie) i ich liczba,
//   dataWypelnienia - data wypełnienia deklaracji, którą dokument zawsze podaje: gdy jej nie wpisano,
//                     wyliczenie wstawia dzień wyliczenia.
// Wariant VAT-7D rozlicza po kwocie podlegającej wpłacie zaliczki kwartału w polach o tych samych nazwach
// w każdej wersji; jego przekształcenie nadaje im numery pozycji swojego wzoru.

// VAT-7D: zaliczki wpłacone w kwartale i nadpłata z poprzedniego kwartału zaliczona na ich poczet
// (wpisywane), kwota do zapłaty i nadpłata (wyliczane), zaliczenie nadpłaty na poczet przyszłych
// zobowiązań (1 - tak, 2 - nie) i jego kwota.
var VAT7D_KWOTY_WPISYWANE = ['Zaliczki', 'NadplataZaliczona', 'KwotaZaliczenia'];
var VAT7D_POLA_WYLICZANE = ['DoZaplaty', 'Nadplata'];

// Forma płatności deklaracji: ustala ją host, skrypt jej nie wskazuje.
var rFormaPlatnosci = null;

function NumerPozycji(pole)
{
    return pole.substr(2);
}

// Pozycja formularza albo pole bez numeru (rozliczenie zaliczek VAT-7D) w komunikacie: "w poz. 40",
// "w polu Nadplata".
function MiejscePola(pole)
{
    return (pole.substr(0, 2) == 'P_') ? 'poz. ' + NumerPozycji(pole) : 'polu ' + pole;
}

function Vat7KwotyWpisywane()
{
    var u = VAT7_UKLAD;
    var kwoty = u.podstawy.concat(u.nalezny, u.pomniejszenia, u.naliczony, u.inneKwoty,
        [u.kasyOdliczenie, u.zaniechanie, u.kasyZwrot, u.doZwrotu], u.terminyZwrotu);
    return kwoty.concat(VAT7D_KWOTY_WPISYWANE);
}

function Vat7PolaWyliczane()
{
    var u = VAT7_UKLAD;
    var pola = [u.sumaPodstaw, u.sumaNaleznego, u.sumaNaliczonego, u.doWplaty, u.nadwyzka, u.doPrzeniesienia];
    return pola.concat(VAT7D_POLA_WYLICZANE);
}

function Vat7Miesiecznie()
{
    return KwotaPola('Okres') != 2;
}

function Vat7D()
{
    return !Vat7Miesiecznie() && KwotaPola('VAT7D') == 1;
}

function NumerKwartalu()
{
    return Math.floor((dokument.Miesiac + 2) / 3);
}

function UstawKwartal(kwartal)
{
    if (kwartal < 1 || kwartal > 4)
        CcThrow(ERR_Mv_DekBladObliczenia, 'Kwartał musi być liczbą od 1 do 4.');
    dokument.Miesiac = kwartal * 3;
}

// Numer okresu w nagłówku (poz. 4): miesiąc albo kwartał. Poz. 4 i 5 są okresem deklaracji, nie
// osobnymi wartościami: czytają go i ustawiają.
function NumerOkresu()
{
    return Vat7Miesiecznie() ? dokument.Miesiac : NumerKwartalu();
}

function UstawNumerOkresu(numer)
{
    if (Vat7Miesiecznie())
        dokument.Miesiac = numer;
    else
        UstawKwartal(numer);
}

function SumaPodstaw()
{
    return SumaPol(VAT7_UKLAD.podstawy);
}

function SumaNaleznego()
{
    return SumaPol(VAT7_UKLAD.nalezny) - SumaPol(VAT7_UKLAD.pomniejszenia);
}

function SumaNaliczonego()
{
    return SumaPol(VAT7_UKLAD.naliczony);
}

// Wyliczenia rozliczenia z kwot podatku należnego i naliczonego, takie jakie powinny stać w deklaracji.
function WyliczRozliczenie()
{
    var u = VAT7_UKLAD;
    var w = {};
    w[u.sumaPodstaw] = SumaPodstaw();
    w[u.sumaNaleznego] = SumaNaleznego();
    w[u.sumaNaliczonego] = SumaNaliczonego();
    var roznica = w[u.sumaNaleznego] - w[u.sumaNaliczonego];
    w[u.doWplaty] = (roznica > 0) ? Math.max(0, roznica - KwotaPola(u.kasyOdliczenie) - KwotaPola(u.zaniechanie)) : 0;
    w[u.nadwyzka] = ((roznica < 0) ? -roznica : 0) + KwotaPola(u.kasyZwrot);
    w[u.doPrzeniesienia] = Math.max(0, w[u.nadwyzka] - KwotaPola(u.doZwrotu));
    var zaliczki = KwotaPola('Zaliczki') + KwotaPola('NadplataZaliczona');
    w.DoZaplaty = Math.max(0, w[u.doWplaty] - zaliczki);
    w.Nadplata = Math.max(0, zaliczki - w[u.doWplaty]);
    return w;
}

// "onupdate" pól kwotowych: sumy i rozliczenie nadążają za każdą zmianą.
function PrzeliczSumy()
{
    var w = WyliczRozliczenie();
    var pola = Vat7PolaWyliczane();
    for (var i = 0; i < pola.length; i++)
        UstawPole(pola[i], w[pola[i]]);
}

// "oncalculate": kwoty w pełnych złotych, kwota wydana na kasy rejestrujące odliczana do wysokości
// nadwyżki podatku należnego, a reszta do zwrotu, potem sumy i rozliczenie.
function OnCalculateDoc()
{
    var u = VAT7_UKLAD;
    var kwoty = Vat7KwotyWpisywane();
    for (var i = 0; i < kwoty.length; i++)
        UstawPole(kwoty[i], PelneZlote(KwotaPola(kwoty[i])));
    var roznica = SumaNaleznego() - SumaNaliczonego();
    var kasy = KwotaPola(u.kasyOdliczenie) + KwotaPola(u.kasyZwrot);
    var doOdliczenia = (roznica > 0) ? Math.min(kasy, roznica) : 0;
    UstawPole(u.kasyOdliczenie, doOdliczenia);
    UstawPole(u.kasyZwrot, kasy - doOdliczenia);
    PrzeliczSumy();
    UzupelnijPodatnika();
    UzupelnijDateWypelnienia();
}

// Data wypełnienia deklaracji: dzień wyliczenia, gdy nie wpisano innej.
function UzupelnijDateWypelnienia()
{
    var pole = VAT7_UKLAD.dataWypelnienia;
    if (!pole || !CcIsDate0(dokument[pole]))
        return;
    var dzis = new Date();
    dokument[pole] = new Date(dzis.getFullYear(), dzis.getMonth(), dzis.getDate());
}

function BladDeklaracji(tekst)
{
    CcThrow(ERR_Mv_DekBladObliczenia, tekst);
}

function NieWiekszaNiz(pole, granica, opisGranicy)
{
    if (KwotaPola(pole) > granica)
        BladDeklaracji('Kwota w poz. ' + NumerPozycji(pole) + ' nie może być większa niż ' + opisGranicy + '.');
}

// Kolejne pozycje listy jako tekst "38, 39 i 40".
function ListaPozycji(pola)
{
    var numery = [];
    for (var i = 0; i < pola.length; i++)
        numery.push(NumerPozycji(pola[i]));
    if (numery.length < 2)
        return numery.join('');
    return numery.slice(0, numery.length - 1).join(', ') + ' i ' + numery[numery.length - 1];
}

// "onverify": zgodność z zasadami wypełniania formularza.
function OnVerifyDoc()
{
    var u = VAT7_UKLAD;
    // Rodzaj deklaracji wyznacza jej opis, termin i transformatę: tylko znane wartości.
    var okres = KwotaPola('Okres');
    if (okres != 1 && okres != 2)
        BladDeklaracji('Okres rozliczeniowy (pole Okres) musi mieć wartość 1 (miesiąc) albo 2 (kwartał).');
    var vat7d = KwotaPola('VAT7D');
    if (vat7d != 0 && vat7d != 1)
        BladDeklaracji('Pole VAT7D musi mieć wartość 0 albo 1 (deklaracja VAT-7D).');
    var cel = KwotaPola('P_7');
    if (cel != 1 && cel != 2)
        BladDeklaracji('Cel złożenia deklaracji (poz. 7) musi mieć wartość 1 (złożenie) albo 2 (korekta).');
    var rodzaj = KwotaPola('P_8');
    if (rodzaj != 1 && rodzaj != 2)
        BladDeklaracji('Rodzaj podatnika (poz. 8) musi mieć wartość 1 albo 2.');
    var kwoty = Vat7KwotyWpisywane();
    for (var i = 0; i < kwoty.length; i++) {
        if (KwotaPola(kwoty[i]) != PelneZlote(KwotaPola(kwoty[i])))
            CcThrow(ERR_Mv_DekParamZmienione, 'Kwota w ' + MiejscePola(kwoty[i]) +
                    ' nie jest w pełnych złotych. Deklarację należy przeliczyć.');
    }
    var w = WyliczRozliczenie();
    var wyliczane = Vat7PolaWyliczane();
    for (var j = 0; j < wyliczane.length; j++) {
        if (KwotaPola(wyliczane[j]) != w[wyliczane[j]])
            CcThrow(ERR_Mv_DekParamZmienione, 'Kwota w ' + MiejscePola(wyliczane[j]) +
                    ' nie odpowiada wyliczeniu. Deklarację należy przeliczyć.');
    }
    for (var c = 0; c < u.czesci.length; c++)
        NieWiekszaNiz(u.czesci[c][0], KwotaPola(u.czesci[c][1]), 'kwota w poz. ' + NumerPozycji(u.czesci[c][1]));
    var wnt = KwotaPola(u.wntPodatek);
    for (var p = 0; p < u.pomniejszenia.length; p++) {
        var poprzednie = u.pomniejszenia.slice(0, p);
        NieWiekszaNiz(u.pomniejszenia[p], wnt - SumaPol(poprzednie), 'kwota w poz. ' + NumerPozycji(u.wntPodatek) +
                      (p > 0 ? ' pomniejszona o kwotę z poz. ' + ListaPozycji(poprzednie) : ''));
    }
    var roznica = w[u.sumaNaleznego] - w[u.sumaNaliczonego];
    NieWiekszaNiz(u.kasyOdliczenie, Math.max(0, roznica), 'nadwyżka podatku należnego nad naliczonym');
    NieWiekszaNiz(u.zaniechanie, Math.max(0, roznica - KwotaPola(u.kasyOdliczenie)),
                  'nadwyżka podatku należnego nad naliczonym pomniejszona o kwotę z poz. ' + NumerPozycji(u.kasyOdliczenie));
    NieWiekszaNiz(u.doZwrotu, w[u.nadwyzka], 'kwota w poz. ' + NumerPozycji(u.nadwyzka));
    var terminy = 0, ujemne = false;
    for (var t = 0; t < u.terminyZwrotu.length; t++) {
        terminy += KwotaPola(u.terminyZwrotu[t]);
        ujemne = ujemne || KwotaPola(u.terminyZwrotu[t]) < 0;
    }
    if (ujemne || terminy != KwotaPola(u.doZwrotu))
        BladDeklaracji('Kwoty zwrotu w terminach 25, 60 i 180 dni (poz. ' + NumerPozycji(u.terminyZwrotu[0]) + '-' +
                       NumerPozycji(u.terminyZwrotu[u.terminyZwrotu.length - 1]) +
                       ') muszą dawać razem kwotę zwrotu z poz. ' + NumerPozycji(u.doZwrotu) + '.');
    if (KwotaPola(u.vatZd) != 1 && KwotaPola(u.liczbaVatZd) != 0)
        BladDeklaracji('Liczbę zawiadomień VAT-ZD (poz. ' + NumerPozycji(u.liczbaVatZd) +
                       ') podaje się tylko przy ich dołączeniu (poz. ' + NumerPozycji(u.vatZd) + ').');
    if (Vat7D())
        SprawdzZaliczki(w);
}

// Rozliczenie zaliczek deklaracji VAT-7D.
function SprawdzZaliczki(w)
{
    if (KwotaPola('Zaliczki') < 0 || KwotaPola('NadplataZaliczona') < 0)
        BladDeklaracji('Zaliczki wpłacone w kwartale i zaliczona na nie nadpłata nie mogą być ujemne.');
    var zaliczenie = KwotaPola('ZaliczenieNadplaty');
    if (zaliczenie != 0 && zaliczenie != 1 && zaliczenie != 2)
        BladDeklaracji('Zaliczenie nadpłaty (pole ZaliczenieNadplaty) musi mieć wartość 1 (tak) albo 2 (nie).');
    var kwota = KwotaPola('KwotaZaliczenia');
    if (kwota < 0 || kwota > w.Nadplata)
        BladDeklaracji('Kwota nadpłaty do zaliczenia (pole KwotaZaliczenia) musi mieścić się w nadpłacie (pole Nadplata).');
    if (zaliczenie != 1 && kwota != 0)
        BladDeklaracji('Kwotę nadpłaty do zaliczenia (pole KwotaZaliczenia) podaje się tylko przy zaliczeniu nadpłaty (pole ZaliczenieNadplaty).');
}

// "kwota": kwota do wpłaty, w deklaracji VAT-7D pomniejszona o zaliczki kwartału.
function get_PlaKwota()
{
    return KwotaPola(Vat7D() ? 'DoZaplaty' : VAT7_UKLAD.doWplaty);
}

// "termin": 25. dzień miesiąca po okresie (miesiącu albo kwartale), przesunięty na dzień roboczy.
function get_Termin()
{
    var ostatniMiesiac = Vat7Miesiecznie() ? dokument.Miesiac : NumerKwartalu() * 3;
    return DzienRoboczy(new Date(dokument.Rok, ostatniMiesiac, 25));
}

// "opis": nazwa formularza i okres.
function get_Opis()
{
    if (Vat7Miesiecznie())
        return 'VAT-7 za ' + DwieCyfry(dokument.Miesiac) + '/' + dokument.Rok;
    return (Vat7D() ? 'VAT-7D' : 'VAT-7K') + ' za ' + NumerKwartalu() + ' kwartał ' + dokument.Rok;
}
