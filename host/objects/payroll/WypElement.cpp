#include "host/objects/payroll/WypElement.h"

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/DaneZUS.h"
#include "host/objects/payroll/Okres.h"
#include "host/objects/payroll/PayrollCollection.h"
#include "host/objects/payroll/WypElementDane.h"

namespace tlx::host {

CWypElement::CWypElement(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row, LONG id)
    : model_(std::move(model), PayrollModel::Kind::Element, id), row_(std::move(row)) {}

HRESULT CWypElement::get_ID(LONG* id) {
    return Answer(id, [&] { return row_->Long(u"WPE_WpeId"); });
}

HRESULT CWypElement::get_Wyplata(IWyplata** payout) {
    return AnswerObject(payout, [&] { return model_->PayoutById(row_->Long(u"WPE_WplId")); });
}

HRESULT CWypElement::get_Typ(ITypWyplaty** type) {
    return AnswerObject(type, [&] { return model_->Type(row_->Long(u"WPE_TwpId"), row_); });
}

HRESULT CWypElement::get_Dane(IWypElementDane** kind) {
    return AnswerObject(kind, [&] { return ComPtr<IWypElementDane>(CWypElementDane::Make(model_.Shared(), row_)); });
}

HRESULT CWypElement::get_DaneZUS(IDaneZUS** zus) {
    return AnswerObject(zus, [&] { return ComPtr<IDaneZUS>(CDaneZUS::OfElement(model_.Shared(), row_)); });
}

HRESULT CWypElement::get_Kwota(CY* amount) {
    return Answer(amount, [&] { return row_->Money(u"WPE_Wartosc"); });
}

HRESULT CWypElement::get_Linki(ICollection** links) {
    return AnswerObject(links, [&] {
        std::vector<CPayrollCollection::Entry> entries;
        for (const auto& row : model_->LinksOf(row_->Long(u"WPE_WpeId"), row_->Long(u"WPE_WplId")))
            entries.push_back({ComPtr<IDispatch>(model_->Link(row)), row->Long(u"WEL_WelId"), row});
        return ComPtr<ICollection>(CPayrollCollection::Make(std::move(entries)));
    });
}

HRESULT CWypElement::get_LinkGlowny(IWypElementLink** link) {
    return AnswerObject(link, [&] {
        PayrollRows rows = model_->LinksOf(row_->Long(u"WPE_WpeId"), row_->Long(u"WPE_WplId"));
        return rows.empty() ? ComPtr<IWypElementLink>() : model_->Link(rows.front());
    });
}

HRESULT CWypElement::get_Znacznik(LONG* marker) {
    return Answer(marker, [&] { return row_->Long(u"WPE_Znacznik"); });
}

HRESULT CWypElement::get_Znacznik2(LONG* value) {
    return Answer(value, [&] { return row_->Long(u"WPE_Znacznik2"); });
}

HRESULT CWypElement::get_Flagi(LONG* flags) {
    return Answer(flags, [&] { return row_->Long(u"WPE_Flagi"); });
}

HRESULT CWypElement::get_Okres(IOkres** period) {
    return AnswerObject(period, [&] {
        return ComPtr<IOkres>(COkres::Make(row_->Date(u"WPE_DataOd"), row_->Date(u"WPE_DataDo")));
    });
}

}  // namespace tlx::host
