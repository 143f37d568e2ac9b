// A block of a KEDU document as scripts and the ZUS services reach it: its cells by position and repeat.
#pragma once

#include <memory>

#include "host/objects/kedu/KeduBlock.h"
#include "hostapi/KeduDispatch.h"

namespace tlx::host {

class CKeduBlok final : public ComObject<CKeduBlok, Dispatch<IKeduBlok>> {
public:
    explicit CKeduBlok(std::shared_ptr<KeduBlock> block) : block_(std::move(block)) {}

    HRESULT get_Item(LONG position, LONG repeat, VARIANT* value) override;
    HRESULT put_Item(LONG position, LONG repeat, VARIANT value) override;
    HRESULT get_Nazwa(BSTR* name) override;

private:
    std::shared_ptr<KeduBlock> block_;
};

}  // namespace tlx::host
