// VAT-ZD: pozycje listy VATZD (dokumenty nieuregulowane w terminie). Zawiadomienie (403) wykazuje korekty
// podstawy i podatku należnego sprzedawcy, zestawienie zakupów (402) korekty podatku naliczonego nabywcy.
// Sumy korekt liczą się z pozycji, które załącznik VAT-7 wykazuje (netto dodatnie, korekta netto
// nieujemna), tak by zgadzały się z wierszami załącznika.

// Czy pozycję wykazuje się w korektach (netto dodatnie, korekta netto nieujemna).
function PozycjaWykazywanaVatZd(p)
{
    return Number(p.Netto) > 0 && Number(p.KorektaNetto) >= 0;
}

function SumaKorektVatZd(kwota)
{
    var pozycje = dokument.CustomCollection01;
    var suma = 0;
    for (var i = 0; i < pozycje.Count; i++)
    {
        var p = pozycje.Item(i);
        if (PozycjaWykazywanaVatZd(p))
            suma += Math.round(Number(p[kwota]) * 100);
    }
    return suma / 100;
}

function BladVatZd(numer, tekst)
{
    CcThrow(ERR_Mv_DekBladObliczenia, 'Pozycja ' + numer + ': ' + tekst);
}

function TekstVatZd(wartosc)
{
    return wartosc == null ? '' : String(wartosc).replace(/^\s+|\s+$/g, '');
}

// "onverify": każda wykazywana pozycja ma kontrahenta z NIP, numer dokumentu, datę wystawienia i termin
// płatności nie wcześniejszy niż wystawienie, a korekta podstawy nie przekracza kwoty netto dokumentu.
function WeryfikujVatZd()
{
    var pozycje = dokument.CustomCollection01;
    for (var i = 0; i < pozycje.Count; i++)
    {
        var p = pozycje.Item(i);
        if (!PozycjaWykazywanaVatZd(p))
            continue;
        var numer = i + 1;
        if (TekstVatZd(p.NazwaKontrahenta1) == '')
            BladVatZd(numer, 'brak nazwy kontrahenta.');
        if (TekstVatZd(p.NIP).replace(/[\s-]/g, '') == '')
            BladVatZd(numer, 'brak numeru NIP kontrahenta.');
        if (TekstVatZd(p.Dokument) == '')
            BladVatZd(numer, 'brak numeru dokumentu.');
        if (CcIsDate0(p.DataWystawienia) || CcIsDate0(p.TerminRealizacji))
            BladVatZd(numer, 'brak daty wystawienia albo terminu płatności dokumentu ' + TekstVatZd(p.Dokument) + '.');
        if (new Date(p.TerminRealizacji) < new Date(p.DataWystawienia))
            BladVatZd(numer, 'termin płatności dokumentu ' + TekstVatZd(p.Dokument) + ' jest wcześniejszy niż data wystawienia.');
        if (Number(p.KorektaNetto) > Number(p.Netto))
            BladVatZd(numer, 'korekta podstawy (' + Number(p.KorektaNetto) + ') przekracza kwotę netto dokumentu ' +
                      TekstVatZd(p.Dokument) + ' (' + Number(p.Netto) + ').');
    }
}

// "opis": nazwa formularza i miesiąc.
function OpisVatZd(nazwa)
{
    return nazwa + ' za ' + DwieCyfry(dokument.Miesiac) + '/' + dokument.Rok;
}

// "termin": z deklaracją VAT za miesiąc korekty, do 25. dnia miesiąca następnego, w dzień roboczy.
function TerminVatZd()
{
    return DzienRoboczy(new Date(dokument.Rok, dokument.Miesiac, 25));
}
