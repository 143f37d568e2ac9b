// Dispatch tables of the host's employee interfaces: the names and DISPIDs under which scripts reach them
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

inline const tlx::DispatchTable& DispatchTableOf(IPracownik*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPracownik::get_ID>(u"ID", 1),
        tlx::DispGet<&IPracownik::get_Akronim>(u"Akronim", 2),
        tlx::DispGet<&IPracownik::get_Imie>(u"Imie", 3),
        tlx::DispGet<&IPracownik::get_Nazwisko>(u"Nazwisko", 4),
        tlx::DispGet<&IPracownik::get_PESEL>(u"PESEL", 5),
        tlx::DispGet<&IPracownik::get_NIP>(u"NIP", 6),
        tlx::DispGet<&IPracownik::get_PitMiesiace>(u"PitMiesiace", 7),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPracPitMies*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPracPitMies::get_ID>(u"ID", 1),
        tlx::DispGet<&IPracPitMies::get_Rok>(u"Rok", 2),
        tlx::DispGet<&IPracPitMies::get_Miesiac>(u"Miesiac", 3),
        tlx::DispGet<&IPracPitMies::get_wartosc>(u"wartosc", 4),
        tlx::DispPut<&IPracPitMies::put_wartosc>(u"wartosc", 4),
    };
    return table;
}
