// A tax office (TLX.Urzedy).
#pragma once

#include "hostapi/SubjectsDispatch.h"
#include "host/objects/HostRecord.h"

namespace tlx::host {

inline constexpr HostTable kUrzedy{u"Urzedy", u"Urz_", u"Urz_UrzID", u"TLX.Urzad"};
inline constexpr CLSID CLSID_Urzad = tlx::MakeGuid(u"{6BDCE026-8E6C-46EC-9160-4269A1EAF388}");

class CUrzadRecord final : public HostRecord<CUrzadRecord, IUrzad> {
public:
    static constexpr const HostTable& kTable = kUrzedy;
    HRESULT get_ID(LONG* id) override { return HostRecord::get_ID(id); }
    HRESULT get_Kod(BSTR* code) override { return GetString(u"Kod", code); }
    HRESULT get_Nazwa1(BSTR* name) override { return GetString(u"Nazwa1", name); }
    HRESULT get_Nazwa2(BSTR* name) override { return GetString(u"Nazwa2", name); }
};

}  // namespace tlx::host
