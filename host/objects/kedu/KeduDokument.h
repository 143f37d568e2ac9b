// One ZUS document of the KEDU component: a form with its blocks, and its text form.
#pragma once

#include "host/objects/kedu/KeduContent.h"
#include "hostapi/KeduDispatch.h"

namespace tlx::host {

class CKeduDokument final : public ComObject<CKeduDokument, Dispatch<IKeduDokument>> {
public:
    explicit CKeduDokument(KeduContent content) : content_(std::move(content)) {}

    HRESULT get_bloki(IKeduBloki** blocks) override;
    HRESULT ToString(BSTR* text) override;
    HRESULT FromString(BSTR text) override;
    HRESULT get_Formularz(BSTR* form) override;

    // What the document's block collection works on; FromString replaces it whole.
    KeduContent& Content() { return content_; }

private:
    KeduContent content_;
};

}  // namespace tlx::host
