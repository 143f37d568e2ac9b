#include "host/objects/payroll/Nieobecnosc.h"

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/Okres.h"

namespace tlx::host {

CNieobecnosc::CNieobecnosc(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row)
    : model_(std::move(model), PayrollModel::Kind::Absence, row->Long(u"NBA_NbaId")), row_(std::move(row)) {}

HRESULT CNieobecnosc::get_ID(LONG* id) {
    return Answer(id, [&] { return row_->Long(u"NBA_NbaId"); });
}

HRESULT CNieobecnosc::get_Typ(ITypNieobecnosci** type) {
    return AnswerObject(type, [&] { return model_->AbsenceType(row_->Long(u"NBA_TnbId")); });
}

HRESULT CNieobecnosc::get_Rodzaj(IKodSwiadczenia** code) {
    return AnswerObject(code, [&] {
        LONG own = row_->Long(u"NBA_PdzId");
        if (own != 0) return model_->Code(own);
        auto type = model_->LookupRow(PayrollModel::Kind::AbsenceType, row_->Long(u"NBA_TnbId"));
        return type ? model_->Code(type->Long(u"TNB_PdzId")) : ComPtr<IKodSwiadczenia>();
    });
}

HRESULT CNieobecnosc::get_Okres(IOkres** period) {
    return AnswerObject(period, [&] {
        return ComPtr<IOkres>(COkres::Make(row_->Date(u"NBA_DataOd"), row_->Date(u"NBA_DataDo")));
    });
}

HRESULT CNieobecnosc::get_Rejestr(IPracKadry** absences) {
    return AnswerObject(absences, [&] { return model_->AbsenceRegister(); });
}

HRESULT CNieobecnosc::get_Tryb(LONG* mode) {
    return Answer(mode, [&] { return row_->Long(u"NBA_Tryb"); });
}

HRESULT CNieobecnosc::get_Znacznik(LONG* marker) {
    return Answer(marker, [&] { return row_->Long(u"NBA_Znacznik"); });
}

HRESULT CNieobecnosc::get_Znacznik2(LONG* marker) {
    return Answer(marker, [&] { return row_->Long(u"NBA_Znacznik2"); });
}

HRESULT CNieobecnosc::get_Opis(BSTR* text) {
    return AnswerText(text, [&] { return row_->Text(u"NBA_Opis"); });
}

}  // namespace tlx::host
