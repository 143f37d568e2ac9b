// The host's process-wide application object (CApplication): the current login, the session of an
// object, the texts of host error codes and the copy of a record.
#pragma once

#include "hostapi/LoginDispatch.h"
#include "hostapi/SessionDispatch.h"

namespace tlx::host {

class CApplication final : public ComObject<CApplication, Dispatch<IApplication>> {
public:
    HRESULT GetObjectSession(IDispatch* object, ISession2** session) override;
    HRESULT GetLogin(ILogin** login) override;
    HRESULT GetErrorText(LONG code, BSTR defaultText, BSTR* text) override;
    HRESULT CopyRecord(Recordset* source, Recordset* target) override;

    // Scripts write error codes as unsigned numbers (0x80050458 is 2147812440 to them): such a code is
    // taken as the 32-bit HRESULT it spells.
    HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argError) override;
};

// Whether a column is a table's identity column, named after its prefix ("DkE_DkEID" of prefix "DkE").
bool IsIdentityColumnName(std::u16string_view name);

}  // namespace tlx::host
