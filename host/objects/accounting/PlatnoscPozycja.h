// One item of a document's payment (hostapi/Accounting.h), kept in memory with its payment.
#pragma once

#include "hostapi/AccountingDispatch.h"

namespace tlx::host {

class CPlatnoscPozycja final : public ComObject<CPlatnoscPozycja, Dispatch<IPlatnoscPozycja>> {
public:
    HRESULT get_FormaPlatnosci(IDispatch** method) override;
    HRESULT putref_FormaPlatnosci(IDispatch* method) override;

private:
    ComPtr<IDispatch> method_;
};

}  // namespace tlx::host
