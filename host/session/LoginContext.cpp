#include "host/session/LoginContext.h"

namespace tlx::host {

HRESULT CLoginContext::GetName(BSTR* name) {
    if (!name) return E_POINTER;
    *name = Bstr(name_).Detach();
    return S_OK;
}

}  // namespace tlx::host
