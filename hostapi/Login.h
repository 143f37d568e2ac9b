// The operator's login, the operator object and the host's process-wide application object.
#pragma once

#include "platform/com/Variant.h"

struct Connection;  // ADO, platform/ado
struct ISession;
struct ISession2;
struct Recordset;

// A company database the login knows (a row of the configuration database's TLX.Bazy): the foreign
// databases an accounting office reads amounts from.
struct IBazaFirmy : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{E50497F1-7819-4370-A910-C3CE2610E98D}");
    using Base = IDispatch;
    virtual HRESULT get_Nazwa(BSTR* name) = 0;
    // An open connection to the database (its ConnectionString names the file).
    virtual HRESULT get_Connection(Connection** connection) = 0;

protected:
    ~IBazaFirmy() = default;
};

// The operator signed in to the host.
struct IOperatorObject : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{31B87CF8-92E3-4912-9472-2AB270A56CC6}");
    using Base = IDispatch;
    // The operator's working date (an OLE date; the host's "today"), 0 when none is set.
    virtual HRESULT GetToday(DATE* today) = 0;
    // Non-zero when the operator works over a remote-desktop session: exports then reach the user's
    // machine through the remote file copy, not the transfer channel. Scripts also read it as the
    // properties ZdalnyEksport and OperatorRemoteFlag.
    virtual HRESULT IsRemoteSession(LONG* remote) = 0;
    // The operator's kind: 4 is an accounting office's operator; other values are ordinary operators.
    virtual HRESULT OperatorType(LONG* type) = 0;
    // Row identifier and code of the operator (TLX.Operatorzy: Ope_OpeID, Ope_Kod).
    virtual HRESULT get_ID(LONG* id) = 0;
    virtual HRESULT get_Kod(BSTR* code) = 0;
    // An entry of the operator's environment by key: "#" + a database name answers that company
    // database (IBazaFirmy, from TLX.Bazy of the configuration database); an unknown key answers null.
    virtual HRESULT GetEntry(BSTR key, IDispatch** entry) = 0;

protected:
    ~IOperatorObject() = default;
};

// What the login is connected to: the company database's display name.
struct ILoginContext : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{F8AF48C8-DC50-434F-B76C-3DC91028A3EE}");
    using Base = IDispatch;
    virtual HRESULT GetName(BSTR* name) = 0;

protected:
    ~ILoginContext() = default;
};

// Host module numbers that ILogin::IsModuleAvailable answers for (the modules the company works with).
enum HostModule : LONG {
    hostModuleKsiegaHandlowa = 1,   // general ledger
    hostModuleKsiegowosc = 2,       // accounting (postings)
    hostModulePlace = 6,            // payroll
    hostModuleKadry = 9,            // human resources
    hostModuleKsiegowoscPelna = 10, // full accounting with the pre-posting of documents
};

struct ILogin : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{FB7E2C5A-4CB9-426F-BB97-1A7C77A7F02F}");
    using Base = IDispatch;
    // A new session of the same login with its own database connection and unit of work.
    virtual HRESULT CreateSession(ISession** session) = 0;
    // A host object of the login by braced CLSID text (the configuration object, CLSID_Konfiguracja).
    virtual HRESULT CreateObject(BSTR classText, IDispatch** object) = 0;
    virtual HRESULT GetOperatorObject(IOperatorObject** op) = 0;
    // Whether the operator works with that host module in this login (HostModule).
    virtual HRESULT IsModuleAvailable(LONG module, VARIANT_BOOL* available) = 0;
    virtual HRESULT GetContext(ILoginContext** context) = 0;

protected:
    ~ILogin() = default;
};

// The host's process-wide object, created in process whenever a caller needs it (CLSID_CApplication).
struct IApplication : IDispatch {
    static constexpr IID kIid = tlx::MakeGuid(u"{8117044F-8D44-4732-85C6-BB70E4E48853}");
    using Base = IDispatch;
    // The session of an object that was initialised with one (through ISessionable).
    virtual HRESULT GetObjectSession(IDispatch* object, ISession2** session) = 0;
    // The login of the current operator.
    virtual HRESULT GetLogin(ILogin** login) = 0;
    // The user-facing text for a host error code: "message|details" (see hostapi/Errors.h); callers keep
    // the part before the first "|". The message is defaultText when the caller gives one (its own,
    // more precise wording) and the host's message for the code otherwise; an unknown code answers
    // defaultText alone.
    virtual HRESULT GetErrorText(LONG code, BSTR defaultText, BSTR* text) = 0;
    // Copies the values of every field of the source's current row into the field of the same name of
    // the target's current row; fields the target lacks and the target's identity column are skipped.
    virtual HRESULT CopyRecord(Recordset* source, Recordset* target) = 0;

protected:
    ~IApplication() = default;
};

inline constexpr CLSID CLSID_CApplication = tlx::MakeGuid(u"{11D46FC1-5FC4-4ED5-8BB6-49CE851DA488}");
inline constexpr IID IID_IApplication = IApplication::kIid;
inline constexpr IID IID_ILogin = ILogin::kIid;
inline constexpr IID IID_IOperatorObject = IOperatorObject::kIid;
