// PFRON WN-D, wersja 4: wniosek przelicza usługa bieżącej generacji.

function UslugaWnd()
{
    return 'TLXDeklaracje.WND3';
}
