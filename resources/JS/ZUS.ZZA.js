// ZUS ZZA: zgłoszenie pracownika deklaracji do ubezpieczenia zdrowotnego (osoby bez ubezpieczeń
// społecznych z tego tytułu) z jego zapisu ważnego w dniu DATAZGLOSZENIA: płatnik, ubezpieczony, kod tytułu
// ubezpieczenia, data objęcia ubezpieczeniem obowiązkowym albo dobrowolnym, oddział NFZ, adresy i data
// oświadczenia płatnika.

var doPrzeliczenia = 0;    // 1: deklarację trzeba przeliczyć przed zapisem

function OnLoad()
{
    CreateDekZus('ZUSZZA', false);
}

function OnCalculate()
{
    doPrzeliczenia = 1;
    var zapis = ZusZapis('DATAZGLOSZENIA');
    CreateDekZus('ZUSZZA', true);
    PutValue('DOZZA', 1, 'X');
    PutValue('DOZZA', 2, ZusTekst(dokument.ZMIANA));
    WypelnijPlatnika();
    WypelnijDAU(zapis);
    WypelnijDEOZ(zapis);
    PutValue('TYUBZ', 1, ZusKodUbezpieczenia(zapis));
    var u = zapis.Ubezpieczenie;
    var od = ZusData(u.DataOd);
    var zdrowotne = Number(u.Zdrowotne);
    PutValue('DOOU', 1, zdrowotne == ZUS_OBOWIAZKOWE ? od : null);
    PutValue('DODU', 1, zdrowotne == ZUS_DOBROWOLNE ? od : null);
    PutValue('DOKC', 1, ZusTekst(zapis.OddzialNFZ));
    WypelnijAdresy(zapis);
    PutValue('OPL1', 1, ZusData(dokument.OSWIADCZENIE));
    SaveDekZus();
    doPrzeliczenia = 0;
}

function OnSaveIt()
{
    CheckContext();
    SaveDekZus();
}

function OnVerify()
{
    SprawdzZmiane('DOZZA', 2);
    SprawdzDAU();
    SprawdzDEOZ();
    SprawdzDlugosc(GetValue('DOKC', 1), 3, ZusUbezpieczony() + ': kod oddziału NFZ (blok DOKC)');
    SprawdzAdresy();
}
