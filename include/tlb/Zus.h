// The ZUS services: the DRA calculator with its KEDU export, the reports RCA, RNA, RZA and RSA, and the IWA
// and ZSWA calculators.
#pragma once

#include "tlb/Common.h"

// The DRA calculator and the KEDU export of single declarations.
struct IDRA : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{9CB85E2D-758D-4729-B946-1E0C39C21BC8}");
    using Base = IDispatch;

    struct Dispid {
        static constexpr DISPID Deklaracja = 0x2711;
        static constexpr DISPID Przelicz = 0x271A;
        static constexpr DISPID Wartosc = 0x2726;
        static constexpr DISPID ExportToXML = 0x2728;
        static constexpr DISPID ExportToXMLCIV = 0x2729;
        static constexpr DISPID NaglowekXML = 0x272A;
        static constexpr DISPID ToXML = 0x272B;
        static constexpr DISPID FormatEksportu = 0x272C;
        static constexpr DISPID RentowePlatnikaKesz = 0x2727;
        static constexpr DISPID RegisterPrac = 0x271B;
    };

    virtual HRESULT get_Deklaracja(IDeklaracja2** declaration) = 0;
    virtual HRESULT Przelicz(IDeklaracja2* pDekl) = 0;
    virtual HRESULT put_Wartosc(PoleDRAEnum iPole, CY amount) = 0;
    virtual HRESULT ExportToXML(LONG lDeklID, BSTR fileName) = 0;
    virtual HRESULT ExportToXMLCIV(LONG lDeklID, BSTR fileName, BSTR appPath) = 0;
    virtual HRESULT NaglowekXML(BSTR* header) = 0;
    virtual HRESULT ToXML(LONG lDeklID, BSTR* body) = 0;
    virtual HRESULT FormatEksportu(LONG lDeklID, FormatEksportuZUSEnum* format) = 0;
    virtual HRESULT get_RentowePlatnikaKesz(CY* amount) = 0;
    virtual HRESULT put_RentowePlatnikaKesz(CY amount) = 0;
    virtual HRESULT RegisterPrac(IDispatch* pIdent, DATE _Data, double _Wymiar) = 0;

protected:
    ~IDRA() = default;
};

// A report of a DRA (RCA, RNA, RZA, RSA), computed per insured person.
struct IDRAExt : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{A0B84B8F-3074-40C3-83EC-6A935BF64BF2}");
    using Base = IDispatch;

    struct Dispid {
        static constexpr DISPID DataWypelnienia = 0x2711;
        static constexpr DISPID Miesiac = 0x2712;
        static constexpr DISPID Rok = 0x2713;
        static constexpr DISPID IsEmpty = 0x2714;
        static constexpr DISPID Deklaracja = 0x2715;
        static constexpr DISPID DRA = 0x2716;
        static constexpr DISPID GenerujZeroweRCA = 0x2717;
        static constexpr DISPID Policz = 0x271A;
        static constexpr DISPID Finish = 0x271B;
    };

    virtual HRESULT get_DataWypelnienia(DATE* value) = 0;
    virtual HRESULT get_Miesiac(LONG* value) = 0;
    virtual HRESULT get_Rok(LONG* value) = 0;
    virtual HRESULT get_IsEmpty(LONG* value) = 0;
    virtual HRESULT get_Deklaracja(IDeklaracja2** declaration) = 0;
    virtual HRESULT get_DRA(IDRA** dra) = 0;
    virtual HRESULT put_DRA(IDRA* dra) = 0;
    virtual HRESULT get_GenerujZeroweRCA(LONG* value) = 0;
    virtual HRESULT put_GenerujZeroweRCA(LONG value) = 0;
    virtual HRESULT Policz(IDispatch* rPrc, LONG _iMaWyplaty, IDeklaracja** ppDeklaracja) = 0;  // rPrc: IPracownik
    virtual HRESULT Finish(LONG* bVal) = 0;

protected:
    ~IDRAExt() = default;
};

// The IWA calculator: the payer's yearly information for the accident-insurance rate.
struct IIWA : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{34C26AC0-72F1-4FFD-8F0D-796A4945B29A}");
    using Base = IDispatch;

    struct Dispid {
        static constexpr DISPID Deklaracja = 0x2711;
        static constexpr DISPID Przelicz = 0x271A;
        static constexpr DISPID Wartosc = 0x2726;
        static constexpr DISPID RegisterPrac = 0x271B;
        static constexpr DISPID DataWypelnienia = 0x272E;
    };

    virtual HRESULT get_Deklaracja(IDeklaracja2** declaration) = 0;
    virtual HRESULT Przelicz(IDeklaracja2* pDekl) = 0;
    virtual HRESULT put_Wartosc(PoleDRAEnum iPole, CY value) = 0;
    virtual HRESULT RegisterPrac(IDispatch* pIdent, DATE _Data, double _Wymiar) = 0;
    virtual HRESULT get_DataWypelnienia(DATE* value) = 0;

protected:
    ~IIWA() = default;
};

// The ZSWA calculator: the payer's yearly report of work in special conditions.
struct IZSWA : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{251E0E7A-EDCE-4DB0-8B11-5E83EBDA54AC}");
    using Base = IDispatch;

    struct Dispid {
        static constexpr DISPID Deklaracja = 0x2711;
        static constexpr DISPID Przelicz = 0x271A;
        static constexpr DISPID Wartosc = 0x2726;
        static constexpr DISPID DataWypelnienia = 0x272E;
    };

    virtual HRESULT get_Deklaracja(IDeklaracja2** declaration) = 0;
    virtual HRESULT Przelicz(IDeklaracja2* pDekl) = 0;
    virtual HRESULT put_Wartosc(PoleDRAEnum iPole, CY amount) = 0;
    virtual HRESULT get_DataWypelnienia(DATE* value) = 0;

protected:
    ~IZSWA() = default;
};

// Refuses, with the DRA form's message naming the field, a DRA whose identifier (NNMMRRRR) has a number
// outside 01 to 99 or another month or year than the declaration's own; S_OK for any other declaration.
// Every road that writes a DRA into a KEDU file asks it first.
HRESULT SprawdzIdentyfikatorDRA(IDeklaracja2* declaration);
