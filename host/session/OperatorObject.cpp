#include "host/session/OperatorObject.h"

namespace tlx::host {

HRESULT COperatorObject::GetToday(DATE* today) {
    if (!today) return E_POINTER;
    *today = settings_.today;
    return S_OK;
}

HRESULT COperatorObject::IsRemoteSession(LONG* remote) {
    if (!remote) return E_POINTER;
    *remote = settings_.remote;
    return S_OK;
}

HRESULT COperatorObject::OperatorType(LONG* type) {
    if (!type) return E_POINTER;
    *type = settings_.type;
    return S_OK;
}

HRESULT COperatorObject::get_ID(LONG* id) {
    if (!id) return E_POINTER;
    *id = settings_.id;
    return S_OK;
}

HRESULT COperatorObject::get_Kod(BSTR* code) {
    if (!code) return E_POINTER;
    *code = Bstr(settings_.code).Detach();
    return S_OK;
}

}  // namespace tlx::host
