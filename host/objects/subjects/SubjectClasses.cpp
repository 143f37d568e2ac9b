#include "host/objects/subjects/SubjectClasses.h"

#include "host/HostClassRegistration.h"
#include "host/objects/HostTableCollection.h"
#include "host/objects/subjects/Firma.h"
#include "host/objects/subjects/HrComponent.h"
#include "host/objects/subjects/PracPitMies.h"
#include "host/objects/subjects/Pracownik.h"
#include "host/objects/subjects/PracownicyCollection.h"
#include "host/objects/subjects/Urzad.h"

namespace tlx::host {

HRESULT RegisterSubjectClasses() {
    return FirstFailure({
        RegisterHostClass<CHrComponent>(CLSID_ErpHr, kProgIdErpHr),
        RegisterHostClass<CFirma>(CLSID_Firma, kProgIdFirma),
        RegisterHostClass<CUrzadRecord>(CLSID_Urzad, kUrzedy.itemClass),
        RegisterHostClass<CHostTableCollection<kUrzedy>>(CLSID_CUrzad, u"TLX.Urzedy"),
        RegisterHostClass<CPracownikRecord>(CLSID_Pracownik, kPracownicy.itemClass),
        RegisterHostClass<CPracownicyCollection>(CLSID_Pracownicy, kProgIdPracownicy),
        RegisterHostClass<CPracPitMiesRecord>(CLSID_PracPitMies, kPracPitMies.itemClass),
    });
}

}  // namespace tlx::host
