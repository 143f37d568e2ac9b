// Biblioteka "ZUS/DAU": pracownik formularza zgłoszeniowego i jego zapis ważny w dniu zdarzenia, dane
// identyfikacyjne osób (ubezpieczonego w bloku DAU, członków rodziny) i ich sprawdzenie przed zapisem:
// osoba musi mieć PESEL albo rodzaj i numer dokumentu tożsamości, a tekst nie może być dłuższy niż
// element dokumentu KEDU, do którego trafia.

var ZUS_DOWOD_OSOBISTY = '1';
var ZUS_PASZPORT = '2';

// Ubezpieczenie w zapisie pracownika: obowiązkowe albo dobrowolne (0: nie jest ubezpieczony).
var ZUS_OBOWIAZKOWE = 1;
var ZUS_DOBROWOLNE = 2;

// Najdłuższe teksty pozycji bloku DAU: [pozycja, znaków albo ZUS_PESEL, pole].
var ZUS_DLUGOSCI_DAU = [
    [1, ZUS_PESEL, 'DAUPESEL (PESEL ubezpieczonego)'],
    [4, 9, 'DAUDOKUMENT (seria i numer dokumentu tożsamości ubezpieczonego)'],
    [5, 31, 'DAUNAZWISKO (nazwisko ubezpieczonego)'],
    [6, 22, 'DAUIMIE (imię ubezpieczonego)']
];

// Ubezpieczony bloku DAU z nazwiska i imienia, do komunikatów.
function ZusUbezpieczony()
{
    return 'Ubezpieczony ' + ZusKlucz(GetValue('DAU', 5)) + ' ' + ZusKlucz(GetValue('DAU', 6));
}

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

// Ubezpieczony bloku DAU i płatnik, tak jak przyjmie ich dokument KEDU.
function SprawdzDAU()
{
    SprawdzPlatnika();
    SprawdzIdentyfikacje(GetValue('DAU', 1), GetValue('DAU', 3), GetValue('DAU', 4), 'Pole DAUPESEL (ubezpieczony)');
    SprawdzDlugosci('DAU', ZUS_DLUGOSCI_DAU, ZusUbezpieczony() + ': pole ');
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

// Porównanie dwóch osób z ich danych [PESEL, NIP, rodzaj i numer dokumentu tożsamości, nazwisko, imię, data
// urodzenia]: inna osoba, ta sama osoba albo dwie osoby z jednym numerem PESEL lub jednym dokumentem.
var ZUS_INNA_OSOBA = 0;
var ZUS_TA_SAMA_OSOBA = 1;
var ZUS_TEN_SAM_PESEL = 2;
var ZUS_TEN_SAM_DOKUMENT = 3;

// Ta sama osoba to ten sam PESEL, a bez niego ten sam dokument tożsamości, a bez obu to samo nazwisko, imię
// i data urodzenia. Ten sam PESEL albo dokument przy innym nazwisku, imieniu albo dacie urodzenia (albo
// dokument przy innych numerach PESEL) to dwie osoby z jednym identyfikatorem: pomyłka w danych.
function ZusPorownajOsoby(a, b)
{
    var x = [], y = [];
    for (var i = 0; i < 7; i++) {
        x.push(ZusKlucz(a[i]));
        y.push(ZusKlucz(b[i]));
    }
    var teSameDane = x[4] == y[4] && x[5] == y[5] && x[6] == y[6];
    if (x[0] != '' && x[0] == y[0])
        return teSameDane ? ZUS_TA_SAMA_OSOBA : ZUS_TEN_SAM_PESEL;
    if (x[3] != '' && x[2] == y[2] && x[3] == y[3])
        return teSameDane && (x[0] == '' || y[0] == '') ? ZUS_TA_SAMA_OSOBA : ZUS_TEN_SAM_DOKUMENT;
    if (x[0] == '' && y[0] == '' && x[3] == '' && y[3] == '' && teSameDane)
        return ZUS_TA_SAMA_OSOBA;
    return ZUS_INNA_OSOBA;
}

// Dane osoby z bloku członka rodziny `blok` (pozycje od `pierwsza`), w kolejności DaneCzlonka.
function DaneZBloku(blok, pierwsza)
{
    var dane = [];
    for (var i = 0; i < 7; i++)
        dane.push(GetValue(blok, pierwsza + i));
    return dane;
}

// "członek rodziny `kto` (NAZWISKO IMIĘ)".
function OpisCzlonka(kto, dane)
{
    return 'członek rodziny ' + kto + ' (' + ZusKlucz(dane[4]) + ' ' + ZusKlucz(dane[5]) + ')';
}

function ZusZWielkiej(tekst)
{
    return tekst.charAt(0).toUpperCase() + tekst.substr(1);
}

// Bloki DOCRA członków rodziny dokumentu, po kolei.
function BlokiCzlonkow()
{
    var wynik = [];
    var bloki = GetDokument() == null ? 0 : Number(GetDokument().bloki.Count);
    for (var n = 1; n <= bloki && ZusBlokWpisany('DOCRA' + n); n++)
        wynik.push('DOCRA' + n);
    return wynik;
}

// Odmawia dwóch osób z jednym numerem PESEL albo jednym dokumentem tożsamości, nazywając obie: pomyłka
// w numerze nie może zamienić jednej z nich w drugą.
function OdmowJednegoIdentyfikatora(wynik, a, ktoA, ktoB)
{
    if (wynik == ZUS_TEN_SAM_PESEL)
        CcThrow(ERR_ThrowText, ZusZWielkiej(ktoA) + ' i ' + ktoB + ' mają ten sam numer PESEL ' + ZusKlucz(a[0]) +
                ': popraw numer PESEL w danych członków rodziny.');
    if (wynik == ZUS_TEN_SAM_DOKUMENT)
        CcThrow(ERR_ThrowText, ZusZWielkiej(ktoA) + ' i ' + ktoB + ' mają ten sam dokument tożsamości ' +
                ZusKlucz(a[3]) + ': popraw dokument tożsamości w danych członków rodziny.');
}

// Rodzaj bloku członka rodziny formularza ZCNA (pozycja 1): 1 zgłoszenie, 2 wyrejestrowanie.
function RodzajCzlonka(rodzaj)
{
    return ZusKlucz(rodzaj) == '2' ? 'wyrejestrowywany' : 'zgłaszany';
}

// Czy członek rodziny `czlonek` o identyfikatorze `id` ma już blok DOCRA (pozycje jego danych od `pierwsza`;
// `pozycjaRodzaju` to pozycja zgłoszenia albo wyrejestrowania, 0 na formularzu jednego rodzaju). Ten sam
// członek tego samego rodzaju nie jest dopisywany drugi raz; zgłoszenia i wyrejestrowania jednej osoby
// na jednym formularzu albo drugiej osoby z numerem PESEL lub dokumentem już wpisanej się odmawia.
function CzlonekRodzinyWpisany(pierwsza, pozycjaRodzaju, id, czlonek, rodzaj)
{
    var dane = DaneCzlonka(czlonek);
    var kto = OpisCzlonka('o identyfikatorze ' + ZusTekst(id), dane);
    var bloki = BlokiCzlonkow();
    for (var n = 0; n < bloki.length; n++) {
        var wpisany = DaneZBloku(bloki[n], pierwsza);
        var wynik = ZusPorownajOsoby(wpisany, dane);
        OdmowJednegoIdentyfikatora(wynik, wpisany, OpisCzlonka(n + 1, wpisany), kto);
        if (wynik != ZUS_TA_SAMA_OSOBA)
            continue;
        if (pozycjaRodzaju == 0 || ZusKlucz(GetValue(bloki[n], pozycjaRodzaju)) == ZusKlucz(rodzaj))
            return true;
        CcThrow(ERR_ThrowText, ZusZWielkiej(OpisCzlonka(n + 1, wpisany)) + ' jest już ' +
                RodzajCzlonka(GetValue(bloki[n], pozycjaRodzaju)) + ' na tym formularzu: ' + kto +
                ' nie może być na nim także ' + RodzajCzlonka(rodzaj) + '.');
    }
    return false;
}

// Sprawdza kolejne bloki DOCRA członków rodziny: PESEL albo dokument tożsamości (pozycje `pierwsza`,
// `pierwsza` + 2 i + 3), teksty według listy [pozycja, znaków albo ZUS_PESEL, opis] i to, że żadna osoba
// nie jest wpisana dwa razy ani nie dzieli numeru PESEL lub dokumentu z inną; odpowiada liczbą bloków.
function SprawdzCzlonkowRodziny(pierwsza, dlugosci)
{
    var bloki = BlokiCzlonkow();
    var osoby = [];
    for (var n = 0; n < bloki.length; n++) {
        var blok = bloki[n];
        var osoba = DaneZBloku(blok, pierwsza);
        var kto = ZusZWielkiej(OpisCzlonka(n + 1, osoba));
        SprawdzIdentyfikacje(osoba[0], osoba[2], osoba[3], kto);
        SprawdzDlugosci(blok, dlugosci, kto + ': ');
        for (var m = 0; m < osoby.length; m++) {
            var wynik = ZusPorownajOsoby(osoby[m], osoba);
            OdmowJednegoIdentyfikatora(wynik, osoby[m], OpisCzlonka(m + 1, osoby[m]), OpisCzlonka(n + 1, osoba));
            if (wynik == ZUS_TA_SAMA_OSOBA)
                CcThrow(ERR_ThrowText, ZusZWielkiej(OpisCzlonka(m + 1, osoby[m])) + ' i ' + OpisCzlonka(n + 1, osoba) +
                        ' to ta sama osoba: formularz może ją zgłosić albo wyrejestrować tylko raz.');
        }
        osoby.push(osoba);
    }
    return bloki.length;
}
