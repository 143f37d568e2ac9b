#include "host/objects/payroll/DaneZUS.h"

#include <string_view>

#include "host/objects/payroll/Answers.h"

namespace tlx::host {

namespace {

// The element's amount columns by position: WPE_Kwota1 to WPE_Kwota20, then the two funds.
constexpr std::array<std::u16string_view, CDaneZUS::kAmounts> kColumns = {
    u"WPE_Kwota1",  u"WPE_Kwota2",  u"WPE_Kwota3",  u"WPE_Kwota4",  u"WPE_Kwota5",  u"WPE_Kwota6",
    u"WPE_Kwota7",  u"WPE_Kwota8",  u"WPE_Kwota9",  u"WPE_Kwota10", u"WPE_Kwota11", u"WPE_Kwota12",
    u"WPE_Kwota13", u"WPE_Kwota14", u"WPE_Kwota15", u"WPE_Kwota16", u"WPE_Kwota17", u"WPE_Kwota18",
    u"WPE_Kwota19", u"WPE_Kwota20", u"WPE_KwotaFP", u"WPE_KwotaFGSP"};
static_assert(CDaneZUS::kFP == 21 && CDaneZUS::kFGSP == 22);

// Where the amount columns stand in a statement's column list, then the title's and the marker's, found
// once per list: the elements of one statement share it, employee after employee.
constexpr std::size_t kTitleAt = CDaneZUS::kAmounts, kMarkerAt = CDaneZUS::kAmounts + 1;
using Positions = std::array<std::size_t, CDaneZUS::kAmounts + 2>;

const Positions& ColumnPositions(const std::shared_ptr<const PayrollRow::Columns>& columns) {
    thread_local std::weak_ptr<const PayrollRow::Columns> known;
    thread_local Positions positions{};
    if (known.owner_before(columns) || columns.owner_before(known)) {
        for (std::size_t i = 0; i < kColumns.size(); ++i) positions[i] = columns->Find(kColumns[i]);
        positions[kTitleAt] = columns->Find(u"WPE_KodTytulu");
        positions[kMarkerAt] = columns->Find(u"WPE_ZusZnacznik");
        known = columns;
    }
    return positions;
}

}  // namespace

CY CDaneZUS::AmountOf(const PayrollRow& element, std::size_t position) { return element.Money(kColumns[position - 1]); }

ComPtr<CDaneZUS> CDaneZUS::Of(const PayrollRows& elements) {
    Amounts sums{};
    LONG title = 0, marker = 0;
    for (const auto& element : elements) {
        const Positions& positions = ColumnPositions(element->ColumnList());
        for (std::size_t i = 0; i < kAmounts; ++i) sums[i].int64 += element->MoneyAt(positions[i]).int64;
        if (title == 0) title = element->LongAt(positions[kTitleAt]);
        if (element->LongAt(positions[kMarkerAt]) != 0) marker = 1;
    }
    return Make(sums, title, marker);
}

ComPtr<CDaneZUS> CDaneZUS::OfElement(std::shared_ptr<PayrollModel> model, const std::shared_ptr<PayrollRow>& element) {
    ComPtr<CDaneZUS> answer = Of({element});
    answer->model_ = std::move(model);
    answer->typeId_ = element->Long(u"WPE_TwpId");
    return answer;
}

HRESULT CDaneZUS::Get(std::size_t position, CY* amount) {
    if (!amount) return E_POINTER;
    *amount = amounts_[position - 1];
    return S_OK;
}

HRESULT CDaneZUS::get_KodTytulu(LONG* code) {
    if (!code) return E_POINTER;
    *code = title_;
    return S_OK;
}

HRESULT CDaneZUS::get_Znacznik(LONG* marker) {
    if (!marker) return E_POINTER;
    *marker = marker_;
    return S_OK;
}

HRESULT CDaneZUS::get_KodElementu(LONG* code) {
    return Answer(code, [&] {
        const std::shared_ptr<PayrollRow> type = model_ ? model_->LookupRow(PayrollModel::Kind::Type, typeId_) : nullptr;
        return type ? type->Long(u"TWP_Kod") : 0;
    });
}

}  // namespace tlx::host
