#include "host/session/SessionClasses.h"

#include "host/HostClassRegistration.h"
#include "host/session/Application.h"
#include "host/session/ObjectState.h"

namespace tlx::host {

HRESULT RegisterSessionClasses() {
    return FirstFailure({
        RegisterHostClass<CApplication>(CLSID_CApplication, u"TLX.Application"),
        RegisterHostClass<CObjectState>(CLSID_CObjectState, u"TLX.ObjectState"),
    });
}

}  // namespace tlx::host
