// The dispatch tables of the ZUS declarations: one per dual interface, members in slot order,
// with the member names and dispatch identifiers of the type library.
#include "tlb/DispatchTables.h"

const tlx::DispatchTable& DispatchTableOf(IDRA*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IDRA::get_Deklaracja>(u"Deklaracja", IDRA::Dispid::Deklaracja),
        tlx::DispMethod<&IDRA::Przelicz>(u"Przelicz", IDRA::Dispid::Przelicz),
        tlx::DispPut<&IDRA::put_Wartosc>(u"Wartosc", IDRA::Dispid::Wartosc),
        tlx::DispMethod<&IDRA::ExportToXML>(u"ExportToXML", IDRA::Dispid::ExportToXML),
        tlx::DispMethod<&IDRA::ExportToXMLCIV>(u"ExportToXMLCIV", IDRA::Dispid::ExportToXMLCIV),
        tlx::DispMethod<&IDRA::NaglowekXML>(u"NaglowekXML", IDRA::Dispid::NaglowekXML),
        tlx::DispMethod<&IDRA::ToXML>(u"ToXML", IDRA::Dispid::ToXML),
        tlx::DispMethod<&IDRA::FormatEksportu>(u"FormatEksportu", IDRA::Dispid::FormatEksportu),
        tlx::DispGet<&IDRA::get_RentowePlatnikaKesz>(u"RentowePlatnikaKesz", IDRA::Dispid::RentowePlatnikaKesz),
        tlx::DispPut<&IDRA::put_RentowePlatnikaKesz>(u"RentowePlatnikaKesz", IDRA::Dispid::RentowePlatnikaKesz),
        tlx::DispMethod<&IDRA::RegisterPrac>(u"RegisterPrac", IDRA::Dispid::RegisterPrac),
    };
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IDRAExt*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IDRAExt::get_DataWypelnienia, VT_DATE>(u"DataWypelnienia", IDRAExt::Dispid::DataWypelnienia),
        tlx::DispGet<&IDRAExt::get_Miesiac>(u"Miesiac", IDRAExt::Dispid::Miesiac),
        tlx::DispGet<&IDRAExt::get_Rok>(u"Rok", IDRAExt::Dispid::Rok),
        tlx::DispGet<&IDRAExt::get_IsEmpty>(u"IsEmpty", IDRAExt::Dispid::IsEmpty),
        tlx::DispGet<&IDRAExt::get_Deklaracja>(u"Deklaracja", IDRAExt::Dispid::Deklaracja),
        tlx::DispGet<&IDRAExt::get_DRA>(u"DRA", IDRAExt::Dispid::DRA),
        tlx::DispPut<&IDRAExt::put_DRA>(u"DRA", IDRAExt::Dispid::DRA),
        tlx::DispGet<&IDRAExt::get_GenerujZeroweRCA>(u"GenerujZeroweRCA", IDRAExt::Dispid::GenerujZeroweRCA),
        tlx::DispPut<&IDRAExt::put_GenerujZeroweRCA>(u"GenerujZeroweRCA", IDRAExt::Dispid::GenerujZeroweRCA),
        tlx::DispMethod<&IDRAExt::Policz>(u"Policz", IDRAExt::Dispid::Policz),
        tlx::DispMethod<&IDRAExt::Finish>(u"Finish", IDRAExt::Dispid::Finish),
    };
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IIWA*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IIWA::get_Deklaracja>(u"Deklaracja", IIWA::Dispid::Deklaracja),
        tlx::DispMethod<&IIWA::Przelicz>(u"Przelicz", IIWA::Dispid::Przelicz),
        tlx::DispPut<&IIWA::put_Wartosc>(u"Wartosc", IIWA::Dispid::Wartosc),
        tlx::DispMethod<&IIWA::RegisterPrac>(u"RegisterPrac", IIWA::Dispid::RegisterPrac),
        tlx::DispGet<&IIWA::get_DataWypelnienia, VT_DATE>(u"DataWypelnienia", IIWA::Dispid::DataWypelnienia),
    };
    return table;
}

const tlx::DispatchTable& DispatchTableOf(IZSWA*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IZSWA::get_Deklaracja>(u"Deklaracja", IZSWA::Dispid::Deklaracja),
        tlx::DispMethod<&IZSWA::Przelicz>(u"Przelicz", IZSWA::Dispid::Przelicz),
        tlx::DispPut<&IZSWA::put_Wartosc>(u"Wartosc", IZSWA::Dispid::Wartosc),
        tlx::DispGet<&IZSWA::get_DataWypelnienia, VT_DATE>(u"DataWypelnienia", IZSWA::Dispid::DataWypelnienia),
    };
    return table;
}
