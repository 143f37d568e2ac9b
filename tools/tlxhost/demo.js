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

// The declaration's e-declaration written into the exchange folder as the file `nazwa`; answers its path.
function eDeklaracjaWPliku(d, nazwa) {
    var e = new ActiveXObject("TLX.EDeklaracja");
    e.Login = Session.Login;
    var plik = konfiguracja.GetValue("eDeklaracjeKatalogWymiany") + "/" + nazwa;
    e.ZapiszXml(d, "", plik);
    return plik;
}
// A new return of 2024 on the employee card `karta`, in the session `sesja`.
function noweZeznanie(sesja, typ, wersja, karta) {
    var d = sesja.CreateObject("TLXDeklaracje.Deklaracje").AddNew();
    d.TypDeklar = typ;
    d.Wersja = wersja;
    d.Rok = 2024;
    d.Pracownik = sesja.CreateObject("TLX.Pracownicy").Item(karta);
    return d;
}
// An attachment of the return `rodzic` closed (saved) in a window of its own, after which the return recounts
// through its action `akcja`, as the host runs it when the attachment's window closes.
function zalacznikZamkniety(rodzic, typ, wersja, pola, akcja) {
    var okno = Session.Login.CreateSession();
    var a = okno.CreateObject("TLXDeklaracje.Deklaracje").AddNew();
    a.TypDeklar = typ; a.Wersja = wersja; a.Rok = 2024; a.ParentId = rodzic; a.Numer = 1;
    for (var pole in pola) a[pole] = pola[pole];
    a.Policz();
    okno.Save();
    var zeznanie = Session.Login.CreateSession();
    zeznanie.CreateObject("TLXDeklaracje.Deklaracje", String(rodzic)).executeJS(akcja);
    zeznanie.Save();
    return a;
}
// The return `id` as saved, opened in a new session.
function zapisane(id) { return Session.Login.CreateSession().CreateObject("TLXDeklaracje.Deklaracje", String(id)); }

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
    print("  Sprzedaż: 23% netto 125 000,40 VAT 28 750,09; 8% netto 10 000,00 VAT 800,00");
    vat7.P_19 = 125000.40;
    vat7.P_20 = 28750.09;
    vat7.P_17 = 10000;
    vat7.P_18 = 800;
    print("  Zakupy: środki trwałe netto 20 000,00 VAT 4 600,00; pozostałe netto 50 000,00 VAT 11 500,49");
    vat7.P_43 = 20000;
    vat7.P_44 = 4600;
    vat7.P_45 = 50000;
    vat7.P_46 = 11500.49;
    vat7.AdviseProgress(Postep);
    vat7.Policz();
    vat7.Verify();
    Session.Save();
    var id = vat7.ID;
    print("  Zapisano VAT-7 nr", vat7.Numer, "za", vat7.Miesiac + "/" + vat7.Rok, "(identyfikator " + id + ")");

    var druga = Session.Login.CreateSession();
    var wczytana = druga.CreateObject("TLXDeklaracje.Deklaracje", String(id));
    print("  Odczytana w nowej sesji:", wczytana.Opis, "nr", wczytana.Numer);
    var pola = ["P_1", "P_4", "P_5", "P_6", "P_9", "P_17", "P_18", "P_19", "P_20", "P_40", "P_41",
                "P_43", "P_44", "P_45", "P_46", "P_51", "P_54", "P_56"];
    for (var i = 0; i < pola.length; i++) {
        // Poz. 4 i 5 są okresem deklaracji (pola wyliczane): nie mają przechowywanej wartości.
        var opis;
        try { opis = wczytana.Pole(pola[i]).Info.Opis; } catch (e) { opis = "okres deklaracji"; }
        print("    poz. " + pola[i].substr(2) + " = " + wczytana.Wartosc(pola[i]) + "  (" + opis + ")");
    }
    print("  Do wpłaty:", wczytana.KwotaCalkowita, "zł, termin", wsparcie.Format(wczytana.Termin, "@D17"));
    print("  Deklaracji w bazie:", Session.CreateObject("TLXDeklaracje.Deklaracje").Count);
});
krok("Deklaracje roczne ZUS za 2024", function () {
    var deklaracje = Session.CreateObject("TLXDeklaracje.Deklaracje");
    function Nowa(typ) {
        var d = deklaracje.AddNew();
        d.TypDeklar = typ;
        d.Wersja = 1;
        d.Rok = 2024;
        d.Numer = 1;
        d.OSWIADCZENIE = new Date(2025, 0, 20);
        return d;
    }
    function Data(tekst) {   // DDMMRRRR z dokumentu KEDU
        return tekst.substr(0, 2) + "." + tekst.substr(2, 2) + "." + tekst.substr(4);
    }
    var iwa = Nowa(130);
    iwa.Policz();
    Session.Save();
    print("  IWA nr", iwa.Numer, "(identyfikator " + iwa.ID + "): średnia liczba ubezpieczonych w wypadkowym",
          iwa.DUZWIWALICZBAUBEZP + ", poszkodowanych w wypadkach przy pracy", iwa.ZDKRIWALPOSZKOG);

    var zswa = Nowa(106);
    zswa.Policz();   // zapisuje się sama po udanym przeliczeniu
    print("  ZSWA nr", zswa.Numer, "(identyfikator " + zswa.ID + "): okresy pracy w szczególnych warunkach lub o " +
          "szczególnym charakterze");
    // Bloki ubezpieczonych: poz. 5 i 6 nazwisko i imię, 8 tytuł ubezpieczenia z prawem do emerytury
    // i stopniem niepełnosprawności, od 9 po pięć pozycji na okres: kod, od, do, wymiar (licznik, mianownik).
    var wiersze = String(zswa.DOKUMENT.ToString()).split("\r\n");
    for (var i = 0; i < wiersze.length; i++) {
        if (wiersze[i] != "<DDOZSWA>") continue;
        var poz = [""];
        for (i++; i < wiersze.length && wiersze[i] != "</DDOZSWA>"; i++) poz.push(wiersze[i]);
        for (var k = 9; k + 4 < poz.length; k += 5)
            print("    " + poz[5] + " " + poz[6] + ", klucz " + poz[8] + ": kod " + poz[k] + ", " + Data(poz[k + 1]) +
                  " - " + Data(poz[k + 2]) + ", wymiar " + poz[k + 3] + "/" + poz[k + 4]);
    }
});
krok("Deklaracja PFRON INF-D za marzec 2024", function () {
    var d = Session.CreateObject("TLXDeklaracje.Deklaracje").AddNew();
    d.TypDeklar = 300;
    d.Wersja = 3;
    d.Rok = 2024;
    d.Miesiac = 3;
    d.Numer = 1;
    d.DATAWYPELNIENIA = new Date(2024, 3, 10);
    d.RODZAJINFORMACJI = "Z";
    d.Policz();   // wypełnia dane pracodawcy i tworzy załączniki INF-D-P
    Session.Save();
    print("  INF-D nr", d.Numer, "za", d.OKRESSPRAWOZDAWCZY, "(identyfikator " + d.ID + "), pracodawca nr PFRON",
          d.NRPFRON + ", załączników INF-D-P:", d.LICZBAINFDP);
    for (var e = new Enumerator(d.Deklaracje); !e.atEnd(); e.moveNext()) {
        var a = e.item();
        print("    " + a.NRKOLEJNY + ". " + a.NAZWISKO + " " + a.IMIE1 + ", PESEL " + a.PESEL + ": osiągane " +
              a.WYNOSIAGANE + ", wypłacone " + a.WYNWYPLACONE + ", pomniejszenia " + a.POMNIEJSZENIA);
    }
    var folder = "C:\\Eksport\\PFRON";
    d.SENDTONET = folder;
    print("  Pliki SOD przekazane do folderu " + folder + " na komputerze użytkownika");
});
krok("Wniosek PFRON WN-D za marzec 2024", function () {
    var folderWnd = "C:\\Eksport\\PFRON-WND";
    // Wersja 6 liczy usługa bieżąca (TLXDeklaracje.WND3), wersja 1 usługa pierwszej generacji.
    for (var wersja = 6; wersja >= 1; wersja -= 5) {
        var d = Session.CreateObject("TLXDeklaracje.Deklaracje").AddNew();
        d.TypDeklar = 310;
        d.Wersja = wersja;
        d.Rok = 2024;
        d.Miesiac = 3;
        d.DATAWYPELNIENIA = new Date(2024, 3, 10);
        d.RODZAJINFORMACJI = "Z";
        d.Policz();   // stany zatrudnienia i załączniki INF-D-P
        Session.Save();
        // Stany zatrudnienia wylicza tylko usługa bieżąca (wersje 3-6); wersja 1 ma same załączniki.
        if (wersja > 1)
            print("  WN-D w wersji", wersja, "za", d.OKRESSPRAWOZDAWCZY + ": zatrudnienie w miesiącu", d.WOKRESIEOGOLEM,
                  "(niepełnosprawni", d.WOKRESIENIEPELNOSPRAWNI + "), w okresie poprzedzającym",
                  d.POPRZEDZAJACYOKRESOGOLEM, "(" + d.POPRZEDZAJACYOKRESNIEPELNOSPRAWNI + "), załączników INF-D-P:",
                  d.LICZBAINFDP);
        else
            print("  WN-D w wersji", wersja, "za", d.OKRESSPRAWOZDAWCZY + ": załączników INF-D-P:", d.LICZBAINFDP);
        for (var e = new Enumerator(d.Deklaracje); !e.atEnd(); e.moveNext()) {
            var a = e.item();
            print("    " + a.NRKOLEJNY + ". " + a.NAZWISKO + " " + a.IMIE1 + ": osiągane " + a.WYNOSIAGANE +
                  ", podstawa dofinansowania " + a.PODWKOSZTY);
        }
        d.SENDTONET = folderWnd;   // pliki SOD wniosku i załączników
    }
    print("  Pliki SOD obu wniosków przekazane do folderu " + folderWnd + " na komputerze użytkownika");
});
krok("Wniosek PFRON WN-U za marzec 2024", function () {
    var d = Session.CreateObject("TLXDeklaracje.Deklaracje").AddNew();
    d.TypDeklar = 320;
    d.Wersja = 1;
    d.Rok = 2024;
    d.Miesiac = 3;
    d.DATAWYPELNIENIA = new Date(2024, 3, 10);
    d.RODZAJINFORMACJI = "Z";
    d.MIESIACOD = 3;
    d.ROKOD = 2024;
    d.MIESIACDO = 3;
    d.ROKDO = 2024;
    d.Policz();   // dane pracodawcy i załączniki INF-U-P
    Session.Save();
    print("  WN-U za", d.OKRESSPRAWOZDAWCZY + ", pracodawca nr PFRON", d.NRPFRON + ", załączników INF-U-P:",
          d.LICZBAINFUPGA);
    var pola = ["CHRONZNACZNY", "CHRONUMIARKOWANY", "CHRONLEKKI", "CHRONSZNACZNY", "CHRONSUMIARKOWANY", "CHRONSLEKKI",
                "NORMZNACZNY", "NORMUMIARKOWANY", "NORMLEKKI", "NORMSZNACZNY", "NORMSUMIARKOWANY", "NORMSLEKKI"];
    for (var e = new Enumerator(d.Deklaracje); !e.atEnd(); e.moveNext()) {
        var a = e.item();
        var dni = [];
        for (var k = 0; k < pola.length; k++)
            if (a[pola[k]] != "00") dni.push(pola[k] + " " + a[pola[k]]);
        print("    " + a.NRKOLEJNY + ". " + a.NAZWISKO + " " + a.IMIE1 + ": dni " + dni.join(", ") + ", osiągane " +
              a.WYNOSIAGANE + ", podstawa dofinansowania " + a.PODWKOSZTY + ", pomniejszenia " + a.POMNIEJSZENIA);
    }
    var folder = "C:\\Eksport\\PFRON-WNU";
    d.SENDTONET = folder;   // pliki SOD wniosku i załączników
    print("  Pliki SOD wniosku przekazane do folderu " + folder + " na komputerze użytkownika");
});
krok("E-deklaracja VAT-7 za marzec 2024", function () {
    var vat7 = Session.CreateObject("TLXDeklaracje.Deklaracje", "DkN_TypDeklar=1 AND DkN_RokMiesiac=202403 AND DkN_Numer=1");
    var e = new ActiveXObject("TLX.EDeklaracja");
    e.Login = Session.Login;
    e.AdviseProgress(Postep);
    var plik = konfiguracja.GetValue("eDeklaracjeKatalogWymiany") + "/VAT-7_17_03-2024.xml";
    e.ZapiszXml(vat7, "", plik);
    print("  E-deklaracja VAT-7(17) nr", vat7.Numer, "zapisana w pliku " + plik);
});
krok("E-deklaracja VAT-7 za marzec 2024 z zawiadomieniem VAT-ZD", function () {
    var z = Session.CreateObject("TLXDeklaracje.Deklaracje", "DkN_TypDeklar = 403 and DkN_Finalna = 1 and Dkn_RokMiesiac = 202403");
    var pozycje = z.CustomCollection01;
    print("  Zawiadomienie VAT-ZD za 03/2024: pozycji", pozycje.Count + ", korekta podstawy", z.RazemNetto,
          "i podatku", z.RazemVat, "(bez pozycji ujemnych)");
    var vat7 = Session.CreateObject("TLXDeklaracje.Deklaracje", "DkN_TypDeklar=1 AND DkN_RokMiesiac=202403 AND DkN_Numer=1");
    vat7.P_68 = 1;
    vat7.P_69 = 1;
    Session.Save();
    var plik = eDeklaracjaWPliku(vat7, "VAT-7_17_03-2024_VAT-ZD.xml");
    print("  VAT-7 nr", vat7.Numer, "z załącznikiem Wniosek_VAT-ZD zapisana w pliku " + plik);
});
krok("E-deklaracja VAT-UE za marzec 2024 z załącznikami", function () {
    var deklaracje = Session.CreateObject("TLXDeklaracje.Deklaracje");
    function nowa(typ, wersja, numer, pola) {
        var d = deklaracje.AddNew();
        d.TypDeklar = typ;
        d.Wersja = wersja;
        d.Rok = 2024;
        d.Miesiac = 3;
        if (numer) d.Numer = numer;
        for (var pole in pola) d[pole] = pola[pole];
        return d;
    }
    nowa(13, 3, 1, {P_Da1: "DE", P_Db1: "123456789", P_Dc1: 15000, P_Da2: "FR", P_Db2: "12345678901", P_Dc2: 2500});
    nowa(23, 2, 1, {P_Ua1: "AT", P_Ub1: "U12345678", P_Uc1: 7000});
    var vatue = nowa(11, 3, 0, {P_1: konfiguracja.GetValue("FirmaNIP"), P_6: urzad.Kod, P_8: 1,
                                ZalacznikVATUEA: 1, ZalacznikVATUEC: 1});
    vatue.Policz();
    Session.Save();
    var plik = eDeklaracjaWPliku(vatue, "VAT-UE_3_03-2024.xml");
    print("  " + vatue.Opis + " z VAT-UE/A i VAT-UE/C (pozycje jako grupy Grupa1 i Grupa3) zapisana w pliku " + plik);
});
krok("E-deklaracja VAT-27 za I kwartał 2024", function () {
    var d = Session.CreateObject("TLXDeklaracje.Deklaracje").AddNew();
    d.TypDeklar = 33;
    d.Wersja = 1;
    d.Rok = 2024;
    d.Miesiac = 3;
    d.P_1 = konfiguracja.GetValue("FirmaNIP");
    d.P_6 = urzad.Kod;
    d.P_8 = 1;
    d.MiesiecznieKwartalnie = 2;
    var wiersze = [[1, "Hurtownia Beta Sp. z o.o.", "5260250274", 12500.5], [1, "Stalex S.A.", "7740001454", 3000],
                   [2, "Emisje Sp. z o.o.", "1132853869", 999.99]];
    for (var i = 0; i < wiersze.length; i++) {
        var w = (wiersze[i][0] == 1 ? d.CustomCollection01 : d.CustomCollection02).AddNew();
        w.Typ = wiersze[i][0];
        w.Nazwa = wiersze[i][1];
        w.NIP = wiersze[i][2];
        w.kwota = wiersze[i][3];
        w.Zmiana = 0;
    }
    d.Policz();
    Session.Save();
    var plik = eDeklaracjaWPliku(d, "VAT27K_1_I-2024.xml");
    print("  " + d.Opis + ": dostawy towarów", d.P_11, "zł (Grupa_C), usługi", d.P_12, "zł (Grupa_D); zapisana w pliku " + plik);
});
krok("E-deklaracja VAT-9M za maj 2024", function () {
    // Podatek należny od usług kupionych za granicą i od zakupu, w którym podatnikiem jest nabywca: podstawy
    // i podatek wpisane z faktur, w pełnych złotych po przeliczeniu.
    var d = Session.CreateObject("TLXDeklaracje.Deklaracje").AddNew();
    d.TypDeklar = 404;
    d.Wersja = 6;
    d.Rok = 2024;
    d.Miesiac = 5;
    d.P_1 = konfiguracja.GetValue("FirmaNIP");
    d.P_6 = urzad.Kod;
    d.P_8 = 1;
    d.P_10 = 4250.40;
    d.P_11 = 977.59;
    d.P_12 = 12300.55;
    d.P_13 = 2829.13;
    d.P_14 = 1999.49;
    d.P_15 = 459.88;
    d.Policz();
    d.Verify();
    Session.Save();
    var t = d.Termin;
    var plik = eDeklaracjaWPliku(d, "VAT-9M_6_05-2024.xml");
    print("  " + d.Opis + " nr " + d.Numer + ": import usług " + d.P_11 + ", usługi z art. 28b " + d.P_13 +
          ", nabywca jako podatnik " + d.P_15 + ", do wpłaty " + d.KwotaCalkowita + " zł, termin " + t.getDate() + "." +
          (t.getMonth() + 1) + "." + t.getFullYear() + "; zapisana w pliku " + plik.replace(/^.*\//, ""));
});
krok("Deklaracja ZUS DRA za marzec 2024 z raportami", function () {
    var d = Session.CreateObject("TLXDeklaracje.Deklaracje").AddNew();
    d.TypDeklar = 120;
    d.Wersja = 3;
    d.Rok = 2024;
    d.Miesiac = 3;
    d.Numer = 1;
    d.DADRAIDENT = 1032024;
    d.OSWIADCZENIE = new Date(2024, 3, 10);
    d.Policz();   // usługa TLXDeklaracje.DRA liczy raporty ubezpieczonych i sumy deklaracji
    Session.Save();
    print("  DRA nr", d.Numer, "za 03/2024 (identyfikator " + d.ID + "): ubezpieczonych", d.INN7UBEZP +
          ", stopa wypadkowa", d.INN7PROCWYPAD + "%");
    print("    składki społeczne", d.ZSDRAIKWOTA + ", potrącone zasiłki", d.ZWDRARAZEM + ", do zapłaty",
          d.RIVDRAZAPLATA + ", zdrowotne", d.ZSDRAKWOTA + ", FP i FGŚP", d.ZDRAVKWOTA + ", razem", d.LSKDKWOTA);
    print("    raportów: RCA", d.OPLSNORCA + ", RNA", d.OPLSNORNA + ", RZA", d.OPLSNORZA + ", RSA", d.OPLSNORSA +
          ", razem", d.OPLSLICZBARAPORTOW);
    // Raporty zapisane z deklaracją, odczytane w nowej sesji.
    var zapisana = Session.Login.CreateSession().CreateObject("TLXDeklaracje.Deklaracje", String(d.ID));
    var nazwy = {121: "RCA", 122: "RNA", 123: "RZA", 124: "RSA"};
    for (var e = new Enumerator(zapisana.Deklaracje); !e.atEnd(); e.moveNext()) {
        var r = e.item();
        var osob = String(r.Tekst).split("<DDO" + nazwy[r.TypDeklar] + ">").length - 1;
        print("    " + nazwy[r.TypDeklar] + " w wersji " + r.Wersja + ": ubezpieczonych " + osob);
    }
    // Zestaw KEDU deklaracji z raportami, jaki importuje program płatnika.
    var dra = Session.CreateObject("TLXDeklaracje.DRA");
    var nazwa = "ZUSDRA_03-2024.xml";
    dra.ExportToXML(d.ID, konfiguracja.GetValue("eDeklaracjeKatalogWymiany") + "/" + nazwa);
    var tresc = String(dra.ToXML(d.ID));
    var bloki = [];
    var dokumenty = ["ZUSRCA", "ZUSRSA", "ZUSRZA"];
    for (var k = 0; k < dokumenty.length; k++) {
        var od = tresc.indexOf("<" + dokumenty[k]);
        var dokument = od < 0 ? "" : tresc.substring(od, tresc.indexOf("</" + dokumenty[k] + ">"));
        bloki.push(dokumenty[k] + " " + (dokument.split(/<III[ >]/).length - 1));
    }
    print("  Plik KEDU " + nazwa + ": bloków osób " + bloki.join(", "));
});
krok("Informacje PIT-11 za 2024 dla pracowników", function () {
    // Jedna informacja na osobę (karta główna z kartami powiązanymi), każda w swojej sesji: informacji,
    // której moduł nie przyjmie (brak numeru PESEL i NIP), nie zapisuje się, a reszta idzie dalej.
    var e = new ActiveXObject("TLX.EDeklaracja");
    e.Login = Session.Login;
    var katalog = konfiguracja.GetValue("eDeklaracjeKatalogWymiany");
    for (var p = new Enumerator(Session.CreateObject("TLX.Pracownicy")); !p.atEnd(); p.moveNext()) {
        var karta = p.item();
        try { karta.GetEtat(new Date(2024, 11, 31)).Powiazanie; continue; } catch (err) { }
        var sesja = Session.Login.CreateSession();
        var d = sesja.CreateObject("TLXDeklaracje.Deklaracje").AddNew();
        d.TypDeklar = 5;
        d.Wersja = 23;
        d.Rok = 2024;
        d.Pracownik = sesja.CreateObject("TLX.Pracownicy").Item(String(karta.ID));
        d.Policz();   // płatnik z ustawień firmy, podatnik z zapisu na koniec roku, kwoty z wypłat roku
        if (Number(d.P_29) + Number(d.P_49) == 0) continue;
        try {
            sesja.Save();
        } catch (err) {
            print("  " + karta.Kod + " " + d.Opis + ": nie zapisano - " + err.description);
            continue;
        }
        var plik = katalog + "/PIT-11_23_" + karta.Kod + "_2024.xml";
        e.ZapiszXml(d, "", plik);
        print("  " + karta.Kod + " " + d.Opis + " nr " + d.Numer + ": przychód " + (Number(d.P_29) + Number(d.P_49)).toFixed(2) +
              ", dochód " + (Number(d.P_31) + Number(d.P_51)).toFixed(2) + ", zaliczki " + (Number(d.P_33) + Number(d.P_52)) +
              ", składki społeczne " + Number(d.P_70).toFixed(2) + "; e-deklaracja w pliku " + plik.replace(/^.*\//, ""));
    }
});
krok("Deklaracja PIT-4R za 2024", function () {
    var d = Session.CreateObject("TLXDeklaracje.Deklaracje").AddNew();
    d.TypDeklar = 18;
    d.Wersja = 6;
    d.Rok = 2024;
    d.Policz();   // zaliczki pobrane z wypłat roku, miesiąc po miesiącu
    Session.Save();
    var t = d.Termin;
    // Wiersz 1: liczba podatników (poz. 9-14, 21-26) i zaliczki (poz. 15-20, 27-32); wiersz 9: umowy zlecenia
    // (poz. 109-120); wiersz 13: kwoty do wpłaty (poz. 157-168).
    var etat = 0, umowy = 0;
    for (var m = 0; m < 12; m++) {
        etat += Number(d["P_" + (m < 6 ? 15 + m : 21 + m)]);
        umowy += Number(d["P_" + (109 + m)]);
    }
    print("  PIT-4R nr " + d.Numer + ": zaliczki ze stosunku pracy " + etat + ", z umów zlecenia " + umowy +
          ", do wpłaty " + d.KwotaCalkowita + " zł, termin " + t.getDate() + "." + (t.getMonth() + 1) + "." + t.getFullYear());
    for (var m = 0; m < 12; m++)
        print("    miesiąc " + (m + 1) + ": " + d["P_" + (m < 6 ? 9 + m : 15 + m)] + " podatników, " +
              d["P_" + (m < 6 ? 15 + m : 21 + m)] + " + " + d["P_" + (109 + m)] + " = " + d["P_" + (157 + m)]);
    eDeklaracjaWPliku(d, "PIT-4R_6_2024.xml");
});
krok("Zeznanie CIT-8 za 2024 z załącznikiem CIT-D", function () {
    var deklaracje = Session.CreateObject("TLXDeklaracje.Deklaracje");
    var d = deklaracje.AddNew();
    d.TypDeklar = 17;
    d.Wersja = 24;
    d.Rok = 2024;
    d.P_23 = 60000;   // strata z 2023 r. odliczana w tym roku
    d.P_33 = 41000;   // zaliczki należne za rok
    d.Policz();       // przychody i koszty roku z ksiąg firmy
    Session.Save();
    var darowizny = deklaracje.AddNew();
    darowizny.TypDeklar = 28;
    darowizny.Wersja = 5;
    darowizny.Rok = 2024;
    darowizny.Miesiac = 12;
    darowizny.Numer = 1;
    darowizny.ParentId = d.ID;
    darowizny.P_Da1 = "Fundacja Pomocy Dzieciom - cel pożytku publicznego";
    darowizny.P_Db1 = 3000;
    darowizny.Policz();
    Session.Save();
    d.executeJS("onCITDListChanged");
    d.Verify();
    Session.Save();
    var t = d.Termin;
    print("  " + d.Opis + ": przychody " + d.P_19 + ", koszty " + d.P_20 + ", dochód " + d.P_21 + ", odliczenia " + d.P_27 +
          " (w tym darowizny z CIT-D " + d.P_24 + "), podstawa " + d.P_28 + ", podatek " + d.P_30 + ", do zapłaty " +
          d.KwotaCalkowita + " zł, termin " + t.getDate() + "." + (t.getMonth() + 1) + "." + t.getFullYear());
    eDeklaracjaWPliku(d, "CIT-8_24_2024.xml");
});
krok("Roczne obliczenie PIT-40, informacje PIT-8C i IFT-1R za 2024", function () {
    // Każdy formularz w swojej sesji, dla jednej osoby: obliczenie podatku pracownika, który o nie wniósł,
    // świadczenie z funduszu socjalnego byłej pracownicy i opłata licencyjna nierezydenta, którego numer
    // paszportu, miejsce urodzenia i adres zamieszkania za granicą wpisuje kadrowa (zapis pracownika ich nie ma).
    var e = new ActiveXObject("TLX.EDeklaracja");
    e.Login = Session.Login;
    var katalog = konfiguracja.GetValue("eDeklaracjeKatalogWymiany");
    function karta(sesja, kod) {
        for (var p = new Enumerator(sesja.CreateObject("TLX.Pracownicy")); !p.atEnd(); p.moveNext())
            if (p.item().Kod == kod) return p.item();
        return null;
    }
    function formularz(typ, wersja, kod, wpisz, opis) {
        var sesja = Session.Login.CreateSession();
        var d = sesja.CreateObject("TLXDeklaracje.Deklaracje").AddNew();
        d.TypDeklar = typ;
        d.Wersja = wersja;
        d.Rok = 2024;
        d.Pracownik = karta(sesja, kod);
        wpisz(d);
        d.Policz();
        sesja.Save();
        var plik = katalog + "/" + d.Opis.replace(/ za .*$/, "") + "_" + wersja + "_" + kod + "_2024.xml";
        e.ZapiszXml(d, "", plik);
        print("  " + kod + " " + d.Opis + " nr " + d.Numer + ": " + opis(d) + "; e-deklaracja w pliku " + plik.replace(/^.*\//, ""));
    }
    formularz(9, 22, "P001", function (d) { }, function (d) {
        return "dochód po składkach " + Number(d.P_31).toFixed(2) + ", podatek należny " + d.P_35 + ", zaliczki " + d.P_29 +
               ", do pobrania " + d.P_37 + ", nadpłata " + d.P_36;
    });
    formularz(21, 8, "P013", function (d) { d.P_28 = 1500; }, function (d) {
        return "inne przychody " + Number(d.P_28).toFixed(2);
    });
    formularz(24, 13, "P019", function (d) {
        d.P_25 = "Leeds"; d.P_26 = "GB123456789"; d.P_27 = 3; d.P_28 = "GB";
        d.P_29 = "GB"; d.P_30 = "London"; d.P_31 = "SW1A 1AA"; d.P_32 = "Baker Street"; d.P_33 = "221B";
        d.P_48 = 10000.40; d.P_49 = 20; d.P_50 = 2000; d.P_76 = "2025-01-20";
    }, function (d) {
        return "numer zagraniczny " + d.P_26 + ", przychód " + Number(d.P_48).toFixed(2) + ", podatek " + d.P_50;
    });
});
krok("Zgłoszenie ZUS ZUA nowego pracownika", function () {
    var d = Session.CreateObject("TLXDeklaracje.Deklaracje").AddNew();
    d.TypDeklar = 100;
    d.Wersja = 1;
    d.Rok = 2024;
    d.Miesiac = 3;
    d.Numer = 1;
    d.Pracownik = Session.CreateObject("TLX.Pracownicy", "12");
    d.DATAZGLOSZENIA = new Date(2024, 4, 6);   // zapis pracownika ważny w dniu zgłoszenia
    d.OSWIADCZENIE = new Date(2024, 4, 6);
    d.Policz();   // płatnik z ustawień firmy, ubezpieczony, tytuł, ubezpieczenia i adresy z zapisu pracownika
    Session.Save();
    var od = d.DATAZGLOSZENIA;
    print("  ZUA nr " + d.Numer + ": " + d.DAUNAZWISKO + " " + d.DAUIMIE + ", PESEL " + d.DAUPESEL + ", zgłoszony od " +
          od.getDate() + "." + (od.getMonth() + 1) + "." + od.getFullYear());
});
krok("Wyrejestrowanie członka rodziny ZUS ZCZA", function () {
    var d = Session.CreateObject("TLXDeklaracje.Deklaracje").AddNew();
    d.TypDeklar = 103;
    d.Wersja = 1;
    d.Rok = 2024;
    d.Miesiac = 9;
    d.Numer = 1;
    d.Pracownik = Session.CreateObject("TLX.Pracownicy", "1");
    d.DATAWYREJESTROWANIA = new Date(2024, 8, 1);
    d.OSWIADCZENIE = new Date(2024, 8, 3);
    d.WYREJESTROWANIE = 2;   // syn pracownika: blok DOCRA z jego danymi i datą wyrejestrowania
    d.Policz();
    Session.Save();
    var tekst = String(d.Tekst);
    var czlonek = tekst.substring(tekst.indexOf("<DOCRA>"), tekst.indexOf("</DOCRA>")).split("\r\n");
    print("  ZCZA nr " + d.Numer + ": " + d.DAUNAZWISKO + " " + d.DAUIMIE + " wyrejestrowuje członka rodziny " +
          czlonek[6] + " " + czlonek[7] + ", PESEL " + czlonek[2] + ", od 1.9.2024");
    // ZCZA nie ma dokumentu KEDU XML: SAVETO zapisuje plik komponentu KEDU hosta.
    var nazwa = "ZCZA_09-2024.kdu";
    d.SAVETO = konfiguracja.GetValue("eDeklaracjeKatalogWymiany") + "/" + nazwa;
    print("  Zapisany w pliku komponentu KEDU " + nazwa);
});
krok("Zeznanie PIT-36 za 2024 właścicielki z załącznikami PIT/B i PIT/O", function () {
    // Zeznanie wspólne z mężem: działalność z księgi firmy na PIT/B, ulgi na PIT/O. Każdy załącznik zamyka się
    // (zapisuje) we własnej sesji, a zeznanie przelicza się po jego zamknięciu akcją formularza.
    var sesja = Session.Login.CreateSession();
    var d = noweZeznanie(sesja, 15, 23, "11");
    d.P_6 = 2; d.P_2 = "80010112340"; d.P_21 = "Kowalski"; d.P_22 = "Jan"; d.P_23 = "1980-01-01";
    d.P_28 = 55992; d.P_29 = 3000; d.P_31 = 1836; d.P_36 = 2000; d.P_46 = 4000; d.P_47 = 7676.52;
    d.Policz();
    sesja.Save();
    var b = zalacznikZamkniety(d.ID, 25, 14, { P_9: "Działalność z księgi firmy" }, "przeliczPoZamknieciuPITB");
    print("  " + b.Opis + ": przychód " + Number(b.P_11).toFixed(2) + ", koszty " + Number(b.P_12).toFixed(2) + ", dochód " +
          Number(b.P_13).toFixed(2));
    var o = zalacznikZamkniety(d.ID, 27, 22, { P_6: 600, P_10: 500, P_14: 556.02 }, "przeliczPoZamknieciuPITO");
    print("  " + o.Opis + ": odliczenia od dochodu " + Number(o.P_12).toFixed(2) + ", od podatku " + Number(o.P_15).toFixed(2));
    var gotowe = zapisane(d.ID);
    print("  " + gotowe.Opis + ": podstawa " + gotowe.P_52 + ", podatek " + Number(gotowe.P_53).toFixed(2) + ", należny " +
          gotowe.P_57 + ", zaliczki " + gotowe.P_58 + ", nadpłata " + gotowe.P_60 + " zł; załączniki PIT/B " + gotowe.LiczbaPITB +
          ", PIT/O " + (gotowe.ZalacznikPITO == 1 ? "tak" : "nie"));
    eDeklaracjaWPliku(gotowe, "PIT-36_23_2024.xml");
    print("  e-deklaracja z załącznikami w pliku PIT-36_23_2024.xml");
});
krok("Zeznanie PIT-37 za 2024 małżonków z załącznikiem PIT/O", function () {
    // Jan Kowalski rozlicza się wspólnie z żoną, Anną Nowak: przychody obojga z ich kart płacowych (te same kwoty co
    // w ich informacjach PIT-11), ulgi na PIT/O zamkniętym we własnej sesji, po czym zeznanie przelicza się akcją.
    var sesja = Session.Login.CreateSession();
    var d = noweZeznanie(sesja, 35, 23, "1");
    d.P_6 = 2;
    d.PracownikMalzonka = 2;
    d.Policz();
    sesja.Save();
    var o = zalacznikZamkniety(d.ID, 27, 22, { P_7: 760, P_14: 1112.04 }, "przeliczPoZamknieciuPITO");
    print("  " + o.Opis + ": odliczenia od dochodu małżonka " + Number(o.P_13).toFixed(2) + ", od podatku " +
          Number(o.P_15).toFixed(2));
    var gotowe = zapisane(d.ID);
    print("  " + gotowe.Opis + " i " + gotowe.P_21 + " " + gotowe.P_22 + ": podstawa " + gotowe.P_50 + ", podatek " +
          Number(gotowe.P_51).toFixed(2) + ", należny " + gotowe.P_55 + ", zaliczki " + gotowe.P_56 + ", nadpłata " +
          gotowe.P_58 + " zł; PIT/O " + (gotowe.ZalacznikPITO == 1 ? "tak" : "nie"));
    eDeklaracjaWPliku(gotowe, "PIT-37_23_2024.xml");
    print("  e-deklaracja z załącznikiem w pliku PIT-37_23_2024.xml");
});
krok("Zeznanie PIT-28 za 2024 z ewidencji przychodów z załącznikiem PIT/28B", function () {
    // Ryczałt od przychodów ewidencjonowanych: przychody podatnika według stawek z ewidencji przychodów firmy,
    // połowa przychodów spółki na PIT/28B; zeznanie sumuje zamknięty załącznik swoją akcją.
    var sesja = Session.Login.CreateSession();
    var d = noweZeznanie(sesja, 20, 19, "6");
    d.P_75 = 12000; d.P_76 = 4000.50; d.P_80 = 12000;
    d.Policz();
    sesja.Save();
    var b = zalacznikZamkniety(d.ID, 26, 14, { P_6: "7251801126", P_7: "Lewandowski i Wspólnicy s.c.", P_8: 50, P_14: 80000 },
                               "zsumujPolaBIT28B");
    print("  " + b.Opis + ": przychody podatnika " + Number(b.P_25).toFixed(2));
    var gotowe = zapisane(d.ID);
    print("  " + gotowe.Opis + ": ryczałt " + Number(gotowe.P_77).toFixed(2) + ", należny " + gotowe.P_79 + ", wpłacony " +
          gotowe.P_80 + ", do zapłaty " + gotowe.P_81 + " zł; załączniki PIT/28B " + gotowe.LiczbaPIT28B);
    eDeklaracjaWPliku(gotowe, "PIT-28_19_2024.xml");
    print("  e-deklaracja z załącznikiem w pliku PIT-28_19_2024.xml");
});
krok("Plik KEDU za marzec 2024", function () {
    var dra = Session.CreateObject("TLXDeklaracje.Deklaracje", "DkN_TypDeklar=120 AND DkN_RokMiesiac=202403 AND DkN_Numer=1");
    var zua = Session.CreateObject("TLXDeklaracje.Deklaracje", "DkN_TypDeklar=100 AND DkN_Numer=1");
    var kedu = Session.CreateObject("TLXDeklaracje.KeduKolekcja").AddNew();
    kedu.Nazwa = "ZUS 03/2024";
    Session.Save();
    dra.Kedu = kedu;
    zua.Kedu = kedu;
    Session.Save();
    var trasy = ["KEDU", "XML", "mieszana"];
    print("  Plik " + kedu.Nazwa + ": deklaracji " + kedu.Deklaracje.Count + ", zapis jako " + trasy[kedu.ZestawMieszany()]);
    var nazwa = "ZUS_03-2024.xml";
    kedu.Zapisz(0, konfiguracja.GetValue("eDeklaracjeKatalogWymiany") + "/" + nazwa, 1);
    kedu.Zablokowana = 1;
    Session.Save();
    var zapisana = Session.Login.CreateSession().CreateObject("TLXDeklaracje.Deklaracje", String(dra.ID));
    print("  Zapisany w pliku " + nazwa + " i zablokowany razem z deklaracjami DRA i ZUA (zablokowana: " +
          zapisana.Zablokowana + ")");
});
print("Koniec demonstracji.");
