// Dane podatnika wspólne dla deklaracji VAT składanych elektronicznie: NIP bez odstępów i kresek oraz
// nazwa albo imię, nazwisko i data urodzenia uzupełniane z ustawień firmy.

// Ustawienie firmy z konfiguracji hosta; pusty tekst, gdy konfiguracja jest niedostępna.
function WartoscKonfiguracji(klucz)
{
    try {
        return String(new ActiveXObject('TLX.Konfiguracja').GetValue(klucz));
    } catch (e) {
        return '';
    }
}

function UzupelnijPole(nazwa, klucz)
{
    if (String(dokument[nazwa]) == '')
        dokument[nazwa] = WartoscKonfiguracji(klucz);
}

// Dane podatnika do e-deklaracji (Podmiot1), uzupełniane z ustawień firmy, gdy są puste: nazwa pełna
// i REGON albo pierwsze imię, nazwisko i data urodzenia (RRRR-MM-DD).
function UzupelnijPodatnika()
{
    if (WartoscKonfiguracji('FirmaOsobaFizyczna') == '1') {
        UzupelnijPole('ImiePierwsze', 'FirmaImie');
        UzupelnijPole('Nazwisko', 'FirmaNazwisko');
        UzupelnijPole('DataUrodzenia', 'FirmaDataUr');
        var data = /^(\d{2})\.(\d{2})\.(\d{4})$/.exec(String(dokument.DataUrodzenia));
        if (data) dokument.DataUrodzenia = data[3] + '-' + data[2] + '-' + data[1];
    } else {
        UzupelnijPole('PelnaNazwa', 'FirmaNazwaPelna');
        UzupelnijPole('REGON', 'REGON');
    }
}

// Pole obliczane "Nip": NIP podatnika z poz. 1 bez odstępów i kresek.
function NipPodatnika()
{
    return String(dokument.P_1).replace(/[\s-]/g, '');
}
