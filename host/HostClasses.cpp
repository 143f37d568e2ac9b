#include "host/HostClasses.h"

#include "host/collections/AdoCollectionBase.h"
#include "host/collections/ChildCollection.h"
#include "host/collections/HostEnumerator.h"
#include "host/collections/QueryCollection.h"
#include "host/config/Konfiguracja.h"
#include "host/objects/Calendar.h"
#include "host/objects/ClaSupport.h"
#include "host/objects/DaneKsiegowe.h"
#include "host/objects/HostTableCollection.h"
#include "host/objects/HrComponent.h"
#include "host/objects/Platnosc.h"
#include "host/objects/PostingEntry.h"
#include "host/objects/DefinicjaDokumentu.h"
#include "host/objects/FormaPlatnosci.h"
#include "host/objects/PracPitMies.h"
#include "host/objects/Pracownik.h"
#include "host/objects/Urzad.h"
#include "host/objects/Waluta.h"
#include "host/objects/Stempel.h"
#include "host/session/Application.h"
#include "host/script/ScriptEngine.h"
#include "host/session/ObjectState.h"
#include "platform/ado/Ado.h"
#include "platform/com/ClassRegistry.h"

namespace tlx::host {
namespace {

template <class T>
HRESULT Register(REFCLSID clsid, std::u16string_view progId) {
    ComPtr<IClassFactory> factory;
    if (HRESULT hr = ClassFactory<T>::Get(IID_IClassFactory, factory.OutVoid()); FAILED(hr)) return hr;
    DWORD cookie = 0;
    return RegisterProcessClass(clsid, progId, factory.Get(), &cookie);
}

HRESULT RegisterAll() {
    DWORD engineCookie = 0;
    HRESULT results[] = {
        ado::RegisterAdoClasses(),
        RegisterScriptEngineClass(&engineCookie),
        Register<CApplication>(CLSID_CApplication, u"TLX.Application"),
        Register<CObjectState>(CLSID_CObjectState, u"TLX.ObjectState"),
        Register<CAdoCollectionBase>(CLSID_CAdoCollectionBase, u"TLX.AdoCollectionBase"),
        Register<CChildCollection>(CLSID_CChildCollection, u"TLX.ChildCollection"),
        Register<CQueryCollection>(CLSID_CQueryCollection, u"TLX.QueryCollection"),
        Register<CHostEnumerator>(CLSID_CHostEnumerator, u"TLX.HostEnumerator"),
        Register<CKonfiguracja>(CLSID_Konfiguracja, u"TLX.Konfiguracja"),
        Register<CStempel>(CLSID_Stempel, u"TLX.Stempel"),
        Register<CPlatnosc>(CLSID_Platnosc, u"TLX.Platnosc"),
        Register<CHrComponent>(CLSID_ErpHr, kProgIdErpHr),
        Register<CCalendar>(CLSID_CCalendar, u"TLX.Calendar"),
        Register<CClaSupport>(CLSID_ClaSupport, kProgIdClaSupport),
        Register<CUrzadRecord>(CLSID_Urzad, kUrzedy.itemClass),
        Register<CHostTableCollection<kUrzedy>>(CLSID_CUrzad, u"TLX.Urzedy"),
        Register<CWalutaRecord>(CLSID_Waluta, kWaluty.itemClass),
        Register<CHostTableCollection<kWaluty>>(CLSID_Waluty, u"TLX.Waluty"),
        Register<CFormaPlatnosciRecord>(CLSID_FormaPlatnosci, kFormyPlatnosci.itemClass),
        Register<CHostTableCollection<kFormyPlatnosci>>(CLSID_FormyPlatnosci, u"TLX.FormyPlatnosci"),
        Register<CDefinicjaDokumentuRecord>(CLSID_DefinicjaDokumentu, kDokDefinicje.itemClass),
        Register<CHostTableCollection<kDokDefinicje>>(CLSID_DefinicjeDokumentow, u"TLX.DokDefinicje"),
        Register<CPracownikRecord>(CLSID_Pracownik, kPracownicy.itemClass),
        Register<CHostTableCollection<kPracownicy>>(CLSID_Pracownicy, kProgIdPracownicy),
        Register<CPracPitMiesRecord>(CLSID_PracPitMies, kPracPitMies.itemClass),
        Register<CDaneKsiegowe>(CLSID_DaneKsiegowe, u"TLX.DaneKsiegowe"),
        Register<CPostingEntryRecord>(CLSID_Dekret, kDekrety.itemClass),
        Register<CHostTableCollection<kDekrety>>(CLSID_Dekrety, u"TLX.Dekrety"),
    };
    for (HRESULT hr : results)
        if (FAILED(hr)) return hr;
    return S_OK;
}

}  // namespace

HRESULT RegisterHostClasses() {
    static const HRESULT result = RegisterAll();
    return result;
}

}  // namespace tlx::host
