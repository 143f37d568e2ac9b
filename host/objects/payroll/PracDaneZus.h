// A record's working time and ZUS data (IPracDaneZus): the fraction PRE_ETAEtatL / PRE_ETAEtatM and the rest.
#pragma once

#include <memory>

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/PayrollRow.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CPracDaneZus final : public ComObject<CPracDaneZus, Dispatch<IPracDaneZus>> {
public:
    explicit CPracDaneZus(std::shared_ptr<const PayrollRow> row) : row_(std::move(row)) {}

    HRESULT get_Licznik(LONG* value) override { return Answer(value, [&] { return row_->Long(u"PRE_ETAEtatL"); }); }
    HRESULT get_Mianownik(LONG* value) override { return Answer(value, [&] { return row_->Long(u"PRE_ETAEtatM"); }); }
    HRESULT get_Mianownik2(LONG* value) override { return Answer(value, [&] { return row_->Long(u"PRE_ETAEtatM2"); }); }
    HRESULT get_RodzajUmowy(BSTR* value) override {
        return AnswerText(value, [&] { return row_->Text(u"PRE_ETARodzajUmowy"); });
    }
    HRESULT get_DataWymiaru(DATE* value) override { return Answer(value, [&] { return row_->Date(u"PRE_ETADataWymiaru"); }); }
    HRESULT get_WlasnaStopa(LONG* value) override { return Answer(value, [&] { return row_->Long(u"PRE_WlasnaStopa"); }); }
    HRESULT get_StopaWypadkowa(double* value) override {
        return Answer(value, [&] { return row_->Double(u"PRE_StopaWypadkowa"); });
    }
    HRESULT UstawTryb(LONG) override { return S_OK; }

private:
    std::shared_ptr<const PayrollRow> row_;
};

}  // namespace tlx::host
