// A payout component type (ITypWyplaty, a row of TLX.TypWyplata). Reached through an element it answers
// that element's deductions and costs (Potracenie1..6 = amounts 16, 8, 10, 12, 18, 19; Koszt1..5 =
// amounts 9, 11, 15 and the FP and FGŚP contributions); read alone they are 0.
#pragma once

#include <memory>

#include "host/objects/payroll/PayrollModel.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CTypWyplaty final : public ComObject<CTypWyplaty, Dispatch<ITypWyplaty>> {
public:
    CTypWyplaty(std::shared_ptr<PayrollModel> model, std::shared_ptr<const PayrollRow> row,
                std::shared_ptr<const PayrollRow> element)
        : model_(std::move(model)), row_(std::move(row)), element_(std::move(element)) {}

    HRESULT get_ID(LONG* v) override { return Long(u"TWP_TwpId", v); }
    HRESULT get_Numer(LONG* v) override { return Long(u"TWP_Numer", v); }
    HRESULT get_Kod(LONG* v) override { return Long(u"TWP_Kod", v); }
    HRESULT get_Nazwa(BSTR* v) override;
    HRESULT get_KodSwiadczenia(IKodSwiadczenia** code) override;
    HRESULT get_Rodzaj(LONG* v) override { return Long(u"TWP_Rodzaj", v); }
    HRESULT get_RodzajRaportu(LONG* v) override { return Long(u"TWP_RodzajRaportu", v); }
    HRESULT get_Cecha1(LONG* v) override { return Long(u"TWP_Cecha1", v); }
    HRESULT get_Cecha2(LONG* v) override { return Long(u"TWP_Cecha2", v); }
    HRESULT get_DataWiersza(DATE* v) override;
    HRESULT get_Standardowy(LONG* v) override { return Long(u"Twp_Standardowy", v); }
    HRESULT get_Potracenie1(CY* a) override { return Amount(16, a); }
    HRESULT get_Potracenie2(CY* a) override { return Amount(8, a); }
    HRESULT get_Potracenie3(CY* a) override { return Amount(10, a); }
    HRESULT get_Potracenie4(CY* a) override { return Amount(12, a); }
    HRESULT get_Potracenie5(CY* a) override { return Amount(18, a); }
    HRESULT get_Potracenie6(CY* a) override { return Amount(19, a); }
    HRESULT get_Koszt1(CY* a) override { return Amount(9, a); }
    HRESULT get_Koszt2(CY* a) override { return Amount(11, a); }
    HRESULT get_Koszt3(CY* a) override { return Amount(15, a); }
    HRESULT get_Koszt4(CY* a) override { return Amount(21, a); }
    HRESULT get_Koszt5(CY* a) override { return Amount(22, a); }

private:
    HRESULT Long(std::u16string_view column, LONG* v);
    HRESULT Amount(std::size_t position, CY* amount);

    std::shared_ptr<PayrollModel> model_;
    std::shared_ptr<const PayrollRow> row_;
    std::shared_ptr<const PayrollRow> element_;
};

}  // namespace tlx::host
