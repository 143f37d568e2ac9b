#include "host/objects/subjects/PracownicyCollection.h"

#include "host/objects/payroll/PayrollRow.h"
#include "host/objects/subjects/Pracownik.h"

namespace tlx::host {

HRESULT CPracownicyCollection::FinalConstruct() {
    core_.settings.table = kPracownicy.table;
    core_.settings.idColumn = kPracownicy.idColumn;
    core_.settings.itemClass = kPracownicy.itemClass;
    return S_OK;
}

void CPracownicyCollection::ServeOneKey(const VARIANT& key) {
    core_.ServeOneKey(key);
    servesOneKey_ = true;
}

HRESULT CPracownicyCollection::Item(VARIANT key, IDispatch** item) {
    return Boundary([&] {
        Require(item);
        if (!servesOneKey_) {
            *item = core_.Item(key).Detach();
            return;
        }
        // The read of the file ends when the card is answered; nothing is held across the caller's calls.
        ado::Statement together = HoldRead(HostSessionOf(Require(core_.session.Get()))->CompanyConnection());
        LONG id = 0;
        ComPtr<IDispatch> card = core_.Item(key, &id);
        if (auto* employee = dynamic_cast<CPracownikRecord*>(card.Get())) employee->Model(id)->ReadRecordsAhead();
        *item = card.Detach();
    });
}

}  // namespace tlx::host
