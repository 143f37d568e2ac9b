#include "mv_deklaracje/deklaracje/SerwisDeklaracji.h"

#include "hostapi/IncomeData.h"
#include "hostapi/Login.h"
#include "mv_deklaracje/deklaracje/DochodyKsiegi.h"
#include "mv_deklaracje/core/HostLookups.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/deklaracje/NumerDokumentu.h"
#include "mv_deklaracje/core/RecordColumns.h"

namespace {

// The host's codes: a foreign database whose ledger is not a revenue-and-expense ledger.
constexpr HRESULT kForeignLedgerNotKpr = static_cast<HRESULT>(0x80057603);
constexpr long kLedgerKpr = 2;
constexpr long kLedgerFlatRate = 3;
// The host modules whose use makes the payroll figures available to the scripts.
constexpr LONG kPayrollModules[] = {hostModulePlace, hostModuleKadry};

// The pairs of amount numbers of a partner's month: the take-from-a-database flag and the database
// name, for the business activities, the rentals and the special economic zones.
struct AmountPair {
    LONG flag;
    LONG name;
};
constexpr AmountPair kAmountPairs[] = {{44000, 45000}, {44001, 45001}, {44002, 45002}, {44003, 45003},
                                       {44100, 45100}, {44101, 45101}, {44200, 45200}, {44201, 45201}};

[[noreturn]] void RaiseHostMessage(HRESULT code) { RaiseComError(code, GetHostErrorText(code, CBstr(u"")).View()); }

template <class I>
tlx::ComPtr<I> AskFor(const tlx::ComPtr<IDispatch>& object) {
    tlx::ComPtr<I> typed;
    CheckHost(object->QueryInterface(IidOf<I>(), typed.OutVoid()));
    if (!typed) RaiseHResult(E_NOINTERFACE);
    return typed;
}

tlx::Variant FirstValue(Recordset* rows, const char16_t* name) {
    VARIANT_BOOL eof = VARIANT_TRUE;
    CheckHost(rows->get_EOF(&eof));
    if (eof) return tlx::Variant();
    tlx::ComPtr<Fields> fields;
    CheckHost(rows->get_Fields(fields.Out()));
    tlx::ComPtr<Field> field;
    CheckHost(fields->get_Item(name ? tlx::Variant::FromString(name) : tlx::Variant::FromLong(0), field.Out()));
    tlx::Variant value;
    CheckHost(field->get_Value(value.Out()));
    return value;
}

}  // namespace

tlx::ComPtr<ISession2> CSerwisDeklaracji::Session2() const {
    tlx::ComPtr<ISession2> session = GetSession().As<ISession2>();
    if (!session) RaiseHResult(E_POINTER);
    return session;
}

tlx::ComPtr<IDispatch> CSerwisDeklaracji::CreateThroughSession(const CLSID& clsid, const VARIANT& parameter) const {
    tlx::ComPtr<IDispatch> object;
    CheckHost(Session2()->CreateObject(tlx::Bstr(tlx::GuidToText(clsid)).Get(), parameter, object.Out()));
    if (!object) RaiseHResult(E_POINTER);
    return object;
}

tlx::ComPtr<IFirmaCfgRO> CSerwisDeklaracji::Firma() {
    if (!firma_) firma_ = AskFor<IFirmaCfgRO>(CreateThroughSession(CLSID_FirmaCfgRO, tlx::Variant::Missing()));
    return firma_;
}

HRESULT CSerwisDeklaracji::get_Firma(IFirmaCfgRO** company) {
    return ComBoundary([&] { *RequireOut(company) = Firma().Detach(); });
}

HRESULT CSerwisDeklaracji::get_Program(IProgramCfgRO** program) {
    return ComBoundary([&] {
        RequireOut(program);
        if (!program_)
            program_ = AskFor<IProgramCfgRO>(CreateThroughSession(CLSID_ProgramCfgRO, tlx::Variant::Missing()));
        *program = tlx::ComPtr<IProgramCfgRO>(program_).Detach();
    });
}

HRESULT CSerwisDeklaracji::get_ModulPlace(LONG* inUse) {
    return ComBoundary([&] {
        RequireOut(inUse);
        *inUse = 0;
        for (LONG module : kPayrollModules) {
            tlx::ComPtr<ILogin> login;
            CheckHost(Session2()->get_Login(login.Out()));
            if (!login) RaiseHResult(E_POINTER);
            VARIANT_BOOL available = VARIANT_FALSE;
            CheckHost(login->IsModuleAvailable(module, &available));
            if (available) {
                *inUse = 1;
                return;
            }
        }
    });
}

tlx::ComPtr<IDispatch> CSerwisDeklaracji::ConfiguredRecord(const CLSID& collection, const char16_t* key, LONG id,
                                                           const IID& iid) {
    if (id == 0) RaiseHostMessage(kHostMissingRecord);
    tlx::ComPtr<IDispatch> record =
        CreateThroughSession(collection, tlx::Variant::FromString(FormatString(u"%s=%d", key, static_cast<int>(id))));
    tlx::ComPtr<IDispatch> typed;
    CheckHost(record->QueryInterface(iid, typed.OutVoid()));
    if (!typed) RaiseHResult(E_NOINTERFACE);
    return typed;
}

HRESULT CSerwisDeklaracji::get_DefinicjaDokumentu(IDispatch** definition) {
    return ComBoundary([&] {
        RequireOut(definition);
        *definition = nullptr;
        LONG id = 0;
        CheckHost(Firma()->get_TypDokumentuDlaDeklaracji(&id));
        *definition = ConfiguredRecord(CLSID_DefinicjeDokumentow, u"Ddf_DdfID", id, IDefinicjaDokumentu::kIid).Detach();
    });
}

HRESULT CSerwisDeklaracji::get_FormaPlatnosci(IDispatch** method) {
    return ComBoundary([&] {
        RequireOut(method);
        *method = nullptr;
        LONG id = 0;
        CheckHost(Firma()->get_FormaPlatnosciDlaDeklaracji(&id));
        *method = ConfiguredRecord(CLSID_FormyPlatnosci, u"Fpl_FplID", id, IFormaPlatnosci::kIid).Detach();
    });
}

HRESULT CSerwisDeklaracji::get_PolaczenieObce(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = polaczenieObce_; });
}
HRESULT CSerwisDeklaracji::put_PolaczenieObce(LONG value) {
    polaczenieObce_ = value;
    return S_OK;
}
HRESULT CSerwisDeklaracji::get_ConnectionString(BSTR* value) {
    return ComBoundary([&] { *RequireOut(value) = connectionString_.Copy(); });
}
HRESULT CSerwisDeklaracji::put_ConnectionString(BSTR value) {
    return ComBoundary([&] { connectionString_ = TextArgument(value); });
}
HRESULT CSerwisDeklaracji::get_TypDeklaracji(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = typDeklaracji_; });
}
HRESULT CSerwisDeklaracji::put_TypDeklaracji(LONG value) {
    typDeklaracji_ = value;
    return S_OK;
}
HRESULT CSerwisDeklaracji::get_WersjaDeklaracji(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = wersjaDeklaracji_; });
}
HRESULT CSerwisDeklaracji::put_WersjaDeklaracji(LONG value) {
    wersjaDeklaracji_ = value;
    return S_OK;
}
HRESULT CSerwisDeklaracji::get_DeklaracjaKwartalna(LONG* value) {
    return ComBoundary([&] { *RequireOut(value) = deklaracjaKwartalna_; });
}
HRESULT CSerwisDeklaracji::put_DeklaracjaKwartalna(LONG value) {
    deklaracjaKwartalna_ = value;
    return S_OK;
}

HRESULT CSerwisDeklaracji::Dzis(LONG* today) {
    return ComBoundary([&] { *RequireOut(today) = static_cast<LONG>(GetHostToday().Value()); });
}

HRESULT CSerwisDeklaracji::NumerString(BSTR _sRejestr, LONG _Miesiac, LONG _Rok, BSTR* number) {
    return ComBoundary([&] {
        RequireOut(number);
        *number = nullptr;
        tlx::ComPtr<IDispatch> found;
        CheckHost(get_DefinicjaDokumentu(found.Out()));
        CBstr text(u"");
        if (auto definition = found.As<IDefinicjaDokumentu>()) {
            tlx::Bstr symbol, pattern;
            CheckHost(definition->get_Symbol(symbol.Out()));
            CheckHost(definition->get_Numeracja(pattern.Out()));
            CBstr symbolText = symbol.IsNull() ? CBstr() : CBstr(symbol.View());
            text = FillNumberTemplate(CBstr(pattern.View()), symbolText, TextArgument(_sRejestr), _Miesiac, _Rok);
        }
        *number = text.Copy();
    });
}

HRESULT CSerwisDeklaracji::NumerPelny(BSTR _sRejestr, LONG _Numer, LONG _Miesiac, LONG _Rok, BSTR* number) {
    return ComBoundary([&] {
        RequireOut(number);
        *number = nullptr;
        tlx::Bstr text;
        CheckHost(NumerString(_sRejestr, _Miesiac, _Rok, text.Out()));
        *number = FillRunningNumber(CBstr(text.View()), _Numer).Copy();
    });
}

long CSerwisDeklaracji::AccountingKind() {
    if (polaczenieObce_ != 1) {
        LONG kind = 0;
        CheckHost(Firma()->get_RodzajKsiegowosci(&kind));
        return kind;
    }
    tlx::ComPtr<Recordset> setting =
        OpenLedgerQuery(CBstr(u"Select Fir_Wartosc From TLX.Firma Where Fir_Numer=1204"), true);
    return VariantToLongOr(FirstValue(setting.Get(), nullptr).Detach(), 0);
}

tlx::ComPtr<Recordset> CSerwisDeklaracji::OpenLedgerQuery(const CBstr& sql, bool foreign) const {
    tlx::ComPtr<Recordset> rows;
    CheckHost(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, IidOf<Recordset>(), rows.OutVoid()));
    if (!rows) RaiseHResult(E_POINTER);
    tlx::Variant connection;
    if (foreign) {
        connection = tlx::Variant::FromString(connectionString_.View());
    } else {
        tlx::ComPtr<Connection> session;
        CheckHost(Session2()->get_Connection(session.Out()));
        if (!session) RaiseHResult(E_POINTER);
        connection = tlx::Variant::FromDispatch(session.Get());
    }
    CheckHost(
        rows->Open(tlx::Variant::FromString(sql.View()), connection, adOpenForwardOnly, adLockReadOnly, adCmdText));
    return rows;
}

tlx::ComPtr<Recordset> CSerwisDeklaracji::BuildIncome(LONG year, LONG month, LONG buffer) {
    tlx::ComPtr<Recordset> income = CreateIncomeRecordset();
    long kind = AccountingKind();
    bool foreign = polaczenieObce_ == 1;
    if (foreign && kind != kLedgerKpr) RaiseHostMessage(kForeignLedgerNotKpr);
    bool unlimited = AdvertisingUnlimited(typDeklaracji_, wersjaDeklaracji_);
    if (kind == kLedgerKpr) {
        tlx::ComPtr<Recordset> sums = OpenLedgerQuery(KprMonthSumsSql(year, month, buffer != 0), foreign);
        CopyKprMonthSums(income.Get(), sums.Get());
        tlx::ComPtr<Recordset> inventory = OpenLedgerQuery(KprInventorySql(year, month, buffer != 0), foreign);
        LimitAdvertisingCost(income.Get(), unlimited);
        AddInventoryDifferences(income.Get(), inventory.Get());
    } else if (kind == kLedgerFlatRate) {
        auto data = AskFor<IDaneKsiegowe>(CreateThroughSession(CLSID_DaneKsiegowe, tlx::Variant::Missing()));
        tlx::ComPtr<IDispatch> ignored;
        CheckHost(data->WypelnijDochody(income.Get(), year, month, buffer, ignored.Out()));
        LimitAdvertisingCost(income.Get(), unlimited);
    }
    // The scripts read the table from its first row.
    LONG count = 0;
    CheckHost(income->get_RecordCount(&count));
    if (count > 0) CheckHost(income->MoveFirst());
    return income;
}

HRESULT CSerwisDeklaracji::DochodPodatnika(LONG _Rok, LONG _Miesiac, LONG _Bufor, IDispatch** rows) {
    return ComBoundary([&] {
        RequireOut(rows);
        *rows = nullptr;
        *rows = BuildIncome(_Rok, _Miesiac, _Bufor).Detach();
    });
}

HRESULT CSerwisDeklaracji::DaneCIT2(LONG _Rok, LONG _Miesiac, LONG _Bufor, IDispatch** rows) {
    return ComBoundary([&] {
        RequireOut(rows);
        *rows = nullptr;
        auto data = AskFor<IDaneKsiegowe>(CreateThroughSession(CLSID_DaneKsiegowe, tlx::Variant::Missing()));
        tlx::ComPtr<Recordset> figures;
        CheckHost(data->DaneCIT2(_Rok, _Miesiac, _Bufor, figures.Out()));
        *rows = figures.Detach();
    });
}

CBstr CSerwisDeklaracji::ForeignDatabaseOf(LONG flagNumber, LONG nameNumber, LONG year, LONG month,
                                           LONG partner) const {
    std::u16string sql = u"select PPK_Z_BAZY.PPK_Wartosc as Z_BAZY, PPK_BAZA.PPK_Wartosc as BAZA from TLX.PracPitMies ";
    sql += FormatString(
        u"left outer join TLX.PracPitKwoty PPK_Z_BAZY on (PPM_PPMId=PPK_Z_BAZY.PPK_PPMId and "
        u"PPK_Z_BAZY.PPK_Numer=%d) ",
        static_cast<int>(flagNumber));
    sql += FormatString(
        u"left outer join TLX.PracPitKwoty PPK_BAZA   on (PPM_PPMId=PPK_BAZA.PPK_PPMId and "
        u"PPK_BAZA.PPK_Numer=%d) ",
        static_cast<int>(nameNumber));
    sql += FormatString(u"where PPM_PraId=%d and PPM_Rok=%d and PPM_Miesiac=%d ", static_cast<int>(partner),
                        static_cast<int>(year), static_cast<int>(month));
    tlx::ComPtr<Recordset> rows = OpenLedgerQuery(CBstr(sql), false);
    CBstr fromDatabase = VariantToBstrOr(FirstValue(rows.Get(), u"Z_BAZY").Detach(), CBstr(u""));
    CBstr name = VariantToBstrOr(FirstValue(rows.Get(), u"BAZA").Detach(), CBstr(u""));
    if (fromDatabase == u"T" && !name.IsEmpty() && !(name == u"0")) return name;
    return CBstr(u"");
}

HRESULT CSerwisDeklaracji::PobierzKwotyEx(LONG _Rok, LONG _mc, LONG _Bufor, LONG _wspolnikID, IDispatch** rows) {
    return ComBoundary([&] {
        RequireOut(rows);
        *rows = nullptr;
        tlx::ComPtr<Recordset> result;
        for (const AmountPair& pair : kAmountPairs) {
            CBstr name = ForeignDatabaseOf(pair.flag, pair.name, _Rok, _mc, _wspolnikID);
            // The named database is only looked up; the income comes from the service's own settings.
            if (!name.IsEmpty()) result = BuildIncome(_Rok, _mc, _Bufor);
        }
        *rows = result.Detach();
    });
}
