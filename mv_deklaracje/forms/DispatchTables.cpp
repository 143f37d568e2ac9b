// The dispatch tables of the field descriptions of a form definition: one per dual interface, members in slot order,
// with the member names and dispatch identifiers of the type library.
#include "tlb/DispatchTables.h"

const tlx::DispatchTable& DispatchTableOf(IDekElementInfo*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IDekElementInfo::get_Nazwa>(u"Nazwa", IDekElementInfo::Dispid::Nazwa),
        tlx::DispGet<&IDekElementInfo::get_Typ>(u"Typ", IDekElementInfo::Dispid::Typ),
        tlx::DispGet<&IDekElementInfo::get_Lp>(u"Lp", IDekElementInfo::Dispid::Lp),
        tlx::DispGet<&IDekElementInfo::get_Lpw>(u"Lpw", IDekElementInfo::Dispid::Lpw),
        tlx::DispGet<&IDekElementInfo::get_Lpw2>(u"Lpw2", IDekElementInfo::Dispid::Lpw2),
        tlx::DispGet<&IDekElementInfo::get_Opis>(u"Opis", IDekElementInfo::Dispid::Opis),
        tlx::DispGet<&IDekElementInfo::get_OnUpdate>(u"OnUpdate", IDekElementInfo::Dispid::OnUpdate),
        tlx::DispGet<&IDekElementInfo::get_Required>(u"Required", IDekElementInfo::Dispid::Required),
        tlx::DispGet<&IDekElementInfo::get_Default>(u"Default", IDekElementInfo::Dispid::Default),
        tlx::DispGet<&IDekElementInfo::get_OnGet>(u"OnGet", IDekElementInfo::Dispid::OnGet),
        tlx::DispGet<&IDekElementInfo::get_OnPut>(u"OnPut", IDekElementInfo::Dispid::OnPut),
        tlx::DispGet<&IDekElementInfo::get_Obliczane>(u"Obliczane", IDekElementInfo::Dispid::Obliczane),
        tlx::DispGet<&IDekElementInfo::get_DispId>(u"DispId", IDekElementInfo::Dispid::DispId),
        tlx::DispGet<&IDekElementInfo::get_Bookmark>(u"Bookmark", IDekElementInfo::Dispid::Bookmark),
        tlx::DispPut<&IDekElementInfo::put_Bookmark>(u"Bookmark", IDekElementInfo::Dispid::Bookmark),
    };
    return table;
}
