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

// Odmawia tekstu dłuższego niż `najwyzej` znaków.
function SprawdzDlugosc(wartosc, najwyzej, kto)
{
    var tekst = ZusTekst(wartosc);
    if (tekst.length > najwyzej)
        CcThrow(ERR_ThrowText, kto + ' może mieć najwyżej ' + najwyzej + ' znaków, a ma ' + tekst.length + ': ' + tekst);
}

// Sprawdza długości pozycji bloku według listy [pozycja, znaków, opis].
function SprawdzDlugosci(blok, dlugosci, przedrostek)
{
    for (var i = 0; i < dlugosci.length; i++)
        SprawdzDlugosc(GetValue(blok, dlugosci[i][0]), dlugosci[i][1], przedrostek + dlugosci[i][2]);
}

function SprawdzDAU()
{
    SprawdzIdentyfikacje(GetValue('DAU', 1), GetValue('DAU', 3), GetValue('DAU', 4), 'Pole DAUPESEL (ubezpieczony)');
    SprawdzDlugosci('DAU', ZUS_DLUGOSCI_DAU, 'Pole ');
}
