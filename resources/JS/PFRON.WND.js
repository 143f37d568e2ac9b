// PFRON WN-D: skrypt formularza wspólny dla wszystkich wersji. Wypełnia dane pracodawcy z ustawień firmy
// i przelicza wniosek usługą, którą wskazuje skrypt wersji (UslugaWnd), zapisującą stany zatrudnienia
// i załączniki INF-D-P. Pola PKD, KODADRESU, FORMAWLASNOSCI, SZCZEGOLOWAFORMAPRAWNA, PELNOMOCNIK
// i WSTAWIACNIP wypełnia użytkownik.

function OnLoad()
{
    SaveContext();
}

function UpdateInfo()
{
}

function OnCalculate()
{
    // Pełną nazwę pracodawcy ma tylko WN-D (INF-D jej nie zawiera).
    dokument.PELNANAZWPRACODAWCY = KonfigValue('FirmaNazwaPelna');
    PrzeliczPfron(UslugaWnd());
    SaveContext();
}

function OnVerify()
{
}

function OnSaveIt()
{
}
