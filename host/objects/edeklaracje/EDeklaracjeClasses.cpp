#include "host/objects/edeklaracje/EDeklaracjeClasses.h"

#include "host/HostClassRegistration.h"
#include "host/objects/edeklaracje/EDeklaracjeGateway.h"
#include "host/objects/edeklaracje/EdeklaracjeValidator.h"
#include "host/objects/edeklaracje/SchemaRepository.h"
#include "host/objects/edeklaracje/VirtualChannelClient.h"

namespace tlx::host {

HRESULT RegisterEDeklaracjeClasses() {
    return FirstFailure({
        RegisterHostClass<CSchemaRepository>(CLSID_SchemaRepository, kProgIdSchemaRepository),
        RegisterHostClass<CEdeklaracjeValidator>(CLSID_EdeklaracjeValidator, kProgIdEdeklaracjeValidator),
        RegisterHostClass<CEDeklaracjeGateway>(CLSID_EDeklaracjeGateway, kProgIdEDeklaracjeGateway),
        RegisterHostClass<CVirtualChannelClient>(CLSID_VirtualChannelClient, kProgIdVirtualChannelClient),
    });
}

}  // namespace tlx::host
