#include "platform/ado/Ado.h"
#include "platform/ado/AdoConnection.h"
#include "platform/ado/AdoRecordset.h"
#include "platform/com/ClassRegistry.h"

namespace tlx::ado {

HRESULT RegisterAdoClasses() {
    // Registered by the first caller; later calls only read the outcome.
    static const HRESULT result = [] {
        ComPtr<IClassFactory> connection, recordset;
        DWORD cookie = 0;
        HRESULT hr = ClassFactory<CConnection>::Get(IID_IClassFactory, connection.OutVoid());
        if (SUCCEEDED(hr)) hr = ClassFactory<CRecordset>::Get(IID_IClassFactory, recordset.OutVoid());
        if (SUCCEEDED(hr)) hr = RegisterProcessClass(CLSID_Connection, u"ADODB.Connection", connection.Get(), &cookie);
        if (SUCCEEDED(hr)) hr = RegisterProcessClass(CLSID_Recordset, u"ADODB.Recordset", recordset.Get(), &cookie);
        return hr;
    }();
    return result;
}

}  // namespace tlx::ado
