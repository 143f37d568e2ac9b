#include "host/collections/CollectionClasses.h"

#include "host/HostClassRegistration.h"
#include "host/collections/AdoCollectionBase.h"
#include "host/collections/ChildCollection.h"
#include "host/collections/HostEnumerator.h"
#include "host/collections/QueryCollection.h"

namespace tlx::host {

HRESULT RegisterCollectionClasses() {
    return FirstFailure({
        RegisterHostClass<CAdoCollectionBase>(CLSID_CAdoCollectionBase, u"TLX.AdoCollectionBase"),
        RegisterHostClass<CChildCollection>(CLSID_CChildCollection, u"TLX.ChildCollection"),
        RegisterHostClass<CQueryCollection>(CLSID_CQueryCollection, u"TLX.QueryCollection"),
        RegisterHostClass<CHostEnumerator>(CLSID_CHostEnumerator, u"TLX.HostEnumerator"),
    });
}

}  // namespace tlx::host
