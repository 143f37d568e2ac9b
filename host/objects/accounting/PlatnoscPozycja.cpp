#include "host/objects/accounting/PlatnoscPozycja.h"

#include "host/HostError.h"

namespace tlx::host {

HRESULT CPlatnoscPozycja::get_FormaPlatnosci(IDispatch** method) {
    return Boundary([&] { *Require(method) = ComPtr<IDispatch>(method_).Detach(); });
}

HRESULT CPlatnoscPozycja::putref_FormaPlatnosci(IDispatch* method) {
    method_ = ComPtr<IDispatch>(method);
    return S_OK;
}

}  // namespace tlx::host
