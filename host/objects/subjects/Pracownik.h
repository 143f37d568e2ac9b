// An employee (TLX.PracKod): the card's code, the name and identifiers of its latest employment record
// (TLX.PracEtaty), where the company database keeps them, and its monthly tax amounts (TLX.PracPitMies).
#pragma once

#include "hostapi/EmployeesDispatch.h"
#include "host/objects/HostRecord.h"

namespace tlx::host {

inline constexpr HostTable kPracownicy{u"PracKod", u"Pra_", u"Pra_PraId", u"TLX.Pracownik"};
inline constexpr CLSID CLSID_Pracownik = tlx::MakeGuid(u"{56EC303F-CA84-4E48-87B4-5D9E8962D898}");

class CPracownikRecord final : public HostRecord<CPracownikRecord, IPracownik> {
public:
    static constexpr const HostTable& kTable = kPracownicy;
    HRESULT get_ID(LONG* id) override { return HostRecord::get_ID(id); }
    HRESULT get_Akronim(BSTR* code) override { return GetString(u"Kod", code); }
    HRESULT get_Imie(BSTR* firstName) override { return GetLatest(u"PRE_Imie1", firstName); }
    HRESULT get_Nazwisko(BSTR* surname) override { return GetLatest(u"PRE_Nazwisko", surname); }
    HRESULT get_PESEL(BSTR* pesel) override { return GetLatest(u"PRE_Pesel", pesel); }
    HRESULT get_NIP(BSTR* nip) override { return GetLatest(u"PRE_NIP", nip); }
    HRESULT get_PitMiesiace(ICollection** months) override;

private:
    HRESULT GetLatest(std::u16string_view column, BSTR* out);

    ComPtr<ICollection> pitMiesiace_;
};

}  // namespace tlx::host
