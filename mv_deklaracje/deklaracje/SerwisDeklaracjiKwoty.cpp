// The data service's partner amounts: a partner's monthly income and costs of the business activities,
// rentals and special economic zones whose books are kept in other company databases.
#include "mv_deklaracje/deklaracje/SerwisDeklaracji.h"

#include <algorithm>

#include "hostapi/Collections.h"
#include "hostapi/Login.h"
#include "mv_deklaracje/core/HostServices.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"

namespace {

// The host's code for a database named in a partner's amounts that it cannot connect to.
constexpr HRESULT kForeignDatabaseMissing = static_cast<HRESULT>(0x800565F5);
constexpr char16_t kForeignDatabaseMissingText[] =
    u"Nie można przeliczyć deklaracji. Na serwerze brak bazy danych wskazanej w kwotach do deklaracji.";

// The families of a partner's amounts, in the order they are filled.
constexpr const char16_t* kFamilies[] = {u"DZIAL1", u"DZIAL2", u"DZIAL3", u"DZIAL4",
                                         u"NAJEM1", u"NAJEM2", u"STREFA1", u"STREFA2"};

template <class I>
tlx::ComPtr<I> Require(const tlx::ComPtr<IDispatch>& object) {
    if (!object) RaiseHResult(E_POINTER);
    tlx::ComPtr<I> typed;
    CheckHost(object->QueryInterface(IidOf<I>(), typed.OutVoid()));
    if (!typed) RaiseHResult(E_POINTER);
    return typed;
}

tlx::Variant ReadNamed(IPracPitMies* amounts, const std::u16string& name) {
    tlx::Variant value;
    CheckHost(amounts->get_wartosc(tlx::Bstr(name).Get(), value.Out()));
    return value;
}

void WriteNamed(IPracPitMies* amounts, const std::u16string& name, const VARIANT& value) {
    CheckHost(amounts->put_wartosc(tlx::Bstr(name).Get(), value));
}

CMoney ReadAmount(Recordset* rows, const char16_t* name) { return ReadRecordsetAmount(rows, name); }

}  // namespace

CBstr CSerwisDeklaracji::ForeignConnectionString(const CBstr& database) const {
    auto missing = [] {
        CBstr text = GetHostErrorText(kForeignDatabaseMissing, CBstr(kForeignDatabaseMissingText));
        RaiseComError(kForeignDatabaseMissing, text.IsEmpty() ? std::u16string_view(kForeignDatabaseMissingText) : text.View());
    };
    tlx::ComPtr<ILogin> login;
    if (FAILED(Session2()->get_Login(login.Out())) || !login) missing();
    tlx::ComPtr<IOperatorObject> op;
    if (FAILED(login->GetOperatorObject(op.Out())) || !op) missing();
    tlx::ComPtr<IDispatch> found;
    if (FAILED(op->GetEntry(tlx::Bstr(u"#" + std::u16string(database.View())).Get(), found.Out())) || !found)
        missing();
    auto entry = found.As<IBazaFirmy>();
    if (!entry) missing();
    tlx::ComPtr<Connection> connection;
    if (FAILED(entry->get_Connection(connection.Out())) || !connection) missing();
    tlx::Bstr text;
    if (FAILED(connection->get_ConnectionString(text.Out()))) missing();
    return CBstr(text.View());
}

tlx::ComPtr<Recordset> CSerwisDeklaracji::ForeignIncome(const CBstr& database, LONG year, LONG month, LONG buffer) {
    auto service = Require<ISerwisDeklaracji>(CreateThroughSession(CLSID_SerwisDeklaracji, tlx::Variant::Missing()));
    CBstr connection = ForeignConnectionString(database);
    CheckHost(service->put_ConnectionString(tlx::Bstr(connection.View()).Get()));
    CheckHost(service->put_PolaczenieObce(1));
    CheckHost(service->put_TypDeklaracji(typDeklaracji_));
    CheckHost(service->put_WersjaDeklaracji(wersjaDeklaracji_));
    tlx::ComPtr<IDispatch> income;
    CheckHost(service->DochodPodatnika(year, month, buffer, income.Out()));
    return Require<Recordset>(income);
}

void CSerwisDeklaracji::AddMonthAmounts(Recordset* income, IPracPitMies* amounts, const std::u16string& prefix,
                                        LONG year, LONG month) {
    CheckHost(income->put_Filter(tlx::Variant::FromString(
        FormatString(u"Rok=%d AND Miesiac=%d", static_cast<int>(year), static_cast<int>(month)))));
    CMoney revenue, costs;
    LONG count = 0;
    CheckHost(income->get_RecordCount(&count));
    if (count > 0) {
        VARIANT_BOOL eof = VARIANT_FALSE;
        for (CheckHost(income->MoveFirst()); CheckHost(income->get_EOF(&eof)), !eof; CheckHost(income->MoveNext())) {
            revenue += ReadAmount(income, u"Przychod").AsDouble();
            costs += ReadAmount(income, u"Koszt").AsDouble() + ReadAmount(income, u"ReklamaKoszt").AsDouble() -
                     ReadAmount(income, u"Remanent").AsDouble();
        }
    }
    const std::u16string revenueName = prefix + u"_PRZYCHOD", costsName = prefix + u"_KOSZTY";
    CMoney revenueSoFar = VariantToMoneyOr(ReadNamed(amounts, revenueName).Detach(), 0.0);
    CMoney costsSoFar = VariantToMoneyOr(ReadNamed(amounts, costsName).Detach(), 0.0);
    WriteNamed(amounts, revenueName, CMoney(revenueSoFar.AsDouble() + revenue.AsDouble()).ToVariant());
    WriteNamed(amounts, costsName, CMoney(costsSoFar.AsDouble() + costs.AsDouble()).ToVariant());
    amountsChanged_ = true;
}

HRESULT CSerwisDeklaracji::PobierzKwoty(LONG _Rok, LONG _mc, LONG _Bufor, LONG _wspolnikID) {
    return ComBoundary([&] {
        tlx::ComPtr<ILogin> login;
        CheckHost(CreateHostApplication()->GetLogin(login.Out()));
        if (!login) RaiseHResult(E_POINTER);
        tlx::ComPtr<ISession> created;
        CheckHost(login->CreateSession(created.Out()));
        auto session = created.As<ISession2>();
        if (!session) RaiseHResult(E_POINTER);

        tlx::ComPtr<IDispatch> object;
        CheckHost(session->CreateObject(
            tlx::Bstr(kProgIdPracownicy).Get(),
            tlx::Variant::FromString(FormatString(u"Pra_PraID=%d", static_cast<int>(_wspolnikID))), object.Out()));
        auto partner = Require<IPracownikDane>(object);
        tlx::ComPtr<ICollection> months;
        CheckHost(partner->get_PitMiesiace(months.Out()));
        if (!months) RaiseHResult(E_POINTER);
        // A quarter's three months go into the record of its last month; the range stays inside the year.
        LONG firstMonth = std::max<LONG>(deklaracjaKwartalna_ != 0 ? _mc - 2 : _mc, 1);
        tlx::ComPtr<IDispatch> item;
        CheckHost(months->Item(tlx::Variant::FromString(FormatString(u"PPM_Rok=%d AND PPM_Miesiac=%d",
                                                                     static_cast<int>(_Rok), static_cast<int>(_mc))),
                               item.Out()));
        auto amounts = Require<IPracPitMies>(item);

        for (const char16_t* family : kFamilies) {
            const std::u16string prefix(family);
            if (!(VariantToBstrOr(ReadNamed(amounts.Get(), prefix + u"_Z_BAZY").Detach(), CBstr(u"")) == u"T"))
                continue;
            CBstr database = VariantToBstrOr(ReadNamed(amounts.Get(), prefix + u"_BAZA").Detach(), CBstr(u""));
            WriteNamed(amounts.Get(), prefix + u"_PRZYCHOD", tlx::Variant::FromDouble(0));
            WriteNamed(amounts.Get(), prefix + u"_KOSZTY", tlx::Variant::FromDouble(0));
            amountsChanged_ = true;
            for (LONG month = firstMonth; month <= _mc; ++month) {
                tlx::ComPtr<Recordset> income = ForeignIncome(database, _Rok, month, _Bufor);
                AddMonthAmounts(income.Get(), amounts.Get(), prefix, _Rok, month);
            }
        }
        if (amountsChanged_) CheckHost(session->Save());
    });
}
