// Zawiadomienie VAT-ZD: sumy korekt po pozycjach, które załącznik VAT-7 wykazuje (netto dodatnie,
// korekta netto nieujemna), tak by zgadzały się z wierszami załącznika.

function SumaKorektVatZd(kwota)
{
    var pozycje = dokument.CustomCollection01;
    var suma = 0;
    for (var i = 0; i < pozycje.Count; i++)
    {
        var p = pozycje.Item(i);
        if (Number(p.Netto) > 0 && Number(p.KorektaNetto) >= 0)
            suma += Math.round(Number(p[kwota]) * 100);
    }
    return suma / 100;
}
