// PIT/ZG(5): dochód z zagranicy i podatek zapłacony za granicą jednej osoby (podatnika albo małżonka) w jednym
// państwie, załącznik zeznania PIT-36 albo PIT-36L. Dochody według źródeł wpisuje użytkownik; załącznik sumuje
// je, a zeznanie przenosi sumy do siebie: dochód metody wyłączenia z progresją podnosi stopę podatku od
// pozostałych dochodów, dochód metody proporcjonalnego odliczenia wchodzi do dochodu, a podatek zapłacony za
// granicą odlicza się do części podatku, która na ten dochód przypada.

var PITZG_ZEZNANIA = [PIT_TYP_PIT36, PIT_TYP_PIT36L];
// Źródła dochodu: [dochód, podatek zapłacony za granicą]; w zeznaniu PIT-36L wykazuje się tylko działalność
// gospodarczą i metodę proporcjonalnego odliczenia.
var PITZG_ZRODLA = [['P_9', 'P_10'], ['P_11', 'P_12'], ['P_13', 'P_14'], ['P_15', 'P_16'], ['P_17', 'P_18']];
var PITZG_DZIALALNOSC = 2;

function PitZGWyliczenia()
{
    var dochod = 0, podatek = 0;
    for (var i = 0; i < PITZG_ZRODLA.length; i++) {
        dochod += KwotaPola(PITZG_ZRODLA[i][0]);
        podatek += KwotaPola(PITZG_ZRODLA[i][1]);
    }
    return { P_19: PitGrosze(dochod), P_20: PitGrosze(podatek) };
}

// "oncalculate".
function PitZGPolicz()
{
    PitUstawOkresRoczny();
    PitPrzepiszOsobeZZeznania();
    dokument.P_7 = PitTekst(dokument.P_7).toUpperCase();
    var w = PitZGWyliczenia();
    for (var nazwa in w)
        UstawPole(nazwa, w[nazwa]);
}

// Inny zapisany PIT/ZG tego zeznania dla tej samej osoby i państwa (załącznik składa się odrębnie dla każdego
// państwa).
function PitZGDrugiDlaPanstwa(zeznanie)
{
    var inne = zeznanie.Session.CreateObject('TLXDeklaracje.Deklaracje');
    inne.Filter = 'DkN_ParentID=' + PitIdDeklaracji(zeznanie) + ' AND DkN_TypDeklar=' + PIT_TYP_PITZG + ' AND DkN_DkNID<>' +
                  PitIdDeklaracji(dokument);
    for (var e = new Enumerator(inne); !e.atEnd(); e.moveNext()) {
        var z = e.item();
        if (PitTekst(z.P_7).toUpperCase() == PitTekst(dokument.P_7).toUpperCase() && Number(z.P_4) == KwotaPola('P_4'))
            return true;
    }
    return false;
}

// Załącznik zeznania PIT-36L: dochód z działalności gospodarczej metodą proporcjonalnego odliczenia.
function PitZGSprawdzPit36L()
{
    if (KwotaPola('P_4') == PITB_MALZONEK)
        PitBlad('4', 'zeznanie PIT-36L składa się bez małżonka: dochód wykazuje podatnik.');
    if (KwotaPola('P_8') != PIT_ZG_PROPORCJONALNIE)
        PitBlad('8', 'do zeznania PIT-36L dochód z zagranicy wykazuje się metodą proporcjonalnego odliczenia.');
    for (var i = 0; i < PITZG_ZRODLA.length; i++)
        if (i != PITZG_DZIALALNOSC && (KwotaPola(PITZG_ZRODLA[i][0]) != 0 || KwotaPola(PITZG_ZRODLA[i][1]) != 0))
            PitBlad(PitPozycja(PITZG_ZRODLA[i][0]), 'do zeznania PIT-36L wykazuje się tylko dochód z działalności gospodarczej.');
}

// "onverify": załącznik zeznania PIT-36 albo PIT-36L, małżonka tylko przy rozliczeniu wspólnym, jeden na osobę i
// państwo inne niż Polska, kwoty nieujemne, podatek zapłacony za granicą tylko przy proporcjonalnym odliczeniu,
// sumy zgodne.
function PitZGWeryfikuj()
{
    var zeznanie = PitSprawdzZeznanieZalacznika('PIT/ZG', PITZG_ZEZNANIA, 'PIT-36 albo PIT-36L');
    PitJednaZ('P_4', [1, 2], 'dochód uzyskał podatnik (1) albo małżonek (2).');
    PitJednaZ('P_8', [PIT_ZG_Z_PROGRESJA, PIT_ZG_PROPORCJONALNIE],
              'metoda musi mieć wartość 1 (wyłączenie z progresją) albo 2 (proporcjonalne odliczenie).');
    var kraj = PitTekst(dokument.P_7);
    if (!/^[A-Za-z]{2}$/.test(kraj) || kraj.toUpperCase() == 'PL')
        PitBlad('7', 'państwo uzyskania dochodu "' + kraj + '" nie jest kodem kraju innego niż Polska.');
    if (Number(zeznanie.TypDeklar) == PIT_TYP_PIT36L)
        PitZGSprawdzPit36L();
    else if (KwotaPola('P_4') == PITB_MALZONEK && !PitWspolnie(zeznanie))
        PitBlad('4', 'dochód małżonka wykazuje się tylko przy rozliczeniu wspólnym.');
    if (PitZGDrugiDlaPanstwa(zeznanie))
        PitBlad('7', 'do zeznania dołączono już załącznik PIT/ZG tej osoby dla państwa ' + kraj.toUpperCase() + '.');
    var kwoty = [];
    for (var i = 0; i < PITZG_ZRODLA.length; i++) kwoty = kwoty.concat(PITZG_ZRODLA[i]);
    PitSprawdzNieujemne(kwoty.concat(['P_19', 'P_20']));
    if (KwotaPola('P_8') == PIT_ZG_Z_PROGRESJA && KwotaPola('P_20') != 0)
        PitBlad('20', 'przy wyłączeniu z progresją podatku zapłaconego za granicą się nie odlicza.');
    var w = PitZGWyliczenia();
    for (var nazwa in w)
        if (Math.abs(KwotaPola(nazwa) - w[nazwa]) > 0.001)
            PitDoPrzeliczenia(PitPozycja(nazwa), 'suma nie odpowiada kwotom, z których powstaje.');
}

function PitZGOpis()
{
    return 'PIT/ZG za ' + dokument.Rok + ': ' + PitTekst(dokument.P_7).toUpperCase();
}
