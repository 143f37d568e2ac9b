#include "host/config/ConfigClasses.h"

#include "host/HostClassRegistration.h"
#include "host/config/Konfiguracja.h"

namespace tlx::host {

HRESULT RegisterConfigClasses() {
    return FirstFailure({RegisterHostClass<CKonfiguracja>(CLSID_Konfiguracja, u"TLX.Konfiguracja")});
}

}  // namespace tlx::host
