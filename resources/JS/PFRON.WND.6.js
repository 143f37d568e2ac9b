// PFRON WN-D, wersja 6: wniosek przelicza usługa bieżącej generacji.

function UslugaWnd()
{
    return 'TLXDeklaracje.WND3';
}
