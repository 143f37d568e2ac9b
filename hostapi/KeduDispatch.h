// Dispatch tables of the KEDU component's interfaces (hostapi/Kedu.h). The cell of a block and the
// block of a collection are default members, so a script writes bloki("DIPL")(1, 0) = v; names are
// compared without regard to case, so `bloki` also answers as `Bloki`.
#pragma once

#include "hostapi/Kedu.h"
#include "platform/com/Dispatch.h"

inline const tlx::DispatchTable& DispatchTableOf(IKeduBlok*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IKeduBlok::get_Item>(u"Item", DISPID_VALUE, 1),
        tlx::DispPut<&IKeduBlok::put_Item>(u"Item", DISPID_VALUE, 1),
        tlx::DispGet<&IKeduBlok::get_Nazwa>(u"Nazwa", 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IKeduBloki*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IKeduBloki::get_Item>(u"Item", DISPID_VALUE),
        tlx::DispMethod<&IKeduBloki::Add>(u"Add", 1),
        tlx::DispGet<&IKeduBloki::get_Count>(u"Count", 2),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IKeduDokument*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IKeduDokument::get_bloki>(u"bloki", 1),
        tlx::DispMethod<&IKeduDokument::ToString>(u"ToString", 2),
        tlx::DispMethod<&IKeduDokument::FromString>(u"FromString", 3),
        tlx::DispGet<&IKeduDokument::get_Formularz>(u"Formularz", 4),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IKeduDokumenty*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IKeduDokumenty::get_Item>(u"Item", DISPID_VALUE),
        tlx::DispMethod<&IKeduDokumenty::Add>(u"Add", 1),
        tlx::DispMethod<&IKeduDokumenty::AddV>(u"AddV", 2),
        tlx::DispGet<&IKeduDokumenty::get_Count>(u"Count", 3),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IKeduPlik*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IKeduPlik::get_Dokumenty>(u"Dokumenty", 1),
        tlx::DispMethod<&IKeduPlik::Save>(u"Save", 2),
        tlx::DispMethod<&IKeduPlik::BeginText>(u"BeginText", 3),
        tlx::DispMethod<&IKeduPlik::EndText>(u"EndText", 4),
    };
    return table;
}
