// An item of the voivodeship lookup (IWojewodztwo): its name and TERYT code.
#pragma once

#include <string>

#include "host/objects/payroll/Answers.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CWojewodztwo final : public ComObject<CWojewodztwo, Dispatch<IWojewodztwo>> {
public:
    CWojewodztwo(std::u16string name, std::u16string code) : name_(std::move(name)), code_(std::move(code)) {}
    HRESULT get_Nazwa(BSTR* name) override { return AnswerText(name, [&] { return name_; }); }
    HRESULT get_Kod(BSTR* code) override { return AnswerText(code, [&] { return code_; }); }

private:
    std::u16string name_;
    std::u16string code_;
};

}  // namespace tlx::host
