// VAT-7(17) z wariantami VAT-7K(11) i VAT-7D(8): wyliczenie podatku należnego, naliczonego,
// kwoty do wpłaty albo nadwyżki do zwrotu i przeniesienia, kontrola deklaracji, termin i opis.
// Pole "Okres": 1 - rozliczenie miesięczne (VAT-7), 2 - kwartalne (VAT-7K, a przy VAT7D = 1 VAT-7D).

// Podstawy opodatkowania sumowane w poz. 40 (bez poz. 12 i 14, które są "w tym").
var VAT7_PODSTAWY = ['P_10', 'P_11', 'P_13', 'P_15', 'P_17', 'P_19', 'P_21', 'P_22', 'P_23', 'P_25',
                     'P_27', 'P_29', 'P_31', 'P_32', 'P_34'];
// Podatek należny sumowany w poz. 41 ...
var VAT7_NALEZNY = ['P_16', 'P_18', 'P_20', 'P_24', 'P_26', 'P_28', 'P_30', 'P_33', 'P_35', 'P_36', 'P_37'];
// ... pomniejszony o podatek od WNT środków transportu i paliw, wpłacany odrębnie.
var VAT7_POMNIEJSZENIA = ['P_38', 'P_39'];
// Podatek naliczony do odliczenia sumowany w poz. 51 (z nadwyżką z poprzedniej deklaracji i korektami).
var VAT7_NALICZONY = ['P_42', 'P_44', 'P_46', 'P_47', 'P_48', 'P_49', 'P_50'];
// Kwoty wpisywane przez użytkownika; deklaracja wykazuje je w pełnych złotych.
var VAT7_KWOTY_WPISYWANE = VAT7_PODSTAWY.concat(VAT7_NALEZNY, VAT7_POMNIEJSZENIA, VAT7_NALICZONY,
    ['P_12', 'P_14', 'P_43', 'P_45', 'P_52', 'P_53', 'P_55', 'P_57', 'P_58', 'P_59', 'P_60']);

// Forma płatności deklaracji: ustala ją host, skrypt jej nie wskazuje.
var rFormaPlatnosci = null;

function Vat7Miesiecznie()
{
    return KwotaPola('Okres') != 2;
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
    return SumaPol(VAT7_PODSTAWY);
}

function SumaNaleznego()
{
    return SumaPol(VAT7_NALEZNY) - SumaPol(VAT7_POMNIEJSZENIA);
}

function SumaNaliczonego()
{
    return SumaPol(VAT7_NALICZONY);
}

// Wyliczenia części E z kwot części C i D, takie jakie powinny stać w deklaracji.
function WyliczRozliczenie()
{
    var w = {};
    w.P_40 = SumaPodstaw();
    w.P_41 = SumaNaleznego();
    w.P_51 = SumaNaliczonego();
    var roznica = w.P_41 - w.P_51;
    w.P_54 = (roznica > 0) ? Math.max(0, roznica - KwotaPola('P_52') - KwotaPola('P_53')) : 0;
    w.P_56 = ((roznica < 0) ? -roznica : 0) + KwotaPola('P_55');
    w.P_61 = Math.max(0, w.P_56 - KwotaPola('P_57'));
    return w;
}

var VAT7_POLA_WYLICZANE = ['P_40', 'P_41', 'P_51', 'P_54', 'P_56', 'P_61'];

// "onupdate" pól kwotowych: sumy i rozliczenie nadążają za każdą zmianą.
function PrzeliczSumy()
{
    var w = WyliczRozliczenie();
    for (var i = 0; i < VAT7_POLA_WYLICZANE.length; i++)
        UstawPole(VAT7_POLA_WYLICZANE[i], w[VAT7_POLA_WYLICZANE[i]]);
}

// "oncalculate": kwoty w pełnych złotych, kwota wydana na kasy rejestrujące odliczana do wysokości
// nadwyżki podatku należnego (poz. 52), a reszta do zwrotu (poz. 55), potem sumy i rozliczenie.
function OnCalculateDoc()
{
    for (var i = 0; i < VAT7_KWOTY_WPISYWANE.length; i++)
        UstawPole(VAT7_KWOTY_WPISYWANE[i], PelneZlote(KwotaPola(VAT7_KWOTY_WPISYWANE[i])));
    var roznica = SumaNaleznego() - SumaNaliczonego();
    var kasy = KwotaPola('P_52') + KwotaPola('P_55');
    var doOdliczenia = (roznica > 0) ? Math.min(kasy, roznica) : 0;
    UstawPole('P_52', doOdliczenia);
    UstawPole('P_55', kasy - doOdliczenia);
    PrzeliczSumy();
    UzupelnijPodatnika();
}

function BladDeklaracji(tekst)
{
    CcThrow(ERR_Mv_DekBladObliczenia, tekst);
}

function NieWiekszaNiz(pole, granica, opisGranicy)
{
    if (KwotaPola(pole) > granica)
        BladDeklaracji('Kwota w poz. ' + pole.substr(2) + ' nie może być większa niż ' + opisGranicy + '.');
}

// "onverify": zgodność z zasadami wypełniania formularza.
function OnVerifyDoc()
{
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
    for (var i = 0; i < VAT7_KWOTY_WPISYWANE.length; i++) {
        var nazwa = VAT7_KWOTY_WPISYWANE[i];
        if (KwotaPola(nazwa) != PelneZlote(KwotaPola(nazwa)))
            CcThrow(ERR_Mv_DekParamZmienione, 'Kwota w poz. ' + nazwa.substr(2) +
                    ' nie jest w pełnych złotych. Deklarację należy przeliczyć.');
    }
    var w = WyliczRozliczenie();
    for (var j = 0; j < VAT7_POLA_WYLICZANE.length; j++) {
        var wyliczane = VAT7_POLA_WYLICZANE[j];
        if (KwotaPola(wyliczane) != w[wyliczane])
            CcThrow(ERR_Mv_DekParamZmienione, 'Kwota w poz. ' + wyliczane.substr(2) +
                    ' nie odpowiada wyliczeniu. Deklarację należy przeliczyć.');
    }
    NieWiekszaNiz('P_12', KwotaPola('P_11'), 'kwota w poz. 11');
    NieWiekszaNiz('P_14', KwotaPola('P_13'), 'kwota w poz. 13');
    NieWiekszaNiz('P_38', KwotaPola('P_24'), 'kwota w poz. 24');
    NieWiekszaNiz('P_39', KwotaPola('P_24') - KwotaPola('P_38'), 'kwota w poz. 24 pomniejszona o kwotę z poz. 38');
    var roznica = w.P_41 - w.P_51;
    NieWiekszaNiz('P_52', Math.max(0, roznica), 'nadwyżka podatku należnego nad naliczonym');
    NieWiekszaNiz('P_53', Math.max(0, roznica - KwotaPola('P_52')),
                  'nadwyżka podatku należnego nad naliczonym pomniejszona o kwotę z poz. 52');
    NieWiekszaNiz('P_57', w.P_56, 'kwota w poz. 56');
    var terminy = KwotaPola('P_58') + KwotaPola('P_59') + KwotaPola('P_60');
    if (KwotaPola('P_58') < 0 || KwotaPola('P_59') < 0 || KwotaPola('P_60') < 0 || terminy != KwotaPola('P_57'))
        BladDeklaracji('Kwoty zwrotu w terminach 25, 60 i 180 dni (poz. 58-60) muszą dawać razem kwotę zwrotu z poz. 57.');
    if (KwotaPola('P_68') != 1 && KwotaPola('P_69') != 0)
        BladDeklaracji('Liczbę zawiadomień VAT-ZD (poz. 69) podaje się tylko przy ich dołączeniu (poz. 68).');
}

// "kwota": kwota do wpłaty.
function get_PlaKwota()
{
    return KwotaPola('P_54');
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
    var symbol = (KwotaPola('VAT7D') == 1) ? 'VAT-7D' : 'VAT-7K';
    return symbol + ' za ' + NumerKwartalu() + ' kwartał ' + dokument.Rok;
}