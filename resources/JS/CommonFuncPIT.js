// Biblioteka "COMMONFUNCPIT": wspólne funkcje formularzy PIT płatnika. Dane pracownika z jego zapisu
// ważnego na koniec roku, sumy roku z wypłat płacowych hosta, koszty uzyskania przychodów, skala
// podatku, terminy i kontrole kwot. Wymaga biblioteki "KsiCommon" (KwotaPola, UstawPole, DzienRoboczy).

// Rodzaj dokumentu tożsamości zapisu pracownika: 0 - PESEL; każdy wyższy oznacza rozliczenie pod NIP.
var PIT_RODZAJ_DOKUMENTU_PESEL = 0;

// Wartość tekstowa: null i undefined jako pusty tekst, bez odstępów na końcach.
function PitTekst(wartosc)
{
    if (wartosc == null) return '';
    return String(wartosc).replace(/^\s+|\s+$/g, '');
}

// Kwota zaokrąglona do groszy (połowa grosza w górę, także dla kwot ujemnych od zera).
function PitGrosze(kwota)
{
    var znak = kwota < 0 ? -1 : 1;
    return znak * Math.round(Math.abs(kwota) * 100 + 1e-6) / 100;
}

// Data jako "RRRR-MM-DD"; pusty tekst dla pustej daty.
function PitDataTekst(data)
{
    if (CcIsDate0(data)) return '';
    var d = new Date(data);
    return d.getFullYear() + '-' + DwieCyfry(d.getMonth() + 1) + '-' + DwieCyfry(d.getDate());
}

function PitBlad(pozycja, tekst)
{
    CcThrow(ERR_Mv_DekBladObliczenia, 'Poz. ' + pozycja + ': ' + tekst);
}

function PitDoPrzeliczenia(pozycja, tekst)
{
    CcThrow(ERR_Mv_DekParamZmienione, 'Poz. ' + pozycja + ': ' + tekst + ' Deklarację należy przeliczyć.');
}

// Numer pozycji z nazwy pola "P_n".
function PitPozycja(nazwa)
{
    return String(nazwa).replace(/^P_/, '');
}

// Ustawienie firmy z konfiguracji hosta; pusty tekst, gdy go nie ma.
function PitUstawienieFirmy(klucz)
{
    try {
        return PitTekst(new ActiveXObject('TLX.Konfiguracja').GetValue(klucz));
    } catch (e) {
        return '';
    }
}

function PitUzupelnij(nazwa, wartosc)
{
    if (PitTekst(dokument[nazwa]) == '')
        dokument[nazwa] = wartosc;
}

// Płatnik z ustawień firmy (pola zestawu "PIT4.CMN"); pola wpisane przez użytkownika zostają. Urząd
// skarbowy: domyślnie urząd firmy (host nie zna urzędu pracownika, do którego idzie jego informacja).
// Formularz o innej numeracji podaje swoje pola rodzaju płatnika, nazwy i urzędu w `pola`.
function PitUzupelnijPlatnika(pola)
{
    pola = pola || { rodzaj: 'P_7', nazwa: 'P_8', urzad: 'P_5' };
    var firma = dokument.Session.CreateObject('TLX.FirmaCfgRO');
    PitUzupelnij('P_1', PitTekst(firma.NIP).replace(/[\s-]/g, ''));
    var osobaFizyczna = PitTekst(firma.RodzajPlatnika) == '1';
    if (KwotaPola(pola.rodzaj) == 0)
        dokument[pola.rodzaj] = osobaFizyczna ? 2 : 1;
    if (osobaFizyczna) {
        PitUzupelnij('ImiePierwsze', PitTekst(firma.ImieP));
        PitUzupelnij('Nazwisko', PitTekst(firma.NazwiskoP));
        PitUzupelnij('DataUrodzenia', PitUstawienieFirmy('FirmaDataUr').replace(/^(\d{2})\.(\d{2})\.(\d{4})$/, '$3-$2-$1'));
    } else {
        PitUzupelnij('PelnaNazwa', PitTekst(firma.Nazwa));
        PitUzupelnij('REGON', PitUstawienieFirmy('FirmaREGON'));
    }
    PitUzupelnij(pola.nazwa, PitTekst(firma.Nazwa));
    var urzad = firma.UrzadSkarbowy;
    if (urzad != null)
        PitUzupelnij(pola.urzad, PitTekst(urzad.Kod));
}

// Pole obliczane "Nip": NIP płatnika z poz. 1 bez odstępów i kresek.
function PitNipPlatnika()
{
    return PitTekst(dokument.P_1).replace(/[\s-]/g, '');
}

// Okres formularza rocznego: grudzień jego roku.
function PitUstawOkresRoczny()
{
    if (dokument.Miesiac != 12)
        dokument.Miesiac = 12;
}

// Pracownik deklaracji albo null, gdy nie jest wskazany.
function PitPracownik()
{
    try {
        return dokument.Pracownik;
    } catch (e) {
        return null;
    }
}

// Zapis pracownika ważny na 31 grudnia roku deklaracji.
function PitZapisNaKoniecRoku(pracownik)
{
    return pracownik.GetEtat(new Date(dokument.Rok, 11, 31), null);
}

// Identyfikator podatnika z zapisu: rezydent - NIP (rodzaj dokumentu powyżej 0) albo PESEL;
// nierezydent, gdy formularz to dopuszcza - numer zagraniczny.
function PitIdentyfikator(zapis, dopuszczaZagraniczny)
{
    var wynik = { nip: '', pesel: '', zagraniczny: '' };
    var podatki = zapis.Podatki;
    if (dopuszczaZagraniczny && podatki != null && Number(podatki.Nierezydent) == 1) {
        wynik.zagraniczny = PitTekst(podatki.NipZagraniczny);
        if (wynik.zagraniczny != '') return wynik;
    }
    if (Number(zapis.RodzajDokumentu) > PIT_RODZAJ_DOKUMENTU_PESEL)
        wynik.nip = PitTekst(zapis.NipE).replace(/[\s-]/g, '');
    else
        wynik.pesel = PitTekst(zapis.Pesel);
    return wynik;
}

// Kod kraju adresu: host zapisuje nazwę kraju, formularz kod ISO; Polska i brak kraju to "PL".
function PitKodKraju(kraj)
{
    var tekst = PitTekst(kraj);
    if (tekst == '' || tekst.toLowerCase() == 'polska') return 'PL';
    return tekst.length == 2 ? tekst.toUpperCase() : tekst;
}

// Adres zamieszkania z zapisu pracownika.
function PitAdres(zapis)
{
    var a = zapis.Adres;
    return {
        kraj: PitKodKraju(a.Country), wojewodztwo: PitTekst(a.Voivodeship), powiat: PitTekst(a.District),
        gmina: PitTekst(a.Commune), ulica: PitTekst(a.Street), nrDomu: PitTekst(a.HouseNumber),
        nrLokalu: PitTekst(a.FlatNumber), miejscowosc: PitTekst(a.Town), kodPocztowy: PitTekst(a.PostalCode),
        poczta: PitTekst(a.PostOffice)
    };
}

// Miesięczne koszty uzyskania przychodu ze stosunku pracy (jeden stosunek, miejsce zamieszkania w
// miejscowości zakładu pracy) od miesiąca `odOkresu` (RRRRMM), od najnowszych: 250 zł od października 2019,
// wcześniej 111,25 zł.
var PIT_KOSZTY_MIESIECZNE = [
    { odOkresu: 201910, kwota: 250 },
    { odOkresu: 0, kwota: 111.25 }
];

function PitKosztyMiesieczne(rok, miesiac)
{
    var okres = rok * 100 + miesiac;
    for (var i = 0; i < PIT_KOSZTY_MIESIECZNE.length; i++)
        if (okres >= PIT_KOSZTY_MIESIECZNE[i].odOkresu) return PIT_KOSZTY_MIESIECZNE[i].kwota;
    return PIT_KOSZTY_MIESIECZNE[PIT_KOSZTY_MIESIECZNE.length - 1].kwota;
}

// Koszty uzyskania przychodu z umów zlecenia: 20% przychodu pomniejszonego o składki społeczne.
var PIT_KOSZTY_UMOWY = 0.2;

// Listy płac z wypłatami umów cywilnoprawnych (typ listy hosta).
var PIT_LISTA_UMOWY = 2;

function PitNowaGrupa()
{
    return { przychod: 0, koszty: 0, zaliczka: 0, spoleczne: 0, zdrowotne: 0, miesiace: {} };
}

// Karty podatnika: karta pracownika i karty z nią powiązane (dodatkowe karty tej samej osoby, np. umowy
// zlecenia obok umowy o pracę), bo informacja roczna obejmuje wszystkie wypłaty podatnika.
function PitKartyPodatnika(pracownik)
{
    var karty = [pracownik];
    var powiazane = new Enumerator(pracownik.OsobyPowiazane);
    for (; !powiazane.atEnd(); powiazane.moveNext())
        karty.push(powiazane.item());
    return karty;
}

// Dodaje wypłatę do sum jej grupy.
function PitDodajWyplate(grupa, w, miesiac)
{
    var z = w.DaneZUS;
    var przychod = Number(w.Kwota);
    var spoleczne = Number(z.EmerytalnaPracownik) + Number(z.RentowaPracownik) + Number(z.ChorobowaPracownik);
    grupa.przychod += przychod;
    grupa.spoleczne += spoleczne;
    grupa.zdrowotne += Number(z.ZdrowotnaOdliczana);
    grupa.zaliczka += Number(z.ZaliczkaPodatku);
    if (grupa.miesiace[miesiac] == null) grupa.miesiace[miesiac] = 0;
    grupa.miesiace[miesiac] += przychod;
    return { przychod: przychod, spoleczne: spoleczne };
}

// Wypłaty karty w roku podatkowym według dnia wypłaty (przychód jest przychodem roku, w którym go
// wypłacono): dla każdej `funkcja(wypłata, lista płac, miesiąc wypłaty)`. Wypłaty w trybie 1 i 2,
// nieaktywne i bez kwoty nie liczą się: składki wypłaty zerowej (urlop wychowawczy, składki
// właściciela) nie są potrącone z przychodu podatnika.
function PitWyplatyRoku(karta, rok, funkcja)
{
    var wyplaty = new Enumerator(karta.Wyplaty);
    for (; !wyplaty.atEnd(); wyplaty.moveNext()) {
        var w = wyplaty.item();
        var tryb = Number(w.Tryb);
        if (tryb == 1 || tryb == 2 || Number(w.Aktywna) == 0 || Number(w.Kwota) <= 0) continue;
        var lista = w.ListaPlac;
        var dzien = new Date(lista.DataWyplaty);
        if (dzien.getFullYear() == rok)
            funkcja(w, lista, dzien.getMonth() + 1);
    }
}

// Sumy wypłat podatnika w roku podatkowym: "etat" - stosunek pracy, "umowy" - umowy zlecenia. Koszty: ze
// stosunku pracy miesięczne koszty raz w miesiącu, do wysokości przychodu miesiąca; z umów 20% przychodu
// pomniejszonego o składki społeczne.
function PitSumyRoku(pracownik, rok)
{
    var sumy = { etat: PitNowaGrupa(), umowy: PitNowaGrupa() };
    var karty = PitKartyPodatnika(pracownik);
    for (var k = 0; k < karty.length; k++) {
        PitWyplatyRoku(karty[k], rok, function (w, lista, miesiac) {
            var umowa = Number(lista.Typ) == PIT_LISTA_UMOWY;
            var dodana = PitDodajWyplate(umowa ? sumy.umowy : sumy.etat, w, miesiac);
            if (umowa)
                sumy.umowy.koszty += PitGrosze(Math.max(0, dodana.przychod - dodana.spoleczne) * PIT_KOSZTY_UMOWY);
        });
    }
    for (var m in sumy.etat.miesiace)
        if (sumy.etat.miesiace[m] > 0)
            sumy.etat.koszty += Math.min(PitKosztyMiesieczne(rok, Number(m)), sumy.etat.miesiace[m]);
    var grupy = [sumy.etat, sumy.umowy];
    for (var i = 0; i < grupy.length; i++) {
        var g = grupy[i];
        g.przychod = PitGrosze(g.przychod);
        g.koszty = PitGrosze(g.koszty);
        g.zaliczka = PelneZlote(g.zaliczka);
        g.spoleczne = PitGrosze(g.spoleczne);
        g.zdrowotne = PitGrosze(g.zdrowotne);
    }
    return sumy;
}

// Dochód wiersza: przychód pomniejszony o koszty, nie mniej niż 0.
function PitDochod(przychod, koszty)
{
    return PitGrosze(Math.max(0, przychod - koszty));
}

// Termin złożenia informacji rocznej płatnika (składanej elektronicznie) za rok od `odRoku`, od najnowszych:
// dzień `dzien` miesiąca `miesiac` roku następnego, dzień 0 to ostatni dzień miesiąca. Od informacji za 2018 r.
// 31 stycznia, wcześniej koniec lutego.
var PIT_TERMINY_INFORMACJI = [
    { odRoku: 2018, miesiac: 1, dzien: 31 },
    { odRoku: 0, miesiac: 2, dzien: 0 }
];

// Termin informacji za rok; dzień wolny przesuwa termin na dzień roboczy.
function PitTerminInformacji(rok)
{
    var t = PIT_TERMINY_INFORMACJI[PIT_TERMINY_INFORMACJI.length - 1];
    for (var i = 0; i < PIT_TERMINY_INFORMACJI.length; i++)
        if (rok >= PIT_TERMINY_INFORMACJI[i].odRoku) { t = PIT_TERMINY_INFORMACJI[i]; break; }
    var dzien = t.dzien == 0 ? new Date(rok + 1, t.miesiac, 0) : new Date(rok + 1, t.miesiac - 1, t.dzien);
    return DzienRoboczy(dzien);
}

// Pola kwot, które nie mogą być ujemne.
function PitSprawdzNieujemne(nazwy)
{
    for (var i = 0; i < nazwy.length; i++)
        if (KwotaPola(nazwy[i]) < 0)
            PitBlad(PitPozycja(nazwy[i]), 'kwota nie może być ujemna.');
}

// Pola kwot wykazywanych w pełnych złotych.
function PitSprawdzPelneZlote(nazwy)
{
    for (var i = 0; i < nazwy.length; i++) {
        var kwota = KwotaPola(nazwy[i]);
        if (Math.abs(kwota - Math.round(kwota)) > 0.0001)
            PitBlad(PitPozycja(nazwy[i]), 'kwotę wykazuje się w pełnych złotych, bez groszy.');
    }
}

// Rok deklaracji w okresie obowiązywania wersji formularza (od roku `odRoku`).
function PitSprawdzRok(pozycja, odRoku, symbol)
{
    if (dokument.Rok < odRoku)
        PitBlad(pozycja, 'rok ' + dokument.Rok + ' jest poza okresem obowiązywania formularza ' + symbol +
                ' (od roku ' + odRoku + ').');
}

// Identyfikator podatnika: PESEL z 11 cyfr, NIP z 10 cyfr albo numer zagraniczny.
function PitSprawdzIdentyfikator(pozycja, identyfikator, zagraniczny)
{
    if (PitTekst(zagraniczny) != '') return;
    var id = PitTekst(identyfikator);
    if (id == '')
        PitBlad(pozycja, 'pracownik nie ma numeru PESEL ani NIP.');
    if (!/^\d{10}$/.test(id) && !/^\d{11}$/.test(id))
        PitBlad(pozycja, 'identyfikator podatnika "' + id + '" nie jest numerem PESEL (11 cyfr) ani NIP (10 cyfr).');
}

// Wypełnia część C informacji płatnika o jednym podatniku, numerowaną jak w PIT-8C i PIT-40, z zapisu
// pracownika deklaracji ważnego na koniec roku: poz. 9 NIP albo PESEL, poz. 10 numer zagraniczny
// nierezydenta (gdy wersja formularza go dopuszcza), poz. 13-15 osoba, poz. 16-25 adres. Bez pracownika albo jego zapisu pola zostają puste. Rodzaju numeru zagranicznego i kraju jego
// wydania (poz. 11 i 12) zapis pracownika nie zna: zostają, jak je wpisał użytkownik. Zwraca identyfikator
// z zapisu albo null.
function PitWypelnijPodatnika(dopuszczaZagraniczny)
{
    return PitWypelnijPodatnikaWg(PIT_UKLAD_PODATNIKA, dopuszczaZagraniczny);
}

// Pola części o podatniku według numeracji wersji formularza: identyfikator (NIP albo PESEL), numer zagraniczny,
// jego rodzaj i kraj wydania (null, gdy wersja ich nie ma), nazwisko, imię, data urodzenia i adres zamieszkania
// (kraj, województwo, powiat, gmina, ulica, nr domu, nr lokalu, miejscowość, kod pocztowy, poczta).
var PIT_UKLAD_PODATNIKA = {
    id: 'P_9', zagraniczny: 'P_10', rodzajNumeru: 'P_11', krajWydania: 'P_12', nazwisko: 'P_13', imie: 'P_14',
    dataUrodzenia: 'P_15', adres: ['P_16', 'P_17', 'P_18', 'P_19', 'P_20', 'P_21', 'P_22', 'P_23', 'P_24', 'P_25']
};

// Wypełnia część o podatniku (pola układu `uklad`) z zapisu pracownika deklaracji ważnego na koniec roku, jak
// PitWypelnijPodatnika; numer zagraniczny tylko wtedy, gdy układ ma na niego pole i formularz go dopuszcza.
function PitWypelnijPodatnikaWg(uklad, dopuszczaZagraniczny)
{
    var pola = [uklad.id, uklad.zagraniczny, uklad.nazwisko, uklad.imie, uklad.dataUrodzenia].concat(uklad.adres);
    for (var i = 0; i < pola.length; i++)
        if (pola[i] != null) dokument[pola[i]] = '';
    var pracownik = PitPracownik();
    if (pracownik == null) return null;
    var zapis = PitZapisNaKoniecRoku(pracownik);
    if (zapis == null) return null;
    var id = PitIdentyfikator(zapis, dopuszczaZagraniczny && uklad.zagraniczny != null);
    dokument[uklad.id] = id.nip != '' ? id.nip : id.pesel;
    if (uklad.zagraniczny != null) dokument[uklad.zagraniczny] = id.zagraniczny;
    dokument[uklad.nazwisko] = PitTekst(zapis.Nazwisko);
    dokument[uklad.imie] = PitTekst(zapis.Imie1);
    dokument[uklad.dataUrodzenia] = PitDataTekst(zapis.DataUr);
    var a = PitAdres(zapis);
    var wartosci = [a.kraj, a.wojewodztwo, a.powiat, a.gmina, a.ulica, a.nrDomu, a.nrLokalu, a.miejscowosc,
                    a.kodPocztowy, a.poczta];
    for (var k = 0; k < uklad.adres.length; k++)
        dokument[uklad.adres[k]] = wartosci[k];
    return id;
}

// ---- Zeznania roczne podatnika (PIT-36, PIT-36L, PIT-37, PIT-28) i ich załączniki ----

// Typy formularzy zeznań i załączników (deklaracje podrzędne zeznania: DkN_ParentID, DkN_Numer od 1).
var PIT_TYP_PIT36 = 15;
var PIT_TYP_PIT36L = 16;
var PIT_TYP_PIT28 = 20;
var PIT_TYP_PITB = 25;
var PIT_TYP_PIT28B = 26;
var PIT_TYP_PITO = 27;
var PIT_TYP_PIT37 = 35;
var PIT_TYP_PITZG = 36;
var PIT_TYP_PITZ = 37;
var PIT_TYP_PITBR = 39;
var PIT_TYPY_ZALACZNIKOW = [25, 26, 27, 36, 37, 39];
// PIT/B: kto prowadzi działalność (poz. 4): 1 - podatnik, 2 - małżonek.
var PITB_MALZONEK = 2;
// Pola nazwiska i imienia osoby w zeznaniu: podatnika PIT-36, małżonka PIT-36, podatnika PIT-36L.
var PIT_NAZWISKO_PIT36 = ['P_8', 'P_9'];
var PIT_NAZWISKO_MALZONKA = ['P_21', 'P_22'];
var PIT_NAZWISKO_PIT36L = ['P_7', 'P_8'];
// PIT/ZG: metoda unikania podwójnego opodatkowania (poz. 8).
var PIT_ZG_Z_PROGRESJA = 1;
var PIT_ZG_PROPORCJONALNIE = 2;

// Skala podatku roku: stawka niższa do progu, 32% ponad próg, kwota zmniejszająca podatek. Od 2017 do 2021
// kwota zmniejszająca maleje: pełna do `dolnaGranica`, liniowo do `kwota` w przedziale do `gornaGranica`,
// stała do progu, potem liniowo do 0 przy 127 000 zł.
var PIT_SKALE = [
    { odRoku: 2022, stawka: 0.12, prog: 120000, kwota: 3600 },
    { odRoku: 2020, stawka: 0.17, prog: 85528, kwota: 525.12, pelna: 1360, dolnaGranica: 8000, gornaGranica: 13000 },
    { odRoku: 2019, stawka: 0.1775, prog: 85528, kwota: 548.30, pelna: 1420, dolnaGranica: 8000, gornaGranica: 13000 },
    { odRoku: 2017, stawka: 0.18, prog: 85528, kwota: 556.02, pelna: 1188, dolnaGranica: 6600, gornaGranica: 11000 },
    { odRoku: 0, stawka: 0.18, prog: 85528, kwota: 556.02 }
];
var PIT_STAWKA_WYZSZA = 0.32;
var PIT_KONIEC_KWOTY_ZMNIEJSZAJACEJ = 127000;

function PitSkala(rok)
{
    for (var i = 0; i < PIT_SKALE.length; i++)
        if (rok >= PIT_SKALE[i].odRoku) return PIT_SKALE[i];
    return PIT_SKALE[PIT_SKALE.length - 1];
}

function PitKwotaZmniejszajaca(skala, podstawa)
{
    if (skala.pelna == null) return skala.kwota;
    if (podstawa <= skala.dolnaGranica) return skala.pelna;
    if (podstawa <= skala.gornaGranica)
        return skala.pelna - (skala.pelna - skala.kwota) * (podstawa - skala.dolnaGranica) /
                                 (skala.gornaGranica - skala.dolnaGranica);
    if (podstawa <= skala.prog) return skala.kwota;
    if (podstawa <= PIT_KONIEC_KWOTY_ZMNIEJSZAJACEJ)
        return skala.kwota - skala.kwota * (podstawa - skala.prog) / (PIT_KONIEC_KWOTY_ZMNIEJSZAJACEJ - skala.prog);
    return 0;
}

// Podatek według skali roku od podstawy, w groszach, nie mniej niż 0.
function PitPodatekWedlugSkali(podstawa, rok)
{
    var skala = PitSkala(rok);
    var podatek = podstawa <= skala.prog ? podstawa * skala.stawka
                                         : skala.prog * skala.stawka + (podstawa - skala.prog) * PIT_STAWKA_WYZSZA;
    return Math.max(0, PitGrosze(podatek - PitGrosze(PitKwotaZmniejszajaca(skala, podstawa))));
}

// Zeznania według skali (PIT-36, PIT-37) mają wspólny nagłówek: identyfikatory podatnika (poz. 1) i małżonka
// (poz. 2), sposób rozliczenia (poz. 6), cel złożenia (poz. 7), nazwisko i imię małżonka (poz. 21 i 22).
// Sposób rozliczenia: 1 - indywidualnie, 2 - wspólnie z małżonkiem, 3 - jak osoba samotnie wychowująca dzieci,
// 4 - wspólnie z małżonkiem zmarłym.
var PIT_WSPOLNIE = 2;
var PIT_SAMOTNIE_WYCHOWUJACY = 3;
var PIT_WSPOLNIE_ZE_ZMARLYM = 4;

function PitWspolnie(zeznanie)
{
    var sposob = zeznanie ? Number(zeznanie.P_6) : KwotaPola('P_6');
    return sposob == PIT_WSPOLNIE || sposob == PIT_WSPOLNIE_ZE_ZMARLYM;
}

// Podatek zeznania od podstawy: przy rozliczeniu wspólnym i osoby samotnie wychowującej dzieci dwukrotność
// podatku od połowy podstawy.
function PitPodatekZeznania(podstawa)
{
    if (PitWspolnie() || KwotaPola('P_6') == PIT_SAMOTNIE_WYCHOWUJACY)
        return PitGrosze(2 * PitPodatekWedlugSkali(podstawa / 2, dokument.Rok));
    return PitPodatekWedlugSkali(podstawa, dokument.Rok);
}

// Nagłówek zeznania według skali: rok formularza, identyfikator podatnika, sposób rozliczenia i cel złożenia,
// przy rozliczeniu wspólnym małżonek inny niż podatnik.
function PitSprawdzNaglowekZeznania(odRoku, symbol)
{
    PitSprawdzRok('4', odRoku, symbol);
    PitSprawdzNumerOsoby('1', dokument.P_1, 'podatnika');
    PitJednaZ('P_6', [1, 2, 3, 4], 'sposób rozliczenia musi mieć wartość od 1 do 4.');
    PitJednaZ('P_7', [1, 2], 'cel złożenia musi mieć wartość 1 (zeznanie) albo 2 (korekta).');
    if (!PitWspolnie()) return;
    PitSprawdzNumerOsoby('2', dokument.P_2, 'małżonka');
    if (PitTekst(dokument.P_2) == PitTekst(dokument.P_1))
        PitBlad('2', 'identyfikator małżonka nie może być równy identyfikatorowi podatnika.');
    if (PitTekst(dokument.P_21) == '' || PitTekst(dokument.P_22) == '')
        PitBlad('21', 'przy rozliczeniu wspólnym podaje się nazwisko i imię małżonka.');
}

// Termin zeznania rocznego za rok: 30 kwietnia roku następnego, w dzień roboczy.
function PitTerminZeznania(rok)
{
    return DzienRoboczy(new Date(rok + 1, 3, 30));
}

// Dane podatnika zeznania z zapisu jego karty ważnego na koniec roku, w pola `pola`: identyfikator, nazwisko,
// imię, data urodzenia, potem adres (kraj, województwo, powiat, gmina, ulica, nr domu, nr lokalu, miejscowość,
// kod pocztowy, poczta).
function PitWpiszPodatnika(pola)
{
    var pracownik = PitPracownik();
    if (pracownik == null) return;
    var zapis = PitZapisNaKoniecRoku(pracownik);
    var id = PitIdentyfikator(zapis, false);
    var a = PitAdres(zapis);
    var wartosci = [id.nip != '' ? id.nip : id.pesel, PitTekst(zapis.Nazwisko), PitTekst(zapis.Imie1),
                    PitDataTekst(zapis.DataUr), a.kraj, a.wojewodztwo, a.powiat, a.gmina, a.ulica, a.nrDomu, a.nrLokalu,
                    a.miejscowosc, a.kodPocztowy, a.poczta];
    for (var i = 0; i < pola.length; i++)
        dokument[pola[i]] = wartosci[i];
}

// Sumy przychodów i kosztów załączników PIT/B: [0] działalności podatnika, [1] małżonka; zapisuje ich liczbę.
function PitSumujPitB(zalaczniki)
{
    var sumy = [{ przychod: 0, koszty: 0 }, { przychod: 0, koszty: 0 }];
    for (var i = 0; i < zalaczniki.length; i++) {
        var z = zalaczniki[i];
        var s = sumy[Number(z.P_4) == PITB_MALZONEK ? 1 : 0];
        s.przychod += Number(z.P_11);
        s.koszty += Number(z.P_12);
    }
    for (var k = 0; k < sumy.length; k++) {
        sumy[k].przychod = PitGrosze(sumy[k].przychod);
        sumy[k].koszty = PitGrosze(sumy[k].koszty);
    }
    UstawPole('LiczbaPITB', zalaczniki.length);
    return sumy;
}

// Sumy załączników PIT/ZG: [0] podatnika, [1] małżonka - dochód metody proporcjonalnego odliczenia, dochód
// wyłączony z progresją i podatek zapłacony za granicą; zapisuje ich liczbę.
function PitSumujPitZG(zalaczniki)
{
    var sumy = [{ proporcjonalnie: 0, zwolniony: 0, podatek: 0 }, { proporcjonalnie: 0, zwolniony: 0, podatek: 0 }];
    for (var i = 0; i < zalaczniki.length; i++) {
        var z = zalaczniki[i];
        var s = sumy[Number(z.P_4) == PITB_MALZONEK ? 1 : 0];
        if (Number(z.P_8) == PIT_ZG_Z_PROGRESJA) {
            s.zwolniony += Number(z.P_19);
        } else {
            s.proporcjonalnie += Number(z.P_19);
            s.podatek += Number(z.P_20);
        }
    }
    for (var k = 0; k < sumy.length; k++)
        for (var nazwa in sumy[k])
            sumy[k][nazwa] = PitGrosze(sumy[k][nazwa]);
    UstawPole('LiczbaPITZG', zalaczniki.length);
    return sumy;
}

// Sumy załączników PIT/Z: [0] działów podatnika, [1] małżonka - przychód, koszty, dochód i strata; zapisuje ich
// liczbę.
function PitSumujPitZ(zalaczniki)
{
    var sumy = [{ przychod: 0, koszty: 0, dochod: 0, strata: 0 }, { przychod: 0, koszty: 0, dochod: 0, strata: 0 }];
    for (var i = 0; i < zalaczniki.length; i++) {
        var z = zalaczniki[i];
        var s = sumy[Number(z.P_4) == PITB_MALZONEK ? 1 : 0];
        s.przychod += Number(z.P_9);
        s.koszty += Number(z.P_10);
        s.dochod += Number(z.P_11);
        s.strata += Number(z.P_12);
    }
    for (var k = 0; k < sumy.length; k++)
        for (var nazwa in sumy[k])
            sumy[k][nazwa] = PitGrosze(sumy[k][nazwa]);
    UstawPole('LiczbaPITZ', zalaczniki.length);
    return sumy;
}

// Sumy odliczeń załączników PIT/BR: [0] podatnika, [1] małżonka; zapisuje ich liczbę.
function PitSumujPitBR(zalaczniki)
{
    var sumy = [0, 0];
    for (var i = 0; i < zalaczniki.length; i++)
        sumy[Number(zalaczniki[i].UzupelniamDaneMalzonka) == 1 ? 1 : 0] += Number(zalaczniki[i].P_Suma);
    UstawPole('LiczbaPITBR', zalaczniki.length);
    return [PitGrosze(sumy[0]), PitGrosze(sumy[1])];
}

// Numery załączników PIT/BR od 1 bez przerw, najpierw podatnika, potem małżonka, i w każdym pierwszym PIT/BR osoby
// znacznik "Pierwszy" (jego element trafia do dokumentu zeznania w całości, wiersze następnych dopisuje się do
// niego). Poprawione zapisuje się od razu, we własnej sesji, jak numery innych załączników.
function PitPoprawNumeracjePitBR()
{
    if (PitIdDeklaracji(dokument) == 0) return [];
    var sesja = dokument.Session.Login.CreateSession();
    var zalaczniki = PitZalaczniki(PIT_TYP_PITBR, sesja);
    zalaczniki.sort(function (a, b) {
        return (Number(a.UzupelniamDaneMalzonka) - Number(b.UzupelniamDaneMalzonka)) || (Number(a.Numer) - Number(b.Numer));
    });
    var zmienione = false;
    for (var i = 0; i < zalaczniki.length; i++) {
        var z = zalaczniki[i];
        var pierwszy = i == 0 || Number(zalaczniki[i - 1].UzupelniamDaneMalzonka) != Number(z.UzupelniamDaneMalzonka) ? 1 : 0;
        if (Number(z.Numer) != i + 1) { z.Numer = i + 1; zmienione = true; }
        if (Number(z.Pierwszy) != pierwszy) { z.Pierwszy = pierwszy; zmienione = true; }
    }
    if (zmienione) sesja.Save();
    return zalaczniki;
}

// Odliczenie podatku zapłaconego za granicą metodą proporcjonalnego odliczenia: nie więcej niż część podatku,
// która przypada na dochód z zagranicy w dochodzie razem.
function PitOdliczeniePodatkuZagranicznego(podatek, zaplacony, dochodZagraniczny, dochodRazem)
{
    if (zaplacony <= 0 || dochodZagraniczny <= 0 || dochodRazem <= 0) return 0;
    return PitGrosze(Math.min(zaplacony, podatek * Math.min(1, dochodZagraniczny / dochodRazem)));
}

// Kod urzędu skarbowego firmy; pusty tekst, gdy firma go nie ma.
function PitUrzadFirmy()
{
    try {
        var urzad = dokument.Session.CreateObject('TLX.FirmaCfgRO').UrzadSkarbowy;
        return urzad != null ? PitTekst(urzad.Kod) : '';
    } catch (e) {
        return '';
    }
}

// Identyfikator deklaracji; 0, dopóki nie jest zapisana (nie ma wtedy załączników).
function PitIdDeklaracji(deklaracja)
{
    try {
        return Number(deklaracja.ID) || 0;
    } catch (e) {
        return 0;
    }
}

// Zapisane załączniki zeznania danego typu w kolejności numerów, czytane w sesji `sesja` (domyślnie w sesji
// zeznania).
function PitZalaczniki(typ, sesja)
{
    var id = PitIdDeklaracji(dokument);
    var wynik = [];
    if (id == 0) return wynik;
    var kolekcja = (sesja || dokument.Session).CreateObject('TLXDeklaracje.Deklaracje');
    kolekcja.Filter = 'DkN_ParentID=' + id + ' AND DkN_TypDeklar=' + typ;
    for (var e = new Enumerator(kolekcja); !e.atEnd(); e.moveNext())
        wynik.push(e.item());
    wynik.sort(function (a, b) { return Number(a.Numer) - Number(b.Numer); });
    return wynik;
}

// Akcje "AktualizujPolaZNaglowka" i "AktualizujPolaZPierwszejDeklaracji" załączników o osobie wskazanej w poz. 4
// (PIT/B, PIT/Z, PIT/ZG): identyfikator podatnika, rok oraz nazwisko i imię tej osoby (podatnika albo małżonka)
// z zeznania.
function PitPrzepiszOsobeZZeznania()
{
    var zeznanie = PitZeznanieZalacznika();
    if (zeznanie == null) return;
    dokument.Rok = zeznanie.Rok;
    dokument.P_1 = PitTekst(zeznanie.P_1);
    var pola = Number(zeznanie.TypDeklar) == PIT_TYP_PIT36L ? PIT_NAZWISKO_PIT36L
             : KwotaPola('P_4') == PITB_MALZONEK ? PIT_NAZWISKO_MALZONKA : PIT_NAZWISKO_PIT36;
    dokument.P_5 = PitTekst(zeznanie[pola[0]]);
    dokument.P_6 = PitTekst(zeznanie[pola[1]]);
}

// Zeznanie, do którego dołączono załącznik (deklaracja podrzędna), albo null.
function PitZeznanieZalacznika()
{
    var id = 0;
    try { id = Number(dokument.ParentId) || 0; } catch (e) { id = 0; }
    if (id == 0) return null;
    try {
        return dokument.Session.CreateObject('TLXDeklaracje.Deklaracje', String(id));
    } catch (e) {
        return null;
    }
}

// Załącznik dołączony do zeznania innego rodzaju niż `typy` jest odrzucany.
function PitSprawdzZeznanieZalacznika(symbol, typy, nazwyZeznan)
{
    var zeznanie = PitZeznanieZalacznika();
    if (zeznanie == null)
        PitBlad('1', 'załącznik ' + symbol + ' nie jest dołączony do zeznania.');
    var typ = Number(zeznanie.TypDeklar);
    for (var i = 0; i < typy.length; i++)
        if (typy[i] == typ) return zeznanie;
    PitBlad('1', 'załącznik ' + symbol + ' dołącza się tylko do zeznania ' + nazwyZeznan + '.');
}

// Pola liczby załączników danego typu, którą zapisuje się na każdym z nich.
var PIT_POLE_LICZBY_ZALACZNIKOW = {};
PIT_POLE_LICZBY_ZALACZNIKOW[PIT_TYP_PITB] = 'LiczbaPITB';
PIT_POLE_LICZBY_ZALACZNIKOW[PIT_TYP_PIT28B] = 'LiczbaPIT28B';

// Numery załączników danego typu od 1 bez przerw i ich liczba zapisana na każdym (pole "LiczbaPITB",
// "LiczbaPIT28B"). Załączniki są osobnymi dokumentami: poprawione zapisuje się od razu, we własnej sesji, jak przy
// ich zamknięciu.
function PitPoprawNumeracjeZalacznikow(typ)
{
    if (PitIdDeklaracji(dokument) == 0) return [];
    var sesja = dokument.Session.Login.CreateSession();
    var zalaczniki = PitZalaczniki(typ, sesja);
    var zmienione = false;
    for (var i = 0; i < zalaczniki.length; i++) {
        if (Number(zalaczniki[i].Numer) != i + 1) {
            zalaczniki[i].Numer = i + 1;
            zmienione = true;
        }
        var pole = PIT_POLE_LICZBY_ZALACZNIKOW[typ];
        if (pole != null && Number(zalaczniki[i][pole]) != zalaczniki.length) {
            zalaczniki[i][pole] = zalaczniki.length;
            zmienione = true;
        }
    }
    if (zmienione) sesja.Save();
    return zalaczniki;
}

// Akcja "poprawIloscZalacznikowNaZalacznikach" (i "...28B"): numeracja i liczba załączników typu `typ`. Akcja nie
// zwraca wartości: jej wynik wychodzi poza skrypt, a tablica załączników nie może go opuścić.
function PitPoprawIloscZalacznikow(typ)
{
    PitPoprawNumeracjeZalacznikow(typ);
}

// Usuwa wszystkie załączniki zeznania, od razu i we własnej sesji, jak przy usunięciu każdego z nich.
function PitUsunZalaczniki()
{
    if (PitIdDeklaracji(dokument) == 0) return;
    var sesja = dokument.Session.Login.CreateSession();
    var kolekcja = sesja.CreateObject('TLXDeklaracje.Deklaracje');
    for (var t = 0; t < PIT_TYPY_ZALACZNIKOW.length; t++) {
        var zalaczniki = PitZalaczniki(PIT_TYPY_ZALACZNIKOW[t], sesja);
        for (var i = 0; i < zalaczniki.length; i++)
            kolekcja.Delete(zalaczniki[i]);
    }
    sesja.Save();
}

// Identyfikatory podatnika (poz. 1) i małżonka (poz. 2) zeznania przeniesione na jego załączniki (PIT/B, PIT/O, PIT/ZG,
// PIT/28B: identyfikator podatnika w poz. 1 każdego z nich).
function PitPrzeniesPodatnikowNaZalaczniki()
{
    var zalaczniki = PitZalaczniki(PIT_TYP_PITB).concat(PitZalaczniki(PIT_TYP_PITO), PitZalaczniki(PIT_TYP_PITZG),
                                                       PitZalaczniki(PIT_TYP_PIT28B), PitZalaczniki(PIT_TYP_PITBR),
                                                       PitZalaczniki(PIT_TYP_PITZ));
    for (var i = 0; i < zalaczniki.length; i++) {
        var z = zalaczniki[i];
        if (PitTekst(z.P_1) != PitTekst(dokument.P_1)) z.P_1 = PitTekst(dokument.P_1);
        if (Number(z.TypDeklar) == PIT_TYP_PITO && PitTekst(z.P_2) != PitTekst(dokument.P_2))
            z.P_2 = PitTekst(dokument.P_2);
    }
}

// Czy formularz deklaracji (domyślnie tej) ma pole `nazwa`.
function PitMaPole(nazwa, deklaracja)
{
    try {
        return (deklaracja || dokument)[nazwa] !== undefined;
    } catch (e) {
        return false;
    }
}

// Liczba załączników danego typu zapisana w zeznaniu (pole `pole`, pozycja `pozycja`) i ich numeracja zgadzają
// się z załącznikami obecnymi.
function PitSprawdzLiczbeZalacznikow(typ, symbol, pole, pozycja)
{
    var z = PitZalaczniki(typ);
    if (PitMaPole(pole) && KwotaPola(pole) != z.length)
        PitDoPrzeliczenia(pozycja, 'liczba załączników ' + symbol + ' (' + KwotaPola(pole) + ') nie zgadza się z dołączonymi (' +
                          z.length + ').');
    for (var i = 0; i < z.length; i++)
        if (Number(z[i].Numer) != i + 1)
            PitDoPrzeliczenia(pozycja, 'załączniki ' + symbol + ' nie są numerowane kolejno od 1.');
}

// Pozycje zeznania PIT-36, które mówią o jego załącznikach: liczba PIT/B, dołączenie PIT/O, liczby PIT/ZG, PIT/BR
// i PIT/Z.
var PIT_POZYCJE_ZALACZNIKOW_PIT36 = { pitB: '61', pitO: '62', pitZG: '69', pitBR: '74', pitZ: '83' };

// Akcja "weryfikuj": liczby załączników PIT/B, PIT/ZG, PIT/BR i PIT/Z zapisane w zeznaniu i ich numeracja zgadzają się z
// załącznikami obecnymi, PIT/O jest co najwyżej jeden i zeznanie wie, czy jest. `pozycje`: pozycje zeznania, które
// o tym mówią (domyślnie PIT-36).
function PitSprawdzZalaczniki(pozycje)
{
    var poz = pozycje || PIT_POZYCJE_ZALACZNIKOW_PIT36;
    var pitO = poz.pitO || PIT_POZYCJE_ZALACZNIKOW_PIT36.pitO;
    if (PitIdDeklaracji(dokument) == 0) return;
    PitSprawdzLiczbeZalacznikow(PIT_TYP_PITB, 'PIT/B', 'LiczbaPITB', poz.pitB || PIT_POZYCJE_ZALACZNIKOW_PIT36.pitB);
    PitSprawdzLiczbeZalacznikow(PIT_TYP_PITZG, 'PIT/ZG', 'LiczbaPITZG', poz.pitZG || PIT_POZYCJE_ZALACZNIKOW_PIT36.pitZG);
    PitSprawdzLiczbeZalacznikow(PIT_TYP_PITBR, 'PIT/BR', 'LiczbaPITBR', poz.pitBR || PIT_POZYCJE_ZALACZNIKOW_PIT36.pitBR);
    PitSprawdzLiczbeZalacznikow(PIT_TYP_PITZ, 'PIT/Z', 'LiczbaPITZ', poz.pitZ || PIT_POZYCJE_ZALACZNIKOW_PIT36.pitZ);
    var o = PitZalaczniki(PIT_TYP_PITO);
    if (o.length > 1)
        PitBlad(pitO, 'do zeznania dołączono ' + o.length + ' załączniki PIT/O; dopuszcza się jeden.');
    if (PitMaPole('ZalacznikPITO') && KwotaPola('ZalacznikPITO') != (o.length > 0 ? 1 : 2))
        PitDoPrzeliczenia(pitO, 'informacja o dołączeniu załącznika PIT/O nie zgadza się z załącznikami.');
}

// Identyfikator osoby: PESEL z 11 cyfr albo NIP z 10 cyfr.
function PitSprawdzNumerOsoby(pozycja, identyfikator, kogo)
{
    var id = PitTekst(identyfikator);
    if (!/^\d{10}$/.test(id) && !/^\d{11}$/.test(id))
        PitBlad(pozycja, 'identyfikator ' + kogo + ' "' + id + '" nie jest numerem PESEL (11 cyfr) ani NIP (10 cyfr).');
}

// Jedna z dozwolonych wartości pola całkowitego; inna to błąd pozycji z opisem.
function PitJednaZ(nazwa, dozwolone, opis)
{
    var wartosc = KwotaPola(nazwa);
    for (var i = 0; i < dozwolone.length; i++)
        if (dozwolone[i] == wartosc) return;
    PitBlad(PitPozycja(nazwa), opis);
}

// Sprawdzenia części A i B wspólne informacjom płatnika: cel złożenia i rodzaj płatnika.
function PitSprawdzNaglowek()
{
    PitJednaZ('P_6', [1, 2], 'cel złożenia musi mieć wartość 1 (złożenie) albo 2 (korekta).');
    PitJednaZ('P_7', [1, 2], 'rodzaj płatnika musi mieć wartość 1 albo 2.');
}

// Sprawdzenia formularza o jednym podatniku będącym pracownikiem: rok w okresie obowiązywania wersji
// (od roku `odRoku`), wskazany pracownik (`bezPracownika` to błąd, gdy go nie ma), jego identyfikator,
// kraj wydania numeru zagranicznego oraz nagłówek.
function PitSprawdzPracownika(odRoku, symbol, bezPracownika)
{
    PitSprawdzPracownikaWg({ od: odRoku }, symbol, bezPracownika, PIT_UKLAD_PODATNIKA);
}

// Rok deklaracji w latach obowiązywania wersji formularza: `lata.od` i, gdy jest, `lata.doRoku` włącznie.
function PitSprawdzLata(pozycja, lata, symbol)
{
    if (lata.doRoku == null) {
        PitSprawdzRok(pozycja, lata.od, symbol);
        return;
    }
    if (dokument.Rok < lata.od || dokument.Rok > lata.doRoku)
        PitBlad(pozycja, 'rok ' + dokument.Rok + ' jest poza okresem obowiązywania formularza ' + symbol +
                (lata.od == lata.doRoku ? ' (rok ' + lata.od + ').' : ' (lata ' + lata.od + '-' + lata.doRoku + ').'));
}

// Sprawdzenia PitSprawdzPracownika w numeracji części o podatniku `uklad` (PIT_UKLAD_PODATNIKA) i dla lat
// obowiązywania `lata` ({ od, doRoku }; bez `doRoku` - bez końca).
function PitSprawdzPracownikaWg(lata, symbol, bezPracownika, uklad)
{
    var idPoz = PitPozycja(uklad.id);
    PitSprawdzLata('4', lata, symbol);
    if (PitPracownik() == null)
        PitBlad(idPoz, bezPracownika);
    var zagraniczny = uklad.zagraniczny != null ? dokument[uklad.zagraniczny] : '';
    PitSprawdzIdentyfikator(idPoz, dokument[uklad.id], zagraniczny);
    if (PitTekst(zagraniczny) != '' && PitTekst(dokument[uklad.krajWydania]) == '')
        PitBlad(PitPozycja(uklad.krajWydania), 'przy numerze zagranicznym podaje się kraj jego wydania.');
    PitSprawdzNaglowek();
}

// Pole kwoty obliczanej: różnica większa niż pół grosza oznacza deklarację do przeliczenia.
function PitSprawdzWyliczone(nazwa, oczekiwana, opis)
{
    if (Math.abs(KwotaPola(nazwa) - oczekiwana) > 0.005)
        PitDoPrzeliczenia(PitPozycja(nazwa), opis);
}

// Termin na koniec lutego roku następnego, przesunięty na dzień roboczy.
function PitTerminKoniecLutego(rok)
{
    return DzienRoboczy(new Date(rok + 1, 2, 0));
}

// "opis" informacji o jednym podatniku: symbol formularza, rok i nazwisko z imieniem z części C.
function PitOpisInformacji(symbol)
{
    return PitOpisInformacjiWg(symbol, PIT_UKLAD_PODATNIKA);
}

// "opis" jak PitOpisInformacji, z nazwiskiem i imieniem z pól układu `uklad`.
function PitOpisInformacjiWg(symbol, uklad)
{
    var osoba = (PitTekst(dokument[uklad.nazwisko]) + ' ' + PitTekst(dokument[uklad.imie])).replace(/^\s+|\s+$/g, '');
    return symbol + ' za ' + dokument.Rok + (osoba != '' ? ': ' + osoba : '');
}

// ---- Ryczałt od przychodów ewidencjonowanych: zeznanie PIT-28 i jego załącznik PIT/28B ----

// Stawki ryczałtu (w procentach) w kolejności kolumn zeznania PIT-28(19) i załącznika PIT/28B(14): od najwyższej.
var PIT28_STAWKI = [20, 17, 15, 14, 12.5, 12, 10, 8.5, 5.5, 3, 2];
// Pierwsze pozycje kolumn stawek załącznika PIT/28B: przychody spółki i przychody przypadające na podatnika.
var PIT28B_SPOLKA = 9;
var PIT28B_UDZIALY = 20;

// Kolumna stawki ryczałtu; -1 dla stawki, której formularze nie znają.
function Pit28IndeksStawki(stawka)
{
    for (var k = 0; k < PIT28_STAWKI.length; k++)
        if (Math.abs(PIT28_STAWKI[k] - stawka) < 0.0001) return k;
    return -1;
}

// Stawka jako tekst z przecinkiem dziesiętnym ("8,5%").
function Pit28StawkaTekst(stawka)
{
    return String(stawka).replace('.', ',') + '%';
}

// Kwoty zerowe dla każdej stawki.
function Pit28ZeraStawek()
{
    var kwoty = [];
    for (var k = 0; k < PIT28_STAWKI.length; k++) kwoty.push(0);
    return kwoty;
}

// Przychody roku z ewidencji przychodów firmy według stawek (obiekt danych księgowych hosta), w kolejności
// PIT28_STAWKI. Przychód według stawki, której formularz nie zna, to błąd pozycji `pozycja`.
function Pit28PrzychodyZEwidencji(rok, pozycja)
{
    var rs = dokument.Session.CreateObject('TLX.DaneKsiegowe').PrzychodyWgStawek(rok, 12, 0);
    var kwoty = Pit28ZeraStawek();
    for (; !rs.EOF; rs.MoveNext()) {
        var stawka = Number(rs.Fields('Stawka').Value);
        var k = Pit28IndeksStawki(stawka);
        if (k < 0)
            PitBlad(pozycja, 'ewidencja przychodów zawiera przychód według stawki ' + Pit28StawkaTekst(stawka) +
                    ', której formularz nie zna.');
        kwoty[k] = PitGrosze(kwoty[k] + Number(rs.Fields('Przychod').Value));
    }
    return kwoty;
}
