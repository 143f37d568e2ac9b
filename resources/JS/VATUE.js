// VAT-UE(1), (2) i (3) z załącznikami VAT-UE/A(3), VAT-UE/B(3), VAT-UE/C(2) oraz korekta VAT-UE/K(3):
// kontrola danych, opis deklaracji i adres podatnika wersji, które go wykazują. Pozycje załącznika to pola
// P_<litera><a|b|c|d><numer pozycji>, np. P_Da1 (kod kraju), P_Db1 (numer VAT), P_Dc1 (kwota), P_Dd1 (1 - nie,
// 2 - transakcja trójstronna).

function BladVatUe(tekst)
{
    CcThrow(ERR_Mv_DekBladObliczenia, tekst);
}

// Tekst pola bez odstępów na brzegach; puste pole to pusty tekst.
function TekstPola(nazwa)
{
    var v = dokument[nazwa];
    if (v == null)
        return '';
    return String(v).replace(/^\s+|\s+$/g, '');
}

// Rodzaj podatnika w poz. `pozycja` (domyślnie 8): 1 albo 2.
function SprawdzPodatnika(pozycja)
{
    pozycja = pozycja || 8;
    var rodzaj = KwotaPola('P_' + pozycja);
    if (rodzaj != 1 && rodzaj != 2)
        BladVatUe('Rodzaj podatnika (poz. ' + pozycja + ') musi mieć wartość 1 albo 2.');
}

// "onverify" VAT-UE: rodzaj podatnika w poz. `pozycjaRodzaju` (domyślnie 8), liczby załączników całkowite
// i nieujemne.
function SprawdzVatUe(pozycjaRodzaju)
{
    SprawdzPodatnika(pozycjaRodzaju);
    var pola = ['ZalacznikVATUEA', 'ZalacznikVATUEB', 'ZalacznikVATUEC'];
    for (var i = 0; i < pola.length; i++) {
        var liczba = KwotaPola(pola[i]);
        if (liczba < 0 || liczba != Math.floor(liczba))
            BladVatUe('Liczba załączników (pole ' + pola[i] + ') musi być liczbą całkowitą nieujemną.');
    }
}

// "onverify" VAT-UE(2): jak SprawdzVatUe, a rodzaj okresu (pole Kwartalnie) 0 - miesiąc albo 1 - kwartał.
function SprawdzVatUeMiesiacKwartal(pozycjaRodzaju)
{
    SprawdzVatUe(pozycjaRodzaju);
    var kwartalnie = KwotaPola('Kwartalnie');
    if (kwartalnie != 0 && kwartalnie != 1)
        BladVatUe('Rodzaj okresu (pole Kwartalnie) musi mieć wartość 0 (miesiąc) albo 1 (kwartał).');
}

// "onverify" załącznika: numer w okresie, a w każdej wypełnionej pozycji kod kraju UE innego niż Polska,
// numer VAT (cyfry, wielkie litery, "+" i "*", do 12 znaków po usunięciu odstępów i kresek) i znacznik
// transakcji trójstronnej 1 albo 2.
function SprawdzZalacznikVatUe(litera, pozycji, trojstronne)
{
    if (!(Number(dokument.Numer) >= 1))
        BladVatUe('Załącznik musi mieć numer kolejny w okresie: 1, 2, ... (pole Numer).');
    for (var i = 1; i <= pozycji; i++) {
        var pole = 'P_' + litera;
        var kraj = TekstPola(pole + 'a' + i);
        var numer = TekstPola(pole + 'b' + i).replace(/[\s-]/g, '');
        if (kraj == '') {
            if (numer != '' || KwotaPola(pole + 'c' + i) != 0)
                BladVatUe('Pozycja ' + i + ' załącznika nie ma kodu kraju.');
            continue;
        }
        if (!/^[A-Z]{2}$/.test(kraj) || kraj == 'PL')
            BladVatUe('Pozycja ' + i + ': kod kraju "' + kraj + '" nie jest kodem państwa członkowskiego UE innego niż Polska.');
        if (!/^[0-9A-Z+*]{1,12}$/.test(numer))
            BladVatUe('Pozycja ' + i + ': numer identyfikacyjny VAT "' + numer + '" jest niepoprawny.');
        if (trojstronne && KwotaPola(pole + 'd' + i) != 1 && KwotaPola(pole + 'd' + i) != 2)
            BladVatUe('Pozycja ' + i + ': znacznik transakcji trójstronnej musi mieć wartość 1 albo 2.');
    }
}

// "opis": nazwa formularza i miesiąc, a dla informacji kwartalnej (`kwartalna` prawdziwe) kwartał.
function OpisVatUe(symbol, kwartalna)
{
    if (kwartalna)
        return symbol + ' za ' + KwartalVatUe() + ' kw. ' + dokument.Rok;
    return symbol + ' za ' + DwieCyfry(dokument.Miesiac) + '/' + dokument.Rok;
}

// Kwartał miesiąca deklaracji.
function KwartalVatUe()
{
    return Math.ceil(dokument.Miesiac / 3);
}

// Adres siedziby albo zamieszkania podatnika z ustawień firmy w dziesięciu pozycjach od `pierwsza`:
// kraj, województwo, powiat, gmina, ulica, nr domu, nr lokalu, miejscowość, kod pocztowy, poczta; pola
// wpisane przez użytkownika zostają.
function UzupelnijAdresPodatnika(pierwsza)
{
    var firma = dokument.Session.CreateObject('TLX.FirmaCfgRO');
    var adres = [firma.Kraj, firma.Wojewodztwo, firma.Powiat, firma.Gmina, firma.Ulica, firma.Nr_domu, firma.Nr_Lokalu,
                 firma.Miasto, firma.KodPocztowy, firma.Poczta];
    for (var i = 0; i < adres.length; i++) {
        var nazwa = 'P_' + (pierwsza + i);
        if (TekstPola(nazwa) == '' && adres[i] != null)
            dokument[nazwa] = String(adres[i]).replace(/^\s+|\s+$/g, '');
    }
}
