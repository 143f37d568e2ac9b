// Biblioteka "CIT": załączniki zeznania CIT-8 zapisane jako deklaracje podrzędne (CIT-D, CIT-ST, CIT-ST/A,
// CIT/BR). Załącznik wskazuje zeznanie przez ParentId i ma w nim kolejny numer (Numer); zeznanie odczytuje
// swoje załączniki z bazy zapytaniem po DkN_ParentID i DkN_TypDeklar. Wymaga bibliotek "KsiCommon" i
// "COMMONFUNCPIT".

// Rodzaje załączników: typ deklaracji, symbol, liczba wierszy, przedrostki pól opisu i liczby wiersza, pole
// sumy; "odliczenie" - suma wchodzi do odliczeń zeznania; "flaga" i "zaklad" - wiersze wypełniane z zakładów
// firmy (pole wiersza: właściwość zakładu).
var CIT_D = { typ: 28, symbol: 'CIT-D', wiersze: 5, opis: 'P_Da', kwota: 'P_Db', suma: 'P_Suma', odliczenie: true };
var CIT_ST = {
    typ: 29, symbol: 'CIT-ST', wiersze: 5, opis: 'P_Ea', kwota: 'P_Eg', suma: 'P_169', flaga: 'UwzgledniajNaCITST',
    zaklad: { P_Ea: 'NazwaPelna', P_Eb: 'REGON', P_Ec: 'Gmina', P_Ed: 'KodGminy', P_Ee: 'Miasto', P_Ef: 'KodP',
              P_Eg: 'LiczbaZatrudnionych' }
};
var CIT_STA = {
    typ: 30, symbol: 'CIT-ST/A', wiersze: 5, opis: 'P_Ba', kwota: 'P_Be', suma: 'P_Suma', flaga: 'UwzgledniajNaCITSTA',
    zaklad: { P_Ba: 'NazwaPelna', P_Bb: 'Gmina', P_Bc: 'KodGminy', P_Bd: 'DataRozpDzial', P_Be: 'LiczbaZatrudnionych' }
};
var CIT_BR = { typ: 38, symbol: 'CIT/BR', wiersze: 3, opis: 'P_Da', kwota: 'P_Dc', suma: 'P_Suma', odliczenie: true };

// Deklaracja o identyfikatorze `id`, otwarta w nowej sesji (tylko do odczytu zapisanych wartości).
function CitOtworz(id)
{
    return dokument.Session.Login.CreateSession().CreateObject('TLXDeklaracje.Deklaracje', String(id));
}

// Identyfikatory zapisanych załączników typu `typ` zeznania `zeznanie` (domyślnie tej deklaracji), w
// kolejności numerów; nowa, jeszcze niezapisana deklaracja nie ma załączników.
function CitIdentyfikatoryZalacznikow(typ, zeznanie)
{
    var id = Number(zeznanie == null ? dokument.ID : zeznanie);
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
    if (rodzaj.odliczenie)
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
    UstawPole(rodzaj.suma, CitSumaWierszy(rodzaj));
}

// Wartość właściwości zakładu dla pola wiersza: data jako "RRRR-MM-DD", liczba zatrudnionych jako liczba.
function CitWartoscZakladu(zaklad, wlasciwosc)
{
    if (wlasciwosc == 'DataRozpDzial') return PitDataTekst(zaklad.DataRozpDzial);
    if (wlasciwosc == 'LiczbaZatrudnionych') return Number(zaklad.LiczbaZatrudnionych) || 0;
    return PitTekst(zaklad[wlasciwosc]);
}

// Wiersze pustego załącznika z zakładów firmy: aktywnych i zaznaczonych do tego rodzaju załącznika, w
// kolejności ich identyfikatorów; załącznik numer n bierze zakłady od (n-1) razy liczba wierszy + 1.
// Wiersze wpisane przez użytkownika zostają.
function CitWypelnijZZakladow(rodzaj)
{
    if (PitTekst(dokument[rodzaj.opis + 1]) != '') return;
    var zaklady = [];
    var e = new Enumerator(dokument.Session.Login.CreateSession().CreateObject('TLXDeklaracje.DeklZaklady'));
    for (; !e.atEnd(); e.moveNext()) {
        var z = e.item();
        if (Number(z.Nieaktywny) == 0 && Number(z[rodzaj.flaga]) != 0)
            zaklady.push(z);
    }
    var od = (Math.max(1, Number(dokument.Numer)) - 1) * rodzaj.wiersze;
    for (var i = 1; i <= rodzaj.wiersze && od + i - 1 < zaklady.length; i++)
        for (var pole in rodzaj.zaklad)
            dokument[pole + i] = CitWartoscZakladu(zaklady[od + i - 1], rodzaj.zaklad[pole]);
}

// "oncalculate" załącznika: NIP z zeznania, do którego należy, wiersze z zakładów (CIT-ST, CIT-ST/A), liczba
// załączników CIT-ST/A zeznania (CIT-ST) i suma wierszy.
function CitZalacznikPolicz(rodzaj)
{
    var rodzic = Number(dokument.ParentId);
    if (rodzic > 0 && PitTekst(dokument.P_1) == '')
        dokument.P_1 = PitTekst(CitOtworz(rodzic).P_1);
    if (rodzaj.zaklad)
        CitWypelnijZZakladow(rodzaj);
    if (rodzaj === CIT_ST)
        UstawPole('P_170', rodzic > 0 ? CitIdentyfikatoryZalacznikow(CIT_STA.typ, rodzic).length : 0);
    CitZalacznikSumuj(rodzaj);
}

// Liczba załączników CIT-ST/A zeznania (poz. 170) na jego zapisanych załącznikach CIT-ST. Załączniki są
// osobnymi dokumentami: poprawione zapisuje się od razu, we własnej sesji.
function CitUzgodnijLiczbeCitSta()
{
    var ids = CitIdentyfikatoryZalacznikow(CIT_ST.typ);
    if (ids.length == 0) return;
    var liczba = CitIdentyfikatoryZalacznikow(CIT_STA.typ).length;
    var sesja = dokument.Session.Login.CreateSession();
    var zmienione = false;
    for (var i = 0; i < ids.length; i++) {
        var st = sesja.CreateObject('TLXDeklaracje.Deklaracje', String(ids[i]));
        if (Number(st.P_170) != liczba) {
            st.P_170 = liczba;
            zmienione = true;
        }
    }
    if (zmienione) sesja.Save();
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
    if (Math.abs(KwotaPola(rodzaj.suma) - CitSumaWierszy(rodzaj)) > 0.001)
        PitDoPrzeliczenia(PitPozycja(rodzaj.suma), 'suma nie odpowiada kwotom wierszy.');
}

function CitZalacznikOpis(symbol)
{
    return symbol + ' nr ' + dokument.Numer + ' za ' + dokument.Rok;
}
