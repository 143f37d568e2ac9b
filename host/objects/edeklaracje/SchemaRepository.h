// The host's schema repository: this installation keeps no newer stylesheets and no namespace register,
// so it reports its update check as done and answers every question with the empty text and takes in no attachment. The module
// then uses its own stylesheets and its built-in namespaces.
#pragma once

#include "hostapi/EDeclarationsDispatch.h"
#include "platform/com/ComObject.h"

namespace tlx::host {

class CSchemaRepository final : public ComObject<CSchemaRepository, Dispatch<ISchemaRepository>> {
public:
    HRESULT Reserved() override;
    HRESULT UpdateChecked(VARIANT_BOOL* checked) override;
    HRESULT GetTransform(BSTR transformName, BSTR* stylesheet) override;
    HRESULT GetNamespace(LONGLONG formType, LONGLONG version, LONGLONG year, LONGLONG month,
                         BSTR* namespaceUri) override;
    HRESULT UpdateStatus(LONG* status) override;
    HRESULT UpdateError(BSTR* text) override;
    HRESULT AddAttachment(IDispatch* mainDocument, IDispatch* childDocument, LONG childType, LONG number,
                          VARIANT_BOOL* added) override;
};

}  // namespace tlx::host
