#include "mv_deklaracje/kedu/KeduKolekcja.h"

#include "mv_deklaracje/core/HostCollection.h"
#include "mv_deklaracje_tlb.h"

void CKeduKolekcja::OnInitialize() {
    const auto setup = CreateHostCollection<IAdoCollectionSetup>(CLSID_CAdoCollectionBase, GetSession().Get());
    AttachHostCollection(*this, setup);
    CheckHost(setup->put_ItemClass(tlx::Bstr(tlx::GuidToText(CLSID_Kedu)).Get()));
    CheckHost(setup->put_IdColumn(tlx::Bstr(u"Dkk_DkkId").Get()));
    CheckHost(setup->put_Table(tlx::Bstr(u"DeklKedu").Get()));
    CheckHost(setup->put_ReadOnly(VARIANT_FALSE));
    // Packages added by a script are saved with the session's other work (Session.Save).
    CheckHost(setup->put_AutoSave(VARIANT_TRUE));
}
