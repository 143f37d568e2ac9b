#include "mv_deklaracje/pfron/PfronCard.h"

#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/pfron/PfronFields.h"

PfronCard OpenPfronCard(LONG id, CDate periodEnd) {
    PfronCard card;
    card.employee = OpenEmployeeInNewSession(id);
    card.month = std::make_unique<HostEmployeeMonth>(Require(card.employee).Get(), periodEnd);
    return card;
}
