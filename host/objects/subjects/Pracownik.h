// An employee card (TLX.PracKod) with its payroll: the dated records, payouts, contracts, absences and
// dated entries of the card (host/objects/payroll/PayrollModel.h), read when first asked for (the records
// of a card opened by its key are read with it: CPracownicyCollection), and its monthly tax amounts
// (TLX.PracPitMies). The names of IPracownik are those of the latest record. A card is a business subject
// (IPodmiot) too: its address is that of its latest record.
#pragma once

#include <memory>

#include "host/objects/HostRecord.h"
#include "hostapi/EmployeesDispatch.h"
#include "hostapi/SubjectsDispatch.h"
#include "host/objects/payroll/PayrollModel.h"

namespace tlx::host {

inline constexpr HostTable kPracownicy{u"PracKod", u"Pra_", u"Pra_PraId", u"TLX.Pracownik"};
inline constexpr CLSID CLSID_Pracownik = tlx::MakeGuid(u"{56EC303F-CA84-4E48-87B4-5D9E8962D898}");

class CPracownikRecord final : public HostRecord<CPracownikRecord, IPracownik, Dispatch<IPodmiot>> {
public:
    static constexpr const HostTable& kTable = kPracownicy;
    ~CPracownikRecord() override;

    HRESULT get_ID(LONG* id) override { return HostRecord::get_ID(id); }
    HRESULT get_Kod(BSTR* code) override { return GetString(u"Kod", code); }
    HRESULT get_PracownikTekst(BSTR* text) override;
    HRESULT GetEtat(DATE day, VARIANT reserved, IPracEtat** record) override;
    HRESULT get_historia(ICollection** records) override;
    HRESULT get_OsobyPowiazane(ICollection** cards) override;
    HRESULT get_MaOsobyPowiazane(VARIANT_BOOL* has) override;
    HRESULT get_Wyplaty(ICollection** payouts) override;
    HRESULT get_Umowy(ICollection** contracts) override;
    HRESULT get_DaneKadrowe(IPracKadry** absences) override;
    HRESULT get_Nieobecnosci(ICollection** absences) override;
    HRESULT get_Przerwy(IPracPrzerwy** breaks) override;
    HRESULT get_OkresyPracownika(ICollection** entries) override;
    HRESULT get_Session(ISession** session) override;
    HRESULT Inicjuj(LONG mode) override;
    HRESULT get_PitMiesiace(ICollection** months) override;
    HRESULT get_OsobyWspolpracujace(ICollection** cards) override;
    HRESULT get_Imie(BSTR* firstName) override { return GetLatest(u"PRE_Imie1", firstName); }
    HRESULT get_Nazwisko(BSTR* surname) override { return GetLatest(u"PRE_Nazwisko", surname); }
    HRESULT get_PESEL(BSTR* pesel) override { return GetLatest(u"PRE_Pesel", pesel); }
    HRESULT get_NIP(BSTR* nip) override { return GetLatest(u"PRE_NIP", nip); }

    // IPodmiot: the address of the latest record; none when the card has no record.
    HRESULT get_Adres(IPodAdres** address) override;

    // A script sees an object through one dispatch view, whichever interface handed it out: the card's
    // answers the names of IPracownik and of IPodmiot alike (IPodmiot's identifiers moved above
    // IPracownik's).
    HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID lcid, DISPID* ids) override;
    HRESULT Invoke(DISPID id, REFIID iid, LCID lcid, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argError) override;
    HRESULT GetMemberKinds(DISPID id, WORD* kinds, UINT* arguments, UINT* required) override;

    // The card's payroll model (made on first use); `id`: the card's identifier as its collection read
    // it, 0 when it is to be read from the row.
    std::shared_ptr<PayrollModel> Model(LONG id = 0);

private:
    HRESULT GetLatest(std::u16string_view column, BSTR* out);
    ComPtr<ICollection> CardsLinkedBy(std::u16string_view column);
    // The model keeps the session; it is the card's own while no payroll object handed out shares it.
    ULONG OtherHoldsOnSession() override { return model_ && model_.use_count() == 1 ? 1 : 0; }

    std::shared_ptr<PayrollModel> model_;
    ComPtr<ICollection> pitMiesiace_;
};

}  // namespace tlx::host
