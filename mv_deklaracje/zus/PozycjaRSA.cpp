#include "mv_deklaracje/zus/PozycjaRSA.h"

#include "mv_deklaracje/core/ComError.h"

void CPozycjaRSA::UstawOkres(ICalendarRange* zakres) {
    DataOd = CDate();
    DataDo = CDate();
    if (!zakres) return;
    VARIANT_BOOL pusty = VARIANT_FALSE;
    CheckHost(zakres->get_Pusty(&pusty));
    if (pusty) return;
    DATE od = 0, doDnia = 0;
    CheckHost(zakres->get_Od(&od));
    CheckHost(zakres->get_Do(&doDnia));
    DataOd = CDate(od);
    DataDo = CDate(doDnia);
}
