// PFRON WN-U: skrypt formularza wypełnia dane pracodawcy z ustawień firmy i przelicza wniosek usługą
// TLXDeklaracje.WNU, która tworzy załączniki INF-U-P. Sesję i konfigurację hosta daje mu silnik jako
// Session i Konfig.

function OnLoad()
{
    CcTrace('OnLoad');
    UpdateInfo();
    SaveContext();
}

function UpdateInfo()
{
}

// Dane pracodawcy z ustawień firmy (Konfig), zapis sesji, by wniosek miał identyfikator, i przeliczenie
// usługą WN-U; błąd usługi przechodzi do użytkownika z jej numerem i opisem.
function OnCalculate()
{
    var usluga = Session.CreateObject('TLXDeklaracje.WNU');
    dokument.NIP = DeformatNIP(String(Konfig.Value('NIP')).replace(/ /g, ''));
    dokument.REGON = Konfig.Value('REGON');
    dokument.SKRNAZWPRACODAWCY = Konfig.Value('FirmaNazwaSkroconaPFRON');
    dokument.KODPOCZTOWY = Konfig.Value('FirmaKodP');
    dokument.MIASTO = Konfig.Value('FirmaMiejscowosc');
    dokument.NRDOMU = Konfig.Value('FirmaNrDomu');
    dokument.NRLOKALU = Konfig.Value('FirmaNrLokalu');
    dokument.ULICA = Konfig.Value('FirmaUlica');
    dokument.EMAIL = Konfig.Value('KontaktPFRON_Email');
    dokument.FAKS = Konfig.Value('KontaktPFRON_Fax');
    dokument.TELEFON = Konfig.Value('KontaktPFRON_Telefon');
    dokument.IMIENAZWISKOOSOBYPODPISUJACEJ = Konfig.Value('KontaktPFRON_Imie') + ' ' + Konfig.Value('KontaktPFRON_Nazwisko');
    dokument.NRPFRON = Konfig.Value('NumerPracodawcyPFRON');
    dokument.OKRESSPRAWOZDAWCZY = OkresSprawozdawczy();
    try {
        Session.Save();
        usluga.DeklId = dokument.ID;
        usluga.Przelicz();
        dokument.ResyncKolekcje();
    } catch (e) {
        // Nieprzeliczony wniosek zostaje do przeliczenia.
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
