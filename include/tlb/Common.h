// What the interfaces of the declarations type library share: the value types they pass, the interfaces
// they name before declaring them, and the dispatch identifiers of the business-object members that
// open every record and simple object's interface.
//
// Host objects (session, state object, collections, employee, login, payment and the like) and ADO
// recordsets travel as IDispatch; the member's comment names the interface the object answers.
#pragma once

#include "platform/com/Unknown.h"
#include "platform/com/Variant.h"
#include "tlb/Enumerations.h"

struct IDeklaracja;
struct IDeklaracja2;
struct IDekElement;
struct IDekElementInfo;
struct IKedu;
struct IDRA;
struct IFirmaCfgRO;
struct IProgramCfgRO;

// The members at the head of a record object's interface: get ID, get Session, get and putref State,
// get and put ROSaveMode, Verify.
struct RecordObjectDispid {
    static constexpr DISPID ID = 10;
    static constexpr DISPID Session = 23;
    static constexpr DISPID State = 8;
    static constexpr DISPID ROSaveMode = 1991;
    static constexpr DISPID Verify = 9;
};

// The head of a business object without a record: the same members less ID.
struct SimpleObjectDispid {
    static constexpr DISPID Session = 23;
    static constexpr DISPID State = 8;
    static constexpr DISPID ROSaveMode = 1991;
    static constexpr DISPID Verify = 9;
};

// The members every record interface opens with, in its first slots after IDispatch's. Not an interface
// of its own (no IID): an interface built on it still answers QueryInterface only for its own IID and
// its bases'.
struct IRecordHead : IDispatch {
    virtual HRESULT get_ID(LONG* value) = 0;
    virtual HRESULT get_Session(IDispatch** session) = 0;  // ISession
    virtual HRESULT get_State(IDispatch** state) = 0;      // IObjectState
    virtual HRESULT putref_State(IDispatch* state) = 0;
    virtual HRESULT get_ROSaveMode(LONG* mode) = 0;
    virtual HRESULT put_ROSaveMode(LONG mode) = 0;
    virtual HRESULT Verify() = 0;

protected:
    ~IRecordHead() = default;
};

// The members every business object without a record opens with.
struct ISimpleObjectHead : IDispatch {
    virtual HRESULT get_Session(IDispatch** session) = 0;  // ISession
    virtual HRESULT get_State(IDispatch** state) = 0;      // not supported: E_NOTIMPL
    virtual HRESULT putref_State(IDispatch* state) = 0;
    virtual HRESULT get_ROSaveMode(LONG* mode) = 0;
    virtual HRESULT put_ROSaveMode(LONG mode) = 0;
    virtual HRESULT Verify() = 0;

protected:
    ~ISimpleObjectHead() = default;
};
