// A VAT-27 item: one counterparty with its amount on a list of a VAT-27 declaration (row of
// TLX.DeklV27); `Typ` 1 lists deliveries of goods and 2 services. It offers the display and progress
// connection points and fires nothing; a new item gets no defaults.
#pragma once

#include "TlxBus2.h"
#include "mv_deklaracje_tlb.h"
#include "tlb/DispatchTables.h"
#include "platform/com/ConnectionPointContainer.h"
#include "platform/com/ProvideClassInfo.h"

class CVat27 final
    : public IIdentityImpl<CVat27, ISQLObjectImpl<CVat27, IVat27, IIdentity, IMirvakObjectTypeInfo, IInitializeParent,
                                                  tlx::ConnectionPointContainer, tlx::ProvideClassInfo2<>>> {
public:
    CVat27();

    LONG ReadIdentifier() const { return static_cast<LONG>(ReadLong(u"V27ID")); }

    HRESULT get_ID(LONG* value) override { return IIdentityImpl::get_ID(value); }
    HRESULT InitializeParent(IDispatch* _rParent) override;
    HRESULT get_DkNId(LONG* value) override;
    HRESULT put_DkNId(LONG value) override;
    HRESULT get_kwota(CY* value) override;
    HRESULT put_kwota(CY value) override;
    HRESULT get_Lp(LONG* value) override;
    HRESULT put_Lp(LONG value) override;
    HRESULT get_NIP(BSTR* value) override;
    HRESULT put_NIP(BSTR value) override;
    HRESULT get_Nazwa(BSTR* value) override;
    HRESULT put_Nazwa(BSTR value) override;
    HRESULT get_Numer(LONG* value) override;
    HRESULT put_Numer(LONG value) override;
    HRESULT get_Typ(LONG* value) override;
    HRESULT put_Typ(LONG value) override;
    HRESULT get_Zmiana(LONG* value) override;
    HRESULT put_Zmiana(LONG value) override;

protected:
    CBstr GetDefaultColumnPrefix() override { return CBstr(u"V27_"); }
    void OnLoadRecord(LONG mode) override;
    void OnSave(LONG mode) override;
    void OnVerify() override;

private:
    tlx::ComPtr<ISessionReference> parent_;
};
