#include "host/objects/payroll/WypElementLink.h"

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/Okres.h"
#include "host/objects/payroll/SourceRef.h"

namespace tlx::host {

CWypElementLink::CWypElementLink(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row)
    : model_(std::move(model), PayrollModel::Kind::Link, row->Long(u"WEL_WelId")), row_(std::move(row)) {}

HRESULT CWypElementLink::get_Zrodlo(ISourceRef** source) {
    return AnswerObject(source, [&] {
        return ComPtr<ISourceRef>(CSourceRef::Make(row_->Long(u"WEL_ZrodloId"), row_->Long(u"WEL_ZrodloRodzaj")));
    });
}

HRESULT CWypElementLink::get_Okres(IOkres** period) {
    return AnswerObject(period, [&] {
        return ComPtr<IOkres>(COkres::Make(row_->Date(u"WEL_DataOd"), row_->Date(u"WEL_DataDo")));
    });
}

HRESULT CWypElementLink::get_Element(IWypElement** element) {
    return AnswerObject(element, [&] { return model_->ElementById(row_->Long(u"WEL_WpeId")); });
}

HRESULT CWypElementLink::get_Typ(ITypWyplaty** type) {
    return AnswerObject(type, [&] {
        ComPtr<IWypElement> element = model_->ElementById(row_->Long(u"WEL_WpeId"));
        ComPtr<ITypWyplaty> answer;
        Check(element->get_Typ(answer.Out()));
        return answer;
    });
}

HRESULT CWypElementLink::get_Nieobecnosc(INieobecnosc** absence) {
    return AnswerObject(absence, [&] {
        LONG id = row_->Long(u"WEL_NbaId");
        return id ? model_->AbsenceById(id) : ComPtr<INieobecnosc>();
    });
}

HRESULT CWypElementLink::get_Tekst(BSTR* text) {
    return AnswerText(text, [&] {
        const LONG id = row_->Long(u"WEL_NbaId");
        if (!id) return std::u16string();
        Bstr opis;
        Check(model_->AbsenceById(id)->get_Opis(opis.Out()));
        return std::u16string(opis.View());
    });
}

}  // namespace tlx::host
