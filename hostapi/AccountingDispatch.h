// Dispatch tables of the host's accounting interfaces: the names and DISPIDs under which scripts reach them
// (see platform/com/Dispatch.h).
#pragma once

#include "hostapi/Accounting.h"
#include "hostapi/Calendar.h"
#include "hostapi/Collections.h"
#include "hostapi/Configuration.h"
#include "hostapi/Employees.h"
#include "hostapi/IncomeData.h"
#include "hostapi/Login.h"
#include "hostapi/ScriptSupport.h"
#include "hostapi/Session.h"
#include "hostapi/Subjects.h"
#include "platform/ado/Ado.h"
#include "platform/com/Dispatch.h"

inline const tlx::DispatchTable& DispatchTableOf(IStempel*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IStempel::get_OpeZalID>(u"OpeZalID", 1),
        tlx::DispGet<&IStempel::get_TS_Zal, VT_DATE>(u"TS_Zal", 2),
        tlx::DispGet<&IStempel::get_OpeModID>(u"OpeModID", 3),
        tlx::DispGet<&IStempel::get_TS_Mod, VT_DATE>(u"TS_Mod", 4),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPlatnosc*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPlatnosc::get_Termin, VT_DATE>(u"Termin", 1),
        tlx::DispPut<&IPlatnosc::put_Termin, VT_DATE>(u"Termin", 1),
        tlx::DispGet<&IPlatnosc::get_Dokument>(u"Dokument", 2),
        tlx::DispPutRef<&IPlatnosc::putref_Dokument>(u"Dokument", 2),
        tlx::DispGet<&IPlatnosc::get_Pozycje>(u"Pozycje", 3),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPlatnoscPozycja*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPlatnoscPozycja::get_FormaPlatnosci>(u"FormaPlatnosci", 1),
        tlx::DispPutRef<&IPlatnoscPozycja::putref_FormaPlatnosci>(u"FormaPlatnosci", 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IFormaPlatnosci*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IFormaPlatnosci::get_ID>(u"ID", 1),
        tlx::DispGet<&IFormaPlatnosci::get_Nazwa>(u"Nazwa", 2),
        tlx::DispGet<&IFormaPlatnosci::get_Termin>(u"Termin", 3),
        tlx::DispGet<&IFormaPlatnosci::get_Zablokowana>(u"Zablokowana", 4),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IDefinicjaDokumentu*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IDefinicjaDokumentu::get_ID>(u"ID", 1),
        tlx::DispGet<&IDefinicjaDokumentu::get_Klasa>(u"Klasa", 2),
        tlx::DispGet<&IDefinicjaDokumentu::get_Symbol>(u"Symbol", 3),
        tlx::DispGet<&IDefinicjaDokumentu::get_Nazwa>(u"Nazwa", 4),
        tlx::DispGet<&IDefinicjaDokumentu::get_Numeracja>(u"Numeracja", 5),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IWaluta*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IWaluta::get_ID>(u"ID", 1),
        tlx::DispGet<&IWaluta::get_Symbol>(u"Symbol", 2),
        tlx::DispGet<&IWaluta::get_Nazwa>(u"Nazwa", 3),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPostingEntry*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPostingEntry::get_ID>(u"ID", 1),
        tlx::DispPutRef<&IPostingEntry::putref_Podmiot>(u"Podmiot", 2),
        tlx::DispPut<&IPostingEntry::put_Bufor>(u"Bufor", 3),
        tlx::DispPut<&IPostingEntry::put_Nowy>(u"Nowy", 4),
        tlx::DispPut<&IPostingEntry::put_DataKsiegowania, VT_DATE>(u"DataKsiegowania", 5),
        tlx::DispPut<&IPostingEntry::put_DataOperacji, VT_DATE>(u"DataOperacji", 6),
        tlx::DispPut<&IPostingEntry::put_DataWystawienia, VT_DATE>(u"DataWystawienia", 7),
        tlx::DispPut<&IPostingEntry::put_NumerDokumentu>(u"NumerDokumentu", 8),
        tlx::DispGet<&IPostingEntry::get_Elementy>(u"Elementy", 9),
        tlx::DispPutRef<&IPostingEntry::putref_DokumentZrodlowy>(u"DokumentZrodlowy", 10),
    };
    return table;
}
