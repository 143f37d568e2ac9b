// VAT-27(1) i kwartalna VAT-27K(1): okres (miesiąc albo kwartał), sumy części C i D z wierszy list DeklV27
// (DeklV27K), kontrola i opis.

// Typ deklaracji kwartalnej VAT-27K.
var VAT27_TYP_KWARTALNA = 34;

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

// Suma kwot wierszy listy 1 (dostawy towarów) albo 2 (usługi), liczona w groszach. Wiersze VAT-27K (lista
// DeklV27K bez klasy elementów) czyta się z recordsetu listy.
function SumaListyVat27(lista)
{
    var wiersze = (lista == 1) ? dokument.CustomCollection01 : dokument.CustomCollection02;
    if (wiersze == null)
        return 0;
    var suma = 0;
    if (Number(dokument.TypDeklar) == VAT27_TYP_KWARTALNA) {
        var rs = wiersze.Recordset;
        if (rs.RecordCount == 0)
            return 0;
        for (rs.MoveFirst(); !rs.EOF; rs.MoveNext())
            suma += Math.round(Number(rs.Fields('DVK_Kwota').Value) * 100);
        return suma / 100;
    }
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

// "onverify" VAT-27K: jak VAT-27, a okresem jest kwartał, więc miesiąc deklaracji go kończy.
function SprawdzVat27K()
{
    SprawdzVat27();
    if (dokument.Miesiac % 3 != 0)
        BladVat27('Poz. 4: informację VAT-27K składa się za kwartał; miesiąc ' + dokument.Miesiac +
                  ' nie kończy kwartału (3, 6, 9 albo 12).');
}

// "opis": nazwa formularza i okres.
function OpisVat27()
{
    if (Vat27Miesiecznie())
        return 'VAT-27 za ' + DwieCyfry(dokument.Miesiac) + '/' + dokument.Rok;
    var symbol = Number(dokument.TypDeklar) == VAT27_TYP_KWARTALNA ? 'VAT-27K' : 'VAT-27';
    return symbol + ' za ' + OkresVat27() + ' kwartał ' + dokument.Rok;
}
