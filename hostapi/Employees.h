// The host's employees, as far as the declarations read them. The employee collection class serves one
// employee per row of TLX.Pracownicy (prefix "Pra_").
#pragma once

#include "platform/com/Variant.h"

struct IPracownik : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{EA9AC062-4DE1-4346-AADF-8F93526FC983}");
    using Base = IDispatch;
    virtual HRESULT get_ID(LONG* id) = 0;
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
