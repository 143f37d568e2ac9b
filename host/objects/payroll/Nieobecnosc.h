// An absence (INieobecnosc, a row of TLX.Nieobecnosci): its type, the benefit code it is paid under (the
// row's own, else its type's), period, register, mode and markers.
#pragma once

#include <memory>

#include "host/objects/payroll/PayrollModel.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CNieobecnosc final : public ComObject<CNieobecnosc, Dispatch<INieobecnosc>> {
public:
    CNieobecnosc(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row);

    HRESULT get_ID(LONG* id) override;
    HRESULT get_Typ(ITypNieobecnosci** type) override;
    HRESULT get_Rodzaj(IKodSwiadczenia** code) override;
    HRESULT get_Okres(IOkres** period) override;
    HRESULT get_Rejestr(IPracKadry** absences) override;
    HRESULT get_Tryb(LONG* mode) override;
    HRESULT get_Znacznik(LONG* marker) override;
    HRESULT get_Znacznik2(LONG* marker) override;
    HRESULT get_Opis(BSTR* text) override;

private:
    ModelLink model_;
    std::shared_ptr<PayrollRow> row_;
};

}  // namespace tlx::host
