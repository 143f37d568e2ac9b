#include "mv_deklaracje/zus/DraExtImpl.h"

LONG IdentyfikatorRaportu(IDeklaracja* deklaracja) {
    if (!deklaracja) RaiseHResult(E_POINTER);
    const LONG numer = ReadValue(deklaracja, &IDeklaracja::get_Numer);
    const LONG miesiac = ReadValue(deklaracja, &IDeklaracja::get_Miesiac);
    const LONG rok = ReadValue(deklaracja, &IDeklaracja::get_Rok);
    return numer * 1000000 + miesiac * 10000 + rok;
}
