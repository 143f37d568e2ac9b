// The payment of a document (hostapi/Accounting.h): a due date, the document it pays and its items, kept
// in memory.
#pragma once

#include "hostapi/AccountingDispatch.h"
#include "hostapi/SessionDispatch.h"
#include "hostapi/Framework.h"

namespace tlx::host {

class CPlatnosc final : public ComObject<CPlatnosc, Dispatch<IPlatnosc>, IInitializeSession> {
public:
    HRESULT get_Termin(DATE* due) override;
    HRESULT put_Termin(DATE due) override;
    HRESULT get_Dokument(IDispatch** document) override;
    HRESULT putref_Dokument(IDispatch* document) override;
    HRESULT get_Pozycje(ICollection** items) override;
    HRESULT Initialize(ISession* session, LONG* state) override;

private:
    ComPtr<ISession> session_;
    DATE due_ = 0;
    ComPtr<ISessionReference> document_;  // through the session: the document keeps this payment
    ComPtr<ICollection> items_;
};

}  // namespace tlx::host
