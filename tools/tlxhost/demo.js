// The bundled demo: what a host script does on the demo company. It reads the company's settings
// through the host, then asks the declarations module for its objects; a step the module cannot do
// yet is reported and the demo goes on.

function krok(opis, dzialanie) {
    try {
        dzialanie();
    } catch (e) {
        print("  " + opis + ": nie powiodło się (" + e.description + ")");
    }
}

print("== Host ==");
var konfiguracja = Session.Login.CreateObject("{A1E6C62D-2AE2-4D6A-B82B-17EF8DCFB6D1}");
print("Firma:", konfiguracja.GetValue("FirmaNazwaPelna"), "NIP", konfiguracja.GetValue("FirmaNIP"));
var urzad = Session.CreateObject("{CE0BC242-2A55-424B-BBE8-1FAE256D99D3}",
                                 "Urz_UrzID=" + konfiguracja.GetValue("FirmaUrzadSkarbowy"));
print("Urząd skarbowy:", urzad.Kod, urzad.Nazwa1);
var dzis = Session.Login.GetOperatorObject().GetToday();
var wsparcie = new ActiveXObject("TLX.ClaSupport");
print("Data pracy operatora:", wsparcie.Format(dzis, "@D17"));
print("VAT7_Wliczaj0 na ten dzień:", konfiguracja.GetParametr("VAT7_Wliczaj0", dzis).Value);
print("Pracownicy:");
var pracownicy = new Enumerator(Session.CreateObject("TLX.Pracownicy"));
for (; !pracownicy.atEnd(); pracownicy.moveNext()) {
    var pracownik = pracownicy.item();
    print("  " + pracownik.Akronim, pracownik.Imie, pracownik.Nazwisko);
}

print("== Moduł deklaracji ==");
krok("Dane firmy z modułu", function () {
    var firma = Session.CreateObject("TLX.FirmaCfgRO");
    print("  FirmaCfgRO:", firma.Nazwa, "NIP", firma.NIP, "urząd", firma.UrzadSkarbowy.Kod);
});
krok("Deklaracja VAT-7", function () {
    var deklaracje = Session.CreateObject("TLXDeklaracje.Deklaracje");
    print("  Deklaracji w bazie:", deklaracje.Count);
    var vat7 = deklaracje.AddNew();
    vat7.TypDeklar = 1;
    vat7.Wersja = 17;
    vat7.Rok = 2024;
    vat7.Miesiac = 3;
    var firma = Session.CreateObject("TLX.FirmaCfgRO");
    vat7.P_1 = firma.NIP;
    vat7.P_6 = firma.UrzadSkarbowy.Kod;
    vat7.P_8 = firma.RodzajPlatnika == "1" ? 2 : 1;
    vat7.P_9 = firma.Nazwa;
    vat7.Policz();
    Session.Save();
    print("  Zapisano VAT-7 nr", vat7.Numer, "za", vat7.Rok + "/" + vat7.Miesiac, "(identyfikator " + vat7.ID + ")");
    var odczytana = Session.Login.CreateSession().CreateObject("TLXDeklaracje.Deklaracje", "" + vat7.ID);
    print("  Odczytana w nowej sesji: nr", odczytana.Numer, "NIP", odczytana.P_1, "urząd", odczytana.P_6);
    print("  Deklaracji w bazie:", Session.CreateObject("TLXDeklaracje.Deklaracje").Count);
});
print("Koniec demonstracji.");
