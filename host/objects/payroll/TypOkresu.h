// The class of a dated entry (ITypOkresu, a row of TLX.TypyOkresow): its mark and type code.
#pragma once

#include <memory>

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/PayrollRow.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CTypOkresu final : public ComObject<CTypOkresu, Dispatch<ITypOkresu>> {
public:
    explicit CTypOkresu(std::shared_ptr<const PayrollRow> row) : row_(std::move(row)) {}

    HRESULT get_Rodzaj(LONG* v) override { return Answer(v, [&] { return row_->Long(u"TOK_Rodzaj"); }); }
    HRESULT get_KodTypu(LONG* v) override { return Answer(v, [&] { return row_->Long(u"TOK_KodTypu"); }); }

private:
    std::shared_ptr<const PayrollRow> row_;
};

}  // namespace tlx::host
