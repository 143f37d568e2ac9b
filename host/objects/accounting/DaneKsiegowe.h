// The host's income data for the income-tax declarations (hostapi/IncomeData.h): the flat-rate revenue
// of a taxpayer's months (in total and by rate), from the register TLX.EwidRyczalt, and the CIT figures, from the monthly
// TLX.DaneCIT. Both read the company database of the session the object is initialised with.
#pragma once

#include "hostapi/IncomeDataDispatch.h"
#include "hostapi/SessionDispatch.h"
#include "hostapi/Framework.h"

namespace tlx::host {

class CDaneKsiegowe final : public ComObject<CDaneKsiegowe, Dispatch<IDaneKsiegowe>, IInitializeSession> {
public:
    HRESULT Initialize(ISession* session, LONG* state) override;
    HRESULT WypelnijDochody(Recordset* income, LONG year, LONG month, LONG buffer, IDispatch** result) override;
    HRESULT DaneCIT2(LONG year, LONG month, LONG buffer, Recordset** rows) override;
    HRESULT PrzychodyWgStawek(LONG year, LONG month, LONG buffer, Recordset** rows) override;

private:
    // The rows of a register (its columns named by `prefix`) from January to `month` of `year`: `select`
    // then the period's conditions, crossed-out rows (where the register has them) and, with `buffer` 0,
    // buffered rows left out, then `tail`.
    ComPtr<Recordset> PeriodRows(std::u16string_view select, std::u16string_view prefix, bool crossedOut, LONG year,
                                 LONG month, LONG buffer, std::u16string_view tail);

    ComPtr<ISession> session_;
};

}  // namespace tlx::host
