#include "host/objects/payroll/Okres.h"

#include "host/objects/calendar/Calendar.h"
#include "host/objects/payroll/Answers.h"
#include "host/objects/calendar/DniKalendarza.h"

namespace tlx::host {

HRESULT COkres::get_DataOd(DATE* first) {
    return Answer(first, [&] { return first_; });
}

HRESULT COkres::get_DataDo(DATE* last) {
    return Answer(last, [&] { return last_; });
}

HRESULT COkres::get_Otwarty(VARIANT_BOOL* open) {
    return Answer(open, [&] { return last_ == 0 ? VARIANT_TRUE : VARIANT_FALSE; });
}

HRESULT COkres::get_Pusty(VARIANT_BOOL* empty) {
    return Answer(empty, [&] { return first_ == 0 ? VARIANT_TRUE : VARIANT_FALSE; });
}

HRESULT COkres::get_Zakres(ICalendarRange** range) {
    return AnswerObject(range, [&] { return CCalendar::MakeRange(first_, RangeEnd()); });
}

HRESULT COkres::get_Dni(IDniKalendarza** days) {
    return AnswerObject(days, [&] {
        return ComPtr<IDniKalendarza>(CDniKalendarza::Make(DayRanges{{first_, RangeEnd()}}).Get());
    });
}

}  // namespace tlx::host
