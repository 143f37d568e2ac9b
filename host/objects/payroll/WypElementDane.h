// What an element is (IWypElementDane): counted as wages or not, its component kind and the benefit
// code it is paid under (WPE_Rodzaj, WPE_RodzajSkladnika, WPE_PdzId).
#pragma once

#include <memory>

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/PayrollModel.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CWypElementDane final : public ComObject<CWypElementDane, Dispatch<IWypElementDane>> {
public:
    CWypElementDane(std::shared_ptr<PayrollModel> model, std::shared_ptr<const PayrollRow> element)
        : model_(std::move(model)), row_(std::move(element)) {}

    HRESULT get_Rodzaj(LONG* v) override { return Answer(v, [&] { return row_->Long(u"WPE_Rodzaj"); }); }
    HRESULT get_RodzajSkladnika(LONG* v) override {
        return Answer(v, [&] { return row_->Long(u"WPE_RodzajSkladnika"); });
    }
    HRESULT get_KodPrzerwy(IKodSwiadczenia** code) override {
        return AnswerObject(code, [&] { return model_->Code(row_->Long(u"WPE_PdzId")); });
    }

private:
    std::shared_ptr<PayrollModel> model_;
    std::shared_ptr<const PayrollRow> row_;
};

}  // namespace tlx::host
