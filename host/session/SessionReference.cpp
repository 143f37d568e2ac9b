#include "host/session/SessionReference.h"

#include "host/HostError.h"
#include "host/session/HostSession.h"

namespace tlx::host {

CSessionReference::CSessionReference(ComPtr<ISession> session, DWORD cookie)
    : session_(std::move(session)), host_(HostSessionOf(session_.Get()).Get()), cookie_(cookie) {
    host_->CountReference(+1);
}

CSessionReference::~CSessionReference() {
    host_->ReferenceGone(cookie_, this);
    host_->CountReference(-1);
}

HRESULT CSessionReference::GetSession(ISession** session) { return session_.CopyTo(session); }

HRESULT CSessionReference::GetObject(IDispatch** object) {
    return Boundary([&] {
        *Require(object) = cookie_ == 0 ? nullptr : host_->KeptObject(cookie_).Detach();
    });
}

}  // namespace tlx::host
