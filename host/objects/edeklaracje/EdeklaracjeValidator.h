// The host's e-declaration validator: checks a finished document against the schema of its root's
// namespace from the host's schema store, with libxml2's XML Schema validation, and answers the errors
// as "wiersz N: ..." lines joined by CR LF.
#pragma once

#include "hostapi/EDeclarationsDispatch.h"
#include "platform/com/ComObject.h"

namespace tlx::host {

class SchemaStore;

class CEdeklaracjeValidator final : public ComObject<CEdeklaracjeValidator, Dispatch<IEdeklaracjeValidator>> {
public:
    HRESULT Validate(BSTR xml, VARIANT edeklaracja, BSTR* errors) override;

    // The check against an explicit store (the class answers from the installed one).
    static HRESULT ValidateText(const SchemaStore& store, std::u16string_view xml, std::u16string& errors);
};

}  // namespace tlx::host
