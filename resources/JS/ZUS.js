// Biblioteka "ZUS": dokument KEDU deklaracji ZUS (obiekt komponentu hosta TlxKedu.KEDU), jego bloki
// i pozycje oraz zapis dokumentu w tekście deklaracji.

var ERR_ThrowText = 30114;
var ERR_MV_Info = 24098;

var keduZus = null;   // komponent KEDU, do którego należy dokument
var dekZus = null;    // dokument KEDU deklaracji

// Tworzy dokument formularza `symbol`: pusty, gdy `nowy`, a inaczej odczytany z tekstu deklaracji
// (pusty, gdy deklaracja nie ma jeszcze tekstu).
function CreateDekZus(symbol, nowy)
{
    var kedu = new ActiveXObject('TlxKedu.KEDU');
    var dok = kedu.Dokumenty.Add(String(symbol));
    if (!nowy) {
        var tekst = dokument.Tekst;
        if (tekst != null && String(tekst) != '')
            dok.FromString(String(tekst));
    }
    keduZus = kedu;
    dekZus = dok;
    return dok;
}

function GetDokument()
{
    return dekZus;
}

// Zapisuje dokument w tekście deklaracji. Formularze zgłoszeniowe robią to także po przeliczeniu i po
// dopisaniu członka rodziny: zmieniony tekst sprawia, że zapis deklaracji odczytanej z bazy zapisuje to,
// co przeliczono albo dopisano, a nie tylko dokument skryptu.
function SaveDekZus()
{
    if (dekZus != null)
        dokument.Tekst = dekZus.ToString();
}

function GetValue(s, n)
{
    return dekZus.bloki(s)(n, 0);
}

function PutValue(s, n, v)
{
    dekZus.bloki(s)(n, 0) = v;
}

// Tekst niepusty zapisywany wielkimi literami (także polskimi).
function PutValueUC(s, n, v)
{
    if (typeof v == 'string' && v != '')
        v = v.toUpperCase();
    PutValue(s, n, v);
}

// Dokument odczytany z tekstu ma w komórkach teksty: kwoty "1234.56" (liczby zapisane jako kwoty także
// "12.00"), daty "DDMMRRRR". Poniższe
// odczyty dają kwotę, liczbę albo datę w obu przypadkach.
function ZusPusta(v)
{
    return v == null || v === '';
}

function GetKwota(s, n)
{
    var v = GetValue(s, n);
    if (ZusPusta(v))
        return 0;
    if (typeof v == 'string') {
        if (!/^\s*-?\d+(\.\d+)?\s*$/.test(v))
            CcThrow(ERR_ThrowText, 'Pozycja ' + n + ' bloku ' + s + ' nie jest kwotą: ' + v);
        return parseFloat(v);
    }
    return Number(v);
}

function GetLiczba(s, n)
{
    var v = GetValue(s, n);
    if (ZusPusta(v))
        return 0;
    if (typeof v == 'string') {
        if (!/^\s*-?\d+(\.0+)?\s*$/.test(v))
            CcThrow(ERR_ThrowText, 'Pozycja ' + n + ' bloku ' + s + ' nie jest liczbą: ' + v);
        return parseInt(v, 10);
    }
    return Number(v);
}

function GetData(s, n)
{
    var v = GetValue(s, n);
    if (ZusPusta(v))
        return null;
    if (typeof v == 'string') {
        var d = /^\s*(\d{2})(\d{2})(\d{4})\s*$/.exec(v);
        if (!d)
            CcThrow(ERR_ThrowText, 'Pozycja ' + n + ' bloku ' + s + ' nie jest datą: ' + v);
        return new Date(Number(d[3]), Number(d[2]) - 1, Number(d[1]));
    }
    return v;
}

// Czy dokument ma blok `blok` (blok o numerze dalszym niż dodane nie istnieje).
function ZusBlokWpisany(blok)
{
    try {
        GetDokument().bloki(blok);
        return true;
    } catch (e) {
        return false;
    }
}

// Odmawia tekstu dłuższego niż `najwyzej` znaków.
function SprawdzDlugosc(wartosc, najwyzej, kto)
{
    var tekst = ZusTekst(wartosc);
    if (tekst.length > najwyzej)
        CcThrow(ERR_ThrowText, kto + ' może mieć najwyżej ' + najwyzej + ' znaków, a ma ' + tekst.length + ': ' + tekst);
}

// Odmawia numeru PESEL, który nie jest 11 cyframi; pusty przechodzi (osoba bez numeru PESEL podaje dokument
// tożsamości). ZUS odrzuca cały plik KEDU z jednym takim numerem.
function SprawdzPesel(wartosc, kto)
{
    var pesel = ZusTekst(wartosc).replace(/^\s+|\s+$/g, '');
    if (pesel != '' && !/^\d{11}$/.test(pesel))
        CcThrow(ERR_ThrowText, kto + ' musi być numerem PESEL z 11 cyfr, a jest "' + pesel + '".');
}

// Znak listy pozycji: numer PESEL zamiast najdłuższego tekstu.
var ZUS_PESEL = 'PESEL';

// Sprawdza pozycje bloku według listy [pozycja, znaków albo ZUS_PESEL, opis]: żaden tekst nie jest dłuższy
// niż element dokumentu KEDU, do którego trafia, a numer PESEL ma 11 cyfr.
function SprawdzDlugosci(blok, dlugosci, przedrostek)
{
    for (var i = 0; i < dlugosci.length; i++) {
        var wartosc = GetValue(blok, dlugosci[i][0]);
        if (dlugosci[i][1] == ZUS_PESEL)
            SprawdzPesel(wartosc, przedrostek + dlugosci[i][2]);
        else
            SprawdzDlugosc(wartosc, dlugosci[i][1], przedrostek + dlugosci[i][2]);
    }
}

// Tekst wartości: pusty dla null i undefined.
function ZusTekst(v)
{
    return v == null ? '' : String(v);
}

// Data albo null dla daty pustej.
function ZusData(d)
{
    return CcIsDate0(d) ? null : d;
}

// Znak pola wyboru formularza: "X", gdy zaznaczone.
function ZusZnak(zaznaczone)
{
    return zaznaczone ? 'X' : '';
}

// Wartość ustawienia firmy (pusta, gdy go nie ma).
function UstawienieFirmy(klucz)
{
    return ZusTekst(new ActiveXObject('TLX.Konfiguracja').GetValue(klucz));
}

// Data z tekstu ustawienia: "RRRR-MM-DD" albo "DD.MM.RRRR".
function ZusDataZTekstu(tekst, opis)
{
    var d = /^\s*(\d{4})-(\d{2})-(\d{2})/.exec(tekst);
    if (d)
        return new Date(Number(d[1]), Number(d[2]) - 1, Number(d[3]));
    d = /^\s*(\d{2})\.(\d{2})\.(\d{4})\s*$/.exec(tekst);
    if (d)
        return new Date(Number(d[3]), Number(d[2]) - 1, Number(d[1]));
    CcThrow(ERR_ThrowText, opis + ' nie jest datą: ' + tekst);
}

// Blok DIPL formularzy zgłoszeniowych z ustawień firmy: NIP bez myślników i REGON; dla osoby fizycznej
// także PESEL, dokument tożsamości (dowód osobisty przed paszportem), nazwisko, imię i data urodzenia.
// Nazwa skrócona, nazwisko i imię wielkimi literami. Pozycji, których nie ma skąd wziąć, się nie zmienia.
function WypelnijPlatnika()
{
    PutValue('DIPL', 1, DeformatNIP(UstawienieFirmy('FirmaNIP')));
    PutValue('DIPL', 2, UstawienieFirmy('FirmaREGON'));
    if (UstawienieFirmy('Osoba fizyczna') == '1') {
        PutValue('DIPL', 3, UstawienieFirmy('FirmaPESEL'));
        var dowod = UstawienieFirmy('Dowód osobisty');
        var paszport = UstawienieFirmy('Paszport');
        if (dowod != '') {
            PutValue('DIPL', 4, '1');
            PutValue('DIPL', 5, dowod);
        } else if (paszport != '') {
            PutValue('DIPL', 4, '2');
            PutValue('DIPL', 5, paszport);
        }
        PutValueUC('DIPL', 7, UstawienieFirmy('Nazwisko'));
        PutValueUC('DIPL', 8, UstawienieFirmy('Imię'));
        var urodzenie = UstawienieFirmy('Data urodzenia');
        if (urodzenie != '')
            PutValue('DIPL', 9, ZusDataZTekstu(urodzenie, 'Ustawienie "Data urodzenia"'));
    }
    PutValueUC('DIPL', 6, UstawienieFirmy('FirmaNazwaSkroconaZUS'));
}

// Najdłuższe teksty pozycji bloku DIPL: [pozycja, znaków albo ZUS_PESEL, pole].
var ZUS_DLUGOSCI_DIPL = [
    [1, 10, 'DIPLNIP (NIP płatnika)'], [2, 14, 'DIPLREGON (REGON płatnika)'], [3, ZUS_PESEL, 'DIPLPESEL (PESEL płatnika)'],
    [5, 9, 'DIPLDOKUMENT (seria i numer dokumentu tożsamości płatnika)'], [6, 31, 'DIPLNAZWA (nazwa skrócona płatnika)'],
    [7, 31, 'DIPLNAZWISKO (nazwisko płatnika)'], [8, 22, 'DIPLIMIE (imię płatnika)']
];

// Płatnik w bloku DIPL, tak jak przyjmie go dokument KEDU.
function SprawdzPlatnika()
{
    SprawdzDlugosci('DIPL', ZUS_DLUGOSCI_DIPL, 'Płatnik: pole ');
}

// Rodzaj zmiany albo korekty danych z pola ZMIANA (pozycja `pozycja` bloku `blok`): do dokumentu KEDU idzie
// jego pierwsze słowo, kod jednego znaku.
function SprawdzZmiane(blok, pozycja)
{
    var slowo = ZusTekst(GetValue(blok, pozycja)).replace(/^\s+/, '').split(/\s+/)[0];
    SprawdzDlugosc(slowo, 1, 'Pole ZMIANA (kod zmiany albo korekty danych)');
}

// NIP bez myślników; inne znaki zostają.
function DeformatNIP(v)
{
    if (v == null)
        return v;
    return String(v).split('-').join('');
}

// Droga pliku KEDU deklaracji: 0 przez komponent KEDU hosta (ZCZA, DRA do wersji 2), 1 przez dokument XML
// KEDU modułu.
var expKEDU = 0;

function UslugaDRA()
{
    return dokument.Session.CreateObject('TLXDeklaracje.DRA');
}

// Tekst dokumentu KEDU deklaracji `d` i teksty jej deklaracji podrzędnych, w głąb.
function TekstZPodrzednymi(d, tekst)
{
    var wynik = tekst != null ? String(tekst) : '';
    for (var e = new Enumerator(d.Deklaracje); !e.atEnd(); e.moveNext()) {
        var p = e.item();
        wynik += TekstZPodrzednymi(p, p.Tekst);
    }
    return wynik;
}

// Tekst dokumentu tej deklaracji z zapisanymi deklaracjami podrzędnymi, odczytanymi w nowej sesji (raporty
// zapisane przez usługę DRA nie należą do kolekcji podrzędnych obiektu formularza).
function TekstDoPliku()
{
    var zapisana = dokument.Session.Login.CreateSession().CreateObject('TLXDeklaracje.Deklaracje',
                                                                     String(dokument.ID));
    var tekst = dekZus != null ? dekZus.ToString() : dokument.Tekst;
    return TekstZPodrzednymi(zapisana, tekst);
}

// Nazwa pliku podana w SAVETO albo SENDTONET; brak nazwy (null, pusta albo z samych odstępów) jest
// odrzucany, zanim cokolwiek zostanie zapisane: inaczej powstałby plik o nazwie "null".
function ZusNazwaPliku(sName, pole)
{
    if (sName == null || String(sName).replace(/\s+/g, '') == '')
        CcThrow(ERR_ThrowText, 'Pole ' + pole + ' wymaga nazwy pliku KEDU.');
    return String(sName);
}

// Deklaracja DRA nie trafia do pliku KEDU żadną drogą z identyfikatorem, którego nie przyjmuje jej formularz.
function SprawdzDoPliku()
{
    if (Number(dokument.TypDeklar) == 120)
        SprawdzIdentyfikatorDRA();
}

// Komponent KEDU hosta zapisuje tekst formularza, jaki jest: formularz zgłoszeniowy (ZCZA) trafia do jego
// pliku tylko z tym, co przyjmuje zapis formularza (OnVerify); drogę XML sprawdza usługa DRA.
function SprawdzDlaKomponentu()
{
    if (Number(dokument.TypDeklar) != 120)
        OnVerify();
}

// Zapisuje deklarację w pliku `sName` tą drogą, którą wskazuje dla niej usługa DRA.
function SaveTo(sName)
{
    sName = ZusNazwaPliku(sName, 'SAVETO');
    SprawdzDoPliku();
    var usluga = UslugaDRA();
    if (Number(usluga.FormatEksportu(dokument.ID)) == expKEDU) {
        SprawdzDlaKomponentu();
        var kedu = new ActiveXObject('TlxKedu.KEDU');
        kedu.Save(String(sName), TekstDoPliku(), Number(dokument.TypDeklar), Number(dokument.Wersja));
    } else {
        usluga.ExportToXML(dokument.ID, String(sName));
    }
}

// Przekazuje plik KEDU deklaracji na komputer użytkownika pod nazwą `sName`.
function SendToNet(sName)
{
    sName = ZusNazwaPliku(sName, 'SENDTONET');
    SprawdzDoPliku();
    var usluga = UslugaDRA();
    if (Number(usluga.FormatEksportu(dokument.ID)) != expKEDU) {
        usluga.ExportToXMLCIV(dokument.ID, String(sName), '');
        return;
    }
    // Plik komponentu KEDU hosta idzie kanałem przekazywania plików.
    SprawdzDlaKomponentu();
    var kedu = new ActiveXObject('TlxKedu.KEDU');
    var przekaz = new ActiveXObject('TLX.RemoteFileTransfer');
    przekaz.Reset('');
    przekaz.SetFileName(String(sName));
    przekaz.SetKind('file');
    przekaz.SetContent(kedu.BeginText(2) + TekstDoPliku() + kedu.EndText());
    przekaz.Transfer();
}
