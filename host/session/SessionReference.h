// A session's reference to itself or to one of its objects (hostapi/Session.h).
#pragma once

#include "host/session/HostSession.h"
#include "hostapi/SessionDispatch.h"

namespace tlx::host {

class CSessionReference final : public ComObject<CSessionReference, Dispatch<ISessionReference>> {
public:
    // cookie 0: the session's own reference.
    CSessionReference(ComPtr<ISession> session, DWORD cookie);
    ~CSessionReference() override;

    HRESULT GetSession(ISession** session) override;
    HRESULT GetObject(IDispatch** object) override;

private:
    ComPtr<ISession> session_;
    // The same session's host side, asked once (held through session_): every GetObject reads through it.
    IHostSession* host_;
    DWORD cookie_;
};

}  // namespace tlx::host
