#include "host/objects/payroll/CzlonekRodziny.h"

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/PodAdres.h"

namespace tlx::host {

HRESULT CCzlonekRodziny::Long(std::u16string_view column, LONG* value) {
    return Answer(value, [&] { return row_->Long(column); });
}

HRESULT CCzlonekRodziny::Text(std::u16string_view column, BSTR* value) {
    return AnswerText(value, [&] { return row_->Text(column); });
}

HRESULT CCzlonekRodziny::get_DataUr(DATE* value) {
    return Answer(value, [&] { return row_->Date(u"PRR_DataUr"); });
}

HRESULT CCzlonekRodziny::get_Adres(IPodAdres** value) {
    return AnswerObject(value, [&] { return ComPtr<IPodAdres>(CPodAdres::Make(row_, u"PRR_")); });
}

}  // namespace tlx::host
