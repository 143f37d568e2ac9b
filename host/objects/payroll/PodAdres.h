// The address of a person's record (IPodAdres), read from the row's columns prefix + "Ulica", "NrDomu",
// "NrLokalu", "Miasto", "KodPocztowy", "Poczta", "Gmina", "Powiat", "Wojewodztwo" and "Kraj".
#pragma once

#include <memory>
#include <string>

#include "host/objects/payroll/PayrollRow.h"
#include "hostapi/SubjectsDispatch.h"

namespace tlx::host {

class CPodAdres final : public ComObject<CPodAdres, Dispatch<IPodAdres>> {
public:
    CPodAdres(std::shared_ptr<const PayrollRow> row, std::u16string prefix)
        : row_(std::move(row)), prefix_(std::move(prefix)) {}

    HRESULT get_Street(BSTR* value) override { return Get(u"Ulica", value); }
    HRESULT get_HouseNumber(BSTR* value) override { return Get(u"NrDomu", value); }
    HRESULT get_FlatNumber(BSTR* value) override { return Get(u"NrLokalu", value); }
    HRESULT get_Town(BSTR* value) override { return Get(u"Miasto", value); }
    HRESULT get_PostalCode(BSTR* value) override { return Get(u"KodPocztowy", value); }
    HRESULT get_PostOffice(BSTR* value) override { return Get(u"Poczta", value); }
    HRESULT get_Commune(BSTR* value) override { return Get(u"Gmina", value); }
    HRESULT get_District(BSTR* value) override { return Get(u"Powiat", value); }
    HRESULT get_Voivodeship(BSTR* value) override { return Get(u"Wojewodztwo", value); }
    HRESULT get_Country(BSTR* value) override { return Get(u"Kraj", value); }

private:
    HRESULT Get(std::u16string_view column, BSTR* value);

    std::shared_ptr<const PayrollRow> row_;
    std::u16string prefix_;
};

}  // namespace tlx::host
