#include "host/objects/payroll/DaneZUS.h"

#include <string_view>

namespace tlx::host {

CY CDaneZUS::AmountOf(const PayrollRow& element, std::size_t position) {
    // The element's amount columns by position: WPE_Kwota1 to WPE_Kwota20, then the two funds.
    static constexpr std::array<std::u16string_view, kAmounts> kColumns = {
        u"WPE_Kwota1",  u"WPE_Kwota2",  u"WPE_Kwota3",  u"WPE_Kwota4",  u"WPE_Kwota5",  u"WPE_Kwota6",
        u"WPE_Kwota7",  u"WPE_Kwota8",  u"WPE_Kwota9",  u"WPE_Kwota10", u"WPE_Kwota11", u"WPE_Kwota12",
        u"WPE_Kwota13", u"WPE_Kwota14", u"WPE_Kwota15", u"WPE_Kwota16", u"WPE_Kwota17", u"WPE_Kwota18",
        u"WPE_Kwota19", u"WPE_Kwota20", u"WPE_KwotaFP", u"WPE_KwotaFGSP"};
    static_assert(kFP == 21 && kFGSP == 22);
    return element.Money(kColumns[position - 1]);
}

ComPtr<CDaneZUS> CDaneZUS::Of(const PayrollRows& elements) {
    Amounts sums{};
    LONG title = 0, marker = 0;
    for (const auto& element : elements) {
        for (std::size_t i = 1; i <= kAmounts; ++i) sums[i - 1].int64 += AmountOf(*element, i).int64;
        if (title == 0) title = element->Long(u"WPE_KodTytulu");
        if (element->Long(u"WPE_ZusZnacznik") != 0) marker = 1;
    }
    return Make(sums, title, marker);
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

}  // namespace tlx::host
