// The signed-in operator: working date, remote-session flag, kind, identifier and code.
#pragma once

#include "host/session/HostEnvironment.h"
#include "hostapi/LoginDispatch.h"

namespace tlx::host {

class COperatorObject final : public ComObject<COperatorObject, Dispatch<IOperatorObject>> {
public:
    COperatorObject(OperatorSettings settings, std::string configDatabase)
        : settings_(std::move(settings)), configDatabase_(std::move(configDatabase)) {}

    HRESULT GetToday(DATE* today) override;
    HRESULT IsRemoteSession(LONG* remote) override;
    HRESULT OperatorType(LONG* type) override;
    HRESULT get_ID(LONG* id) override;
    HRESULT get_Kod(BSTR* code) override;
    HRESULT GetEntry(BSTR key, IDispatch** entry) override;

private:
    OperatorSettings settings_;
    std::string configDatabase_;
};

}  // namespace tlx::host
