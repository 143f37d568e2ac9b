// ZUS ZUA: zgłoszenie pracownika deklaracji do ubezpieczeń społecznych i zdrowotnego z jego zapisu ważnego
// w dniu DATAZGLOSZENIA: płatnik, ubezpieczony, kod tytułu ubezpieczenia, ubezpieczenia obowiązkowe
// i dobrowolne od dnia objęcia, oddział NFZ, adresy i data oświadczenia płatnika.

var doPrzeliczenia = 0;    // 1: deklarację trzeba przeliczyć przed zapisem

function OnLoad()
{
    CreateDekZus('ZUSZUA', false);
}

function OnCalculate()
{
    doPrzeliczenia = 1;
    var zapis = ZusZapis('DATAZGLOSZENIA');
    CreateDekZus('ZUSZUA', true);
    PutValue('DOZUA', 3, ZusTekst(dokument.ZMIANA));
    WypelnijPlatnika();
    WypelnijDAU(zapis);
    WypelnijDEOZ(zapis);
    PutValue('TYUB', 1, ZusKodUbezpieczenia(zapis));
    WypelnijUbezpieczenia(zapis.Ubezpieczenie);
    PutValue('DOKC', 1, ZusTekst(zapis.OddzialNFZ));
    WypelnijAdresy(zapis);
    PutValue('OPL1', 1, ZusData(dokument.OSWIADCZENIE));
    SaveDekZus();
    doPrzeliczenia = 0;
}

// Ubezpieczenia obowiązkowe (DOWP: data objęcia i znaki emerytalnego, rentowych, chorobowego,
// wypadkowego), dobrowolne (DOBU: znak i data każdego) i zdrowotne (DOOU obowiązkowe, DODU dobrowolne).
function WypelnijUbezpieczenia(u)
{
    var od = ZusData(u.DataOd);
    var rodzaje = [Number(u.Emerytalne), Number(u.Rentowe), Number(u.Chorobowe)];
    var wypadkowe = Number(u.Wypadkowe) == ZUS_OBOWIAZKOWE;
    var obowiazkowe = wypadkowe;
    for (var i = 0; i < rodzaje.length; i++) {
        PutValue('DOWP', 3 + i, ZusZnak(rodzaje[i] == ZUS_OBOWIAZKOWE));
        obowiazkowe = obowiazkowe || rodzaje[i] == ZUS_OBOWIAZKOWE;
        PutValue('DOBU', 1 + 2 * i, ZusZnak(rodzaje[i] == ZUS_DOBROWOLNE));
        PutValue('DOBU', 2 + 2 * i, rodzaje[i] == ZUS_DOBROWOLNE ? od : null);
    }
    PutValue('DOWP', 6, ZusZnak(wypadkowe));
    PutValue('DOWP', 2, obowiazkowe ? od : null);
    var zdrowotne = Number(u.Zdrowotne);
    PutValue('DOOU', 1, zdrowotne == ZUS_OBOWIAZKOWE ? od : null);
    PutValue('DODU', 1, zdrowotne == ZUS_DOBROWOLNE ? od : null);
}

function OnSaveIt()
{
    CheckContext();
    SaveDekZus();
}

function OnVerify()
{
    SprawdzZmiane('DOZUA', 3);
    SprawdzDAU();
    SprawdzDEOZ();
    SprawdzDlugosc(GetValue('DOKC', 1), 3, ZusUbezpieczony() + ': kod oddziału NFZ (blok DOKC)');
    SprawdzAdresy();
}
