// A record's alternative working time (IWymiarAlternatywny): PRE_WymAltAktywny, PRE_WymAltL, PRE_WymAltM.
#pragma once

#include <memory>

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/PayrollRow.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CWymiarAlternatywny final : public ComObject<CWymiarAlternatywny, Dispatch<IWymiarAlternatywny>> {
public:
    explicit CWymiarAlternatywny(std::shared_ptr<const PayrollRow> row) : row_(std::move(row)) {}

    HRESULT get_Aktywny(LONG* value) override { return Answer(value, [&] { return row_->Long(u"PRE_WymAltAktywny"); }); }
    HRESULT get_Licznik(LONG* value) override { return Answer(value, [&] { return row_->Long(u"PRE_WymAltL"); }); }
    HRESULT get_Mianownik(LONG* value) override { return Answer(value, [&] { return row_->Long(u"PRE_WymAltM"); }); }

private:
    std::shared_ptr<const PayrollRow> row_;
};

}  // namespace tlx::host
