// Wspólne funkcje deklaracji podatkowych: kwoty w pełnych złotych, terminy płatności
// przesuwane na najbliższy dzień roboczy.

// Wartość pola deklaracji jako liczba (puste pole to 0).
function KwotaPola(nazwa)
{
    var v = dokument[nazwa];
    if (v == null || v === '')
        return 0;
    return Number(v);
}

// Zapisuje pole tylko wtedy, gdy jego wartość się zmienia: zapis uruchamia "onupdate" pola.
function UstawPole(nazwa, wartosc)
{
    if (KwotaPola(nazwa) != wartosc)
        dokument[nazwa] = wartosc;
}

// Zaokrąglenie do pełnych złotych (od 50 groszy w górę).
function PelneZlote(kwota)
{
    return Number(dokument.round(kwota));
}

function SumaPol(nazwy)
{
    var suma = 0;
    for (var i = 0; i < nazwy.length; i++)
        suma += KwotaPola(nazwy[i]);
    return suma;
}

// Niedziela wielkanocna roku (kalendarz gregoriański).
function Wielkanoc(rok)
{
    var a = rok % 19, b = Math.floor(rok / 100), c = rok % 100;
    var d = Math.floor(b / 4), e = b % 4, f = Math.floor((b + 8) / 25);
    var g = Math.floor((b - f + 1) / 3), h = (19 * a + b - d - g + 15) % 30;
    var i = Math.floor(c / 4), k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    var m = Math.floor((a + 11 * h + 22 * l) / 451);
    var miesiac = Math.floor((h + l - 7 * m + 114) / 31);
    var dzien = ((h + l - 7 * m + 114) % 31) + 1;
    return new Date(rok, miesiac - 1, dzien);
}

// Dni ustawowo wolne od pracy w Polsce.
function DzienWolny(data)
{
    var dzienTygodnia = data.getDay();
    if (dzienTygodnia == 0 || dzienTygodnia == 6)
        return true;
    var md = (data.getMonth() + 1) * 100 + data.getDate();
    var stale = [101, 106, 501, 503, 815, 1101, 1111, 1225, 1226];
    for (var i = 0; i < stale.length; i++)
        if (stale[i] == md)
            return true;
    var wielkanoc = Wielkanoc(data.getFullYear());
    var poniedzialek = new Date(wielkanoc.getFullYear(), wielkanoc.getMonth(), wielkanoc.getDate() + 1);
    var bozeCialo = new Date(wielkanoc.getFullYear(), wielkanoc.getMonth(), wielkanoc.getDate() + 60);
    return TenSamDzien(data, poniedzialek) || TenSamDzien(data, bozeCialo);
}

function TenSamDzien(a, b)
{
    return a.getFullYear() == b.getFullYear() && a.getMonth() == b.getMonth() && a.getDate() == b.getDate();
}

// Termin przypadający na dzień wolny przesuwa się na najbliższy dzień roboczy.
function DzienRoboczy(data)
{
    var d = new Date(data.getFullYear(), data.getMonth(), data.getDate());
    while (DzienWolny(d))
        d = new Date(d.getFullYear(), d.getMonth(), d.getDate() + 1);
    return d;
}

// Dwa znaki miesiąca: 5 -> "05".
function DwieCyfry(liczba)
{
    return (liczba < 10 ? '0' : '') + liczba;
}