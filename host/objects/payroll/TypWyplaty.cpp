#include "host/objects/payroll/TypWyplaty.h"

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/DaneZUS.h"

namespace tlx::host {

HRESULT CTypWyplaty::Long(std::u16string_view column, LONG* v) {
    return Answer(v, [&] { return row_->Long(column); });
}

HRESULT CTypWyplaty::get_Nazwa(BSTR* v) {
    return AnswerText(v, [&] { return row_->Text(u"TWP_Nazwa"); });
}

HRESULT CTypWyplaty::get_DataWiersza(DATE* v) {
    return Answer(v, [&] { return row_->Date(u"TWP_DataWiersza"); });
}

HRESULT CTypWyplaty::get_KodSwiadczenia(IKodSwiadczenia** code) {
    return AnswerObject(code, [&] { return model_->Code(row_->Long(u"TWP_PdzId")); });
}

HRESULT CTypWyplaty::Amount(std::size_t position, CY* amount) {
    return Answer(amount, [&] { return element_ ? CDaneZUS::AmountOf(*element_, position) : CY{0}; });
}

}  // namespace tlx::host
