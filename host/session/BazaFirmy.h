// A company database of the login's configuration (TLX.Bazy), with a connection opened on first use.
#pragma once

#include <string>

#include "hostapi/LoginDispatch.h"

namespace tlx::host {

class CBazaFirmy final : public ComObject<CBazaFirmy, Dispatch<IBazaFirmy>> {
public:
    CBazaFirmy(std::u16string name, std::string file) : name_(std::move(name)), file_(std::move(file)) {}
    ~CBazaFirmy() override;

    HRESULT get_Nazwa(BSTR* name) override;
    HRESULT get_Connection(Connection** connection) override;

private:
    std::u16string name_;
    std::string file_;
    ComPtr<Connection> connection_;
};

}  // namespace tlx::host
