// The type library's interfaces of the KEDU packages: the groups of ZUS declarations sent as one file.
#pragma once

#include "hostapi/Session.h"
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

// The KEDU documents of single ZUS declarations, which the DRA service answers its export members with:
// the members carry the same names, arguments and results as the service's. Made by the KEDU
// subsystem for a session (CreateKeduDocuments); the declarations are those the session reaches.
struct IKeduDocuments : IUnknown {
    static constexpr IID kIid = tlx::MakeGuid(u"{B8E7EC7F-5F6A-46EB-830E-54C5371F8E8F}");
    using Base = IUnknown;

    // The route of the declaration's KEDU file: the host's KEDU component or the module's XML writers.
    virtual HRESULT FormatEksportu(LONG lDeklID, FormatEksportuZUSEnum* format) = 0;
    // The header of a KEDU document of several declarations (the 2016 generation), its root left open.
    virtual HRESULT NaglowekXML(BSTR* header) = 0;
    // The declaration's KEDU element without header and root; null for a form without a KEDU writer.
    // A DRA answers its document set: the ZUSDRA and the documents of its RCA, RSA and RZA reports.
    virtual HRESULT ToXML(LONG lDeklID, BSTR* body) = 0;
    // The declaration's whole KEDU document as the file `fileName`, for a remote-desktop operator on his
    // machine.
    virtual HRESULT ExportToXML(LONG lDeklID, BSTR fileName) = 0;
    // The same document sent to the user's machine, opened there with `appPath` when one is given.
    virtual HRESULT ExportToXMLCIV(LONG lDeklID, BSTR fileName, BSTR appPath) = 0;

protected:
    ~IKeduDocuments() = default;
};

// A KEDU document writer reading the declarations of `session`.
HRESULT CreateKeduDocuments(ISession* session, IKeduDocuments** documents);
