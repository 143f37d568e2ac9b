// A family member of an employee's card (ICzlonekRodziny, a row of TLX.PracRodzina): who he is, his
// kinship and ties to the employee, and his own address (prefix "PRR_").
#pragma once

#include <memory>
#include <string_view>

#include "host/objects/payroll/PayrollRow.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CCzlonekRodziny final : public ComObject<CCzlonekRodziny, Dispatch<ICzlonekRodziny>> {
public:
    explicit CCzlonekRodziny(std::shared_ptr<const PayrollRow> row) : row_(std::move(row)) {}

    HRESULT get_ID(LONG* id) override { return Long(u"PRR_PrrId", id); }
    HRESULT get_Nazwisko(BSTR* value) override { return Text(u"PRR_Nazwisko", value); }
    HRESULT get_Imie(BSTR* value) override { return Text(u"PRR_Imie", value); }
    HRESULT get_Pesel(BSTR* value) override { return Text(u"PRR_Pesel", value); }
    HRESULT get_NipE(BSTR* value) override { return Text(u"PRR_NIP", value); }
    HRESULT get_DowOsobisty(BSTR* value) override { return Text(u"PRR_DowodNr", value); }
    HRESULT get_Paszport(BSTR* value) override { return Text(u"PRR_Paszport", value); }
    HRESULT get_DataUr(DATE* value) override;
    HRESULT get_Pokrewienstwo(BSTR* value) override { return Text(u"PRR_Pokrewienstwo", value); }
    HRESULT get_NaUtrzymaniu(LONG* value) override { return Long(u"PRR_NaUtrzymaniu", value); }
    HRESULT get_WspolneGospodarstwo(LONG* value) override { return Long(u"PRR_WspolneGospodarstwo", value); }
    HRESULT get_Niepelnosprawnosc(BSTR* value) override { return Text(u"PRR_Niepelnosprawnosc", value); }
    HRESULT get_Adres(IPodAdres** value) override;

private:
    HRESULT Long(std::u16string_view column, LONG* value);
    HRESULT Text(std::u16string_view column, BSTR* value);

    std::shared_ptr<const PayrollRow> row_;
};

}  // namespace tlx::host
