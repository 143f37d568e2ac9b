#include "host/objects/payroll/Umowa.h"

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/Okres.h"
#include "host/objects/payroll/Ubezpieczenie.h"

namespace tlx::host {

CUmowa::CUmowa(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row)
    : model_(std::move(model), PayrollModel::Kind::Contract, row->Long(u"UMW_UmwId")), row_(std::move(row)) {}

HRESULT CUmowa::get_ID(LONG* id) {
    return Answer(id, [&] { return row_->Long(u"UMW_UmwId"); });
}

HRESULT CUmowa::get_Okres(IOkres** period) {
    return AnswerObject(period, [&] {
        return ComPtr<IOkres>(COkres::Make(row_->Date(u"UMW_DataOd"), row_->Date(u"UMW_DataDo")));
    });
}

HRESULT CUmowa::get_Ubezpieczenie(IUbezpieczenie** insurance) {
    return AnswerObject(insurance, [&] { return ComPtr<IUbezpieczenie>(CUbezpieczenie::Make(row_, u"UMW_UBZ")); });
}

}  // namespace tlx::host
