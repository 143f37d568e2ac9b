// The host's employees (their payroll model is in hostapi/Payroll.h) and their monthly tax amounts. The
// employee collection class serves one employee per row of TLX.PracKod (prefix "Pra_").
#pragma once

#include "hostapi/Payroll.h"
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

// The employee collection class ("TLX.Pracownicy"); created with an identifier or "Pra_PraID=n" it
// answers that employee.
inline constexpr CLSID CLSID_Pracownicy = tlx::MakeGuid(u"{4A6611CE-C464-4F93-9197-144783CC16C6}");
inline constexpr char16_t kProgIdPracownicy[] = u"TLX.Pracownicy";
inline constexpr CLSID CLSID_PracPitMies = tlx::MakeGuid(u"{0883395E-2263-46BB-B9BB-18190F1B6C97}");
