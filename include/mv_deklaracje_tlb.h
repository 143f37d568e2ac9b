// The declarations module's type library: its identifier, coclasses, enumerations and interfaces, as
// every class of the module implements them and as the host and the scripts call them. A class that
// serves a dual interface takes its dispatch table from tlb/DispatchTables.h.
#pragma once

#include "tlb/Classes.h"
#include "tlb/Common.h"
#include "tlb/Deklaracja.h"
#include "tlb/EDeklaracja.h"
#include "tlb/Kedu.h"
#include "tlb/Enumerations.h"
#include "tlb/Pfron.h"
#include "tlb/Records.h"
#include "tlb/Services.h"
#include "tlb/Zus.h"

// The dispatch interfaces the type library describes, as registering the library lists them under
// Interface. IGetDekElementInfo and IPodatnik derive from IUnknown and are not listed; _IProgressEvents
// is the host's.
struct TypeLibInterface {
    IID iid;
    const char16_t* name;
};

inline constexpr TypeLibInterface kTypeLibInterfaces[] = {
    {IDeklaracja::kIid, u"IDeklaracja"},
    {IDeklaracja2::kIid, u"IDeklaracja2"},
    {IDekElementInfo::kIid, u"IDekElementInfo"},
    {IDekStrona::kIid, u"IDekStrona"},
    {IDekElement::kIid, u"IDekElement"},
    {IDekWydruk::kIid, u"IDekWydruk"},
    {IDekPdf::kIid, u"IDekPdf"},
    {IVatZd::kIid, u"IVatZd"},
    {IVat27::kIid, u"IVat27"},
    {IDeklZaklad::kIid, u"IDeklZaklad"},
    {ISerwisDeklaracji::kIid, u"ISerwisDeklaracji"},
    {IFirmaCfgRO::kIid, u"IFirmaCfgRO"},
    {IProgramCfgRO::kIid, u"IProgramCfgRO"},
    {ITransformHelper::kIid, u"ITransformHelper"},
    {IEDeklaracja::kIid, u"IEDeklaracja"},
    {IDRA::kIid, u"IDRA"},
    {IDRAExt::kIid, u"IDRAExt"},
    {IIWA::kIid, u"IIWA"},
    {IZSWA::kIid, u"IZSWA"},
    {IKedu::kIid, u"IKedu"},
    {IINFD::kIid, u"IINFD"},
    {IWND::kIid, u"IWND"},
    {IWNU::kIid, u"IWNU"},
};
