// A set of calendar days within a window, reduced by periods and counted: the day arithmetic of the
// PFRON qualification and working-time steps.
#pragma once

#include <vector>

#include "mv_deklaracje/pfron/EmployeeMonth.h"

class DaySet {
public:
    // The days from `first` to `afterLast` - 1.
    DaySet(CDate first, CDate afterLast);
    // Removes the days of `period` (an open period runs to the last date there is).
    void Minus(const DayPeriod& period);
    bool Empty() const { return count_ == 0; }
    int Count() const { return count_; }

private:
    long first_;
    std::vector<bool> days_;
    int count_;
};
