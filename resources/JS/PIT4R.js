// PIT-4R: roczna deklaracja płatnika o zaliczkach na podatek dochodowy, miesiąc po miesiącu. Układ tabeli
// jest wspólny dla wersji; wersja podaje numer pierwszej pozycji (PIT4_WERSJA.pierwsza) i to, czy ma adres
// płatnika (PIT4_WERSJA.adres, poz. 9 do 18). Przeliczenie
// wypełnia płatnika z ustawień firmy, liczbę podatników i zaliczki z wypłat roku (według dnia wypłaty)
// wszystkich kart: ze stosunku pracy (wiersz 1) i z umów zlecenia (wiersz 9); pozostałe wiersze wpisuje
// użytkownik, a wiersze 3, 11 i 13 są sumami.

// Wiersze tabeli od pozycji p: liczba podatników i zaliczki wiersza 1 po półroczach, potem wiersze
// 2-13 po dwanaście miesięcy, z wyjątkiem wiersza 6 (miesiące I-IV).
function Pit4rTabela(p)
{
    var w = {
        liczba: Pit4Polrocza(p, p + 12),
        w1: Pit4Polrocza(p + 6, p + 18),
        w6: Pit4Miesiace(p + 72, 4)
    };
    var dwanascie = { w2: 24, w3: 36, w4: 48, w5: 60, w7: 76, w8: 88, w9: 100, w10: 112, w11: 124, w12: 136, w13: 148 };
    for (var klucz in dwanascie)
        w[klucz] = Pit4Miesiace(p + dwanascie[klucz], 12);
    return {
        wiersze: w,
        liczby: ['liczba'],
        sumy: [
            { wynik: 'w3', dodaj: ['w1', 'w2'] },
            { wynik: 'w11', dodaj: ['w3', 'w5', 'w6', 'w9', 'w10'], odejmij: ['w4', 'w7', 'w8'] },
            { wynik: 'w13', dodaj: ['w11'], odejmij: ['w12'] }
        ],
        doWplaty: 'w13'
    };
}

function Pit4Tabela()
{
    return Pit4rTabela(PIT4_WERSJA.pierwsza);
}

// Liczba podatników i zaliczki pobrane z wypłat roku, według dnia wypłaty i rodzaju listy płac.
function Pit4rZaliczkiZWyplat()
{
    var etat = [], umowy = [], osoby = [];
    var karty = new Enumerator(dokument.Session.CreateObject('TLX.Pracownicy'));
    for (; !karty.atEnd(); karty.moveNext()) {
        var naEtacie = [];
        PitWyplatyRoku(karty.item(), dokument.Rok, function (w, lista, miesiac) {
            var zaliczka = Number(w.DaneZUS.ZaliczkaPodatku);
            if (Number(lista.Typ) == PIT_LISTA_UMOWY) {
                umowy[miesiac] = (umowy[miesiac] || 0) + zaliczka;
                return;
            }
            etat[miesiac] = (etat[miesiac] || 0) + zaliczka;
            naEtacie[miesiac] = true;
        });
        for (var m = 1; m <= PIT4_MIESIACE; m++)
            if (naEtacie[m]) osoby[m] = (osoby[m] || 0) + 1;
    }
    Pit4UstawWiersz('liczba', osoby);
    Pit4UstawWiersz('w1', etat);
    Pit4UstawWiersz('w9', umowy);
}

// Adres płatnika (poz. 9 do 18 wersji, które go mają) z ustawień firmy; pola wpisane przez użytkownika zostają.
function Pit4rUzupelnijAdres()
{
    if (!PIT4_WERSJA.adres) return;
    var firma = dokument.Session.CreateObject('TLX.FirmaCfgRO');
    var wartosci = [firma.Kraj, firma.Wojewodztwo, firma.Powiat, firma.Gmina, firma.Ulica, firma.Nr_domu,
                    firma.Nr_Lokalu, firma.Miasto, firma.KodPocztowy, firma.Poczta];
    for (var i = 0; i < wartosci.length; i++)
        PitUzupelnij('P_' + (9 + i), PitTekst(wartosci[i]));
}

// "oncalculate".
function Pit4rPolicz()
{
    PitUstawOkresRoczny();
    PitUzupelnijPlatnika();
    Pit4rUzupelnijAdres();
    Pit4rZaliczkiZWyplat();
    Pit4ZaokraglijKwoty();
    Pit4PrzeliczSumy();
}

// "onverify".
function Pit4rWeryfikuj()
{
    Pit4Weryfikuj();
}

function Pit4rOpis()
{
    return 'PIT-4R za ' + dokument.Rok;
}
