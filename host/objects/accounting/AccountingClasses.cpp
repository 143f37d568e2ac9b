#include "host/objects/accounting/AccountingClasses.h"

#include "host/HostClassRegistration.h"
#include "host/objects/HostTableCollection.h"
#include "host/objects/accounting/DaneKsiegowe.h"
#include "host/objects/accounting/DefinicjaDokumentu.h"
#include "host/objects/accounting/FormaPlatnosci.h"
#include "host/objects/accounting/Platnosc.h"
#include "host/objects/accounting/PostingEntry.h"
#include "host/objects/accounting/Stempel.h"
#include "host/objects/accounting/Waluta.h"

namespace tlx::host {

HRESULT RegisterAccountingClasses() {
    return FirstFailure({
        RegisterHostClass<CStempel>(CLSID_Stempel, u"TLX.Stempel"),
        RegisterHostClass<CPlatnosc>(CLSID_Platnosc, u"TLX.Platnosc"),
        RegisterHostClass<CWalutaRecord>(CLSID_Waluta, kWaluty.itemClass),
        RegisterHostClass<CHostTableCollection<kWaluty>>(CLSID_Waluty, u"TLX.Waluty"),
        RegisterHostClass<CFormaPlatnosciRecord>(CLSID_FormaPlatnosci, kFormyPlatnosci.itemClass),
        RegisterHostClass<CHostTableCollection<kFormyPlatnosci>>(CLSID_FormyPlatnosci, u"TLX.FormyPlatnosci"),
        RegisterHostClass<CDefinicjaDokumentuRecord>(CLSID_DefinicjaDokumentu, kDokDefinicje.itemClass),
        RegisterHostClass<CHostTableCollection<kDokDefinicje>>(CLSID_DefinicjeDokumentow, u"TLX.DokDefinicje"),
        RegisterHostClass<CDaneKsiegowe>(CLSID_DaneKsiegowe, u"TLX.DaneKsiegowe"),
        RegisterHostClass<CPostingEntryRecord>(CLSID_Dekret, kDekrety.itemClass),
        RegisterHostClass<CHostTableCollection<kDekrety>>(CLSID_Dekrety, u"TLX.Dekrety"),
    });
}

}  // namespace tlx::host
