#include "host/objects/payroll/Ubezpieczenie.h"

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/KodTytulu.h"

namespace tlx::host {

HRESULT CUbezpieczenie::get_Wypadkowe(LONG* insured) {
    return Answer(insured, [&] { return row_->Long(prefix_ + u"Wypadkowe"); });
}

HRESULT CUbezpieczenie::get_DataWyrejestrowania(DATE* day) {
    return Answer(day, [&] { return row_->Date(prefix_ + u"DataWyrej"); });
}

HRESULT CUbezpieczenie::get_KodTytulu(IKodTytulu** title) {
    return AnswerObject(title, [&] { return ComPtr<IKodTytulu>(CKodTytulu::Make(row_->Long(prefix_ + u"TyuId")).Get()); });
}

HRESULT CUbezpieczenie::get_DataOd(DATE* day) {
    return Answer(day, [&] { return row_->Date(prefix_ + u"ZusOd"); });
}

HRESULT CUbezpieczenie::get_KodWyrejestrowania(BSTR* code) {
    return AnswerText(code, [&] { return row_->Text(prefix_ + u"KodWyrej"); });
}

HRESULT CUbezpieczenie::Kind(std::u16string_view insurance, LONG* kind) {
    return Answer(kind, [&] { return row_->Long(prefix_ + std::u16string(insurance)); });
}

}  // namespace tlx::host
