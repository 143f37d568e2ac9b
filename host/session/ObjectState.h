// The state object of a record (CObjectState): the values of a row kept by SaveState and written back by
// RestoreState (hostapi/Framework.h).
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "hostapi/AccountingDispatch.h"
#include "hostapi/CalendarDispatch.h"
#include "hostapi/CollectionsDispatch.h"
#include "hostapi/ConfigurationDispatch.h"
#include "hostapi/EmployeesDispatch.h"
#include "hostapi/IncomeDataDispatch.h"
#include "hostapi/LoginDispatch.h"
#include "hostapi/ScriptSupportDispatch.h"
#include "hostapi/SessionDispatch.h"
#include "hostapi/SubjectsDispatch.h"
#include "hostapi/Framework.h"

namespace tlx::host {

struct IObjectStateDispatch : IDispatch {  // the state object as scripts see it: nothing but an object
    static constexpr IID kIid = tlx::MakeGuid(u"{285C75C4-9E88-48A9-9447-11676E2AD769}");
    using Base = IDispatch;

protected:
    ~IObjectStateDispatch() = default;
};

class CObjectState final : public ComObject<CObjectState, Dispatch<IObjectStateDispatch>, IObjectState> {
public:
    HRESULT SaveState(Recordset* recordset) override;
    HRESULT RestoreState(Recordset* recordset) override;

private:
    std::vector<std::pair<std::u16string, Variant>> values_;
};

}  // namespace tlx::host

inline const tlx::DispatchTable& DispatchTableOf(tlx::host::IObjectStateDispatch*) {
    static const tlx::DispatchTable table{};
    return table;
}
