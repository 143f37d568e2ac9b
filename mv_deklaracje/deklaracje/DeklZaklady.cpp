#include "mv_deklaracje/deklaracje/DeklZaklady.h"

#include "mv_deklaracje/core/HostCollection.h"
#include "mv_deklaracje_tlb.h"

void CDeklZaklady::OnInitialize() {
    const auto setup = CreateHostCollection<IAdoCollectionSetup>(CLSID_CAdoCollectionBase, GetSession().Get());
    AttachHostCollection(*this, setup);
    CheckHost(setup->put_ItemClass(tlx::Bstr(tlx::GuidToText(CLSID_DeklZaklad)).Get()));
    CheckHost(setup->put_IdColumn(tlx::Bstr(u"DkZ_DkZID").Get()));
    CheckHost(setup->put_Table(tlx::Bstr(u"DeklZaklady").Get()));
    CheckHost(setup->put_ReadOnly(VARIANT_FALSE));
    // Establishments added by a script are saved with the session's other work (Session.Save).
    CheckHost(setup->put_AutoSave(VARIANT_TRUE));
}
