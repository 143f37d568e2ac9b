// The calculation scripts' data service: the company's and the program's settings, the document
// definition and payment form configured for declarations, the host's date, document number texts, the
// taxpayer's income from the ledger or the flat-rate data, and a partner's monthly amounts taken from
// other company databases. It keeps no record; every answer comes from the host.
#pragma once

#include "TlxBus2.h"
#include "hostapi/Employees.h"
#include "mv_deklaracje_tlb.h"
#include "platform/com/ConnectionPointContainer.h"
#include "platform/com/ProvideClassInfo.h"
#include "tlb/DispatchTables.h"

class CSerwisDeklaracji final : public ISimpleObjectImpl<CSerwisDeklaracji, ISerwisDeklaracji,
                                                         tlx::ConnectionPointContainer, tlx::ProvideClassInfo2<>> {
public:
    HRESULT get_Firma(IFirmaCfgRO** company) override;
    HRESULT get_ModulPlace(LONG* inUse) override;
    HRESULT get_Program(IProgramCfgRO** program) override;
    HRESULT get_DefinicjaDokumentu(IDispatch** definition) override;
    HRESULT get_FormaPlatnosci(IDispatch** method) override;
    HRESULT get_PolaczenieObce(LONG* value) override;
    HRESULT put_PolaczenieObce(LONG value) override;
    HRESULT get_ConnectionString(BSTR* value) override;
    HRESULT put_ConnectionString(BSTR value) override;
    HRESULT get_TypDeklaracji(LONG* value) override;
    HRESULT put_TypDeklaracji(LONG value) override;
    HRESULT get_WersjaDeklaracji(LONG* value) override;
    HRESULT put_WersjaDeklaracji(LONG value) override;
    HRESULT get_DeklaracjaKwartalna(LONG* value) override;
    HRESULT put_DeklaracjaKwartalna(LONG value) override;
    HRESULT Dzis(LONG* today) override;
    HRESULT DochodPodatnika(LONG _Rok, LONG _Miesiac, LONG _Bufor, IDispatch** rows) override;
    HRESULT NumerString(BSTR _sRejestr, LONG _Miesiac, LONG _Rok, BSTR* number) override;
    HRESULT NumerPelny(BSTR _sRejestr, LONG _Numer, LONG _Miesiac, LONG _Rok, BSTR* number) override;
    HRESULT DaneCIT2(LONG _Rok, LONG _Miesiac, LONG _Bufor, IDispatch** rows) override;
    HRESULT PobierzKwoty(LONG _Rok, LONG _mc, LONG _Bufor, LONG _wspolnikID) override;
    HRESULT PobierzKwotyEx(LONG _Rok, LONG _mc, LONG _Bufor, LONG _wspolnikID, IDispatch** rows) override;

private:
    tlx::ComPtr<ISession2> Session2() const;
    // A host or module object created through the session, by its class identifier.
    tlx::ComPtr<IDispatch> CreateThroughSession(const CLSID& clsid, const VARIANT& parameter) const;
    tlx::ComPtr<IFirmaCfgRO> Firma();
    // The record of a host collection class picked by "<key>=<id>"; an identifier 0 is the host's
    // missing-record failure.
    tlx::ComPtr<IDispatch> ConfiguredRecord(const CLSID& collection, const char16_t* key, LONG id, const IID& iid);
    // The ledger's accounting kind: the company setting, or setting 1204 of the foreign database.
    long AccountingKind();
    // A forward-only, read-only recordset of a statement on the ledger's database.
    tlx::ComPtr<Recordset> OpenLedgerQuery(const CBstr& sql, bool foreign) const;
    tlx::ComPtr<Recordset> BuildIncome(LONG year, LONG month, LONG buffer);
    // The database named by a partner's amounts for one pair of amount numbers; empty when none.
    CBstr ForeignDatabaseOf(LONG flagNumber, LONG nameNumber, LONG year, LONG month, LONG partner) const;
    // The income of a month range computed by a second service on the company database of that name.
    tlx::ComPtr<Recordset> ForeignIncome(const CBstr& database, LONG year, LONG month, LONG buffer);
    // The connection string of a company database of the operator's list; the host's failure 0x800565f5
    // when the name resolves to no open connection.
    CBstr ForeignConnectionString(const CBstr& database) const;
    // Adds one month of an income table to a family's income and costs in a partner's amounts.
    void AddMonthAmounts(Recordset* income, IPracPitMies* amounts, const std::u16string& prefix, LONG year,
                         LONG month);

    tlx::ComPtr<IFirmaCfgRO> firma_;
    tlx::ComPtr<IProgramCfgRO> program_;
    LONG polaczenieObce_ = 0;
    CBstr connectionString_{u""};
    LONG typDeklaracji_ = 0;
    LONG wersjaDeklaracji_ = 0;
    LONG deklaracjaKwartalna_ = 0;
    // Set by the first write to a partner's amounts and never cleared: later calls save as well.
    bool amountsChanged_ = false;
};
