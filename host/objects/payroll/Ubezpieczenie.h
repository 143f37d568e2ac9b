// The insurance data of a record or a contract (IUbezpieczenie), read from the row's columns
// prefix + "TyuId" (the four-digit title), prefix + "Wypadkowe" and prefix + "DataWyrej".
#pragma once

#include <memory>
#include <string>

#include "host/objects/payroll/PayrollRow.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CUbezpieczenie final : public ComObject<CUbezpieczenie, Dispatch<IUbezpieczenie>> {
public:
    CUbezpieczenie(std::shared_ptr<const PayrollRow> row, std::u16string prefix)
        : row_(std::move(row)), prefix_(std::move(prefix)) {}

    HRESULT get_Wypadkowe(LONG* insured) override;
    HRESULT get_DataWyrejestrowania(DATE* day) override;
    HRESULT get_KodTytulu(IKodTytulu** title) override;

private:
    std::shared_ptr<const PayrollRow> row_;
    std::u16string prefix_;
};

}  // namespace tlx::host
