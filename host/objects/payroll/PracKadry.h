// An employee's absence register (IPracKadry): the absences by start, the absence covering a day, and
// the days of a range on which the employee is absent (every absence counts).
#pragma once

#include <memory>

#include "host/objects/payroll/PayrollModel.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CPracKadry final : public ComObject<CPracKadry, Dispatch<IPracKadry>> {
public:
    explicit CPracKadry(std::shared_ptr<PayrollModel> model) : model_(std::move(model)) {}

    HRESULT get_Nieobecnosci(ICollection** absences) override;
    HRESULT NieobecnoscWDniu(DATE day, INieobecnosc** absence) override;
    HRESULT LiczbaDni(IDispatch* range, LONG* days) override;

private:
    std::shared_ptr<PayrollModel> model_;
};

}  // namespace tlx::host
