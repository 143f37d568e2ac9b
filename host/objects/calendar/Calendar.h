// The host calendar (CCalendar): a half-open range of days [from, to) and its working days.
#pragma once

#include "hostapi/CalendarDispatch.h"

namespace tlx::host {

class CCalendar final : public ComObject<CCalendar, Dispatch<ICalendar>, Dispatch<ICalendarRange>> {
public:
    HRESULT SetRange(DATE from, DATE to) override;
    HRESULT get_Od(DATE* from) override;
    HRESULT get_Do(DATE* to) override;
    HRESULT get_LiczbaDni(LONG* days) override;
    HRESULT CzyDzienRoboczy(DATE day, VARIANT_BOOL* working) override;

private:
    DATE from_ = 0;
    DATE to_ = 0;
};

}  // namespace tlx::host
