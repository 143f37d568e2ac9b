// An absence type (ITypNieobecnosci, a row of TLX.TypyNieobecnosci): category, benefit code, marker.
#pragma once

#include <memory>

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/PayrollModel.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CTypNieobecnosci final : public ComObject<CTypNieobecnosci, Dispatch<ITypNieobecnosci>> {
public:
    CTypNieobecnosci(std::shared_ptr<PayrollModel> model, std::shared_ptr<const PayrollRow> row)
        : model_(std::move(model)), row_(std::move(row)) {}

    HRESULT get_Kategoria(LONG* v) override { return Answer(v, [&] { return row_->Long(u"TNB_Kategoria"); }); }
    HRESULT get_KodSwiadczenia(IKodSwiadczenia** code) override {
        return AnswerObject(code, [&] { return model_->Code(row_->Long(u"TNB_PdzId")); });
    }
    HRESULT get_Znacznik(LONG* v) override { return Answer(v, [&] { return row_->Long(u"TNB_Znacznik"); }); }

private:
    std::shared_ptr<PayrollModel> model_;
    std::shared_ptr<const PayrollRow> row_;
};

}  // namespace tlx::host
