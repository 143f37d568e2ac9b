// A set of days (IDniKalendarza): sorted, disjoint, non-empty half-open ranges [from, to) of whole days.
// Minus and Iloczyn answer new sets; Add joins a range into this one.
#pragma once

#include <utility>
#include <vector>

#include "hostapi/CalendarDispatch.h"

namespace tlx::host {

using DayRanges = std::vector<std::pair<DATE, DATE>>;

class CDniKalendarza final : public ComObject<CDniKalendarza, Dispatch<IDniKalendarza>> {
public:
    explicit CDniKalendarza(DayRanges ranges = {});

    HRESULT get_Pusty(VARIANT_BOOL* empty) override;
    HRESULT get_LiczbaDni(LONG* days) override;
    HRESULT Minus(IDispatch* days, IDniKalendarza** rest) override;
    HRESULT Iloczyn(IDispatch* days, IDniKalendarza** common) override;
    HRESULT get_Count(LONG* count) override;
    HRESULT Item(LONG index, ICalendarRange** range) override;
    HRESULT Add(IDispatch* range) override;

    const DayRanges& Ranges() const { return ranges_; }

private:
    DayRanges ranges_;
};

// The ranges of a host range or day set, read through their interfaces; E_INVALIDARG for any other
// object (also null).
DayRanges DayRangesOf(IDispatch* object);
// Sorted, disjoint, non-empty ranges of any list of ranges.
DayRanges Normalized(DayRanges ranges);
DayRanges Subtract(const DayRanges& from, const DayRanges& minus);
DayRanges Intersect(const DayRanges& a, const DayRanges& b);
LONG DayCount(const DayRanges& ranges);

}  // namespace tlx::host
