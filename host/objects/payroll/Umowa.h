// A civil-law contract (IUmowa, a row of TLX.Umowy): its period and insurance data.
#pragma once

#include <memory>

#include "host/objects/payroll/PayrollModel.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CUmowa final : public ComObject<CUmowa, Dispatch<IUmowa>> {
public:
    CUmowa(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row);

    HRESULT get_ID(LONG* id) override;
    HRESULT get_Okres(IOkres** period) override;
    HRESULT get_Ubezpieczenie(IUbezpieczenie** insurance) override;

private:
    ModelLink model_;
    std::shared_ptr<PayrollRow> row_;
};

}  // namespace tlx::host
