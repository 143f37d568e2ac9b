// A currency (TLX.Waluty).
#pragma once

#include "hostapi/AccountingDispatch.h"
#include "host/objects/HostRecord.h"

namespace tlx::host {

inline constexpr HostTable kWaluty{u"Waluty", u"WNa_", u"WNa_WNaID", u"TLX.Waluta"};
inline constexpr CLSID CLSID_Waluta = tlx::MakeGuid(u"{092EB75B-ECB6-4C39-AC3A-4D9513C5FFBC}");

class CWalutaRecord final : public HostRecord<CWalutaRecord, IWaluta> {
public:
    static constexpr const HostTable& kTable = kWaluty;
    HRESULT get_ID(LONG* id) override { return HostRecord::get_ID(id); }
    HRESULT get_Symbol(BSTR* symbol) override { return GetString(u"Symbol", symbol); }
    HRESULT get_Nazwa(BSTR* name) override { return GetString(u"Nazwa", name); }
};

}  // namespace tlx::host
