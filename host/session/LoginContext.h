// What a login is connected to: the company database's display name.
#pragma once

#include <string>

#include "hostapi/LoginDispatch.h"

namespace tlx::host {

class CLoginContext final : public ComObject<CLoginContext, Dispatch<ILoginContext>> {
public:
    explicit CLoginContext(std::u16string name) : name_(std::move(name)) {}
    HRESULT GetName(BSTR* name) override;

private:
    std::u16string name_;
};

}  // namespace tlx::host
