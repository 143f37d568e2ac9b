// The dispatch tables of the PFRON declarations: one per dual interface, members in slot order,
// with the member names and dispatch identifiers of the type library.
#include "tlb/DispatchTables.h"

const tlx::DispatchTable& DispatchTableOf(IINFD*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IINFD::Przelicz>(u"Przelicz", IINFD::Dispid::Przelicz),
        tlx::DispMethod<&IINFD::ExportToSOD>(u"ExportToSOD", IINFD::Dispid::ExportToSOD),
        tlx::DispMethod<&IINFD::ExportToSODVC>(u"ExportToSODVC", IINFD::Dispid::ExportToSODVC),
        tlx::DispGet<&IINFD::get_DeklId>(u"DeklId", IINFD::Dispid::DeklId),
        tlx::DispPut<&IINFD::put_DeklId>(u"DeklId", IINFD::Dispid::DeklId),
    };
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IWND*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IWND::Przelicz>(u"Przelicz", IWND::Dispid::Przelicz),
        tlx::DispMethod<&IWND::ExportToSOD>(u"ExportToSOD", IWND::Dispid::ExportToSOD),
        tlx::DispMethod<&IWND::ExportToSODVC>(u"ExportToSODVC", IWND::Dispid::ExportToSODVC),
        tlx::DispGet<&IWND::get_DeklId>(u"DeklId", IWND::Dispid::DeklId),
        tlx::DispPut<&IWND::put_DeklId>(u"DeklId", IWND::Dispid::DeklId),
    };
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IWNU*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IWNU::Przelicz>(u"Przelicz", IWNU::Dispid::Przelicz),
        tlx::DispMethod<&IWNU::ExportToSOD>(u"ExportToSOD", IWNU::Dispid::ExportToSOD),
        tlx::DispMethod<&IWNU::ExportToSODVC>(u"ExportToSODVC", IWNU::Dispid::ExportToSODVC),
        tlx::DispGet<&IWNU::get_DeklId>(u"DeklId", IWNU::Dispid::DeklId),
        tlx::DispPut<&IWNU::put_DeklId>(u"DeklId", IWNU::Dispid::DeklId),
    };
    return table;
}
