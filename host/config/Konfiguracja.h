// The configuration object (CLSID_Konfiguracja): settings by key and dated parameters, read from the
// company database of the session it was initialised with and kept by the session while the database
// does not change (hostapi/Configuration.h).
#pragma once

#include "hostapi/ConfigurationDispatch.h"
#include "hostapi/SessionDispatch.h"
#include "hostapi/Framework.h"

namespace tlx::host {

class SessionSettings;

class CKonfiguracja final : public ComObject<CKonfiguracja, Dispatch<IKonfiguracja>, IInitializeSession> {
public:
    HRESULT GetValue(BSTR key, BSTR* value) override;
    HRESULT GetParametr(BSTR key, DATE date, IParametr** parametr) override;
    HRESULT Initialize(ISession* session, LONG* state) override;

private:
    Connection* Database();
    SessionSettings& Settings();
    ComPtr<ISession> session_;
};

}  // namespace tlx::host
