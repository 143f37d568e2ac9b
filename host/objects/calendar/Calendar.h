// The host calendar (CCalendar): a half-open range of days [from, to) and its working days. A range set
// with from >= to, and a calendar never set, hold no day.
#pragma once

#include "hostapi/CalendarDispatch.h"

namespace tlx::host {

class CCalendar final : public ComObject<CCalendar, Dispatch<ICalendar>, Dispatch<ICalendarRange>> {
public:
    // A range of whole days made in the process.
    static ComPtr<ICalendarRange> MakeRange(DATE from, DATE to);

    HRESULT SetRange(DATE from, DATE to) override;
    HRESULT get_Od(DATE* from) override;
    HRESULT get_Do(DATE* to) override;
    HRESULT get_LiczbaDni(LONG* days) override;
    HRESULT CzyDzienRoboczy(DATE day, VARIANT_BOOL* working) override;
    HRESULT get_Pusty(VARIANT_BOOL* empty) override;
    HRESULT get_IsNotEmpty(VARIANT_BOOL* notEmpty) override;
    HRESULT Iloczyn(IDispatch* range, ICalendarRange** common) override;
    HRESULT Zawiera(DATE day, VARIANT_BOOL* holds) override;
    HRESULT Dni(VARIANT reserved, IDniKalendarza** days) override;

private:
    bool Empty() const { return from_ >= to_; }

    DATE from_ = 0;
    DATE to_ = 0;
};

}  // namespace tlx::host
