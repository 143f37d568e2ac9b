// A payout (IWyplata, a row of TLX.Wyplaty with its list's columns): its mode, list, elements, month,
// ZUS sums, amount and employee. The payout builder's payout lives in memory only.
#pragma once

#include <memory>

#include "host/objects/payroll/PayrollModel.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CWyplata final : public ComObject<CWyplata, Dispatch<IWyplata>> {
public:
    // `list`: the payout's list when it is not one of the model's (a list made in memory).
    CWyplata(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row, ComPtr<IListaPlac> list = {});

    HRESULT get_ID(LONG* id) override;
    HRESULT get_Tryb(LONG* mode) override;
    HRESULT get_Aktywna(LONG* active) override;
    HRESULT get_ListaPlac(IListaPlac** list) override;
    HRESULT get_Elementy(ICollection** items) override;
    HRESULT get_Elementy2(ICollection** items) override;
    HRESULT get_Okres(IOkres** period) override;
    HRESULT get_RokMiesiac(IOkresowy** month) override;
    HRESULT get_DaneZUS(IDaneZUS** sums) override;
    HRESULT get_Kwota(CY* amount) override;
    HRESULT get_Pracownik(IPracownik** employee) override;

private:
    ComPtr<IListaPlac> List();
    ComPtr<ICollection> Elements();

    ModelLink model_;
    std::shared_ptr<PayrollRow> row_;
    ComPtr<IListaPlac> list_;
};

}  // namespace tlx::host
