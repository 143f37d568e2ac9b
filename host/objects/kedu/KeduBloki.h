// The blocks of a KEDU document: by name (made on first use) and the appended repeated blocks.
#pragma once

#include "host/objects/kedu/KeduDokument.h"

namespace tlx::host {

class CKeduBloki final : public ComObject<CKeduBloki, Dispatch<IKeduBloki>> {
public:
    explicit CKeduBloki(ComPtr<CKeduDokument> document) : document_(std::move(document)) {}

    HRESULT get_Item(VARIANT name, IKeduBlok** block) override;
    HRESULT Add(IKeduBlok** block) override;
    HRESULT get_Count(LONG* count) override;

private:
    ComPtr<CKeduDokument> document_;
};

}  // namespace tlx::host
