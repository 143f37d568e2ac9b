#include "host/objects/payroll/DaneZUS.h"

#include <string>

namespace tlx::host {

CY CDaneZUS::AmountOf(const PayrollRow& element, std::size_t position) {
    if (position == kFP) return element.Money(u"WPE_KwotaFP");
    if (position == kFGSP) return element.Money(u"WPE_KwotaFGSP");
    std::string name = "WPE_Kwota" + std::to_string(position);
    return element.Money(std::u16string(name.begin(), name.end()));
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
