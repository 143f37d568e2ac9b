// Dispatch tables of the host's calendar interfaces: the names and DISPIDs under which scripts reach them
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

inline const tlx::DispatchTable& DispatchTableOf(ICalendar*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&ICalendar::SetRange, VT_DATE>(u"SetRange", 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(ICalendarRange*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&ICalendarRange::get_Od, VT_DATE>(u"Od", 1),
        tlx::DispGet<&ICalendarRange::get_Od, VT_DATE>(u"Start", 1),
        tlx::DispGet<&ICalendarRange::get_Do, VT_DATE>(u"Do", 2),
        tlx::DispGet<&ICalendarRange::get_Do, VT_DATE>(u"DataDo", 2),
        tlx::DispGet<&ICalendarRange::get_Do, VT_DATE>(u"End", 2),
        tlx::DispGet<&ICalendarRange::get_LiczbaDni>(u"LiczbaDni", 3),
        tlx::DispGet<&ICalendarRange::get_LiczbaDni>(u"DayCount", 3),
        tlx::DispMethod<&ICalendarRange::CzyDzienRoboczy, VT_DATE>(u"CzyDzienRoboczy", 4),
        tlx::DispGet<&ICalendarRange::get_Pusty>(u"Pusty", 5),
        tlx::DispGet<&ICalendarRange::get_Pusty>(u"IsEmpty", 5),
        tlx::DispGet<&ICalendarRange::get_IsNotEmpty>(u"IsNotEmpty", 6),
        tlx::DispMethod<&ICalendarRange::Iloczyn>(u"Iloczyn", 7),
        tlx::DispMethod<&ICalendarRange::Iloczyn>(u"Czesc", 7),
        tlx::DispMethod<&ICalendarRange::Iloczyn>(u"Intersect", 7),
        tlx::DispMethod<&ICalendarRange::Zawiera, VT_DATE>(u"Zawiera", 8),
        tlx::DispMethod<&ICalendarRange::Zawiera, VT_DATE>(u"Contains", 8),
        tlx::DispMethod<&ICalendarRange::Dni>(u"Dni", 9, 1),
        tlx::DispMethod<&ICalendarRange::Dni>(u"Days", 9, 1),
    };
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IDniKalendarza*) {
    static const tlx::DispatchTable table{
        tlx::DispGet<&IDniKalendarza::get_Pusty>(u"Pusty", 1),
        tlx::DispGet<&IDniKalendarza::get_Pusty>(u"IsEmpty", 1),
        tlx::DispGet<&IDniKalendarza::get_LiczbaDni>(u"LiczbaDni", 2),
        tlx::DispGet<&IDniKalendarza::get_LiczbaDni>(u"Liczba", 2),
        tlx::DispGet<&IDniKalendarza::get_LiczbaDni>(u"DayCount", 2),
        tlx::DispMethod<&IDniKalendarza::Minus>(u"Minus", 3),
        tlx::DispMethod<&IDniKalendarza::Minus>(u"Bez", 3),
        tlx::DispMethod<&IDniKalendarza::Minus>(u"Without", 3),
        tlx::DispMethod<&IDniKalendarza::Minus>(u"Subtract", 3),
        tlx::DispMethod<&IDniKalendarza::Iloczyn>(u"Iloczyn", 4),
        tlx::DispMethod<&IDniKalendarza::Iloczyn>(u"Czesc", 4),
        tlx::DispGet<&IDniKalendarza::get_Count>(u"Count", 5),
        tlx::DispMethod<&IDniKalendarza::Item>(u"Item", 6),
        tlx::DispMethod<&IDniKalendarza::Add>(u"Add", 7),
    };
    return table;
}
