// Where a record's person lives, and two dates of the record (IDaneDodatkowe).
#pragma once

#include <memory>

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/PayrollRow.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CDaneDodatkowe final : public ComObject<CDaneDodatkowe, Dispatch<IDaneDodatkowe>> {
public:
    explicit CDaneDodatkowe(std::shared_ptr<const PayrollRow> row) : row_(std::move(row)) {}

    HRESULT get_RodzajMiejscowosci(LONG* value) override {
        return Answer(value, [&] { return row_->Long(u"PRE_RodzajMiejscowosci"); });
    }
    HRESULT get_DataZwolnienia(DATE* value) override { return Answer(value, [&] { return row_->Date(u"PRE_DataZwolnienia"); }); }
    HRESULT get_DataGraniczna(DATE* value) override { return Answer(value, [&] { return row_->Date(u"PRE_DataGraniczna"); }); }

private:
    std::shared_ptr<const PayrollRow> row_;
};

}  // namespace tlx::host
