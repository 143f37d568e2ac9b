#include "mv_deklaracje/pfron/PfronUserError.h"

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/HostServices.h"

void RaisePfronUserError(const CBstr& ownText) {
    const CBstr hostText = GetHostErrorText(kPfronUserError, ownText);
    RaiseComError(kPfronUserError, (hostText.IsEmpty() ? ownText : hostText).View());
}

CBstr MissingGenderText(const CBstr& employee) {
    return CBstr(u"Pracownik " + employee.Str() + u" ma niewypełnioną płeć.");
}

CBstr WrongVoivodeshipText(const CBstr& employee) {
    return CBstr(u"Nie można naliczyć deklaracji. Pracownik " + employee.Str() +
                 u" ma błędnie wprowadzone dane województwa");
}

CBstr ZeroWorkingTimeText(const CBstr& employee) {
    return CBstr(u"Pracownik " + employee.Str() + u" ma zerowy mianownik wymiaru etatu.");
}

CBstr NoRefundKindText() {
    return CBstr(u"Nie można naliczyć deklaracji. Firma nie posiada ustawionego rodzaju refundacji.");
}

CBstr NoRefundKindInPeriodText() {
    return CBstr(u"Nie można naliczyć deklaracji. Firma nie posiada w tym okresie ustawionego rodzaju refundacji.");
}

CBstr NoAttachmentText() { return CBstr(u"Nie został wygenerowany żaden załącznik."); }
