#include "host/objects/payroll/PracPrzerwy.h"

#include "host/objects/payroll/Answers.h"
#include "host/objects/calendar/DniKalendarza.h"

namespace tlx::host {

namespace {
constexpr LONG kUnpaidLeave = 111;
constexpr LONG kUnpaidLeaveOther = 112;
}  // namespace

HRESULT CPracPrzerwy::LiczbaDni(IDispatch* range, LONG* days) {
    return Answer(days, [&] {
        DayRanges unpaid;
        for (const auto& row : model_->Absences()) {
            LONG code = model_->AbsenceCode(*row);
            if (code == kUnpaidLeave || code == kUnpaidLeaveOther)
                unpaid.emplace_back(row->Date(u"NBA_DataOd"), row->Date(u"NBA_DataDo") + 1);
        }
        return DayCount(Intersect(DayRangesOf(range), Normalized(std::move(unpaid))));
    });
}

}  // namespace tlx::host
