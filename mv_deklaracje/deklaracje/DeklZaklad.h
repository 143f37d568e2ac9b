// An establishment (zakład) of the company (row of TLX.DeklZaklady): its names, tax and statistical
// numbers, staff, start date, address and the flags that keep it out of the CIT-ST attachments. A new
// row gets the defaults of an active establishment in Poland; the audit stamp is saved with the row.
#pragma once

#include "TlxBus2.h"
#include "mv_deklaracje_tlb.h"
#include "tlb/DispatchTables.h"
#include "platform/com/ProvideClassInfo.h"

class CDeklZaklad final
    : public IIdentityImpl<CDeklZaklad, ISQLObjectImpl<CDeklZaklad, IDeklZaklad, IIdentity, IMirvakObjectTypeInfo,
                                                       tlx::ProvideClassInfo2<>>> {
public:
    LONG ReadIdentifier() const { return static_cast<LONG>(ReadLong(u"DkZID")); }

    HRESULT InterfaceSupportsErrorInfo(REFIID iid) override;
    HRESULT get_ID(LONG* value) override { return IIdentityImpl::get_ID(value); }
    HRESULT get_Stempel(IDispatch** stamp) override;
    HRESULT get_NazwaPelna(BSTR* value) override;
    HRESULT put_NazwaPelna(BSTR value) override;
    HRESULT get_NazwaSkrocona(BSTR* value) override;
    HRESULT put_NazwaSkrocona(BSTR value) override;
    HRESULT get_NIP(BSTR* value) override;
    HRESULT put_NIP(BSTR value) override;
    HRESULT get_REGON(BSTR* value) override;
    HRESULT put_REGON(BSTR value) override;
    HRESULT get_LiczbaZatrudnionych(LONG* value) override;
    HRESULT put_LiczbaZatrudnionych(LONG value) override;
    HRESULT get_DataRozpDzial(DATE* value) override;
    HRESULT put_DataRozpDzial(DATE value) override;
    HRESULT get_Kraj(BSTR* value) override;
    HRESULT put_Kraj(BSTR value) override;
    HRESULT get_Wojewodztwo(BSTR* value) override;
    HRESULT put_Wojewodztwo(BSTR value) override;
    HRESULT get_Powiat(BSTR* value) override;
    HRESULT put_Powiat(BSTR value) override;
    HRESULT get_Gmina(BSTR* value) override;
    HRESULT put_Gmina(BSTR value) override;
    HRESULT get_KodGminy(BSTR* value) override;
    HRESULT put_KodGminy(BSTR value) override;
    HRESULT get_Ulica(BSTR* value) override;
    HRESULT put_Ulica(BSTR value) override;
    HRESULT get_NrDomu(BSTR* value) override;
    HRESULT put_NrDomu(BSTR value) override;
    HRESULT get_NrLokalu(BSTR* value) override;
    HRESULT put_NrLokalu(BSTR value) override;
    HRESULT get_Miasto(BSTR* value) override;
    HRESULT put_Miasto(BSTR value) override;
    HRESULT get_KodP(BSTR* value) override;
    HRESULT put_KodP(BSTR value) override;
    HRESULT get_Poczta(BSTR* value) override;
    HRESULT put_Poczta(BSTR value) override;
    HRESULT get_Nieaktywny(LONG* value) override;
    HRESULT put_Nieaktywny(LONG value) override;
    HRESULT get_UwzgledniajNaCITST(LONG* value) override;
    HRESULT put_UwzgledniajNaCITST(LONG value) override;
    HRESULT get_UwzgledniajNaCITSTA(LONG* value) override;
    HRESULT put_UwzgledniajNaCITSTA(LONG value) override;

protected:
    CBstr GetDefaultColumnPrefix() override { return CBstr(u"DkZ_"); }
    void OnLoadRecord(LONG mode) override;
    bool OnStateChange(LONG state, LONG mode) override;
};
