// ZUS ZSWA: sprawdza, czy jest co zgłosić, wywołuje usługę TLXDeklaracje.ZSWA, która wypełnia dokument
// KEDU, i daje jej zapytania o okresy pracy w szczególnych warunkach jednego pracownika.

var doPrzeliczenia = 0;    // 1: deklarację trzeba przeliczyć przed zapisem
var zweryfikowano = -1;
var pracId = -1;           // pracownik deklaracji
var pracIdManual = -1;     // pracownik wskazany przez pole PRACID

function OnLoad()
{
    CcTrace('ZSWA OnLoad');
    debugMode = true;
    CreateDekZus('ZUSZSWA', false);
    UpdateInfo();
}

function UpdateInfo()
{
    try {
        pracId = Number(dokument.Pracownik.ID);
    } catch (e) {
        pracId = -1;
    }
}

function OnCalculate()
{
    doPrzeliczenia = 1;
    zweryfikowano = 0;
    // Pracownik mógł zostać wskazany po wczytaniu formularza: sprawdzany i zgłaszany jest ten, którego
    // deklaracja ma w chwili przeliczenia.
    UpdateInfo();
    CreateDekZus('ZUSZSWA', true);
    try {
        var zswa = dokument.Session.CreateObject('TLXDeklaracje.ZSWA');
        dokument.Miesiac = 12;
        Weryfikuj();
        if (zweryfikowano == 1) {
            zswa.Przelicz(dokument.This);
            doPrzeliczenia = 0;
            dokument.Session.Save();
        } else {
            doPrzeliczenia = 1;
            CcThrow(ERR_ThrowText, pracId > 0
                ? 'Pracownik w wybranym roku nie ma odnotowanych okresów pracy w szczególnych warunkach / w szczególnym charakterze.'
                : 'Żaden pracownik w wybranym roku nie ma odnotowanych okresów pracy w szczególnych warunkach / w szczególnym charakterze.');
        }
    } catch (e) {
        doPrzeliczenia = 1;
        throw e;
    }
}

function OnSaveIt()
{
    CheckContext();
    if (doPrzeliczenia == 0)
        SaveDekZus();
}

// Najdłuższe teksty pozycji bloku osoby DDOZSWA: [pozycja, znaków albo ZUS_PESEL, opis].
var ZUS_DLUGOSCI_DDOZSWA = [
    [1, ZUS_PESEL, 'pozycja 1 (PESEL)'], [4, 9, 'pozycja 4 (seria i numer dokumentu tożsamości)'],
    [5, 31, 'pozycja 5 (nazwisko)'], [6, 22, 'pozycja 6 (imię)']
];

// Płatnik i każda osoba zgłoszenia, tak jak przyjmie je dokument KEDU.
function OnVerify()
{
    if (GetDokument() == null)
        return;
    SprawdzPlatnika();
    for (var n = 1; ZusBlokWpisany('DDOZSWA' + n); n++) {
        var blok = 'DDOZSWA' + n;
        SprawdzDlugosci(blok, ZUS_DLUGOSCI_DDOZSWA, 'Ubezpieczony ' + ZusTekst(GetValue(blok, 5)) + ' ' +
                        ZusTekst(GetValue(blok, 6)) + ' (osoba ' + n + '): ');
    }
}

// Pracownik, dla którego pola SQLQUERY i SQLTYUBQUERY dają zapytania; pracownik deklaracji zostaje.
function UstawPracId(id)
{
    pracIdManual = Number(id);
}

function UstawDoPrzeliczenia(v)
{
    doPrzeliczenia = v;
}

function GetSqlQueryDlaPracownika()
{
    return ZapytanieOkresow(pracIdManual);
}

function GetSqlQueryTyubsDlaPracownika()
{
    return ZapytanieTyub(pracIdManual);
}

function LiczbaWierszy(sql)
{
    var rs = new ActiveXObject('ADODB.Recordset');
    rs.CursorLocation = 3;
    rs.Open(sql, dokument.Session.Connection);
    var liczba = rs.RecordCount;
    rs.Close();
    return liczba;
}

function Weryfikuj()
{
    var filtr = pracId > 0 ? ' AND PRE_PraId = ' + pracId : ' ';
    zweryfikowano = 0;
    if (LiczbaWierszy('SELECT DISTINCT(PRE_PraId) FROM TLX.PracEtaty WHERE PRE_KodFEP != 0 ' + filtr) == 0)
        return;
    if (LiczbaWierszy(ZapytanieOkresow(pracId)) == 0)
        return;
    zweryfikowano = 1;
}

// Data, która nie zamyka okresu: brak daty albo data pusta (1899-12-30); dla dat pracy
// w szczególnych warunkach także 1900-01-01.
function BrakDaty(kolumna, z1900)
{
    return '(' + kolumna + ' IS NULL OR CONVERT(CHAR(10),' + kolumna + ',120) = \'1899-12-30\'' +
        (z1900 ? ' OR CONVERT(CHAR(10),' + kolumna + ',120) = \'1900-01-01\'' : '') + ')';
}

// Warunek zapisów pracownika p (wszystkich, gdy p <= 0) z pracą w szczególnych warunkach, których
// ważność, zatrudnienie i okres pracy w szczególnych warunkach sięgają roku deklaracji (za 2010 także
// roku 2009). Koniec otwarty obejmuje każdy rok.
function WarunekZapisow(p)
{
    var rok = Number(dokument.Rok);
    var pierwszy = rok == 2010 ? 2009 : rok;
    var pWhere = p > 0 ? ' AND PRE_PraId = ' + p : ' ';
    return ' PRE_KodFEP != 0 ' +
        ' AND YEAR(PRE_DataOd) <= ' + rok +
        ' AND (' + BrakDaty('PRE_DataDo', false) + ' OR YEAR(PRE_DataDo) >= ' + pierwszy + ')' +
        ' AND (PRE_ZatrudnionyOd IS NULL OR YEAR(PRE_ZatrudnionyOd) <= ' + rok + ')' +
        ' AND (' + BrakDaty('PRE_ZatrudnionyDo', false) + ' OR YEAR(PRE_ZatrudnionyDo) >= ' + pierwszy + ')' +
        ' AND (' + BrakDaty('PRE_FEPOd', true) + ' OR YEAR(PRE_FEPOd) <= ' + rok + ')' +
        ' AND (' + BrakDaty('PRE_FEPDo', true) + ' OR YEAR(PRE_FEPDo) >= ' + pierwszy + ')' +
        pWhere + ' ';
}

// Okresy pracownika: zapisy zgodne w kodzie pracy, wymiarze, tytule, prawie do emerytury, stopniu
// niepełnosprawności, datach pracy w szczególnych warunkach i końcu zatrudnienia łączy jeden okres.
// Otwarty koniec zapisu przechodzi jako 3000-01-01.
function ZapytanieOkresow(p)
{
    return 'SELECT PRE_KodFEP, MIN(PRE_DataOd) AS \'PRE_DataOd\', ' +
        'MAX(CASE WHEN ' + BrakDaty('PRE_DataDo', false) + ' THEN CONVERT(DATETIME, \'3000-01-01\') ELSE PRE_DataDo END) AS \'PRE_DataDo\', ' +
        'PRE_ETAEtatL, PRE_ETAEtatM, PRE_PrawoER, ' +
        'PRE_StNiepelnosp, PRE_UBZTyuId, PRE_FEPOd, PRE_FEPDo, MAX(PRE_ZatrudnionyDo) AS \'PRE_ZatrudnionyDo\' ' +
        'FROM TLX.PracEtaty WHERE ' + WarunekZapisow(p) +
        'GROUP BY PRE_KodFEP, PRE_ETAEtatL, PRE_ETAEtatM, PRE_UBZTyuId, PRE_PrawoER, PRE_StNiepelnosp, PRE_FEPOd, PRE_FEPDo, PRE_ZatrudnionyDo ' +
        'ORDER BY PRE_DataOd ASC;';
}

// Klucze grup: cztery znaki tytułu ubezpieczenia (0100-0999 z zerem z przodu, 1000-9000 wprost,
// każdy inny i brak jako 0000), cyfra prawa do emerytury i cyfra stopnia niepełnosprawności (brak: 0).
function ZapytanieTyub(p)
{
    return 'SELECT DISTINCT( CAST( CASE ' +
        'WHEN PRE_UBZTyuId BETWEEN 100 AND 999 THEN \'0\' + CONVERT(VARCHAR(4),PRE_UBZTyuId) ' +
        'WHEN PRE_UBZTyuId BETWEEN 1000 AND 9000 THEN CAST(PRE_UBZTyuId AS VARCHAR(4)) ' +
        'ELSE CAST(\'0000\' AS VARCHAR(4)) END AS VARCHAR(4)) + ' +
        'CONVERT(VARCHAR(1), ISNULL(PRE_PrawoER, 0)) + CONVERT(VARCHAR(1), ISNULL(PRE_StNiepelnosp, 0))) AS TYUB ' +
        'FROM TLX.PracEtaty WHERE' + WarunekZapisow(p) + 'ORDER BY TYUB ASC;';
}
