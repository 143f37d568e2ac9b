// The demo company's VAT-UE of earlier periods in the variants of their time, each with its attachments
// numbered in the period (a VAT-UE/A with two supplies and, where `uslugi`, a VAT-UE/C with one service):
// VAT-UE(1) for the fourth quarter of 2009 without services, VAT-UE(2) for the second quarter of 2011 and
// for March 2012 with them; each saved and written as the official document into `folder`, named by the
// variant and the period. A VAT-UE(1) for the third quarter of 2009 with a VAT-UE/C is saved but not
// written: the first variant has no services. A VAT-UE(1) for January 2010, a period after the variant, is
// refused by its calculation.
var e = new ActiveXObject('TLX.EDeklaracja');
e.Login = Session.Login;
var firma = Session.CreateObject('TLX.FirmaCfgRO');

function Nowa(deklaracje, typ, wersja, rok, miesiac, numer, pola) {
    var d = deklaracje.AddNew();
    d.TypDeklar = typ; d.Wersja = wersja; d.Rok = rok; d.Miesiac = miesiac;
    if (numer) d.Numer = numer;
    for (var pole in pola) d[pole] = pola[pole];
    return d;
}

function VatUe(wersja, rok, miesiac, kwartalnie, uslugi) {
    var sesja = Session.Login.CreateSession();
    var deklaracje = sesja.CreateObject('TLXDeklaracje.Deklaracje');
    Nowa(deklaracje, 13, 3, rok, miesiac, 1, {P_Da1: 'DE', P_Db1: '123 456-789', P_Dc1: 15000.40, P_Dd1: 1,
                                             P_Da2: 'FR', P_Db2: '12345678901', P_Dc2: 2500.50, P_Dd2: 2});
    if (uslugi) Nowa(deklaracje, 23, 2, rok, miesiac, 1, {P_Ua1: 'AT', P_Ub1: 'U12345678', P_Uc1: 7000});
    var pola = {P_1: firma.NIP, ZalacznikVATUEA: 1, ZalacznikVATUEB: 0, ZalacznikVATUEC: uslugi ? 1 : 0};
    // The office and the kind of taxpayer stand at positions 6 and 7 in the first variant, 7 and 8 in the second.
    pola['P_' + (wersja == 1 ? 6 : 7)] = firma.UrzadSkarbowy.Kod;
    pola['P_' + (wersja == 1 ? 7 : 8)] = 1;
    if (wersja == 2) pola.Kwartalnie = kwartalnie ? 1 : 0;
    var d = Nowa(deklaracje, 11, wersja, rok, miesiac, 0, pola);
    try {
        d.Policz();
    } catch (err) {
        print('VAT-UE(' + wersja + ') ' + rok + '/' + miesiac + ': ' + err.description);
        return;
    }
    sesja.Save();
    var plik = 'VAT-UE_' + wersja + '_' + rok + '_' + miesiac + '.xml';
    try {
        e.ZapiszXml(d, '', folder + '/' + plik);
    } catch (err) {
        print(d.Opis + ' nr ' + d.Numer + ': ' + err.description);
        return;
    }
    print(d.Opis + ' nr ' + d.Numer + ', przekształcenie ' + d.Transformata + ', adres: ' + d['P_' + (wersja == 1 ? 16 : 17)] +
          '; ' + plik);
}

VatUe(1, 2009, 12, true, false);
VatUe(1, 2009, 9, true, true);
VatUe(2, 2011, 6, true, true);
VatUe(2, 2012, 3, false, true);
VatUe(1, 2010, 1, true, false);
