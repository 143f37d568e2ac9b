#include "host/objects/calendar/CalendarClasses.h"

#include "host/HostClassRegistration.h"
#include "host/objects/calendar/Calendar.h"

namespace tlx::host {

HRESULT RegisterCalendarClasses() {
    return FirstFailure({RegisterHostClass<CCalendar>(CLSID_CCalendar, u"TLX.Calendar")});
}

}  // namespace tlx::host
