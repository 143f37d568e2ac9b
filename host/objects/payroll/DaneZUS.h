// The ZUS amounts of an element, or their sums over a payout's elements (IDaneZUS). Amounts 1 to 20 are
// the element's columns WPE_Kwota1..WPE_Kwota20, 21 and 22 the FP and FGŚP contributions. An element's
// code is its type's component code (TWP_Kod), read when asked.
#pragma once

#include <array>
#include <memory>

#include "host/objects/payroll/PayrollModel.h"
#include "host/objects/payroll/PayrollRow.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CDaneZUS final : public ComObject<CDaneZUS, Dispatch<IDaneZUS>> {
public:
    static constexpr std::size_t kAmounts = 22;
    using Amounts = std::array<CY, kAmounts>;
    static constexpr std::size_t kFP = 21, kFGSP = 22;

    // The element's amounts, or the sums of the elements', with the first non-zero title and a marker
    // set when any element has one.
    static ComPtr<CDaneZUS> Of(const PayrollRows& elements);
    // One element's amounts, with its code read through `model` from its type's row.
    static ComPtr<CDaneZUS> OfElement(std::shared_ptr<PayrollModel> model, const std::shared_ptr<PayrollRow>& element);
    // The amount at position 1..22 of an element's row.
    static CY AmountOf(const PayrollRow& element, std::size_t position);

    CDaneZUS(const Amounts& amounts, LONG title, LONG marker) : amounts_(amounts), title_(title), marker_(marker) {}

    HRESULT get_PodstawaEmerytalna(CY* a) override { return Get(1, a); }
    HRESULT get_PodstawaRentowa(CY* a) override { return Get(2, a); }
    HRESULT get_PodstawaChorobowa(CY* a) override { return Get(3, a); }
    HRESULT get_PodstawaWypadkowa(CY* a) override { return Get(4, a); }
    HRESULT get_PodstawaFP(CY* a) override { return Get(5, a); }
    HRESULT get_PodstawaFGSP(CY* a) override { return Get(6, a); }
    HRESULT get_PodstawaZdrowotna(CY* a) override { return Get(7, a); }
    HRESULT get_EmerytalnaPracownik(CY* a) override { return Get(8, a); }
    HRESULT get_EmerytalnaPlatnik(CY* a) override { return Get(9, a); }
    HRESULT get_RentowaPracownik(CY* a) override { return Get(10, a); }
    HRESULT get_RentowaPlatnik(CY* a) override { return Get(11, a); }
    HRESULT get_ChorobowaPracownik(CY* a) override { return Get(12, a); }
    HRESULT get_ChorobowaPlatnik(CY* a) override { return Get(13, a); }
    HRESULT get_WypadkowaPracownik(CY* a) override { return Get(14, a); }
    HRESULT get_WypadkowaPlatnik(CY* a) override { return Get(15, a); }
    HRESULT get_ZdrowotnaOdliczana(CY* a) override { return Get(16, a); }
    HRESULT get_ZdrowotnaFinansowana(CY* a) override { return Get(17, a); }
    HRESULT get_KodTytulu(LONG* code) override;
    HRESULT get_ZdrowotnaPozostala(CY* a) override { return Get(18, a); }
    HRESULT get_ZaliczkaPodatku(CY* a) override { return Get(19, a); }
    HRESULT get_KwotaFEP(CY* a) override { return Get(20, a); }
    HRESULT get_SkladkaFP(CY* a) override { return Get(kFP, a); }
    HRESULT get_SkladkaFGSP(CY* a) override { return Get(kFGSP, a); }
    HRESULT get_Znacznik(LONG* marker) override;
    HRESULT get_KodElementu(LONG* code) override;

private:
    HRESULT Get(std::size_t position, CY* amount);

    Amounts amounts_;
    LONG title_;
    LONG marker_;
    // For one element: the model that reads its type's row, and the type's identifier.
    std::shared_ptr<PayrollModel> model_;
    LONG typeId_ = 0;
};

}  // namespace tlx::host
