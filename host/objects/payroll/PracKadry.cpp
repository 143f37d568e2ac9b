#include "host/objects/payroll/PracKadry.h"

#include <cmath>

#include "host/objects/payroll/Answers.h"
#include "host/objects/calendar/DniKalendarza.h"
#include "host/objects/payroll/PayrollCollection.h"

namespace tlx::host {

HRESULT CPracKadry::get_Nieobecnosci(ICollection** absences) {
    return AnswerObject(absences, [&] {
        std::vector<CPayrollCollection::Entry> entries;
        for (const auto& row : model_->Absences())
            entries.push_back({ComPtr<IDispatch>(model_->Absence(row)), row->Long(u"NBA_NbaId"), row});
        return ComPtr<ICollection>(CPayrollCollection::Make(std::move(entries)));
    });
}

HRESULT CPracKadry::NieobecnoscWDniu(DATE day, INieobecnosc** absence) {
    return AnswerObject(absence, [&] {
        DATE whole = std::floor(day);
        ComPtr<INieobecnosc> found;
        for (const auto& row : model_->Absences())
            if (row->Date(u"NBA_DataOd") <= whole && whole <= row->Date(u"NBA_DataDo")) found = model_->Absence(row);
        return found;
    });
}

HRESULT CPracKadry::LiczbaDni(IDispatch* range, LONG* days) {
    return Answer(days, [&] {
        DayRanges absent;
        for (const auto& row : model_->Absences())
            absent.emplace_back(row->Date(u"NBA_DataOd"), row->Date(u"NBA_DataDo") + 1);
        return DayCount(Intersect(DayRangesOf(range), Normalized(std::move(absent))));
    });
}

}  // namespace tlx::host
