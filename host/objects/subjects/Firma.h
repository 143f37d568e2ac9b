// The company as a business subject (IPodmiot, "TLX.Firma"): the party of the declarations the company
// files itself. Its address is read from the configuration of the session it was initialised with.
#pragma once

#include "hostapi/SessionDispatch.h"
#include "hostapi/SubjectsDispatch.h"
#include "hostapi/Framework.h"

namespace tlx::host {

class CFirma final : public ComObject<CFirma, Dispatch<IPodmiot>, IInitializeSession> {
public:
    HRESULT get_Adres(IPodAdres** address) override;
    HRESULT Initialize(ISession* session, LONG* state) override;

private:
    ComPtr<ISession> session_;
};

}  // namespace tlx::host
