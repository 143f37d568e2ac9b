#include "host/objects/edeklaracje/SchemaRepository.h"

namespace tlx::host {

namespace {

HRESULT AnswerEmpty(BSTR* text) {
    if (!text) return E_POINTER;
    *text = SysAllocString(u"");
    return *text ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

HRESULT CSchemaRepository::Reserved() { return E_NOTIMPL; }

HRESULT CSchemaRepository::UpdateChecked(VARIANT_BOOL* checked) {
    if (!checked) return E_POINTER;
    *checked = VARIANT_TRUE;
    return S_OK;
}

HRESULT CSchemaRepository::GetTransform(BSTR /*transformName*/, BSTR* stylesheet) { return AnswerEmpty(stylesheet); }

HRESULT CSchemaRepository::GetNamespace(LONGLONG, LONGLONG, LONGLONG, LONGLONG, BSTR* namespaceUri) {
    return AnswerEmpty(namespaceUri);
}

HRESULT CSchemaRepository::UpdateStatus(LONG* status) {
    if (!status) return E_POINTER;
    *status = 1;
    return S_OK;
}

HRESULT CSchemaRepository::UpdateError(BSTR* text) { return AnswerEmpty(text); }

HRESULT CSchemaRepository::AddAttachment(IDispatch*, IDispatch*, LONG, LONG, VARIANT_BOOL* added) {
    if (!added) return E_POINTER;
    *added = VARIANT_FALSE;
    return S_OK;
}

}  // namespace tlx::host
