// PFRON WN-D, wersja 3: wniosek przelicza usługa bieżącej generacji.

function UslugaWnd()
{
    return 'TLXDeklaracje.WND3';
}
