// An employee's dated record (IPracEtat, a row of TLX.PracEtaty): names and identifiers, address,
// validity and employment periods, working time and insurance, the family members of its card. One object per row of its card's model.
#pragma once

#include <memory>

#include "host/objects/payroll/PayrollModel.h"
#include "hostapi/PayrollDispatch.h"

namespace tlx::host {

class CPracEtat final : public ComObject<CPracEtat, Dispatch<IPracEtat>> {
public:
    // `id`: the row's PRE_PreId.
    CPracEtat(std::shared_ptr<PayrollModel> model, std::shared_ptr<PayrollRow> row, LONG id);

    HRESULT get_ID(LONG* value) override { return Long(u"PRE_PreId", value); }
    HRESULT get_Nazwisko(BSTR* value) override { return Text(u"PRE_Nazwisko", value); }
    HRESULT get_Imie1(BSTR* value) override { return Text(u"PRE_Imie1", value); }
    HRESULT get_Imie2(BSTR* value) override { return Text(u"PRE_Imie2", value); }
    HRESULT get_Plec(BSTR* value) override { return Text(u"PRE_Plec", value); }
    HRESULT get_Pesel(BSTR* value) override { return Text(u"PRE_Pesel", value); }
    HRESULT get_NipE(BSTR* value) override { return Text(u"PRE_NIP", value); }
    HRESULT get_DowOsobisty(BSTR* value) override { return Text(u"PRE_DowodNr", value); }
    HRESULT get_Paszport(BSTR* value) override { return Text(u"PRE_Paszport", value); }
    HRESULT get_DataUr(DATE* value) override;
    HRESULT get_Zawod(BSTR* value) override { return Text(u"PRE_Zawod", value); }
    HRESULT get_KodWyksztal(BSTR* value) override { return Text(u"PRE_KodWyksztal", value); }
    HRESULT get_RodzajDokumentu(LONG* value) override { return Long(u"PRE_RodzajDokumentu", value); }
    HRESULT get_Podatki(IPracPodatki** value) override;
    HRESULT get_Adres(IPodAdres** value) override;
    HRESULT get_DaneDodatkowe(IDaneDodatkowe** value) override;
    HRESULT get_OkresWaznosci(IOkres** value) override;
    HRESULT get_OkresZatrudnienia(IOkres** value) override;
    HRESULT get_RodzajZapisu(LONG* value) override { return Long(u"PRE_RodzajZapisu", value); }
    HRESULT get_Wylaczony(LONG* value) override { return Long(u"PRE_Wylaczony", value); }
    HRESULT get_BezZerowegoRCA(LONG* value) override { return Long(u"PRE_BezZerowegoRCA", value); }
    HRESULT get_Powiazanie(IDispatch** value) override;
    HRESULT get_Pracownik(IPracownik** value) override;
    HRESULT get_StopienNiepelnosprawnosci(LONG* value) override { return Long(u"PRE_StNiepelnosp", value); }
    HRESULT get_PrawoEmerRent(LONG* value) override { return Long(u"PRE_PrawoER", value); }
    HRESULT get_Ubezpieczenie(IUbezpieczenie** value) override;
    HRESULT get_Tytul(IKodTytulu** value) override;
    HRESULT get_WymiarEtatu(IPracDaneZus** value) override;
    HRESULT get_WymiarAlternatywny(IWymiarAlternatywny** value) override;
    HRESULT get_KodFEP(LONG* value) override { return Long(u"PRE_KodFEP", value); }
    HRESULT get_LimitPodstawy(CY* value) override;
    HRESULT get_OkresLimitu(IOkresowy** value) override;
    HRESULT get_StatusTytulu(LONG* value) override { return Long(u"PRE_StatusTytulu", value); }
    HRESULT get_PomocPubliczna(LONG* value) override { return Long(u"PRE_PomocPubliczna", value); }
    HRESULT get_ZatrWzrostNetto(LONG* value) override { return Long(u"PRE_ZatrWzrostNetto", value); }
    HRESULT get_ZatrRozwUmowy(LONG* value) override { return Long(u"PRE_ZatrRozwUmowy", value); }
    HRESULT get_PelneInformacje(LONG* value) override { return Long(u"PRE_PelneInformacje", value); }
    HRESULT get_Tekst(BSTR* value) override;
    HRESULT get_ZAMAdres(IPodAdres** value) override;
    HRESULT get_KORAdres(IPodAdres** value) override;
    HRESULT get_Telefon(BSTR* value) override { return Text(u"PRE_Telefon", value); }
    HRESULT get_Obywatelstwo(BSTR* value) override { return Text(u"PRE_Obywatelstwo", value); }
    HRESULT get_NazwiskoRodowe(BSTR* value) override { return Text(u"PRE_NazwiskoRodowe", value); }
    HRESULT get_OddzialNFZ(BSTR* value) override { return Text(u"PRE_OddzialNFZ", value); }
    // Read from the database at each call: the members are the card's, not the record's.
    HRESULT get_CzlonkowieRodziny(ICollection** members) override;

    // The record's validity [start, last day]; last 0 when open.
    DATE Start() const { return row_->Date(u"PRE_DataOd"); }
    DATE Last() const { return row_->Date(u"PRE_DataDo"); }

private:
    HRESULT Long(std::u16string_view column, LONG* value);
    HRESULT Text(std::u16string_view column, BSTR* value);

    ModelLink model_;
    std::shared_ptr<PayrollRow> row_;
};

}  // namespace tlx::host
