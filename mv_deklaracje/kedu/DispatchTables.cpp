// The dispatch tables of the KEDU package: one per dual interface, members in slot order,
// with the member names and dispatch identifiers of the type library.
#include "tlb/DispatchTables.h"

const tlx::DispatchTable& DispatchTableOf(IKedu*) {
    static const tlx::DispatchTable table{DispatchTableOf(static_cast<IRecordHead*>(nullptr)), {
        tlx::DispGet<&IKedu::get_Stempel>(u"Stempel", IKedu::Dispid::Stempel),
        tlx::DispGet<&IKedu::get_Nazwa>(u"Nazwa", IKedu::Dispid::Nazwa),
        tlx::DispPut<&IKedu::put_Nazwa>(u"Nazwa", IKedu::Dispid::Nazwa),
        tlx::DispGet<&IKedu::get_Data, VT_DATE>(u"Data", IKedu::Dispid::Data),
        tlx::DispPut<&IKedu::put_Data, VT_DATE>(u"Data", IKedu::Dispid::Data),
        tlx::DispGet<&IKedu::get_Opis>(u"Opis", IKedu::Dispid::Opis),
        tlx::DispPut<&IKedu::put_Opis>(u"Opis", IKedu::Dispid::Opis),
        tlx::DispGet<&IKedu::get_Zablokowana>(u"Zablokowana", IKedu::Dispid::Zablokowana),
        tlx::DispPut<&IKedu::put_Zablokowana>(u"Zablokowana", IKedu::Dispid::Zablokowana),
        tlx::DispGet<&IKedu::get_Deklaracje>(u"Deklaracje", IKedu::Dispid::Deklaracje),
        tlx::DispMethod<&IKedu::Wyslij>(u"Wyslij", IKedu::Dispid::Wyslij),
        tlx::DispMethod<&IKedu::Zapisz>(u"Zapisz", IKedu::Dispid::Zapisz),
        tlx::DispMethod<&IKedu::WyslijTS>(u"WyslijTS", IKedu::Dispid::WyslijTS),
        tlx::DispMethod<&IKedu::ZestawMieszany>(u"ZestawMieszany", IKedu::Dispid::ZestawMieszany),
    }};
    return table;
}
