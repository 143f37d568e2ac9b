#include "host/objects/payroll/PayrollClasses.h"

#include <string_view>

#include "host/HostClassRegistration.h"
#include "host/objects/payroll/GeneratorWyplat.h"
#include "host/objects/payroll/PayrollTableCollection.h"
#include "host/objects/payroll/WyplataZUS.h"
#include "host/objects/payroll/WyplatyCollection.h"

namespace tlx::host {

HRESULT RegisterPayrollClasses() {
    return FirstFailure({
        RegisterHostClass<CWyplatyCollection>(CLSID_Wyplaty, u"TLX.Wyplaty"),
        RegisterHostClass<CPayrollTableCollection<kTypyWyplat>>(CLSID_TypyWyplat, u"TLX.TypyWyplat"),
        RegisterHostClass<CPayrollTableCollection<kListyPlac>>(CLSID_ListyPlac, u"TLX.ListyPlac"),
        RegisterHostClass<CPayrollTableCollection<kKodySwiadczen>>(CLSID_KodySwiadczen, u"TLX.KodySwiadczen"),
        RegisterHostClass<CPayrollTableCollection<kWojewodztwa>>(CLSID_CLookupCollection, u"TLX.Wojewodztwa"),
        RegisterHostClass<CGeneratorWyplat>(CLSID_GeneratorWyplat, u"TLX.GeneratorWyplat"),
        RegisterHostClass<CWyplataZUS>(CLSID_WyplataZUS, u"TLX.WyplataZUS"),
    });
}

}  // namespace tlx::host
