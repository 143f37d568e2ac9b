// Dispatch tables of the host's collection interfaces: the names and DISPIDs under which scripts reach them
// (see platform/com/Dispatch.h).
// ICollection's Item is the default member (DISPID 0), so a script may write coll(0) for coll.Item(0);
// _NewEnum is DISPID_NEWENUM for the scripts' Enumerator.
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

// Both collection interfaces list the ICollection members first, under the same DISPIDs.
#define TLX_COLLECTION_MEMBERS(I)                                                  \
    tlx::DispGet<&I::get__NewEnum>(u"_NewEnum", DISPID_NEWENUM),                   \
        tlx::DispMethod<&I::Item>(u"Item", DISPID_VALUE, 0),                       \
        tlx::DispGet<&I::get_Count>(u"Count", 1), tlx::DispMethod<&I::AddNew>(u"AddNew", 2, 0), \
        tlx::DispMethod<&I::Delete>(u"Delete", 3), tlx::DispMethod<&I::Delete>(u"Remove", 4), \
        tlx::DispMethod<&I::Resync>(u"Resync", 5, 0)

inline const tlx::DispatchTable& DispatchTableOf(ICollection*) {
    static const tlx::DispatchTable table{TLX_COLLECTION_MEMBERS(ICollection)};
    return table;
}

inline const tlx::DispatchTable& DispatchTableOf(IAdoCollection*) {
    static const tlx::DispatchTable table{
        TLX_COLLECTION_MEMBERS(IAdoCollection),
        tlx::DispPutRef<&IAdoCollection::putref_Collection>(u"Collection", 6),
        tlx::DispGet<&IAdoCollection::get_ParentObject>(u"ParentObject", 7),
        tlx::DispGet<&IAdoCollection::get_IdColumn>(u"IdColumn", 8),
        tlx::DispGet<&IAdoCollection::get_Recordset>(u"Recordset", 9),
        tlx::DispMethod<&IAdoCollection::CloneFromRecordset>(u"CloneFromRecordset", 10),
        tlx::DispGet<&IAdoCollection::get_Filter>(u"Filter", 11),
        tlx::DispPut<&IAdoCollection::put_Filter>(u"Filter", 11),
        tlx::DispGet<&IAdoCollection::get_Sort>(u"Sort", 12),
        tlx::DispPut<&IAdoCollection::put_Sort>(u"Sort", 12),
    };
    return table;
}

#undef TLX_COLLECTION_MEMBERS

inline const tlx::DispatchTable& DispatchTableOf(IHostEnumerator*) {
    static const tlx::DispatchTable table{
        tlx::DispMethod<&IHostEnumerator::Initialize>(u"Initialize", 1),
        tlx::DispMethod<&IHostEnumerator::IsEnd>(u"IsEnd", 2),
        tlx::DispGet<&IHostEnumerator::get_Current>(u"Current", 3),
        tlx::DispMethod<&IHostEnumerator::MoveNext>(u"MoveNext", 4),
    };
    return table;
}
