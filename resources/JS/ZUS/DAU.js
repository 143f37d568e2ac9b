// Biblioteka "ZUS/DAU": pracownik formularza zgłoszeniowego i jego zapis ważny w dniu zdarzenia, dane
// identyfikacyjne osób (ubezpieczonego w bloku DAU, członków rodziny) i ich sprawdzenie przed zapisem:
// osoba musi mieć PESEL albo rodzaj i numer dokumentu tożsamości, a tekst nie może być dłuższy niż
// element dokumentu KEDU, do którego trafia.

var ZUS_DOWOD_OSOBISTY = '1';
var ZUS_PASZPORT = '2';

// Ubezpieczenie w zapisie pracownika: obowiązkowe albo dobrowolne (0: nie jest ubezpieczony).
var ZUS_OBOWIAZKOWE = 1;
var ZUS_DOBROWOLNE = 2;

// Najdłuższe teksty pozycji bloku DAU: [pozycja, znaków, pole].
var ZUS_DLUGOSCI_DAU = [
    [4, 9, 'DAUDOKUMENT (seria i numer dokumentu tożsamości ubezpieczonego)'],
    [5, 31, 'DAUNAZWISKO (nazwisko ubezpieczonego)'],
    [6, 22, 'DAUIMIE (imię ubezpieczonego)']
];

function ZusPracownik()
{
    try {
        return dokument.Pracownik;
    } catch (e) {
        return null;
    }
}

// Zapis pracownika deklaracji ważny w dniu z pola `pole` formularza.
function ZusZapis(pole)
{
    var pracownik = ZusPracownik();
    if (pracownik == null)
        CcThrow(ERR_ThrowText, 'Deklaracja nie wskazuje pracownika.');
    var data = dokument.Wartosc(pole);
    if (CcIsDate0(data) || data == null)
        CcThrow(ERR_ThrowText, 'Pole ' + pole + ' musi być wypełnione.');
    var zapis = pracownik.GetEtat(data, null);
    if (zapis == null)
        CcThrow(ERR_ThrowText, 'Pracownik ' + ZusTekst(pracownik.Kod) + ' nie ma zapisu ważnego w dniu ' +
                CcFormatD(data) + '.');
    return zapis;
}

// Kod tytułu ubezpieczenia z zapisu: cztery cyfry tytułu, cyfra prawa do emerytury lub renty i cyfra
// stopnia niepełnosprawności.
function ZusKodUbezpieczenia(zapis)
{
    return String(10000 + Number(zapis.Tytul.Kod)).substr(1) + String(Number(zapis.PrawoEmerRent)) +
           String(Number(zapis.StopienNiepelnosprawnosci));
}

// PESEL, NIP bez myślników oraz dokument tożsamości (dowód osobisty przed paszportem), podawany tylko
// osobie bez numeru PESEL albo bez NIP.
function ZusIdentyfikatory(pesel, nip, dowod, paszport)
{
    var id = { pesel: ZusTekst(pesel), nip: DeformatNIP(ZusTekst(nip)), rodzaj: '', numer: '' };
    if (id.pesel == '' || id.nip == '') {
        if (ZusTekst(dowod) != '') {
            id.rodzaj = ZUS_DOWOD_OSOBISTY;
            id.numer = ZusTekst(dowod);
        } else if (ZusTekst(paszport) != '') {
            id.rodzaj = ZUS_PASZPORT;
            id.numer = ZusTekst(paszport);
        }
    }
    return id;
}

// Pozycje 1-7 bloku osoby (DAU, ADIU): PESEL, NIP, rodzaj i numer dokumentu, nazwisko, imię, data urodzenia.
function WypelnijOsobe(blok, zapis)
{
    var id = ZusIdentyfikatory(zapis.Pesel, zapis.NipE, zapis.DowOsobisty, zapis.Paszport);
    PutValue(blok, 1, id.pesel);
    PutValue(blok, 2, id.nip);
    PutValue(blok, 3, id.rodzaj);
    PutValue(blok, 4, id.numer);
    PutValueUC(blok, 5, ZusTekst(zapis.Nazwisko));
    PutValueUC(blok, 6, ZusTekst(zapis.Imie1));
    PutValue(blok, 7, ZusData(zapis.DataUr));
}

function WypelnijDAU(zapis)
{
    WypelnijOsobe('DAU', zapis);
}

// Odmawia osobie bez numeru PESEL, która nie ma też rodzaju i numeru dokumentu tożsamości.
function SprawdzIdentyfikacje(pesel, rodzaj, numer, kto)
{
    if (ZusTekst(pesel) == '' && (ZusTekst(rodzaj) == '' || ZusTekst(numer) == ''))
        CcThrow(ERR_ThrowText, kto + ': brak numeru PESEL oraz rodzaju i numeru dokumentu tożsamości.');
}

function SprawdzDAU()
{
    SprawdzIdentyfikacje(GetValue('DAU', 1), GetValue('DAU', 3), GetValue('DAU', 4), 'Pole DAUPESEL (ubezpieczony)');
    SprawdzDlugosci('DAU', ZUS_DLUGOSCI_DAU, 'Pole ');
}

// Przeliczenie formularza `symbol` o członkach rodziny: płatnik, ubezpieczony z zapisu ważnego w dniu
// z pola `pole` i data oświadczenia płatnika (blok OPL1); odpowiada zapisem.
function PrzeliczUbezpieczonego(symbol, pole)
{
    var zapis = ZusZapis(pole);
    if (GetDokument() == null)
        CreateDekZus(symbol, false);
    WypelnijPlatnika();
    WypelnijDAU(zapis);
    PutValue('OPL1', 1, ZusData(dokument.OSWIADCZENIE));
    return zapis;
}

// Członek rodziny o identyfikatorze `id` spośród członków rodziny pracownika w jego zapisie `zapis`;
// identyfikator członka innej osoby albo nieznany jest odmawiany.
function ZusCzlonekRodziny(zapis, id)
{
    try {
        return zapis.CzlonkowieRodziny.Item('PRR_PrrId=' + Number(id));
    } catch (e) {
        CcThrow(ERR_ThrowText, 'Pracownik nie ma członka rodziny o identyfikatorze ' + ZusTekst(id) + '.');
    }
}

// Pozycje od `pierwsza` bloku członka rodziny: PESEL, NIP, rodzaj i numer dokumentu, nazwisko, imię,
// data urodzenia.
function WypelnijCzlonka(b, pierwsza, czlonek)
{
    var wartosci = DaneCzlonka(czlonek);
    for (var i = 0; i < wartosci.length; i++)
        b(pierwsza + i, 0) = wartosci[i];
}

function DaneCzlonka(czlonek)
{
    var osoba = ZusIdentyfikatory(czlonek.Pesel, czlonek.NipE, czlonek.DowOsobisty, czlonek.Paszport);
    return [osoba.pesel, osoba.nip, osoba.rodzaj, osoba.numer, ZusTekst(czlonek.Nazwisko).toUpperCase(),
            ZusTekst(czlonek.Imie).toUpperCase(), ZusData(czlonek.DataUr)];
}

// Tekst pozycji do porównania: data jako "DDMMRRRR" (tak, jak zapisuje ją tekst deklaracji), inne
// wartości jako tekst bez odstępów na brzegach.
function ZusKlucz(v)
{
    if (v instanceof Date)
        return CcIsDate0(v) ? '' : String(100 + v.getDate()).substr(1) + String(101 + v.getMonth()).substr(1) +
                                   String(v.getFullYear());
    return ZusTekst(v).replace(/^\s+|\s+$/g, '');
}

// Czy członek rodziny ma już blok DOCRA (pozycje jego danych od `pierwsza`): ten sam PESEL, a bez
// PESEL-u ten sam rodzaj i numer dokumentu tożsamości, a bez nich to samo nazwisko, imię i data urodzenia.
function CzlonekRodzinyWpisany(pierwsza, czlonek)
{
    var dane = DaneCzlonka(czlonek);
    var bloki = GetDokument() == null ? 0 : Number(GetDokument().bloki.Count);
    for (var n = 1; n <= bloki; n++) {
        var blok = 'DOCRA' + n;
        if (!ZusBlokWpisany(blok))
            break;
        var pozycje = dane[0] != '' ? [0] : (dane[3] != '' ? [0, 2, 3] : [0, 2, 3, 4, 5, 6]);
        var ten = true;
        for (var i = 0; i < pozycje.length && ten; i++)
            ten = ZusKlucz(GetValue(blok, pierwsza + pozycje[i])) == ZusKlucz(dane[pozycje[i]]);
        if (ten)
            return true;
    }
    return false;
}

// Sprawdza kolejne bloki DOCRA członków rodziny: PESEL albo dokument tożsamości (pozycje `pierwsza`,
// `pierwsza` + 2 i + 3) oraz długości tekstów według listy [pozycja, znaków, opis]; odpowiada liczbą
// sprawdzonych bloków.
function SprawdzCzlonkowRodziny(pierwsza, dlugosci)
{
    var bloki = GetDokument() == null ? 0 : Number(GetDokument().bloki.Count);
    var n = 1;
    for (; n <= bloki; n++) {
        var blok = 'DOCRA' + n;
        if (!ZusBlokWpisany(blok))
            break;
        var kto = 'Członek rodziny ' + n + ' (' + ZusTekst(GetValue(blok, pierwsza + 4)) + ' ' +
                  ZusTekst(GetValue(blok, pierwsza + 5)) + ')';
        SprawdzIdentyfikacje(GetValue(blok, pierwsza), GetValue(blok, pierwsza + 2), GetValue(blok, pierwsza + 3), kto);
        SprawdzDlugosci(blok, dlugosci, kto + ': ');
    }
    return n - 1;
}
