// Biblioteka "PFRON": eksport deklaracji PFRON do plików SOD przez pola SAVETO i SENDTONET, wspólna
// dla wszystkich formularzy PFRON.

var ERR_ThrowText = 30114;
var ERR_MV_Info = 24098;

var dekPfron = null;   // zawartość dokumentu formularza, gdy formularz ją trzyma

var zapamietanyMiesiac = null;
var zapamietanyRok = null;

// Okres deklaracji z chwili wczytania albo ostatniego udanego przeliczenia.
function SaveContext()
{
    zapamietanyMiesiac = Number(dokument.Miesiac);
    zapamietanyRok = Number(dokument.Rok);
}

function DoPrzeliczenia()
{
    return Number(dokument.Miesiac) != zapamietanyMiesiac || Number(dokument.Rok) != zapamietanyRok;
}

function GetDokument()
{
    return dekPfron;
}

// Usługa deklaracji według typu formularza i wersji.
function PfronProgId()
{
    var typ = Number(dokument.TypDeklar);
    var wersja = Number(dokument.Wersja);
    if (typ == 300)
        return 'TLXDeklaracje.INFD';
    if (typ == 310)
        return (wersja >= 3 && wersja <= 6) ? 'TLXDeklaracje.WND3' : 'TLXDeklaracje.WND';
    if (typ == 320)
        return 'TLXDeklaracje.WNU';
    CcThrow(ERR_MV_Info, 'Formularz typu ' + typ + ' nie jest deklaracją PFRON.');
}

// Folder podany w SAVETO albo SENDTONET; brak folderu (null, pusty albo z samych odstępów) jest
// odrzucany, zanim cokolwiek zostanie zapisane: inaczej pliki trafiłyby do folderu "null".
function PfronFolder(sName, pole)
{
    if (sName == null || String(sName).replace(/\s+/g, '') == '')
        CcThrow(ERR_ThrowText, 'Pole ' + pole + ' wymaga nazwy folderu.');
    return String(sName);
}

// Zapisuje pliki SOD deklaracji i jej załączników w folderze `sName`.
function SaveTo(sName)
{
    var folder = PfronFolder(sName, 'SAVETO');
    var usluga = dokument.Session.CreateObject(PfronProgId());
    usluga.ExportToSOD(dokument.ID, folder);
}

// Przekazuje pliki SOD do folderu `sName` na komputerze użytkownika.
function SendToNet(sName)
{
    var folder = PfronFolder(sName, 'SENDTONET');
    var usluga = dokument.Session.CreateObject(PfronProgId());
    usluga.ExportToSODVC(dokument.ID, folder);
}

// Dane pracodawcy z ustawień firmy, wspólne dla formularzy INF-D i WN-D.
function WypelnijPracodawce()
{
    dokument.NIP = DeformatNIP(KonfigValue('NIP').replace(/ /g, ''));
    dokument.REGON = KonfigValue('REGON');
    dokument.SKRNAZWPRACODAWCY = KonfigValue('FirmaNazwaSkroconaPFRON');
    dokument.KODPOCZTOWY = KonfigValue('FirmaKodP');
    dokument.MIASTO = KonfigValue('FirmaMiejscowosc');
    dokument.NRDOMU = KonfigValue('FirmaNrDomu');
    dokument.NRLOKALU = KonfigValue('FirmaNrLokalu');
    dokument.ULICA = KonfigValue('FirmaUlica');
    dokument.EMAIL = KonfigValue('KontaktPFRON_Email');
    dokument.FAKS = KonfigValue('KontaktPFRON_Fax');
    dokument.TELEFON = KonfigValue('KontaktPFRON_Telefon');
    dokument.IMIENAZWISKOOSOBYPODPISUJACEJ = KonfigValue('KontaktPFRON_Imie') + ' ' + KonfigValue('KontaktPFRON_Nazwisko');
    dokument.NRPFRON = KonfigValue('NumerPracodawcyPFRON');
}

// Okres sprawozdawczy (MM-RRRR) z miesiąca i roku deklaracji: ten sam tekst zapisuje przeliczenie.
function OkresSprawozdawczy()
{
    var miesiac = Number(dokument.Miesiac);
    return (miesiac < 10 ? '0' : '') + miesiac + '-' + Number(dokument.Rok);
}

// Zapisuje formularz, przelicza go usługą `progId` i wczytuje to, co usługa zapisała; błąd usługi
// przechodzi do użytkownika z jej numerem i opisem.
function PrzeliczPfron(progId)
{
    WypelnijPracodawce();
    dokument.OKRESSPRAWOZDAWCZY = OkresSprawozdawczy();
    try {
        dokument.Session.Save();
        var usluga = dokument.Session.CreateObject(progId);
        usluga.DeklId = dokument.ID;
        usluga.Przelicz();
        dokument.ResyncKolekcje();
    } catch (e) {
        CcThrow(e.number, e.description);
    }
}

// NIP bez myślników; inne znaki zostają.
function DeformatNIP(v)
{
    if (v == null)
        return v;
    return String(v).split('-').join('');
}

// Ustawienie firmy jako tekst; pusty tekst, gdy nie jest ustawione.
function KonfigValue(klucz)
{
    var v = new ActiveXObject('TLX.Konfiguracja').GetValue(klucz);
    return v == null ? '' : String(v);
}
