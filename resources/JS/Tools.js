// Biblioteka "Tools": dołączana na końcu skryptów każdego formularza.
// Numery błędów, obsługa śledzenia i komunikatów oraz formatowanie przez obiekt hosta TLX.ClaSupport.

var debugMode = true;

var ERR_RecordZero = 1127;
var ERR_Mv_DekParamZmienione = 26100;
var ERR_Mv_DekBladObliczenia = 26101;

// Obiekt pomocniczy hosta tworzony przy pierwszym użyciu, tak by samo dołączenie biblioteki
// niczego nie tworzyło.
var ccClaSupport = null;

function CcSupport()
{
    if (ccClaSupport == null)
        ccClaSupport = new ActiveXObject('TLX.ClaSupport');
    return ccClaSupport;
}

function CcTrace(tekst)
{
    if (debugMode)
        CcSupport().Trace(String(tekst));
}

function CcMessage(tekst, tytul)
{
    if (debugMode)
        return CcSupport().Message(String(tekst), (tytul == null) ? '' : String(tytul));
    return 0;
}

function CcFormat(wartosc, wzorzec)
{
    return CcSupport().Format(wartosc, String(wzorzec));
}

function CcFormatD(data)
{
    return CcFormat(data, '@D17');
}

function CcShowDialogBox(tekst, tytul, przycisk)
{
    return CcSupport().ShowDialogBox(String(tekst), (tytul == null) ? '' : String(tytul),
                                     (przycisk == null) ? 0 : przycisk);
}

// Pusta data: brak wartości, pusty tekst, zero albo data sprzed roku 1900.
function CcIsDate0(data)
{
    if (data == null || data === '' || data === 0)
        return true;
    if (data instanceof Date)
        return isNaN(data.getTime()) || data.getFullYear() < 1900;
    if (typeof data == 'number')
        return data < 2;   // data OLE: 2 to 1900-01-01
    return false;
}

// Zgłasza błąd o numerze 0x80050000 + id dla id od 1 do 0xFFFE, a każdy inny numer bez zmian.
function CcThrow(id, opis)
{
    var numer = (id > 0 && id < 0xFFFF) ? ((0x80050000 + id) | 0) : id;
    throw new Error(numer, (opis == null) ? '' : String(opis));
}
// Zapis deklaracji, której parametry zmieniono po ostatnim przeliczeniu, jest odrzucany: skrypt
// formularza ustawia doPrzeliczenia na 1 do czasu udanego przeliczenia.
function CheckContext()
{
    if (typeof doPrzeliczenia != 'undefined' && doPrzeliczenia == 1)
        CcThrow(ERR_Mv_DekParamZmienione, 'Deklarację należy przeliczyć przed zapisem.');
}

// Podmiot deklaracji (wyrażenie "podmiot" definicji): firma, pracownik deklaracji albo osoba zeznania, do
// którego dołączono załącznik. Deklaracja bez pracownika albo bez zeznania nie ma podmiotu (null); każdy
// inny błąd przechodzi do wywołującego.
function PodmiotFirma()
{
    return dokument.Session.CreateObject('TLX.Firma');
}

function PodmiotBrakRekordu(e)
{
    return e != null && (e.number & 0xFFFF) == ERR_RecordZero && (e.number >>> 16) == 0x8005;
}

function PodmiotPracownik()
{
    try {
        return dokument.Pracownik;
    } catch (e) {
        if (PodmiotBrakRekordu(e)) return null;
        throw e;
    }
}

function PodmiotZeznania()
{
    var zeznanie;
    try {
        zeznanie = dokument.Deklaracja;
    } catch (e) {
        if (PodmiotBrakRekordu(e)) return null;
        throw e;
    }
    return zeznanie.Podmiot;
}
