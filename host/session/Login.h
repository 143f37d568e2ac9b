// The operator's login: sessions on the company database, host objects of the login (the
// configuration), the operator and the host modules in use.
#pragma once

#include <memory>

#include "host/session/HostEnvironment.h"
#include "host/session/SessionFiles.h"
#include "hostapi/LoginDispatch.h"
#include "hostapi/SessionDispatch.h"

namespace tlx::host {

class CLogin final : public ComObject<CLogin, Dispatch<ILogin>> {
public:
    explicit CLogin(LoginSettings settings);

    HRESULT CreateSession(ISession** session) override;
    HRESULT CreateObject(BSTR classText, IDispatch** object) override;
    HRESULT GetOperatorObject(IOperatorObject** op) override;
    HRESULT IsModuleAvailable(LONG module, VARIANT_BOOL* available) override;
    HRESULT GetContext(ILoginContext** context) override;

private:
    LoginSettings settings_;
    std::shared_ptr<const SessionFiles> sessionFiles_;
};

}  // namespace tlx::host
