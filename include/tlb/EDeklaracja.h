// The e-declaration object: builds, validates, signs and sends the e-declaration of a saved declaration
// and fetches its official receipt (UPO).
#pragma once

#include "tlb/Common.h"

struct IEDeklaracja : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{38A640A4-7CBD-4F4C-AFE5-4C07DA60D6F4}");
    using Base = IDispatch;

    struct Dispid {
        static constexpr DISPID ZapiszXml = 0x271A;
        static constexpr DISPID DodajAtrybut = 0x271B;
        static constexpr DISPID WyslijDeklaracje = 0x271C;
        static constexpr DISPID PobierzUPO = 0x271D;
        static constexpr DISPID UsunCertyfikat = 0x271E;
        static constexpr DISPID WyslijDeklaracje_Unsigned = 0x2723;
        static constexpr DISPID SprawdzUstawieniaRegionalne = 0x2724;
        static constexpr DISPID KomunikatBledu = 0x2725;
        static constexpr DISPID Login = 0x3E9;
        static constexpr DISPID AdviseProgress = 0xA;
        static constexpr DISPID UnAdviseProgress = 0xB;
        static constexpr DISPID EPodpisana = 0x271F;
        static constexpr DISPID ETrybSeryjny = 0x2720;
        static constexpr DISPID EInfo = 0x2721;
        static constexpr DISPID EBlad = 0x2722;
    };

    virtual HRESULT ZapiszXml(IDeklaracja2* pDekl, BSTR _sTransformataXsl, BSTR _sFileSpec) = 0;
    virtual HRESULT DodajAtrybut(BSTR _sElement, BSTR _sWartosc) = 0;
    virtual HRESULT WyslijDeklaracje(IDeklaracja2* pDekl, BSTR _sTransformataXsl) = 0;
    virtual HRESULT PobierzUPO(IDeklaracja2* pDekl) = 0;
    virtual HRESULT UsunCertyfikat() = 0;
    virtual HRESULT WyslijDeklaracje_Unsigned(IDeklaracja2* pDekl, BSTR _sTransformataXsl, BSTR NIP, BSTR imie,
                                              BSTR nazwisko, BSTR PESEL, DATE dataUr, CY kwota) = 0;
    virtual HRESULT SprawdzUstawieniaRegionalne() = 0;
    virtual HRESULT KomunikatBledu(BSTR sSciezka, BSTR* sKomunikat) = 0;
    virtual HRESULT get_Login(IDispatch** login) = 0;  // ILogin
    virtual HRESULT put_Login(IDispatch* login) = 0;
    virtual HRESULT AdviseProgress(IUnknown* _Progress) = 0;
    virtual HRESULT UnAdviseProgress() = 0;
    virtual HRESULT get_EPodpisana(LONG* value) = 0;
    virtual HRESULT put_EPodpisana(LONG value) = 0;
    virtual HRESULT get_ETrybSeryjny(LONG* value) = 0;
    virtual HRESULT put_ETrybSeryjny(LONG value) = 0;
    virtual HRESULT get_EInfo(BSTR* value) = 0;
    virtual HRESULT get_EBlad(LONG* value) = 0;

protected:
    ~IEDeklaracja() = default;
};
