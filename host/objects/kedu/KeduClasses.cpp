#include "host/objects/kedu/KeduClasses.h"

#include "host/HostClassRegistration.h"
#include "host/objects/kedu/KeduPlik.h"

namespace tlx::host {

HRESULT RegisterKeduClasses() {
    return FirstFailure({RegisterHostClass<CKeduPlik>(CLSID_KeduComponent, kProgIdKedu)});
}

}  // namespace tlx::host
