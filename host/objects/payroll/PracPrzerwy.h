// An employee's register of unpaid leave (IPracPrzerwy): the days of a range covered by absences paid
// under the benefit codes 111 and 112.
#pragma once

#include <memory>

#include "host/objects/payroll/PayrollModel.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CPracPrzerwy final : public ComObject<CPracPrzerwy, Dispatch<IPracPrzerwy>> {
public:
    explicit CPracPrzerwy(std::shared_ptr<PayrollModel> model) : model_(std::move(model)) {}

    HRESULT LiczbaDni(IDispatch* range, LONG* days) override;

private:
    std::shared_ptr<PayrollModel> model_;
};

}  // namespace tlx::host
