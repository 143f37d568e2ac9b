#include "host/objects/payroll/Wyplata.h"

#include "host/objects/payroll/Answers.h"
#include "host/objects/payroll/DaneZUS.h"
#include "host/objects/payroll/Okres.h"
#include "host/objects/payroll/Okresowy.h"
#include "host/objects/payroll/PayrollCollection.h"

namespace tlx::host {

CWyplata::CWyplata(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row, ComPtr<IListaPlac> list)
    : model_(std::move(model), PayrollModel::Kind::Payout, row->Long(u"WPL_WplId")),
      row_(std::move(row)),
      list_(std::move(list)) {}

ComPtr<IListaPlac> CWyplata::List() {
    if (!list_) list_ = model_->List(row_);
    return list_;
}

ComPtr<ICollection> CWyplata::Elements() {
    std::vector<CPayrollCollection::Entry> entries;
    for (const auto& row : model_->ElementsOf(row_->Long(u"WPL_WplId"))) {
        const LONG id = row->Long(u"WPE_WpeId");
        entries.push_back({ComPtr<IDispatch>(model_->Element(row, id)), id, row});
    }
    return ComPtr<ICollection>(CPayrollCollection::Make(std::move(entries)));
}

HRESULT CWyplata::get_ID(LONG* id) {
    return Answer(id, [&] { return row_->Long(u"WPL_WplId"); });
}

HRESULT CWyplata::get_Tryb(LONG* mode) {
    return Answer(mode, [&] { return row_->Long(u"WPL_Tryb"); });
}

HRESULT CWyplata::get_Aktywna(LONG* active) {
    return Answer(active, [&] { return row_->Long(u"WPL_Aktywna"); });
}

HRESULT CWyplata::get_ListaPlac(IListaPlac** list) {
    return AnswerObject(list, [&] { return List(); });
}

HRESULT CWyplata::get_Elementy(ICollection** items) {
    return AnswerObject(items, [&] { return Elements(); });
}

HRESULT CWyplata::get_Elementy2(ICollection** items) {
    return AnswerObject(items, [&] { return Elements(); });
}

// The list's period: its range [first, after last) as a period of days.
HRESULT CWyplata::get_Okres(IOkres** period) {
    return AnswerObject(period, [&] {
        ComPtr<ICalendarRange> range;
        Check(Require(List().Get())->get_Okres(range.Out()));
        DATE first = 0, after = 0;
        Check(range->get_Od(&first));
        Check(range->get_Do(&after));
        return ComPtr<IOkres>(COkres::Make(first, after > first ? after - 1 : first));
    });
}

HRESULT CWyplata::get_RokMiesiac(IOkresowy** month) {
    return AnswerObject(month, [&] {
        return ComPtr<IOkresowy>(COkresowy::Make(row_->Long(u"WPL_Rok"), row_->Long(u"WPL_Miesiac")));
    });
}

HRESULT CWyplata::get_DaneZUS(IDaneZUS** sums) {
    return AnswerObject(sums, [&] { return ComPtr<IDaneZUS>(CDaneZUS::Of(model_->ElementsOf(row_->Long(u"WPL_WplId")))); });
}

HRESULT CWyplata::get_Kwota(CY* amount) {
    return Answer(amount, [&] { return row_->Money(u"WPL_Kwota"); });
}

HRESULT CWyplata::get_Pracownik(IPracownik** employee) {
    return AnswerObject(employee, [&] { return model_->Employee(); });
}

}  // namespace tlx::host
