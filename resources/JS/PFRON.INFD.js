// PFRON INF-D: skrypt formularza wypełnia dane pracodawcy z ustawień firmy i przelicza deklarację przez
// usługę TLXDeklaracje.INFD, która tworzy załączniki INF-D-P.

var zapamietanyMiesiac = null;
var zapamietanyRok = null;

function OnLoad()
{
    CcTrace('OnLoad');
    UpdateInfo();
    SaveContext();
}

function UpdateInfo()
{
}

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

function OnCalculate()
{
    WypelnijPracodawce();
    // Formularze w wersjach 1 i 2 wymagają okresu już przy zapisie przed przeliczeniem.
    dokument.OKRESSPRAWOZDAWCZY = OkresSprawozdawczy();
    try {
        dokument.Session.Save();
        var infd = dokument.Session.CreateObject('TLXDeklaracje.INFD');
        infd.DeklId = dokument.ID;
        infd.Przelicz();
        // The calculation stores its results in a session of its own: read them into this declaration.
        dokument.ResyncKolekcje();
    } catch (e) {
        CcThrow(e.number, e.description);
    }
    SaveContext();
}

function OnVerify()
{
}

function OnSaveIt()
{
}
