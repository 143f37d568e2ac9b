// The host's record classes over its reference tables, each served by a CHostTableCollection of its
// table (the collection classes are the CLSIDs of hostapi/HostObjects.h and hostapi/Employees.h).
#pragma once

#include "host/objects/HostRecord.h"

namespace tlx::host {

inline constexpr HostTable kUrzedy{u"Urzedy", u"Urz_", u"Urz_UrzID", u"TLX.Urzad"};
inline constexpr HostTable kWaluty{u"Waluty", u"WNa_", u"WNa_WNaID", u"TLX.Waluta"};
inline constexpr HostTable kFormyPlatnosci{u"FormyPlatnosci", u"FPl_", u"FPl_FPlID", u"TLX.FormaPlatnosci"};
inline constexpr HostTable kDokDefinicje{u"DokDefinicje", u"DDf_", u"DDf_DDfID", u"TLX.DefinicjaDokumentu"};
inline constexpr HostTable kPracownicy{u"PracKod", u"Pra_", u"Pra_PraId", u"TLX.Pracownik"};

inline constexpr CLSID CLSID_Urzad = tlx::MakeGuid(u"{6BDCE026-8E6C-46EC-9160-4269A1EAF388}");
inline constexpr CLSID CLSID_Waluta = tlx::MakeGuid(u"{092EB75B-ECB6-4C39-AC3A-4D9513C5FFBC}");
inline constexpr CLSID CLSID_FormaPlatnosci = tlx::MakeGuid(u"{80FE7EE4-7ABE-4DE7-8D2E-2B68A428E01A}");
inline constexpr CLSID CLSID_DefinicjaDokumentu = tlx::MakeGuid(u"{72C43F6B-BA14-44C1-9863-7604864AFB9C}");
inline constexpr CLSID CLSID_Pracownik = tlx::MakeGuid(u"{56EC303F-CA84-4E48-87B4-5D9E8962D898}");

// A tax office (TLX.Urzedy).
class CUrzadRecord final : public HostRecord<CUrzadRecord, IUrzad> {
public:
    static constexpr const HostTable& kTable = kUrzedy;
    HRESULT get_ID(LONG* id) override { return HostRecord::get_ID(id); }
    HRESULT get_Kod(BSTR* code) override { return GetString(u"Kod", code); }
    HRESULT get_Nazwa1(BSTR* name) override { return GetString(u"Nazwa1", name); }
    HRESULT get_Nazwa2(BSTR* name) override { return GetString(u"Nazwa2", name); }
};

// A currency (TLX.Waluty).
class CWalutaRecord final : public HostRecord<CWalutaRecord, IWaluta> {
public:
    static constexpr const HostTable& kTable = kWaluty;
    HRESULT get_ID(LONG* id) override { return HostRecord::get_ID(id); }
    HRESULT get_Symbol(BSTR* symbol) override { return GetString(u"Symbol", symbol); }
    HRESULT get_Nazwa(BSTR* name) override { return GetString(u"Nazwa", name); }
};

// A payment form (TLX.FormyPlatnosci).
class CFormaPlatnosciRecord final : public HostRecord<CFormaPlatnosciRecord, IFormaPlatnosci> {
public:
    static constexpr const HostTable& kTable = kFormyPlatnosci;
    HRESULT get_ID(LONG* id) override { return HostRecord::get_ID(id); }
    HRESULT get_Nazwa(BSTR* name) override { return GetString(u"Nazwa", name); }
    HRESULT get_Termin(LONG* days) override { return GetNumber(u"Termin", days); }
};

// A document definition (TLX.DokDefinicje).
class CDefinicjaDokumentuRecord final : public HostRecord<CDefinicjaDokumentuRecord, IDefinicjaDokumentu> {
public:
    static constexpr const HostTable& kTable = kDokDefinicje;
    HRESULT get_ID(LONG* id) override { return HostRecord::get_ID(id); }
    HRESULT get_Klasa(LONG* documentClass) override { return GetNumber(u"Klasa", documentClass); }
    HRESULT get_Symbol(BSTR* symbol) override { return GetString(u"Symbol", symbol); }
    HRESULT get_Nazwa(BSTR* name) override { return GetString(u"Nazwa", name); }
    HRESULT get_Numeracja(BSTR* pattern) override { return GetString(u"Numeracja", pattern); }
};

// An employee (TLX.PracKod): the card's code, and the name and identifiers of its latest employment
// record (TLX.PracEtaty), where the company database keeps them.
class CPracownikRecord final : public HostRecord<CPracownikRecord, IPracownik> {
public:
    static constexpr const HostTable& kTable = kPracownicy;
    HRESULT get_ID(LONG* id) override { return HostRecord::get_ID(id); }
    HRESULT get_Akronim(BSTR* code) override { return GetString(u"Kod", code); }
    HRESULT get_Imie(BSTR* firstName) override { return GetLatest(u"PRE_Imie1", firstName); }
    HRESULT get_Nazwisko(BSTR* surname) override { return GetLatest(u"PRE_Nazwisko", surname); }
    HRESULT get_PESEL(BSTR* pesel) override { return GetLatest(u"PRE_Pesel", pesel); }
    HRESULT get_NIP(BSTR* nip) override { return GetLatest(u"PRE_NIP", nip); }

private:
    HRESULT GetLatest(std::u16string_view column, BSTR* out);
};

}  // namespace tlx::host
