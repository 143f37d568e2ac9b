// The dispatch tables of the e-declaration: one per dual interface, members in slot order,
// with the member names and dispatch identifiers of the type library.
#include "tlb/DispatchTables.h"

const tlx::DispatchTable& DispatchTableOf(IEDeklaracja*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IEDeklaracja::ZapiszXml>(u"ZapiszXml", IEDeklaracja::Dispid::ZapiszXml),
        tlx::DispMethod<&IEDeklaracja::DodajAtrybut>(u"DodajAtrybut", IEDeklaracja::Dispid::DodajAtrybut),
        tlx::DispMethod<&IEDeklaracja::WyslijDeklaracje>(u"WyslijDeklaracje", IEDeklaracja::Dispid::WyslijDeklaracje),
        tlx::DispMethod<&IEDeklaracja::PobierzUPO>(u"PobierzUPO", IEDeklaracja::Dispid::PobierzUPO),
        tlx::DispMethod<&IEDeklaracja::UsunCertyfikat>(u"UsunCertyfikat", IEDeklaracja::Dispid::UsunCertyfikat),
        tlx::DispMethod<&IEDeklaracja::WyslijDeklaracje_Unsigned, VT_DATE>(
            u"WyslijDeklaracje_Unsigned", IEDeklaracja::Dispid::WyslijDeklaracje_Unsigned),
        tlx::DispMethod<&IEDeklaracja::SprawdzUstawieniaRegionalne>(
            u"SprawdzUstawieniaRegionalne", IEDeklaracja::Dispid::SprawdzUstawieniaRegionalne),
        tlx::DispMethod<&IEDeklaracja::KomunikatBledu>(u"KomunikatBledu", IEDeklaracja::Dispid::KomunikatBledu),
        tlx::DispGet<&IEDeklaracja::get_Login>(u"Login", IEDeklaracja::Dispid::Login),
        tlx::DispPut<&IEDeklaracja::put_Login>(u"Login", IEDeklaracja::Dispid::Login),
        tlx::DispMethod<&IEDeklaracja::AdviseProgress>(u"AdviseProgress", IEDeklaracja::Dispid::AdviseProgress),
        tlx::DispMethod<&IEDeklaracja::UnAdviseProgress>(u"UnAdviseProgress", IEDeklaracja::Dispid::UnAdviseProgress),
        tlx::DispGet<&IEDeklaracja::get_EPodpisana>(u"EPodpisana", IEDeklaracja::Dispid::EPodpisana),
        tlx::DispPut<&IEDeklaracja::put_EPodpisana>(u"EPodpisana", IEDeklaracja::Dispid::EPodpisana),
        tlx::DispGet<&IEDeklaracja::get_ETrybSeryjny>(u"ETrybSeryjny", IEDeklaracja::Dispid::ETrybSeryjny),
        tlx::DispPut<&IEDeklaracja::put_ETrybSeryjny>(u"ETrybSeryjny", IEDeklaracja::Dispid::ETrybSeryjny),
        tlx::DispGet<&IEDeklaracja::get_EInfo>(u"EInfo", IEDeklaracja::Dispid::EInfo),
        tlx::DispGet<&IEDeklaracja::get_EBlad>(u"EBlad", IEDeklaracja::Dispid::EBlad),
    };
    return table;
}
