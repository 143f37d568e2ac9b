#include "host/objects/calendar/Calendar.h"

#include <cmath>

namespace tlx::host {

HRESULT CCalendar::SetRange(DATE from, DATE to) {
    if (to < from) return E_INVALIDARG;
    from_ = std::floor(from);
    to_ = std::floor(to);
    return S_OK;
}

HRESULT CCalendar::get_Od(DATE* from) {
    if (!from) return E_POINTER;
    *from = from_;
    return S_OK;
}

HRESULT CCalendar::get_Do(DATE* to) {
    if (!to) return E_POINTER;
    *to = to_;
    return S_OK;
}

HRESULT CCalendar::get_LiczbaDni(LONG* days) {
    if (!days) return E_POINTER;
    *days = static_cast<LONG>(to_ - from_);
    return S_OK;
}

HRESULT CCalendar::CzyDzienRoboczy(DATE day, VARIANT_BOOL* working) {
    if (!working) return E_POINTER;
    double whole = std::floor(day);
    // OLE day 0 (1899-12-30) was a Saturday: day mod 7 gives 0 Saturday, 1 Sunday, 2..6 Monday..Friday.
    long weekday = static_cast<long>(std::fmod(std::fmod(whole, 7.0) + 7.0, 7.0));
    bool inRange = whole >= from_ && whole < to_;
    *working = inRange && weekday >= 2 ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

}  // namespace tlx::host
