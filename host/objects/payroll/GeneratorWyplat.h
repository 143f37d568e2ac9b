// The payout builder (IGeneratorWyplat): a payout of a list for an employee, its elements added one per
// Dodaj, built in memory by Wynik. Nothing it builds is added to a host collection, so no save of any
// session writes it.
#pragma once

#include <vector>

#include "hostapi/Framework.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CGeneratorWyplat final : public ComObject<CGeneratorWyplat, Dispatch<IGeneratorWyplat>, IInitializeSession> {
public:
    HRESULT get_Lista(IListaPlac** list) override;
    HRESULT putref_Lista(IListaPlac* list) override;
    HRESULT get_Pracownik(IPracownikDane** employee) override;
    HRESULT putref_Pracownik(IPracownikDane* employee) override;
    HRESULT Dodaj(IDispatch* type, VARIANT reserved1, IDispatch* zus, VARIANT reserved2) override;
    HRESULT Wynik(VARIANT reserved, IWyplata** payout) override;
    HRESULT Initialize(ISession* session, LONG* state) override;

private:
    struct Added {
        LONG typeId;
        ComPtr<IWyplataZUS> zus;
    };

    ComPtr<ISession> session_;
    ComPtr<IListaPlac> list_;
    ComPtr<IPracownikDane> employee_;
    std::vector<Added> added_;
};

}  // namespace tlx::host
