// A payout element (IWypElement, a row of TLX.WypElementy): its type, amount, ZUS amounts and links.
#pragma once

#include <memory>

#include "host/objects/payroll/PayrollModel.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CWypElement final : public ComObject<CWypElement, Dispatch<IWypElement>> {
public:
    // `id`: the row's WPE_WpeId.
    CWypElement(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row, LONG id);

    HRESULT get_ID(LONG* id) override;
    HRESULT get_Wyplata(IWyplata** payout) override;
    HRESULT get_Typ(ITypWyplaty** type) override;
    HRESULT get_Dane(IWypElementDane** kind) override;
    HRESULT get_DaneZUS(IDaneZUS** zus) override;
    HRESULT get_Kwota(CY* amount) override;
    HRESULT get_Linki(ICollection** links) override;
    HRESULT get_LinkGlowny(IWypElementLink** link) override;
    HRESULT get_Znacznik(LONG* marker) override;
    HRESULT get_Znacznik2(LONG* value) override;
    HRESULT get_Flagi(LONG* flags) override;
    HRESULT get_Okres(IOkres** period) override;

private:
    ModelLink model_;
    std::shared_ptr<PayrollRow> row_;
};

}  // namespace tlx::host
