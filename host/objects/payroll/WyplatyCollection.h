// The session class of payouts: Item by a payout's identifier (number or decimal text) answers that
// payout, read alone with its own elements in one read of the file, and its links when asked (the
// employee read through the session's employee class).
// It reads no table as a whole: Count counts the rows, and the collection offers no enumerator.
#pragma once

#include "host/session/HostSession.h"
#include "hostapi/CollectionsDispatch.h"
#include "hostapi/Framework.h"

namespace tlx::host {

class CWyplatyCollection final
    : public ComObject<CWyplatyCollection, Dispatch<ICollection>, IInitializeSession, ISessionHolder> {
public:
    HRESULT get__NewEnum(IUnknown** enumerator) override;
    HRESULT Item(VARIANT key, IDispatch** item) override;
    HRESULT get_Count(LONG* count) override;
    HRESULT AddNew(VARIANT pattern, IDispatch** item) override;
    HRESULT Delete(VARIANT item) override;
    HRESULT Resync(VARIANT options) override;
    HRESULT Initialize(ISession* session, LONG* state) override;
    ULONG HoldsOnSession() override { return session_ ? 1 : 0; }

private:
    ComPtr<ISession> session_;
};

}  // namespace tlx::host
