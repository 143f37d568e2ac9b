#include "host/objects/payroll/PodAdres.h"

#include "host/objects/payroll/Answers.h"

namespace tlx::host {

HRESULT CPodAdres::Get(std::u16string_view column, BSTR* value) {
    return AnswerText(value, [&] { return row_->Text(prefix_ + std::u16string(column)); });
}

}  // namespace tlx::host
