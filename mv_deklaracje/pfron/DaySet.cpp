#include "mv_deklaracje/pfron/DaySet.h"

#include <algorithm>

DaySet::DaySet(CDate first, CDate afterLast)
    : first_(static_cast<long>(first.Value())),
      days_(static_cast<std::size_t>(std::max(0L, static_cast<long>(afterLast.Value()) - first_)), true),
      count_(static_cast<int>(days_.size())) {}

void DaySet::Minus(const DayPeriod& period) {
    const long from = static_cast<long>(period.first.Value());
    const long to = period.open || period.last.IsEmpty() ? static_cast<long>(CDate::kLast)
                                                         : static_cast<long>(period.last.Value());
    const long size = static_cast<long>(days_.size());
    for (long d = std::max(from - first_, 0L); d <= std::min(to - first_, size - 1); ++d) {
        if (days_[static_cast<std::size_t>(d)]) {
            days_[static_cast<std::size_t>(d)] = false;
            --count_;
        }
    }
}
