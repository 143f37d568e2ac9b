// A dated entry of an employee (IOkresPracownika, a row of TLX.OkresyPracownika): its class, period and
// marker.
#pragma once

#include <memory>

#include "host/objects/payroll/PayrollModel.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class COkresPracownika final : public ComObject<COkresPracownika, Dispatch<IOkresPracownika>> {
public:
    COkresPracownika(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row);

    HRESULT get_Typ(ITypOkresu** type) override;
    HRESULT get_Okres(IOkres** period) override;
    HRESULT get_Znacznik(LONG* marker) override;

private:
    ModelLink model_;
    std::shared_ptr<PayrollRow> row_;
};

}  // namespace tlx::host
