// PFRON WN-D, wersja 5: wniosek przelicza usługa bieżącej generacji.

function UslugaWnd()
{
    return 'TLXDeklaracje.WND3';
}
