// The documents of one KEDU component object, in the order they were added.
#pragma once

#include <vector>

#include "host/objects/kedu/KeduDokument.h"

namespace tlx::host {

class CKeduDokumenty final : public ComObject<CKeduDokumenty, Dispatch<IKeduDokumenty>> {
public:
    HRESULT Add(BSTR form, IKeduDokument** document) override;
    HRESULT AddV(BSTR form, LONG version, IKeduDokument** document) override;
    HRESULT get_Count(LONG* count) override;
    HRESULT get_Item(LONG index, IKeduDokument** document) override;

private:
    std::vector<ComPtr<CKeduDokument>> documents_;
};

}  // namespace tlx::host
