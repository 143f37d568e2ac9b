// Biblioteka "PFRON": eksport deklaracji PFRON do plików SOD przez pola SAVETO i SENDTONET, wspólna
// dla wszystkich formularzy PFRON.

var ERR_MV_Info = 24098;

var dekPfron = null;   // zawartość dokumentu formularza, gdy formularz ją trzyma

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

// Zapisuje pliki SOD deklaracji i jej załączników w folderze `sName`.
function SaveTo(sName)
{
    var usluga = dokument.Session.CreateObject(PfronProgId());
    usluga.ExportToSOD(dokument.ID, String(sName));
}

// Przekazuje pliki SOD do folderu `sName` na komputerze użytkownika.
function SendToNet(sName)
{
    var usluga = dokument.Session.CreateObject(PfronProgId());
    usluga.ExportToSODVC(dokument.ID, String(sName));
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
