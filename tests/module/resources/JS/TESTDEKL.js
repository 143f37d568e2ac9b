// The scripts of the test forms: they record what the declaration asked of them.
var zdarzenia = '';
var aktualizacje = '';
var ostatnia;

function Odnotuj(nazwa) {
    zdarzenia += nazwa + ';';
}

// A stored field's onupdate: the field it ran for is bound as "pole".
function Aktualizacja() {
    aktualizacje += pole.Nazwa + ';';
}

function Zapamietaj(wartosc) {
    ostatnia = wartosc;
}

// What the last written value was, as the script saw it.
function OpisOstatniej() {
    if (ostatnia === null) return 'null';
    if (ostatnia instanceof Date)
        return 'date:' + ostatnia.getFullYear() + '-' + (ostatnia.getMonth() + 1) + '-' + ostatnia.getDate();
    return typeof ostatnia + ':' + String(ostatnia);
}

function Wylicz() {
    Odnotuj('oncalculate');
    if (dokument.Nazwa == 'BŁĄD') throw new Error(-2147155956, 'Brak danych do wyliczenia');
    dokument.DoZaplaty = Math.round((dokument.Sprzedaz - dokument.Zakupy) * 23) / 100;
}

// The payment form whose identifier the field Forma holds; none for 0.
function FormaPlatnosci() {
    if (!dokument.Forma) return null;
    return dokument.Session.CreateObject('TLX.FormyPlatnosci', 'Fpl_FplID=' + dokument.Forma);
}

function DataDokumentu() {
    return new Date(2024, 2, 15);
}
