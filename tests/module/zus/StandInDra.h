// Stand-ins for a DRA and one of its reports as the contribution calculator sees them: the report
// answers its period, its DRA and its zero-report flag; the DRA sums what it receives per field (each
// addition rounded to grosze, as the DRA does), records the registrations and keeps the payer's running
// disability sum. The DRA's declaration is a real declaration of the module, for its version and person.
#pragma once

#include <map>
#include <vector>

#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ComObject.h"

class CStandInDra final : public tlx::ComObject<CStandInDra, IDRA> {
public:
    struct Registration {
        tlx::ComPtr<IDispatch> ident;
        DATE date;
        double wymiar;
    };
    tlx::ComPtr<IDeklaracja2> deklaracja;
    std::map<PoleDRAEnum, CMoney> totals;
    std::vector<Registration> registrations;
    CY rentowe{0};

    CMoney Total(PoleDRAEnum pole) const {
        auto found = totals.find(pole);
        return found == totals.end() ? CMoney() : found->second;
    }

    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    HRESULT get_Deklaracja(IDeklaracja2** out) override { return deklaracja.CopyTo(out); }
    HRESULT Przelicz(IDeklaracja2*) override { return E_NOTIMPL; }
    HRESULT put_Wartosc(PoleDRAEnum pole, CY amount) override {
        totals[pole] += CMoney::FromCurrency(amount).AsDouble();
        return S_OK;
    }
    HRESULT ExportToXML(LONG, BSTR) override { return E_NOTIMPL; }
    HRESULT ExportToXMLCIV(LONG, BSTR, BSTR) override { return E_NOTIMPL; }
    HRESULT NaglowekXML(BSTR*) override { return E_NOTIMPL; }
    HRESULT ToXML(LONG, BSTR*) override { return E_NOTIMPL; }
    HRESULT FormatEksportu(LONG, FormatEksportuZUSEnum*) override { return E_NOTIMPL; }
    HRESULT get_RentowePlatnikaKesz(CY* amount) override { return (*amount = rentowe, S_OK); }
    HRESULT put_RentowePlatnikaKesz(CY amount) override { return (rentowe = amount, S_OK); }
    HRESULT RegisterPrac(IDispatch* ident, DATE date, double wymiar) override {
        registrations.push_back({tlx::ComPtr<IDispatch>(ident), date, wymiar});
        return S_OK;
    }
};

class CStandInRaport final : public tlx::ComObject<CStandInRaport, IDRAExt> {
public:
    LONG rok = 0, miesiac = 0, generujZeroweRCA = 0;
    tlx::ComPtr<IDRA> dra;

    HRESULT GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
    HRESULT get_DataWypelnienia(DATE*) override { return E_NOTIMPL; }
    HRESULT get_Miesiac(LONG* value) override { return (*value = miesiac, S_OK); }
    HRESULT get_Rok(LONG* value) override { return (*value = rok, S_OK); }
    HRESULT get_IsEmpty(LONG*) override { return E_NOTIMPL; }
    HRESULT get_Deklaracja(IDeklaracja2**) override { return E_NOTIMPL; }
    HRESULT get_DRA(IDRA** out) override { return dra.CopyTo(out); }
    HRESULT put_DRA(IDRA* value) override { return (dra = tlx::ComPtr<IDRA>(value), S_OK); }
    HRESULT get_GenerujZeroweRCA(LONG* value) override { return (*value = generujZeroweRCA, S_OK); }
    HRESULT put_GenerujZeroweRCA(LONG value) override { return (generujZeroweRCA = value, S_OK); }
    HRESULT Policz(IDispatch*, LONG, IDeklaracja**) override { return E_NOTIMPL; }
    HRESULT Finish(LONG*) override { return E_NOTIMPL; }
};
