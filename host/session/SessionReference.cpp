#include "host/session/SessionReference.h"

#include "host/HostError.h"
#include "host/session/HostSession.h"

namespace tlx::host {

HRESULT CSessionReference::GetSession(ISession** session) { return session_.CopyTo(session); }

HRESULT CSessionReference::GetObject(IDispatch** object) {
    return Boundary([&] {
        *Require(object) = cookie_ == 0 ? nullptr : HostSessionOf(session_.Get())->KeptObject(cookie_).Detach();
    });
}

}  // namespace tlx::host
