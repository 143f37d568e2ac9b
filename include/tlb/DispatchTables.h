// The dispatch tables of the type library's dual interfaces: each object's IDispatch is served from the
// table of its interface (tlx::Dispatch<I> finds it through DispatchTableOf), with the member names and
// dispatch identifiers of the type library.
#pragma once

#include "platform/com/Dispatch.h"
#include "mv_deklaracje_tlb.h"

// The heads every record and every business object without a record open with; their interfaces' tables
// are built on these.
const tlx::DispatchTable& DispatchTableOf(IRecordHead*);
const tlx::DispatchTable& DispatchTableOf(ISimpleObjectHead*);
const tlx::DispatchTable& DispatchTableOf(IDeklaracja*);
const tlx::DispatchTable& DispatchTableOf(IDeklaracja2*);
const tlx::DispatchTable& DispatchTableOf(IDekElementInfo*);
const tlx::DispatchTable& DispatchTableOf(IDekStrona*);
const tlx::DispatchTable& DispatchTableOf(IDekElement*);
const tlx::DispatchTable& DispatchTableOf(IDekWydruk*);
const tlx::DispatchTable& DispatchTableOf(IDekPdf*);
const tlx::DispatchTable& DispatchTableOf(IVatZd*);
const tlx::DispatchTable& DispatchTableOf(IVat27*);
const tlx::DispatchTable& DispatchTableOf(IDeklZaklad*);
const tlx::DispatchTable& DispatchTableOf(ISerwisDeklaracji*);
const tlx::DispatchTable& DispatchTableOf(IFirmaCfgRO*);
const tlx::DispatchTable& DispatchTableOf(IProgramCfgRO*);
const tlx::DispatchTable& DispatchTableOf(ITransformHelper*);
const tlx::DispatchTable& DispatchTableOf(IEDeklaracja*);
const tlx::DispatchTable& DispatchTableOf(IDRA*);
const tlx::DispatchTable& DispatchTableOf(IDRAExt*);
const tlx::DispatchTable& DispatchTableOf(IIWA*);
const tlx::DispatchTable& DispatchTableOf(IZSWA*);
const tlx::DispatchTable& DispatchTableOf(IKedu*);
const tlx::DispatchTable& DispatchTableOf(IINFD*);
const tlx::DispatchTable& DispatchTableOf(IWND*);
const tlx::DispatchTable& DispatchTableOf(IWNU*);
