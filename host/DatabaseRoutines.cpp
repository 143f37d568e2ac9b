#include "host/DatabaseRoutines.h"

#include <string>

#include "platform/ado/SqlRoutines.h"

namespace tlx::host {

void RegisterDatabaseRoutines() {
    auto& routines = ado::SqlRoutines::Instance();
    // "DEK/<number>/<month>/<year>" of the declaration; NULL for an unknown identifier.
    routines.RegisterFunction("TLX.DeklNumer",
                              std::string("select 'DEK/' || DkN_Numer || '/' || printf('%02d', DkN_RokMiesiac % 100) "
                                          "|| '/' || (DkN_RokMiesiac / 100) from DeklNag where DkN_DkNID = ?1"));
    // The 25th of the month after the declaration's period, as the database writes dates.
    routines.RegisterFunction("TLX.DeklTermin",
                              std::string("select date(printf('%04d-%02d-25', DkN_RokMiesiac / 100, "
                                          "DkN_RokMiesiac % 100), '+1 month') || ' 00:00:00' "
                                          "from DeklNag where DkN_DkNID = ?1"));
}

}  // namespace tlx::host
