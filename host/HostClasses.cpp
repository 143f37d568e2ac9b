// Joins the classes of every host folder; each folder lists its own.
#include "host/HostClasses.h"

#include "host/HostClassRegistration.h"
#include "host/HostVersion.h"
#include "host/collections/CollectionClasses.h"
#include "host/config/ConfigClasses.h"
#include "host/objects/accounting/AccountingClasses.h"
#include "host/objects/calendar/CalendarClasses.h"
#include "host/objects/edeklaracje/EDeklaracjeClasses.h"
#include "host/objects/files/FilesClasses.h"
#include "host/objects/kedu/KeduClasses.h"
#include "host/objects/payroll/PayrollClasses.h"
#include "host/objects/subjects/SubjectClasses.h"
#include "host/script/ScriptClasses.h"
#include "host/session/SessionClasses.h"
#include "platform/ado/Ado.h"

namespace tlx::host {

HRESULT RegisterHostClasses() {
    RegisterHostVersion();
    static const HRESULT result = FirstFailure({
        ado::RegisterAdoClasses(),
        RegisterScriptClasses(),
        RegisterSessionClasses(),
        RegisterCollectionClasses(),
        RegisterConfigClasses(),
        RegisterAccountingClasses(),
        RegisterSubjectClasses(),
        RegisterCalendarClasses(),
        RegisterEDeklaracjeClasses(),
        RegisterPayrollClasses(),
        RegisterKeduClasses(),
        RegisterFilesClasses(),
    });
    return result;
}

}  // namespace tlx::host
