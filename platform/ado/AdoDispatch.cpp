#include "platform/ado/AdoDispatch.h"

using tlx::DispGet;
using tlx::DispMethod;
using tlx::DispPut;
using tlx::DispPutRef;

const tlx::DispatchTable& DispatchTableOf(Field*) {
    static const tlx::DispatchTable table{
        DispGet<&Field::get_Value, VT_DATE>(u"Value", DISPID_VALUE),
        DispPut<&Field::put_Value, VT_DATE>(u"Value", DISPID_VALUE),
        DispGet<&Field::get_Name>(u"Name", 1),
        DispGet<&Field::get_Type>(u"Type", 2),
        DispGet<&Field::get_DefinedSize>(u"DefinedSize", 3),
        DispGet<&Field::get_UnderlyingValue, VT_DATE>(u"UnderlyingValue", 4),
    };
    return table;
}

const tlx::DispatchTable& DispatchTableOf(Fields*) {
    static const tlx::DispatchTable table{
        DispGet<&Fields::get_Item>(u"Item", DISPID_VALUE),
        DispGet<&Fields::get_Count>(u"Count", 1),
        DispMethod<&Fields::Append>(u"Append", 2, 2),
    };
    return table;
}

const tlx::DispatchTable& DispatchTableOf(Connection*) {
    static const tlx::DispatchTable table{
        DispGet<&Connection::get_ConnectionString>(u"ConnectionString", DISPID_VALUE),
        DispPut<&Connection::put_ConnectionString>(u"ConnectionString", DISPID_VALUE),
        DispGet<&Connection::get_State>(u"State", 1),
        DispMethod<&Connection::Open>(u"Open", 2, 0),
        DispMethod<&Connection::Close>(u"Close", 3),
        DispMethod<&Connection::Execute>(u"Execute", 4, 1),
        DispMethod<&Connection::BeginTrans>(u"BeginTrans", 5),
        DispMethod<&Connection::CommitTrans>(u"CommitTrans", 6),
        DispMethod<&Connection::RollbackTrans>(u"RollbackTrans", 7),
    };
    return table;
}

const tlx::DispatchTable& DispatchTableOf(Recordset*) {
    static const tlx::DispatchTable table{
        DispGet<&Recordset::get_Fields>(u"Fields", DISPID_VALUE),
        DispGet<&Recordset::get_BOF>(u"BOF", 1),
        DispGet<&Recordset::get_EOF>(u"EOF", 2),
        DispMethod<&Recordset::MoveFirst>(u"MoveFirst", 3),
        DispMethod<&Recordset::MoveLast>(u"MoveLast", 4),
        DispMethod<&Recordset::MoveNext>(u"MoveNext", 5),
        DispMethod<&Recordset::MovePrevious>(u"MovePrevious", 6),
        DispGet<&Recordset::get_RecordCount>(u"RecordCount", 7),
        DispGet<&Recordset::get_Bookmark>(u"Bookmark", 8),
        DispPut<&Recordset::put_Bookmark>(u"Bookmark", 8),
        DispGet<&Recordset::get_EditMode>(u"EditMode", 9),
        DispGet<&Recordset::get_Status>(u"Status", 10),
        DispGet<&Recordset::get_State>(u"State", 11),
        DispGet<&Recordset::get_Filter>(u"Filter", 12),
        DispPut<&Recordset::put_Filter>(u"Filter", 12),
        DispGet<&Recordset::get_Sort>(u"Sort", 13),
        DispPut<&Recordset::put_Sort>(u"Sort", 13),
        DispGet<&Recordset::get_CursorLocation>(u"CursorLocation", 14),
        DispPut<&Recordset::put_CursorLocation>(u"CursorLocation", 14),
        DispGet<&Recordset::get_LockType>(u"LockType", 15),
        DispPut<&Recordset::put_LockType>(u"LockType", 15),
        DispGet<&Recordset::get_ActiveConnection>(u"ActiveConnection", 16),
        DispPutRef<&Recordset::putref_ActiveConnection>(u"ActiveConnection", 16),
        DispMethod<&Recordset::Open>(u"Open", 17, 0),
        DispMethod<&Recordset::Close>(u"Close", 18),
        DispMethod<&Recordset::AddNew>(u"AddNew", 19, 0),
        DispMethod<&Recordset::Update>(u"Update", 20, 0),
        DispMethod<&Recordset::CancelUpdate>(u"CancelUpdate", 21),
        DispMethod<&Recordset::Delete>(u"Delete", 22, 0),
        DispMethod<&Recordset::UpdateBatch>(u"UpdateBatch", 23, 0),
        DispMethod<&Recordset::CancelBatch>(u"CancelBatch", 24, 0),
        DispMethod<&Recordset::Resync>(u"Resync", 25, 0),
    };
    return table;
}
