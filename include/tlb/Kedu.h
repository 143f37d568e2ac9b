// The type library's interfaces of the KEDU packages: the groups of ZUS declarations sent as one file.
#pragma once

#include "tlb/Common.h"

// A KEDU package: a named, dated group of ZUS declarations sent as one KEDU file (row of TLX.DeklKedu).
struct IKedu : IRecordHead {
    static constexpr IID kIid = tlx::MakeGuid(u"{F780F03C-72BB-446A-9AFE-1C4CFD05908C}");
    using Base = IDispatch;

    struct Dispid : RecordObjectDispid {
        static constexpr DISPID Stempel = 166;
        static constexpr DISPID Nazwa = 10001;
        static constexpr DISPID Data = 10002;
        static constexpr DISPID Opis = 10003;
        static constexpr DISPID Zablokowana = 10004;
        static constexpr DISPID Deklaracje = 10005;
        static constexpr DISPID Wyslij = 10010;
        static constexpr DISPID Zapisz = 10011;
        static constexpr DISPID WyslijTS = 10012;
        static constexpr DISPID ZestawMieszany = 10013;
    };

    virtual HRESULT get_Stempel(IDispatch** stamp) = 0;  // IStempel, the host's audit stamp
    virtual HRESULT get_Nazwa(BSTR* value) = 0;
    virtual HRESULT put_Nazwa(BSTR value) = 0;
    virtual HRESULT get_Data(DATE* value) = 0;
    virtual HRESULT put_Data(DATE value) = 0;
    virtual HRESULT get_Opis(BSTR* value) = 0;
    virtual HRESULT put_Opis(BSTR value) = 0;
    virtual HRESULT get_Zablokowana(LONG* value) = 0;
    virtual HRESULT put_Zablokowana(LONG value) = 0;
    virtual HRESULT get_Deklaracje(IDispatch** declarations) = 0;  // ICollection
    virtual HRESULT Wyslij(LONG hWnd) = 0;
    virtual HRESULT Zapisz(LONG hWnd, BSTR sFName, LONG bOverwrite, LONG* pVal) = 0;
    virtual HRESULT WyslijTS(BSTR sFName) = 0;
    virtual HRESULT ZestawMieszany(LONG* bVal) = 0;  // FormatEksportuZUSEnum

protected:
    ~IKedu() = default;
};
