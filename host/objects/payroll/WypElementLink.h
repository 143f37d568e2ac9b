// A link of a payout element (IWypElementLink, a row of TLX.WypElementyLinki): the period, source record
// or absence a part of the element pays for.
#pragma once

#include <memory>

#include "host/objects/payroll/PayrollModel.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CWypElementLink final : public ComObject<CWypElementLink, Dispatch<IWypElementLink>> {
public:
    CWypElementLink(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row);

    HRESULT get_Zrodlo(ISourceRef** source) override;
    HRESULT get_Okres(IOkres** period) override;
    HRESULT get_Element(IWypElement** element) override;
    HRESULT get_Typ(ITypWyplaty** type) override;
    HRESULT get_Nieobecnosc(INieobecnosc** absence) override;
    HRESULT get_Tekst(BSTR* text) override;

private:
    ModelLink model_;
    std::shared_ptr<PayrollRow> row_;
};

}  // namespace tlx::host
