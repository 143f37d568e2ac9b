#include "host/objects/payroll/OkresPracownika.h"

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/Okres.h"

namespace tlx::host {

COkresPracownika::COkresPracownika(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row)
    : model_(std::move(model), PayrollModel::Kind::Entry, row->Long(u"OKP_OkpId")), row_(std::move(row)) {}

HRESULT COkresPracownika::get_Typ(ITypOkresu** type) {
    return AnswerObject(type, [&] { return model_->PeriodType(row_->Long(u"OKP_TokId")); });
}

HRESULT COkresPracownika::get_Okres(IOkres** period) {
    return AnswerObject(period, [&] {
        return ComPtr<IOkres>(COkres::Make(row_->Date(u"OKP_DataOd"), row_->Date(u"OKP_DataDo")));
    });
}

HRESULT COkresPracownika::get_Znacznik(LONG* marker) {
    return Answer(marker, [&] { return row_->Long(u"OKP_Znacznik"); });
}

}  // namespace tlx::host
