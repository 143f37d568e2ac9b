// The host's business subjects the declarations read: the tax office, the subject (company, employee,
// contractor) with its address, and the HR component that tells which edition of the host runs.
#pragma once

#include "platform/com/Variant.h"

// A tax office (TLX.Urzedy, prefix "Urz_"); the collection class answers one by "Urz_UrzID=n".
struct IUrzad : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{FE801DDF-15FC-4CD3-A3E2-F3B0A6D60B30}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Kod(BSTR* code) = 0;
    virtual HRESULT get_Nazwa1(BSTR* name) = 0;
    virtual HRESULT get_Nazwa2(BSTR* name) = 0;

protected:
    ~IUrzad() = default;
};
inline constexpr CLSID CLSID_CUrzad = tlx::MakeGuid(u"{CE0BC242-2A55-424B-BBE8-1FAE256D99D3}");

// The address of a business subject or a person (the Polish names are further dispatch names).
struct IPodAdres : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{2379ECD2-D2E5-4C04-8CA8-9EA8CF336A95}");
    using Base = IDispatch;
    virtual HRESULT get_Street(BSTR* value) = 0;
    virtual HRESULT get_HouseNumber(BSTR* value) = 0;
    virtual HRESULT get_FlatNumber(BSTR* value) = 0;
    virtual HRESULT get_Town(BSTR* value) = 0;
    virtual HRESULT get_PostalCode(BSTR* value) = 0;
    virtual HRESULT get_PostOffice(BSTR* value) = 0;
    virtual HRESULT get_Commune(BSTR* value) = 0;
    virtual HRESULT get_District(BSTR* value) = 0;
    virtual HRESULT get_Voivodeship(BSTR* value) = 0;
    virtual HRESULT get_Country(BSTR* value) = 0;

protected:
    ~IPodAdres() = default;
};

// A business subject, the party of a document: the company (CLSID_Firma) and each employee card answer
// it. Its first member is its address; the declarations read nothing else of it.
struct IPodmiot : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{B0F71425-2AED-42AE-AAA4-8BF3A47FD7DC}");
    using Base = IDispatch;
    virtual HRESULT get_Adres(IPodAdres** address) = 0;

protected:
    ~IPodmiot() = default;
};

// The company ("TLX.Firma"), created through the session: a subject whose address is the company's
// settings "FirmaUlica", "FirmaNrDomu", "FirmaNrLokalu", "FirmaMiejscowosc", "FirmaKodP", "FirmaPoczta",
// "FirmaGmina", "FirmaPowiat", "FirmaWojewodztwo" and "FirmaKraj" (hostapi/Configuration.h) as they
// stand when the address is asked for.
inline constexpr CLSID CLSID_Firma = tlx::MakeGuid(u"{5E0C7A14-93B2-4F0D-A6C1-2B8D4E7F9013}");
inline constexpr char16_t kProgIdFirma[] = u"TLX.Firma";

// The HR component ("TLX.ERPHR"): which edition of the host runs.
struct IHrComponent : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{2954A3D1-6112-4A36-9257-E5DCEDA8DA93}");
    using Base = IDispatch;
    // 0 the full product, 1 and 2 the HR editions.
    virtual HRESULT GetProductKind(LONG* kind) = 0;

protected:
    ~IHrComponent() = default;
};
inline constexpr CLSID CLSID_ErpHr = tlx::MakeGuid(u"{D7A7A7A4-EE2F-4042-8102-156173B13631}");
inline constexpr char16_t kProgIdErpHr[] = u"TLX.ERPHR";
