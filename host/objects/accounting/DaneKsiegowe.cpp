#include "host/objects/accounting/DaneKsiegowe.h"

#include "host/Database.h"
#include "host/HostError.h"
#include "host/session/HostSession.h"
#include "platform/com/ClassRegistry.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/CodePage.h"

namespace tlx::host {
namespace {

constexpr const char16_t* kCitFigures[] = {u"Przychod", u"PrzUzpTRP", u"KosztyReprezentacji", u"KosztyBezReklamy",
                                           u"KosztyPozaRP"};

std::u16string Decimal(long long value) { return Utf8ToUtf16(std::to_string(value)); }

LONGLONG ReadScaled(Recordset* rows, std::u16string_view name) {
    Variant value = ReadField(rows, name);
    if (value.vt == VT_NULL || value.vt == VT_EMPTY) return 0;
    Variant amount;
    Check(VariantChangeType(amount.Out(), &value, 0, VT_CY));
    return amount.cyVal.int64;
}

Variant Amount(LONGLONG scaled) { return Variant::FromCurrency(CY{scaled}); }

// A new, open, disconnected recordset of currency fields with the given names.
template <std::size_t N>
ComPtr<Recordset> CurrencyTable(const char16_t* const (&names)[N]) {
    ComPtr<Recordset> table;
    Check(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, IidOf<Recordset>(), table.OutVoid()));
    ComPtr<Fields> fields;
    Check(table->get_Fields(fields.Out()));
    for (const char16_t* name : names)
        Check(Require(fields.Get())->Append(Bstr(name).Get(), adCurrency, 0, -1, Variant::Missing()));
    Check(table->put_CursorLocation(adUseClient));
    Check(table->Open(Variant::Missing(), Variant::Missing(), adOpenUnspecified, adLockUnspecified, -1));
    return table;
}

constexpr const char16_t* kRateFigures[] = {u"Stawka", u"Przychod"};

}  // namespace

HRESULT CDaneKsiegowe::Initialize(ISession* session, LONG* state) {
    return Boundary([&] {
        Require(state);
        session_ = ComPtr<ISession>(Require(session));
        *state = hostStateBusinessObject;
    });
}

ComPtr<Recordset> CDaneKsiegowe::PeriodRows(std::u16string_view select, std::u16string_view prefix, bool crossedOut,
                                            LONG year, LONG month, LONG buffer, std::u16string_view tail) {
    std::u16string p(prefix);
    std::u16string sql = std::u16string(select) + u" where " + p + u"RokMies > " + Decimal(year * 100LL) + u" and " +
                         p + u"RokMies <= " + Decimal(year * 100LL + month);
    if (crossedOut) sql += u" and " + p + u"Skreslony = 0";
    if (buffer == 0) sql += u" and " + p + u"Bufor = 0";
    sql += u" ";
    sql += tail;
    return OpenRecordset(HostSessionOf(Require(session_.Get()))->CompanyConnection(), sql);
}

HRESULT CDaneKsiegowe::WypelnijDochody(Recordset* income, LONG year, LONG month, LONG buffer, IDispatch** result) {
    return Boundary([&] {
        Require(income);
        if (result) *result = nullptr;
        ComPtr<Recordset> months = PeriodRows(
            u"select ERy_RokMies / 100 as Rok, ERy_RokMies % 100 as Miesiac, sum(ERy_Przychod) as Przychod "
            u"from TLX.EwidRyczalt",
            u"ERy_", true, year, month, buffer, u"group by ERy_RokMies order by ERy_RokMies");
        for (; !AtEnd(months.Get()); Check(months->MoveNext())) {
            Check(income->AddNew(Variant::Missing(), Variant::Missing()));
            WriteField(income, u"Rok", Variant::FromLong(ReadLong(months.Get(), u"Rok")));
            WriteField(income, u"Miesiac", Variant::FromLong(ReadLong(months.Get(), u"Miesiac")));
            WriteField(income, u"Przychod", Amount(ReadScaled(months.Get(), u"Przychod")));
            for (const char16_t* name : {u"Koszt", u"Reklama", u"ReklamaKoszt", u"Remanent"})
                WriteField(income, name, Amount(0));
        }
        if (result) *result = ComPtr<IDispatch>(income).Detach();
    });
}

HRESULT CDaneKsiegowe::DaneCIT2(LONG year, LONG month, LONG buffer, Recordset** rows) {
    return Boundary([&] {
        Require(rows);
        *rows = nullptr;
        ComPtr<Recordset> figures =
            PeriodRows(u"select * from TLX.DaneCIT", u"DCi_", false, year, month, buffer, u"order by DCi_RokMies");
        LONGLONG sums[std::size(kCitFigures)] = {};
        for (; !AtEnd(figures.Get()); Check(figures->MoveNext()))
            for (std::size_t i = 0; i < std::size(kCitFigures); ++i)
                sums[i] += ReadScaled(figures.Get(), u"DCi_" + std::u16string(kCitFigures[i]));

        ComPtr<Recordset> result = CurrencyTable(kCitFigures);
        Check(result->AddNew(Variant::Missing(), Variant::Missing()));
        for (std::size_t i = 0; i < std::size(kCitFigures); ++i)
            WriteField(result.Get(), kCitFigures[i], Amount(sums[i]));
        Check(result->MoveFirst());
        *rows = result.Detach();
    });
}

HRESULT CDaneKsiegowe::PrzychodyWgStawek(LONG year, LONG month, LONG buffer, Recordset** rows) {
    return Boundary([&] {
        Require(rows);
        *rows = nullptr;
        ComPtr<Recordset> rates =
            PeriodRows(u"select ERy_Stawka as Stawka, sum(ERy_Przychod) as Przychod from TLX.EwidRyczalt", u"ERy_",
                       true, year, month, buffer, u"group by ERy_Stawka order by ERy_Stawka desc");
        ComPtr<Recordset> result = CurrencyTable(kRateFigures);
        for (; !AtEnd(rates.Get()); Check(rates->MoveNext())) {
            Check(result->AddNew(Variant::Missing(), Variant::Missing()));
            for (const char16_t* name : kRateFigures) WriteField(result.Get(), name, Amount(ReadScaled(rates.Get(), name)));
        }
        LONG count = 0;
        Check(result->get_RecordCount(&count));
        if (count != 0) Check(result->MoveFirst());
        *rows = result.Detach();
    });
}

}  // namespace tlx::host
