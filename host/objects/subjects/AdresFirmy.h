// The company's address (IPodAdres): the texts of the company's address settings, read when the address
// was made (CFirma).
#pragma once

#include <array>
#include <string>

#include "hostapi/SubjectsDispatch.h"

namespace tlx::host {

class CAdresFirmy final : public ComObject<CAdresFirmy, Dispatch<IPodAdres>> {
public:
    // The settings of the address, in the order of IPodAdres's members.
    static constexpr std::array<const char16_t*, 10> kKeys{
        u"FirmaUlica", u"FirmaNrDomu", u"FirmaNrLokalu", u"FirmaMiejscowosc", u"FirmaKodP",
        u"FirmaPoczta", u"FirmaGmina", u"FirmaPowiat", u"FirmaWojewodztwo", u"FirmaKraj",
    };
    using Texts = std::array<std::u16string, kKeys.size()>;

    explicit CAdresFirmy(Texts texts) : texts_(std::move(texts)) {}

    HRESULT get_Street(BSTR* value) override { return Get(0, value); }
    HRESULT get_HouseNumber(BSTR* value) override { return Get(1, value); }
    HRESULT get_FlatNumber(BSTR* value) override { return Get(2, value); }
    HRESULT get_Town(BSTR* value) override { return Get(3, value); }
    HRESULT get_PostalCode(BSTR* value) override { return Get(4, value); }
    HRESULT get_PostOffice(BSTR* value) override { return Get(5, value); }
    HRESULT get_Commune(BSTR* value) override { return Get(6, value); }
    HRESULT get_District(BSTR* value) override { return Get(7, value); }
    HRESULT get_Voivodeship(BSTR* value) override { return Get(8, value); }
    HRESULT get_Country(BSTR* value) override { return Get(9, value); }

private:
    HRESULT Get(std::size_t index, BSTR* value);

    Texts texts_;
};

}  // namespace tlx::host
