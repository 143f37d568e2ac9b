// PFRON WN-D, wersja 1: wniosek przelicza usługa pierwszej generacji.

function UslugaWnd()
{
    return 'TLXDeklaracje.WND';
}
