// Biblioteka "CIT": załączniki zeznania CIT-8 zapisane jako deklaracje podrzędne (CIT-D, CIT-ST, CIT-ST/A,
// CIT/BR). Załącznik wskazuje zeznanie przez ParentId i ma w nim kolejny numer (Numer); zeznanie odczytuje
// swoje załączniki z bazy zapytaniem po DkN_ParentID i DkN_TypDeklar. Wymaga bibliotek "KsiCommon" i
// "COMMONFUNCPIT".

// Rodzaje załączników: typ deklaracji, symbol, liczba wierszy i przedrostek pola kwoty wiersza.
var CIT_D = { typ: 28, symbol: 'CIT-D', wiersze: 5, kwota: 'P_Db', opis: 'P_Da' };
var CIT_ST = { typ: 29, symbol: 'CIT-ST', wiersze: 0 };
var CIT_STA = { typ: 30, symbol: 'CIT-ST/A', wiersze: 0 };
var CIT_BR = { typ: 38, symbol: 'CIT/BR', wiersze: 3, kwota: 'P_Dc', opis: 'P_Da' };

// Deklaracja o identyfikatorze `id`, otwarta w nowej sesji (tylko do odczytu zapisanych wartości).
function CitOtworz(id)
{
    return dokument.Session.Login.CreateSession().CreateObject('TLXDeklaracje.Deklaracje', String(id));
}

// Identyfikatory zapisanych załączników typu `typ` tej deklaracji, w kolejności numerów; nowa, jeszcze
// niezapisana deklaracja nie ma załączników.
function CitIdentyfikatoryZalacznikow(typ)
{
    var id = Number(dokument.ID);
    var wynik = [];
    if (!(id > 0)) return wynik;
    var rs = new ActiveXObject('ADODB.Recordset');
    rs.CursorLocation = 3;
    rs.Open('SELECT DkN_DkNID FROM TLX.DeklNag WHERE DkN_ParentID = ' + Math.floor(id) +
            ' AND DkN_TypDeklar = ' + Math.floor(Number(typ)) + ' ORDER BY DkN_Numer', dokument.Session.Connection);
    for (; !rs.EOF; rs.MoveNext())
        wynik.push(Number(rs.Fields('DkN_DkNID').Value));
    rs.Close();
    return wynik;
}

// Liczba załączników i suma ich kwot ("P_Suma") dla rodzaju załącznika.
function CitPodsumujZalaczniki(rodzaj)
{
    var ids = CitIdentyfikatoryZalacznikow(rodzaj.typ);
    var wynik = { liczba: ids.length, suma: 0 };
    if (rodzaj.wiersze > 0)
        for (var i = 0; i < ids.length; i++)
            wynik.suma += Number(CitOtworz(ids[i]).P_Suma);
    wynik.suma = PitGrosze(wynik.suma);
    return wynik;
}

// Suma kwot wierszy załącznika.
function CitSumaWierszy(rodzaj)
{
    var suma = 0;
    for (var i = 1; i <= rodzaj.wiersze; i++)
        suma += KwotaPola(rodzaj.kwota + i);
    return PitGrosze(suma);
}

function CitZalacznikSumuj(rodzaj)
{
    UstawPole('P_Suma', CitSumaWierszy(rodzaj));
}

// "oncalculate" załącznika: NIP z zeznania, do którego należy, i suma wierszy.
function CitZalacznikPolicz(rodzaj)
{
    var rodzic = Number(dokument.ParentId);
    if (rodzic > 0 && PitTekst(dokument.P_1) == '')
        dokument.P_1 = PitTekst(CitOtworz(rodzic).P_1);
    CitZalacznikSumuj(rodzaj);
}

// "onverify" załącznika: należy do zeznania, ma numer, kwoty nieujemne, wiersz z kwotą ma opis, suma
// odpowiada wierszom.
function CitZalacznikWeryfikuj(rodzaj)
{
    if (!(Number(dokument.ParentId) > 0))
        PitBlad('1', 'załącznik ' + rodzaj.symbol + ' musi należeć do zeznania CIT-8.');
    if (!(Number(dokument.Numer) >= 1))
        PitBlad('1', 'załącznik ' + rodzaj.symbol + ' musi mieć numer kolejny: 1, 2, ... (pole Numer).');
    for (var i = 1; i <= rodzaj.wiersze; i++) {
        var kwota = KwotaPola(rodzaj.kwota + i);
        if (kwota < 0)
            PitBlad(rodzaj.kwota.replace(/^P_/, '') + i, 'kwota nie może być ujemna.');
        if (kwota != 0 && PitTekst(dokument[rodzaj.opis + i]) == '')
            PitBlad(rodzaj.opis.replace(/^P_/, '') + i, 'wiersz z kwotą musi mieć opis.');
    }
    if (Math.abs(KwotaPola('P_Suma') - CitSumaWierszy(rodzaj)) > 0.001)
        PitDoPrzeliczenia('Suma', 'suma nie odpowiada kwotom wierszy.');
}

function CitZalacznikOpis(symbol)
{
    return symbol + ' nr ' + dokument.Numer + ' za ' + dokument.Rok;
}
