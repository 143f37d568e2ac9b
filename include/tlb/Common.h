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
