// A dated period (IOkres): its first and last day (0: none; a last day of 0 leaves the period open).
#pragma once

#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

// The first day no open period reaches: 3000-01-01.
inline constexpr DATE kEndOfTime = 401769;

class COkres final : public ComObject<COkres, Dispatch<IOkres>> {
public:
    COkres(DATE first, DATE last) : first_(first), last_(last) {}

    HRESULT get_DataOd(DATE* first) override;
    HRESULT get_DataDo(DATE* last) override;
    HRESULT get_Otwarty(VARIANT_BOOL* open) override;
    HRESULT get_Pusty(VARIANT_BOOL* empty) override;
    HRESULT get_Zakres(ICalendarRange** range) override;
    HRESULT get_Dni(IDniKalendarza** days) override;

    // [first, last + 1), or [first, 3000-01-01) when open; no day without a first day.
    DATE RangeEnd() const { return first_ == 0 ? first_ : last_ == 0 ? kEndOfTime : last_ + 1; }

private:
    DATE first_;
    DATE last_;
};

}  // namespace tlx::host
