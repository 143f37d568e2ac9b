#include <mutex>

#include "platform/ado/Ado.h"
#include "platform/ado/AdoConnection.h"
#include "platform/ado/AdoRecordset.h"
#include "platform/com/ClassRegistry.h"

namespace tlx::ado {

HRESULT RegisterAdoClasses() {
    static std::once_flag once;
    static HRESULT result = S_OK;
    std::call_once(once, [] {
        ComPtr<IClassFactory> connection, recordset;
        DWORD cookie = 0;
        result = ClassFactory<CConnection>::Get(IID_IClassFactory, connection.OutVoid());
        if (SUCCEEDED(result)) result = ClassFactory<CRecordset>::Get(IID_IClassFactory, recordset.OutVoid());
        if (SUCCEEDED(result)) result = RegisterProcessClass(CLSID_Connection, u"ADODB.Connection", connection.Get(), &cookie);
        if (SUCCEEDED(result)) result = RegisterProcessClass(CLSID_Recordset, u"ADODB.Recordset", recordset.Get(), &cookie);
    });
    return result;
}

}  // namespace tlx::ado
