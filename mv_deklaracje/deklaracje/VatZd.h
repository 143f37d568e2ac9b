// A VAT-ZD item: one document whose tax base and tax are corrected on a VAT-ZD notice (row of
// TLX.VATZD), belonging to a declaration through its DkNId column. Every stored property is one column
// of the bound row; the item offers the display and progress connection points and fires nothing.
#pragma once

#include "TlxBus2.h"
#include "mv_deklaracje_tlb.h"
#include "tlb/DispatchTables.h"
#include "platform/com/ConnectionPointContainer.h"
#include "platform/com/ProvideClassInfo.h"

class CVatZd final
    : public IIdentityImpl<CVatZd, ISQLObjectImpl<CVatZd, IVatZd, IIdentity, IMirvakObjectTypeInfo, IInitializeParent,
                                                  tlx::ConnectionPointContainer, tlx::ProvideClassInfo2<>>> {
public:
    CVatZd();

    LONG ReadIdentifier() const { return static_cast<LONG>(ReadLong(u"VaZId")); }
    // True while the bound row is being deleted or is deleted in the batch or the database.
    bool IsRowDeleted() const;

    HRESULT get_ID(LONG* value) override { return IIdentityImpl::get_ID(value); }
    HRESULT InitializeParent(IDispatch* _rParent) override;
    HRESULT get_VaNId(LONG* value) override;
    HRESULT put_VaNId(LONG value) override;
    HRESULT get_TrNId(LONG* value) override;
    HRESULT put_TrNId(LONG value) override;
    HRESULT get_Typ(LONG* value) override;
    HRESULT put_Typ(LONG value) override;
    HRESULT get_DkNId(LONG* value) override;
    HRESULT put_DkNId(LONG value) override;
    HRESULT get_NazwaKontrahenta1(BSTR* value) override;
    HRESULT put_NazwaKontrahenta1(BSTR value) override;
    HRESULT get_NazwaKontrahenta2(BSTR* value) override;
    HRESULT put_NazwaKontrahenta2(BSTR value) override;
    HRESULT get_NazwaKontrahenta3(BSTR* value) override;
    HRESULT put_NazwaKontrahenta3(BSTR value) override;
    HRESULT get_NIP(BSTR* value) override;
    HRESULT put_NIP(BSTR value) override;
    HRESULT get_Dokument(BSTR* value) override;
    HRESULT put_Dokument(BSTR value) override;
    HRESULT get_DataWystawienia(DATE* value) override;
    HRESULT put_DataWystawienia(DATE value) override;
    HRESULT get_TerminRealizacji(DATE* value) override;
    HRESULT put_TerminRealizacji(DATE value) override;
    HRESULT get_RazemNetto(CY* value) override;
    HRESULT put_RazemNetto(CY value) override;
    HRESULT get_RazemVAT(CY* value) override;
    HRESULT put_RazemVAT(CY value) override;
    HRESULT get_RazemBrutto(CY* value) override;
    HRESULT put_RazemBrutto(CY value) override;
    HRESULT get_RodzajZakupu(LONG* value) override;
    HRESULT put_RodzajZakupu(LONG value) override;
    HRESULT get_Odliczenia(LONG* value) override;
    HRESULT put_Odliczenia(LONG value) override;
    HRESULT get_Flaga(LONG* value) override;
    HRESULT put_Flaga(LONG value) override;
    HRESULT get_Stawka(CY* value) override;
    HRESULT put_Stawka(CY value) override;
    HRESULT get_Netto(CY* value) override;
    HRESULT put_Netto(CY value) override;
    HRESULT get_VAT(CY* value) override;
    HRESULT put_VAT(CY value) override;
    HRESULT get_Brutto(CY* value) override;
    HRESULT put_Brutto(CY value) override;
    HRESULT get_SumaKwotZdarzen(CY* value) override;
    HRESULT put_SumaKwotZdarzen(CY value) override;
    HRESULT get_SumaKwotRozliczen(CY* value) override;
    HRESULT put_SumaKwotRozliczen(CY value) override;
    HRESULT get_KorektaNetto(CY* value) override;
    HRESULT put_KorektaNetto(CY value) override;
    HRESULT get_KorektaVAT(CY* value) override;
    HRESULT put_KorektaVAT(CY value) override;
    HRESULT get_RodzajZakupuAsText(BSTR* value) override;
    HRESULT get_OdliczeniaAsText(BSTR* value) override;
    HRESULT get_StawkaAsText(BSTR* value) override;
    HRESULT get_DoRoliczeniaNaDzienObliczenia(CY* value) override;
    HRESULT put_DoRoliczeniaNaDzienObliczenia(CY value) override;
    HRESULT get_RoliczonoNaDzienObliczenia(CY* value) override;
    HRESULT put_RoliczonoNaDzienObliczenia(CY value) override;

protected:
    CBstr GetDefaultColumnPrefix() override { return CBstr(u"VaZ_"); }
    void OnLoadRecord(LONG mode) override;
    void OnSave(LONG mode) override;
    void OnVerify() override;

private:
    tlx::ComPtr<ISessionReference> parent_;
};
