// A document definition (TLX.DokDefinicje).
#pragma once

#include "hostapi/AccountingDispatch.h"
#include "host/objects/HostRecord.h"

namespace tlx::host {

inline constexpr HostTable kDokDefinicje{u"DokDefinicje", u"DDf_", u"DDf_DDfID", u"TLX.DefinicjaDokumentu"};
inline constexpr CLSID CLSID_DefinicjaDokumentu = tlx::MakeGuid(u"{72C43F6B-BA14-44C1-9863-7604864AFB9C}");

class CDefinicjaDokumentuRecord final : public HostRecord<CDefinicjaDokumentuRecord, IDefinicjaDokumentu> {
public:
    static constexpr const HostTable& kTable = kDokDefinicje;
    HRESULT get_ID(LONG* id) override { return HostRecord::get_ID(id); }
    HRESULT get_Klasa(LONG* documentClass) override { return GetNumber(u"Klasa", documentClass); }
    HRESULT get_Symbol(BSTR* symbol) override { return GetString(u"Symbol", symbol); }
    HRESULT get_Nazwa(BSTR* name) override { return GetString(u"Nazwa", name); }
    HRESULT get_Numeracja(BSTR* pattern) override { return GetString(u"Numeracja", pattern); }
};

}  // namespace tlx::host
