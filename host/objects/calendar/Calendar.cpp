#include "host/objects/calendar/Calendar.h"

#include <algorithm>
#include <cmath>

#include "host/HostError.h"
#include "host/objects/calendar/DniKalendarza.h"

namespace tlx::host {

ComPtr<ICalendarRange> CCalendar::MakeRange(DATE from, DATE to) {
    ComPtr<CCalendar> range = Make();
    range->SetRange(from, to);
    return ComPtr<ICalendarRange>(range.Get());
}

HRESULT CCalendar::SetRange(DATE from, DATE to) {
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
    *days = Empty() ? 0 : static_cast<LONG>(to_ - from_);
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

HRESULT CCalendar::get_Pusty(VARIANT_BOOL* empty) {
    if (!empty) return E_POINTER;
    *empty = Empty() ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT CCalendar::get_IsNotEmpty(VARIANT_BOOL* notEmpty) {
    if (!notEmpty) return E_POINTER;
    *notEmpty = Empty() ? VARIANT_FALSE : VARIANT_TRUE;
    return S_OK;
}

HRESULT CCalendar::Iloczyn(IDispatch* range, ICalendarRange** common) {
    return Boundary([&] {
        Require(common);
        ComPtr<ICalendarRange> other;
        if (!range || FAILED(range->QueryInterface(IidOf<ICalendarRange>(), other.OutVoid())))
            Fail(E_INVALIDARG, u"Oczekiwano zakresu dat");
        DATE from = 0, to = 0;
        Check(other->get_Od(&from));
        Check(other->get_Do(&to));
        DATE start = std::max(from_, std::floor(from)), end = std::min(to_, std::floor(to));
        *common = MakeRange(start, std::max(start, end)).Detach();
    });
}

HRESULT CCalendar::Zawiera(DATE day, VARIANT_BOOL* holds) {
    if (!holds) return E_POINTER;
    double whole = std::floor(day);
    *holds = whole >= from_ && whole < to_ ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
}

HRESULT CCalendar::Dni(VARIANT, IDniKalendarza** days) {
    return Boundary([&] {
        Require(days);
        *days = CDniKalendarza::Make(DayRanges{{from_, to_}}).Detach();
    });
}

}  // namespace tlx::host
