// PIT-4R(6): roczna deklaracja płatnika o pobranych zaliczkach na podatek dochodowy, miesiąc po miesiącu.
// Przeliczenie wypełnia płatnika z ustawień firmy i zaliczki pobrane z wypłat roku (według dnia wypłaty)
// wszystkich kart: ze stosunku pracy (wiersz 1) i z umów zlecenia (wiersz 2); wiersz 3 wpisuje
// użytkownik, wiersz 4 to razem miesiąca.

// Tabela: poz. 9 do 56 po cztery na miesiąc, poz. 57 do 60 sumy roku.
var PIT4_PIERWSZA = 9;
var PIT4_WIERSZE = 4;
var PIT4R_WIERSZ_ETAT = 0;
var PIT4R_WIERSZ_UMOWY = 1;
var PIT4R_OD_ROKU = 2016;

// Zaliczki pobrane z wypłat roku, według dnia wypłaty i rodzaju listy płac; każde pole wpisane raz.
function Pit4rZaliczkiZWyplat()
{
    var etat = [], umowy = [];
    var karty = new Enumerator(dokument.Session.CreateObject('TLX.Pracownicy'));
    for (; !karty.atEnd(); karty.moveNext()) {
        PitWyplatyRoku(karty.item(), dokument.Rok, function (w, lista, miesiac) {
            var kwoty = (Number(lista.Typ) == PIT_LISTA_UMOWY) ? umowy : etat;
            kwoty[miesiac] = (kwoty[miesiac] || 0) + Number(w.DaneZUS.ZaliczkaPodatku);
        });
    }
    Pit4UstawWiersz(PIT4R_WIERSZ_ETAT, etat);
    Pit4UstawWiersz(PIT4R_WIERSZ_UMOWY, umowy);
}

// "oncalculate".
function Pit4rPolicz()
{
    PitUstawOkresRoczny();
    PitUzupelnijPlatnika();
    Pit4rZaliczkiZWyplat();
    Pit4ZaokraglijKwoty();
    Pit4PrzeliczSumy();
}

// "onverify".
function Pit4rWeryfikuj()
{
    Pit4Weryfikuj('PIT-4R(6)', PIT4R_OD_ROKU);
}

function Pit4rOpis()
{
    return 'PIT-4R za ' + dokument.Rok;
}
