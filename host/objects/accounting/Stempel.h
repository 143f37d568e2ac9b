// The audit stamp of a record (hostapi/Accounting.h): bound to its record's recordset and prefix, it
// writes who created and changed the row, and when, as the record is saved in mode 7.
#pragma once

#include <string>

#include "hostapi/AccountingDispatch.h"
#include "hostapi/LoginDispatch.h"
#include "hostapi/SessionDispatch.h"
#include "hostapi/Framework.h"

namespace tlx::host {

class CStempel final
    : public ComObject<CStempel, Dispatch<IStempel>, IInitializeSession, IInitializeRS, IInitializeParent, ISaveable> {
public:
    HRESULT get_OpeZalID(LONG* id) override;
    HRESULT get_TS_Zal(DATE* when) override;
    HRESULT get_OpeModID(LONG* id) override;
    HRESULT get_TS_Mod(DATE* when) override;

    HRESULT Initialize(ISession* session, LONG* state) override;
    HRESULT BindRecordset(Recordset* recordset, LONG mode, BSTR prefix) override;
    HRESULT GetRecordset(Recordset** recordset) override;
    HRESULT InitializeParent(IDispatch* parent) override;
    HRESULT get_ROSaveMode(LONG* mode) override;
    HRESULT put_ROSaveMode(LONG mode) override;
    HRESULT Save(LONG mode) override;

private:
    HRESULT ReadNumber(const char16_t* column, LONG* out);
    HRESULT ReadDate(const char16_t* column, DATE* out);
    void Stamp();

    ComPtr<ILogin> login_;
    ComPtr<Recordset> recordset_;
    std::u16string prefix_;
    LONG roSaveMode_ = 0;
};

// The current moment as an OLE date (local time).
DATE HostNow();

}  // namespace tlx::host
