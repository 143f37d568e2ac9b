// The host's employees, as far as the declarations read them. The employee collection class serves one
// employee per row of TLX.Pracownicy (prefix "Pra_").
#pragma once

#include "platform/com/Variant.h"

struct ICollection;  // hostapi/Collections.h

// A taxpayer's monthly tax amounts (a row of TLX.PracPitMies, prefix "PPM_") with its named values (rows of
// TLX.PracPitKwoty). Names are a family prefix ("DZIAL1" to "DZIAL4", "NAJEM1", "NAJEM2", "STREFA1",
// "STREFA2") and a suffix: "_Z_BAZY" (text, "T": the amounts come from another company database), "_BAZA"
// (text, that database's name), "_PRZYCHOD" and "_KOSZTY" (currency). A value never written reads as
// VT_NULL; an unknown name fails with E_INVALIDARG. Written values are kept in the record and stored when
// the record's session saves.
struct IPracPitMies : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{8FD1E73A-1A94-4E1C-9A2B-5EAD46B08DD5}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Rok(LONG* year) = 0;
    virtual HRESULT get_Miesiac(LONG* month) = 0;
    virtual HRESULT get_wartosc(BSTR name, VARIANT* value) = 0;
    virtual HRESULT put_wartosc(BSTR name, VARIANT value) = 0;

protected:
    ~IPracPitMies() = default;
};

// An employee's (or a partner's) data.
struct IPracownikDane : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{724A75E9-F758-4B2C-92EF-16D7F8137ED6}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
    // The monthly tax amounts of the employee (IPracPitMies items), in year and month order; an item is
    // found by criteria such as "PPM_Rok=2024 AND PPM_Miesiac=3". The same collection on every call.
    virtual HRESULT get_PitMiesiace(ICollection** months) = 0;

protected:
    ~IPracownikDane() = default;
};

struct IPracownik : IPracownikDane {
    static constexpr IID kIid = tlx::MakeGuid(u"{8529A329-BADB-4BF2-B37F-FF8919F9E888}");
    using Base = IPracownikDane;
    virtual HRESULT get_Akronim(BSTR* code) = 0;
    virtual HRESULT get_Imie(BSTR* firstName) = 0;
    virtual HRESULT get_Nazwisko(BSTR* surname) = 0;
    virtual HRESULT get_PESEL(BSTR* pesel) = 0;
    virtual HRESULT get_NIP(BSTR* nip) = 0;

protected:
    ~IPracownik() = default;
};

// The employee collection class ("TLX.Pracownicy"); created with an identifier or "Pra_PraID=n" it
// answers that employee.
inline constexpr CLSID CLSID_Pracownicy = tlx::MakeGuid(u"{4A6611CE-C464-4F93-9197-144783CC16C6}");
inline constexpr char16_t kProgIdPracownicy[] = u"TLX.Pracownicy";
inline constexpr CLSID CLSID_PracPitMies = tlx::MakeGuid(u"{0883395E-2263-46BB-B9BB-18190F1B6C97}");
