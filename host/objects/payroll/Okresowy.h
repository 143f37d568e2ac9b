// A year and month (IOkresowy and IOkresListy on one object): a payout's or a list's declaration month,
// a record's limit month. The payout builder's list changes its own.
#pragma once

#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class COkresowy final : public ComObject<COkresowy, Dispatch<IOkresowy>, Dispatch<IOkresListy>> {
public:
    COkresowy(LONG year, LONG month) : year_(year), month_(month) {}

    HRESULT get_Rok(LONG* year) override;
    HRESULT put_Rok(LONG year) override;
    HRESULT get_Miesiac(LONG* month) override;
    HRESULT put_Miesiac(LONG month) override;

    LONG Year() const { return year_; }
    LONG Month() const { return month_; }

private:
    LONG year_;
    LONG month_;
};

}  // namespace tlx::host
