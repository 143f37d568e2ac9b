// Dispatch tables of the host's subject interfaces: the names and DISPIDs under which scripts reach them
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

inline const tlx::DispatchTable& DispatchTableOf(IUrzad*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IUrzad::get_ID>(u"ID", 1),
        tlx::DispGet<&IUrzad::get_Kod>(u"Kod", 2),
        tlx::DispGet<&IUrzad::get_Nazwa1>(u"Nazwa1", 3),
        tlx::DispGet<&IUrzad::get_Nazwa2>(u"Nazwa2", 4),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPodAdres*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPodAdres::get_Street>(u"Street", 1),
        tlx::DispGet<&IPodAdres::get_Street>(u"Ulica", 1),
        tlx::DispGet<&IPodAdres::get_HouseNumber>(u"HouseNumber", 2),
        tlx::DispGet<&IPodAdres::get_HouseNumber>(u"NrDomu", 2),
        tlx::DispGet<&IPodAdres::get_FlatNumber>(u"FlatNumber", 3),
        tlx::DispGet<&IPodAdres::get_FlatNumber>(u"NrLokalu", 3),
        tlx::DispGet<&IPodAdres::get_Town>(u"Town", 4),
        tlx::DispGet<&IPodAdres::get_Town>(u"Miasto", 4),
        tlx::DispGet<&IPodAdres::get_PostalCode>(u"PostalCode", 5),
        tlx::DispGet<&IPodAdres::get_PostalCode>(u"KodPocztowy", 5),
        tlx::DispGet<&IPodAdres::get_PostOffice>(u"PostOffice", 6),
        tlx::DispGet<&IPodAdres::get_PostOffice>(u"Poczta", 6),
        tlx::DispGet<&IPodAdres::get_Commune>(u"Commune", 7),
        tlx::DispGet<&IPodAdres::get_Commune>(u"Gmina", 7),
        tlx::DispGet<&IPodAdres::get_District>(u"District", 8),
        tlx::DispGet<&IPodAdres::get_District>(u"Powiat", 8),
        tlx::DispGet<&IPodAdres::get_Voivodeship>(u"Voivodeship", 9),
        tlx::DispGet<&IPodAdres::get_Voivodeship>(u"Wojewodztwo", 9),
        tlx::DispGet<&IPodAdres::get_Country>(u"Country", 10),
        tlx::DispGet<&IPodAdres::get_Country>(u"Kraj", 10),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IPodmiot*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IPodmiot::get_Adres>(u"Adres", 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IHrComponent*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IHrComponent::GetProductKind>(u"GetProductKind", 1),
    };
    return table;
}
