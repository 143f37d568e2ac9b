#include "host/objects/subjects/AdresFirmy.h"

#include "host/objects/payroll/Answers.h"

namespace tlx::host {

HRESULT CAdresFirmy::Get(std::size_t index, BSTR* value) {
    return AnswerText(value, [&] { return texts_[index]; });
}

}  // namespace tlx::host
