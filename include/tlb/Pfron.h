// The PFRON services: INF-D, WN-D (both generations) and WN-U, each computing its declaration with one
// attachment per disabled employee and exporting it as PFRON SOD files. The three interfaces have the
// same five members.
#pragma once

#include "tlb/Common.h"

// The members' dispatch identifiers, the same in the three interfaces.
struct PfronServiceDispid {
    static constexpr DISPID Przelicz = 0x271A;
    static constexpr DISPID ExportToSOD = 0x271B;
    static constexpr DISPID ExportToSODVC = 0x271C;
    static constexpr DISPID DeklId = 0x271D;
};

struct IINFD : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{F94BA08D-D44E-4034-A267-3CF1F2650174}");
    using Base = IDispatch;
    using Dispid = PfronServiceDispid;

    virtual HRESULT Przelicz() = 0;
    virtual HRESULT ExportToSOD(LONG lDeklID, BSTR sDir) = 0;
    virtual HRESULT ExportToSODVC(LONG lDeklID, BSTR sDir) = 0;
    virtual HRESULT get_DeklId(LONG* pVal) = 0;
    virtual HRESULT put_DeklId(LONG value) = 0;

protected:
    ~IINFD() = default;
};

struct IWND : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{5C4152E3-91D2-4A81-891D-421769C00C7D}");
    using Base = IDispatch;
    using Dispid = PfronServiceDispid;

    virtual HRESULT Przelicz() = 0;
    virtual HRESULT ExportToSOD(LONG lDeklID, BSTR sDir) = 0;
    virtual HRESULT ExportToSODVC(LONG lDeklID, BSTR sDir) = 0;
    virtual HRESULT get_DeklId(LONG* pVal) = 0;
    virtual HRESULT put_DeklId(LONG value) = 0;

protected:
    ~IWND() = default;
};

struct IWNU : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{EBE3A124-ABF5-4964-9D12-856F3B292B85}");
    using Base = IDispatch;
    using Dispid = PfronServiceDispid;

    virtual HRESULT Przelicz() = 0;
    virtual HRESULT ExportToSOD(LONG lDeklID, BSTR sDir) = 0;
    virtual HRESULT ExportToSODVC(LONG lDeklID, BSTR sDir) = 0;
    virtual HRESULT get_DeklId(LONG* pVal) = 0;
    virtual HRESULT put_DeklId(LONG value) = 0;

protected:
    ~IWNU() = default;
};
