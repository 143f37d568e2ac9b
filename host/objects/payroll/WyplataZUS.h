// The ZUS data of a payout being built (IWyplataZUS): five texts, the month, the four-digit insurance
// title and 27 amounts, all kept in memory.
#pragma once

#include <array>
#include <string>

#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CWyplataZUS final : public ComObject<CWyplataZUS, Dispatch<IWyplataZUS>> {
public:
    static constexpr LONG kAmounts = 27;

    HRESULT get_Tekst1(BSTR* t) override { return GetText(0, t); }
    HRESULT put_Tekst1(BSTR t) override { return PutText(0, t); }
    HRESULT get_Tekst2(BSTR* t) override { return GetText(1, t); }
    HRESULT put_Tekst2(BSTR t) override { return PutText(1, t); }
    HRESULT get_Tekst3(BSTR* t) override { return GetText(2, t); }
    HRESULT put_Tekst3(BSTR t) override { return PutText(2, t); }
    HRESULT get_Tekst4(BSTR* t) override { return GetText(3, t); }
    HRESULT put_Tekst4(BSTR t) override { return PutText(3, t); }
    HRESULT get_Tekst5(BSTR* t) override { return GetText(4, t); }
    HRESULT put_Tekst5(BSTR t) override { return PutText(4, t); }
    HRESULT get_Rok(LONG* year) override { return GetLong(year_, year); }
    HRESULT put_Rok(LONG year) override { year_ = year; return S_OK; }
    HRESULT get_Miesiac(LONG* month) override { return GetLong(month_, month); }
    HRESULT put_Miesiac(LONG month) override { month_ = month; return S_OK; }
    HRESULT get_KodTytulu(LONG* title) override { return GetLong(title_, title); }
    HRESULT put_KodTytulu(LONG title) override { title_ = title; return S_OK; }
    HRESULT get_Kwota(LONG index, CY* amount) override;
    HRESULT put_Kwota(LONG index, CY amount) override;

private:
    HRESULT GetText(std::size_t i, BSTR* text);
    HRESULT PutText(std::size_t i, BSTR text);
    static HRESULT GetLong(LONG value, LONG* out) {
        if (!out) return E_POINTER;
        *out = value;
        return S_OK;
    }

    std::array<std::u16string, 5> texts_;
    LONG year_ = 0, month_ = 0, title_ = 0;
    std::array<CY, kAmounts> amounts_{};
};

}  // namespace tlx::host
