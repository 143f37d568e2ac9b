// A record's tax data (IPracPodatki): columns PRE_Nierezydent and PRE_NipZagraniczny.
#pragma once

#include <memory>

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/PayrollRow.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CPracPodatki final : public ComObject<CPracPodatki, Dispatch<IPracPodatki>> {
public:
    explicit CPracPodatki(std::shared_ptr<const PayrollRow> row) : row_(std::move(row)) {}

    HRESULT get_Nierezydent(LONG* value) override { return Answer(value, [&] { return row_->Long(u"PRE_Nierezydent"); }); }
    HRESULT get_NipZagraniczny(BSTR* value) override {
        return AnswerText(value, [&] { return row_->Text(u"PRE_NipZagraniczny"); });
    }

private:
    std::shared_ptr<const PayrollRow> row_;
};

}  // namespace tlx::host
