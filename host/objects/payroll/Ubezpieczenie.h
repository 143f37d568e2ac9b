// The insurance data of a record or a contract (IUbezpieczenie), read from the row's columns
// prefix + "TyuId" (the four-digit title), prefix + "Wypadkowe", "DataWyrej", "ZusOd", "KodWyrej" and the
// kinds of insurance prefix + "Emerytalne", "Rentowe", "Chorobowe", "Zdrowotne" (a row without those
// columns, a contract's, answers 0 for them).
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
    HRESULT get_DataOd(DATE* day) override;
    HRESULT get_Emerytalne(LONG* kind) override { return Kind(u"Emerytalne", kind); }
    HRESULT get_Rentowe(LONG* kind) override { return Kind(u"Rentowe", kind); }
    HRESULT get_Chorobowe(LONG* kind) override { return Kind(u"Chorobowe", kind); }
    HRESULT get_Zdrowotne(LONG* kind) override { return Kind(u"Zdrowotne", kind); }
    HRESULT get_KodWyrejestrowania(BSTR* code) override;

private:
    HRESULT Kind(std::u16string_view insurance, LONG* kind);

    std::shared_ptr<const PayrollRow> row_;
    std::u16string prefix_;
};

}  // namespace tlx::host
