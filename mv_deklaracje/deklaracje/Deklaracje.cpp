#include "mv_deklaracje/deklaracje/Deklaracje.h"

#include "mv_deklaracje/core/HostCollection.h"
#include "mv_deklaracje_tlb.h"

void CDeklaracje::OnInitialize() {
    const auto setup = CreateHostCollection<IAdoCollectionSetup>(CLSID_CAdoCollectionBase, GetSession().Get());
    AttachHostCollection(*this, setup);
    CheckHost(setup->put_ItemClass(tlx::Bstr(tlx::GuidToText(CLSID_Deklaracja)).Get()));
    CheckHost(setup->put_IdColumn(tlx::Bstr(u"Dkn_DknId").Get()));
    CheckHost(setup->put_Table(tlx::Bstr(u"DeklNag").Get()));
    CheckHost(setup->put_ReadOnly(VARIANT_FALSE));
    // The declarations are saved with the session's other work.
    CheckHost(setup->put_AutoSave(VARIANT_TRUE));
}
