// The business objects without a record: the scripts' data service and the read-only views of the
// company's and the program's configuration, and the transform helper the library only describes.
#pragma once

#include "tlb/Common.h"

// The calculation scripts' data service: settings, document numbers, the host's date and ledger amounts.
struct ISerwisDeklaracji : ISimpleObjectHead {
    static constexpr IID kIid = tlx::MakeGuid(u"{C2BA708F-89A1-4381-A28B-6DAA0723027D}");
    using Base = IDispatch;

    struct Dispid : SimpleObjectDispid {
        static constexpr DISPID Firma = 0x15C;
        static constexpr DISPID ModulPlace = 0x5E5;
        static constexpr DISPID Program = 0x5E6;
        static constexpr DISPID DefinicjaDokumentu = 0xFA;
        static constexpr DISPID FormaPlatnosci = 0xD2;
        static constexpr DISPID PolaczenieObce = 0x96E;
        static constexpr DISPID ConnectionString = 0x31F;
        static constexpr DISPID TypDeklaracji = 0x9AA;
        static constexpr DISPID WersjaDeklaracji = 0x9AB;
        static constexpr DISPID DeklaracjaKwartalna = 0x9AC;
        static constexpr DISPID Dzis = 0x5E1;
        static constexpr DISPID DochodPodatnika = 0x5E2;
        static constexpr DISPID NumerString = 0xF7;
        static constexpr DISPID NumerPelny = 0xF6;
        static constexpr DISPID DaneCIT2 = 0x5E4;
        static constexpr DISPID PobierzKwoty = 0x96B;
        static constexpr DISPID PobierzKwotyEx = 0x96D;
    };

    virtual HRESULT get_Firma(IFirmaCfgRO** company) = 0;
    virtual HRESULT get_ModulPlace(LONG* inUse) = 0;
    virtual HRESULT get_Program(IProgramCfgRO** program) = 0;
    virtual HRESULT get_DefinicjaDokumentu(IDispatch** definition) = 0;  // IDefinicjaDokumentu
    virtual HRESULT get_FormaPlatnosci(IDispatch** method) = 0;          // IFormaPlatnosci
    virtual HRESULT get_PolaczenieObce(LONG* value) = 0;
    virtual HRESULT put_PolaczenieObce(LONG value) = 0;
    virtual HRESULT get_ConnectionString(BSTR* value) = 0;
    virtual HRESULT put_ConnectionString(BSTR value) = 0;
    virtual HRESULT get_TypDeklaracji(LONG* value) = 0;  // TypDeklarEnum
    virtual HRESULT put_TypDeklaracji(LONG value) = 0;
    virtual HRESULT get_WersjaDeklaracji(LONG* value) = 0;
    virtual HRESULT put_WersjaDeklaracji(LONG value) = 0;
    virtual HRESULT get_DeklaracjaKwartalna(LONG* value) = 0;
    virtual HRESULT put_DeklaracjaKwartalna(LONG value) = 0;
    virtual HRESULT Dzis(LONG* today) = 0;
    // The results of the ledger queries are ADO _Recordset objects.
    virtual HRESULT DochodPodatnika(LONG _Rok, LONG _Miesiac, LONG _Bufor, IDispatch** rows) = 0;
    virtual HRESULT NumerString(BSTR _sRejestr, LONG _Miesiac, LONG _Rok, BSTR* number) = 0;
    virtual HRESULT NumerPelny(BSTR _sRejestr, LONG _Numer, LONG _Miesiac, LONG _Rok, BSTR* number) = 0;
    virtual HRESULT DaneCIT2(LONG _Rok, LONG _Miesiac, LONG _Bufor, IDispatch** rows) = 0;
    virtual HRESULT PobierzKwoty(LONG _Rok, LONG _mc, LONG _Bufor, LONG _wspolnikID) = 0;
    virtual HRESULT PobierzKwotyEx(LONG _Rok, LONG _mc, LONG _Bufor, LONG _wspolnikID, IDispatch** rows) = 0;

protected:
    ~ISerwisDeklaracji() = default;
};

// A read-only view of the company's data in the host's configuration.
struct IFirmaCfgRO : ISimpleObjectHead {
    static constexpr IID kIid = tlx::MakeGuid(u"{61340D15-30C0-471B-AB28-8AE727095342}");
    using Base = IDispatch;

    struct Dispid : SimpleObjectDispid {
        static constexpr DISPID NIP = 0xC2;
        static constexpr DISPID RodzajPlatnika = 0x5E7;
        static constexpr DISPID Nazwa = 0xAB;
        static constexpr DISPID Kraj = 0x7A;
        static constexpr DISPID Wojewodztwo = 0x7F;
        static constexpr DISPID Powiat = 0x7D;
        static constexpr DISPID Gmina = 0x7E;
        static constexpr DISPID Ulica = 0x7B;
        static constexpr DISPID Nr_domu = 0x5E8;
        static constexpr DISPID Nr_Lokalu = 0x5E9;
        static constexpr DISPID Miasto = 0x7C;
        static constexpr DISPID KodPocztowy = 0x79;
        static constexpr DISPID Poczta = 0x83;
        static constexpr DISPID ImieP = 0x5EA;
        static constexpr DISPID NazwiskoP = 0x5EB;
        static constexpr DISPID UrzadSkarbowy = 0x5EC;
        static constexpr DISPID TypDzialalnosciPodstawowej = 0x5ED;
        static constexpr DISPID GeneracjaKorekcyjnaVAT7 = 0x5EE;
        static constexpr DISPID RejestrDlaGeneracjiKorekcyjnej = 0x5EF;
        static constexpr DISPID UrzadSkarbowyPIT8A = 0x976;
        static constexpr DISPID RodzajKsiegowosci = 0xC3;
        static constexpr DISPID TypDokumentuDlaDeklaracji = 0xC4;
        static constexpr DISPID FormaPlatnosciDlaDeklaracji = 0xC5;
        static constexpr DISPID ImiePCIT8 = 0xC6;
        static constexpr DISPID NazwiskoPCIT8 = 0xC7;
    };

    virtual HRESULT get_NIP(BSTR* value) = 0;
    virtual HRESULT get_RodzajPlatnika(BSTR* value) = 0;
    virtual HRESULT get_Nazwa(BSTR* value) = 0;
    virtual HRESULT get_Kraj(BSTR* value) = 0;
    virtual HRESULT get_Wojewodztwo(BSTR* value) = 0;
    virtual HRESULT get_Powiat(BSTR* value) = 0;
    virtual HRESULT get_Gmina(BSTR* value) = 0;
    virtual HRESULT get_Ulica(BSTR* value) = 0;
    virtual HRESULT get_Nr_domu(BSTR* value) = 0;
    virtual HRESULT get_Nr_Lokalu(BSTR* value) = 0;
    virtual HRESULT get_Miasto(BSTR* value) = 0;
    virtual HRESULT get_KodPocztowy(BSTR* value) = 0;
    virtual HRESULT get_Poczta(BSTR* value) = 0;
    virtual HRESULT get_ImieP(BSTR* value) = 0;
    virtual HRESULT get_NazwiskoP(BSTR* value) = 0;
    virtual HRESULT get_UrzadSkarbowy(IDispatch** office) = 0;  // IUrzad
    virtual HRESULT get_TypDzialalnosciPodstawowej(BSTR* value) = 0;
    virtual HRESULT get_GeneracjaKorekcyjnaVAT7(LONG* value) = 0;
    virtual HRESULT get_RejestrDlaGeneracjiKorekcyjnej(BSTR* value) = 0;
    virtual HRESULT get_UrzadSkarbowyPIT8A(IDispatch** office) = 0;  // IUrzad
    virtual HRESULT get_RodzajKsiegowosci(LONG* value) = 0;
    virtual HRESULT get_TypDokumentuDlaDeklaracji(LONG* value) = 0;
    virtual HRESULT get_FormaPlatnosciDlaDeklaracji(LONG* value) = 0;
    virtual HRESULT get_ImiePCIT8(BSTR* value) = 0;
    virtual HRESULT get_NazwiskoPCIT8(BSTR* value) = 0;

protected:
    ~IFirmaCfgRO() = default;
};

// A read-only view of the accounting program's settings that the VAT-7 and PIT-5 scripts use.
struct IProgramCfgRO : ISimpleObjectHead {
    static constexpr IID kIid = tlx::MakeGuid(u"{E21867D6-2A2C-49F7-BCEB-4B4F82D0781B}");
    using Base = IDispatch;

    struct Dispid : SimpleObjectDispid {
        static constexpr DISPID WylZak0_VAT7 = 0x5F0;
        static constexpr DISPID Grosze_VAT7 = 0x5F1;
        static constexpr DISPID ZaokPodst_VAT7 = 0x5F2;
        static constexpr DISPID ZaokPodatek_VAT7 = 0x5F3;
        static constexpr DISPID ZaokPodst_PIT5 = 0x5F4;
        static constexpr DISPID ZaokPodatek_PIT5 = 0x5F5;
        static constexpr DISPID StawkaRyczaltowa1 = 0x5F6;
        static constexpr DISPID StawkaRyczaltowa2 = 0x5F7;
        static constexpr DISPID StawkaRyczaltowa3 = 0x5F8;
        static constexpr DISPID Vat7_WliczacNP = 0x5F9;
    };

    virtual HRESULT get_WylZak0_VAT7(LONG* value) = 0;
    virtual HRESULT get_Grosze_VAT7(LONG* value) = 0;
    virtual HRESULT get_ZaokPodst_VAT7(CY* value) = 0;
    virtual HRESULT get_ZaokPodatek_VAT7(CY* value) = 0;
    virtual HRESULT get_ZaokPodst_PIT5(CY* value) = 0;
    virtual HRESULT get_ZaokPodatek_PIT5(CY* value) = 0;
    virtual HRESULT get_StawkaRyczaltowa1(CY* value) = 0;
    virtual HRESULT get_StawkaRyczaltowa2(CY* value) = 0;
    virtual HRESULT get_StawkaRyczaltowa3(CY* value) = 0;
    virtual HRESULT get_Vat7_WliczacNP(LONG* value) = 0;

protected:
    ~IProgramCfgRO() = default;
};

// Described by the type library for the host; the library implements no class behind it.
struct ITransformHelper : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{38475D13-D5AD-47FE-A36B-0BB0A99C9B66}");
    using Base = IDispatch;

protected:
    ~ITransformHelper() = default;
};
