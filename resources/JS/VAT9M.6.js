// VAT-9M(6): podatek należny od importu usług oraz od dostaw towarów i usług, dla których podatnikiem jest
// nabywca, wykazywany przez podatnika nieskładającego deklaracji VAT-7 ani VAT-8. Podstawy i podatek z części
// C wpisuje użytkownik (stawki bywają różne); przeliczenie zaokrągla je do pełnych złotych i sumuje podatek
// do wpłaty (poz. 16). Deklaracja nie wykazuje podatku naliczonego.

// Wiersze części C: podstawa opodatkowania i podatek należny.
var VAT9M_PODSTAWY = ['P_10', 'P_12', 'P_14'];
var VAT9M_PODATEK = ['P_11', 'P_13', 'P_15'];
var VAT9M_KWOTY = ['P_10', 'P_11', 'P_12', 'P_13', 'P_14', 'P_15', 'P_16'];

function Vat9mBlad(tekst)
{
    CcThrow(ERR_Mv_DekBladObliczenia, tekst);
}

// Podatek do wpłaty, jaki powinien stać w poz. 16.
function Vat9mPodatekDoWplaty()
{
    return SumaPol(VAT9M_PODATEK);
}

// "onupdate" kwot podatku: poz. 16 nadąża za każdą zmianą.
function Vat9mPrzelicz()
{
    UstawPole('P_16', Vat9mPodatekDoWplaty());
}

// "oncalculate": kwoty w pełnych złotych, podatek do wpłaty, dane podatnika z ustawień firmy.
function Vat9mPolicz()
{
    var wpisane = VAT9M_PODSTAWY.concat(VAT9M_PODATEK);
    for (var i = 0; i < wpisane.length; i++)
        UstawPole(wpisane[i], PelneZlote(KwotaPola(wpisane[i])));
    Vat9mPrzelicz();
    UzupelnijPodatnika();
}

// "onverify": cel złożenia i rodzaj podatnika, kwoty nieujemne i w pełnych złotych, poz. 16 równa sumie
// podatku z wierszy części C.
function Vat9mWeryfikuj()
{
    var cel = KwotaPola('P_7');
    if (cel != 1 && cel != 2)
        Vat9mBlad('Cel złożenia deklaracji (poz. 7) musi mieć wartość 1 (złożenie) albo 2 (korekta).');
    var rodzaj = KwotaPola('P_8');
    if (rodzaj != 1 && rodzaj != 2)
        Vat9mBlad('Rodzaj podatnika (poz. 8) musi mieć wartość 1 albo 2.');
    for (var i = 0; i < VAT9M_KWOTY.length; i++) {
        var nazwa = VAT9M_KWOTY[i];
        if (KwotaPola(nazwa) < 0)
            Vat9mBlad('Kwota w poz. ' + nazwa.substr(2) + ' nie może być ujemna.');
        if (KwotaPola(nazwa) != PelneZlote(KwotaPola(nazwa)))
            CcThrow(ERR_Mv_DekParamZmienione, 'Kwota w poz. ' + nazwa.substr(2) +
                    ' nie jest w pełnych złotych. Deklarację należy przeliczyć.');
    }
    if (KwotaPola('P_16') != Vat9mPodatekDoWplaty())
        CcThrow(ERR_Mv_DekParamZmienione, 'Kwota w poz. 16 nie odpowiada sumie kwot z poz. 11, 13 i 15. ' +
                'Deklarację należy przeliczyć.');
}

// "kwota": podatek do wpłaty.
function Vat9mKwota()
{
    return KwotaPola('P_16');
}

// "termin": 25. dzień miesiąca następującego po miesiącu deklaracji, przesunięty na dzień roboczy.
function Vat9mTermin()
{
    return DzienRoboczy(new Date(dokument.Rok, dokument.Miesiac, 25));
}

// "opis": nazwa formularza i miesiąc.
function Vat9mOpis()
{
    return 'VAT-9M za ' + DwieCyfry(dokument.Miesiac) + '/' + dokument.Rok;
}
