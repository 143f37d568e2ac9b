#include "host/session/SessionReference.h"

#include "host/HostError.h"
#include "host/session/HostSession.h"

namespace tlx::host {

CSessionReference::CSessionReference(ComPtr<ISession> session, DWORD cookie)
    : session_(std::move(session)), cookie_(cookie) {
    HostSessionOf(session_.Get())->CountReference(+1);
}

CSessionReference::~CSessionReference() {
    ComPtr<IHostSession> host;
    if (session_ && SUCCEEDED(session_->QueryInterface(IidOf<IHostSession>(), host.OutVoid()))) {
        host->ReferenceGone(cookie_, this);
        host->CountReference(-1);
    }
}

HRESULT CSessionReference::GetSession(ISession** session) { return session_.CopyTo(session); }

HRESULT CSessionReference::GetObject(IDispatch** object) {
    return Boundary([&] {
        *Require(object) = cookie_ == 0 ? nullptr : HostSessionOf(session_.Get())->KeptObject(cookie_).Detach();
    });
}

}  // namespace tlx::host
