// A payment form (TLX.FormyPlatnosci).
#pragma once

#include "hostapi/AccountingDispatch.h"
#include "host/objects/HostRecord.h"

namespace tlx::host {

inline constexpr HostTable kFormyPlatnosci{u"FormyPlatnosci", u"FPl_", u"FPl_FPlID", u"TLX.FormaPlatnosci"};
inline constexpr CLSID CLSID_FormaPlatnosci = tlx::MakeGuid(u"{80FE7EE4-7ABE-4DE7-8D2E-2B68A428E01A}");

class CFormaPlatnosciRecord final : public HostRecord<CFormaPlatnosciRecord, IFormaPlatnosci> {
public:
    static constexpr const HostTable& kTable = kFormyPlatnosci;
    HRESULT get_ID(LONG* id) override { return HostRecord::get_ID(id); }
    HRESULT get_Nazwa(BSTR* name) override { return GetString(u"Nazwa", name); }
    HRESULT get_Termin(LONG* days) override { return GetNumber(u"Termin", days); }
    HRESULT get_Zablokowana(VARIANT_BOOL* blocked) override {
        return Boundary([&] { *Require(blocked) = ReadNumber(u"Zablokowana") ? VARIANT_TRUE : VARIANT_FALSE; });
    }
};

}  // namespace tlx::host
