// VAT-27(1): okres (miesiąc albo kwartał), sumy części C i D z wierszy list DeklV27, kontrola i opis.

function BladVat27(tekst)
{
    CcThrow(ERR_Mv_DekBladObliczenia, tekst);
}

function Vat27Miesiecznie()
{
    return KwotaPola('MiesiecznieKwartalnie') == 1;
}

// Poz. 4: miesiąc informacji miesięcznej albo kwartał kwartalnej.
function OkresVat27()
{
    return Vat27Miesiecznie() ? dokument.Miesiac : Math.floor((dokument.Miesiac + 2) / 3);
}

// Suma kwot wierszy listy 1 (dostawy towarów) albo 2 (usługi), liczona w groszach.
function SumaListyVat27(lista)
{
    var wiersze = (lista == 1) ? dokument.CustomCollection01 : dokument.CustomCollection02;
    if (wiersze == null)
        return 0;
    var suma = 0;
    for (var i = 0; i < wiersze.Count; i++)
        suma += Math.round(Number(wiersze.Item(i).kwota) * 100);
    return suma / 100;
}

// "onverify": znane wartości okresu, celu złożenia i rodzaju podatnika.
function SprawdzVat27()
{
    var okres = KwotaPola('MiesiecznieKwartalnie');
    if (okres != 1 && okres != 2)
        BladVat27('Okres informacji (pole MiesiecznieKwartalnie) musi mieć wartość 1 (miesiąc) albo 2 (kwartał).');
    var cel = KwotaPola('P_7');
    if (cel != 1 && cel != 2)
        BladVat27('Cel złożenia informacji (poz. 7) musi mieć wartość 1 (złożenie) albo 2 (korekta).');
    var rodzaj = KwotaPola('P_8');
    if (rodzaj != 1 && rodzaj != 2)
        BladVat27('Rodzaj podatnika (poz. 8) musi mieć wartość 1 albo 2.');
}

// "opis": nazwa formularza i okres.
function OpisVat27()
{
    if (Vat27Miesiecznie())
        return 'VAT-27 za ' + DwieCyfry(dokument.Miesiac) + '/' + dokument.Rok;
    return 'VAT-27 za ' + OkresVat27() + ' kwartał ' + dokument.Rok;
}
