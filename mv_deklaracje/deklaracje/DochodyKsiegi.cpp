#include "mv_deklaracje/deklaracje/DochodyKsiegi.h"

#include <algorithm>
#include <map>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/core/Money.h"
#include "mv_deklaracje/core/RecordsetValues.h"
#include "mv_deklaracje/core/VariantHelpers.h"
#include "platform/com/ClassRegistry.h"

namespace {

constexpr const char16_t* kAmountFields[] = {u"Przychod", u"Koszt", u"Reklama", u"ReklamaKoszt", u"Remanent"};
// The share of the income up to which advertising is a deductible cost.
constexpr double kAdvertisingShare = 0.0025;
constexpr long kPit5 = 2;
constexpr long kPit5L = 12;

tlx::Variant Read(Recordset* rows, const char16_t* name) { return ReadRecordsetValue(rows, name); }
CMoney ReadAmount(Recordset* rows, const char16_t* name) { return ReadRecordsetAmount(rows, name); }
void Write(Recordset* rows, const char16_t* name, const VARIANT& value) { WriteRecordsetValue(rows, name, value); }

bool AtEnd(Recordset* rows) {
    VARIANT_BOOL eof = VARIANT_TRUE;
    CheckHost(rows->get_EOF(&eof));
    return eof != VARIANT_FALSE;
}

// Stands on the first row; false for a recordset without rows.
bool MoveToFirst(Recordset* rows) {
    LONG count = 0;
    CheckHost(rows->get_RecordCount(&count));
    if (count == 0) return false;
    CheckHost(rows->MoveFirst());
    return !AtEnd(rows);
}

void AddRow(Recordset* rows) {
    const tlx::Variant missing = tlx::Variant::Missing();
    CheckHost(rows->AddNew(missing, missing));
}

}  // namespace

tlx::ComPtr<Recordset> CreateIncomeRecordset() {
    tlx::ComPtr<Recordset> rows;
    CheckHost(CoCreateInstance(CLSID_Recordset, nullptr, CLSCTX_ALL, IidOf<Recordset>(), rows.OutVoid()));
    if (!rows) RaiseHResult(E_POINTER);
    tlx::ComPtr<Fields> fields;
    CheckHost(rows->get_Fields(fields.Out()));
    const tlx::Variant missing = tlx::Variant::Missing();
    for (const char16_t* name : {u"Rok", u"Miesiac"})
        CheckHost(fields->Append(tlx::Bstr(name).Get(), adInteger, 0, -1, missing));
    for (const char16_t* name : kAmountFields)
        CheckHost(fields->Append(tlx::Bstr(name).Get(), adCurrency, 0, -1, missing));
    CheckHost(rows->put_CursorLocation(adUseClient));
    CheckHost(rows->Open(missing, missing, adOpenUnspecified, adLockUnspecified, -1));
    return rows;
}

CBstr KprMonthSumsSql(long year, long month, bool withBuffer) {
    std::u16string sql = u"SELECT ROUND(KPR_RokMies/100,0) AS Rok, (KPR_RokMies % 100) AS Miesiac, ";
    sql += u" SUM(KPR_Sprzedaz+KPR_Pozostale) AS Przychod, ";
    sql += u" SUM(KPR_Towary+KPR_Uboczne+KPR_Wynagrodz+KPR_Inne) AS Koszt, ";
    sql += u" SUM(KPR_Reklama) AS Reklama, 0 AS ReklamaKoszt, 0 AS Remanent ";
    sql += u" FROM TLX.ZapisyKPR ";
    sql += FormatString(u" WHERE KPR_RokMies>%ld AND KPR_RokMies<=%ld", year * 100, year * 100 + month);
    sql += u" AND KPR_Skreslony=0";
    if (!withBuffer) sql += u" AND KPR_Bufor=0";
    sql += u" GROUP BY KPR_RokMies";
    return CBstr(sql);
}

CBstr KprInventorySql(long year, long month, bool withBuffer) {
    std::u16string sql = u"SELECT ROUND(KPR_RokMies/100,0) AS Rok, (KPR_RokMies % 100) AS Miesiac, ";
    sql += u" KPR_Zaszlosci AS Remanent, KPR_ZakID AS Zaklad";
    sql += u" FROM TLX.ZapisyKPR";
    sql += FormatString(u" WHERE KPR_RokMies>=%ld AND KPR_RokMies<=%ld", year * 100, year * 100 + month);
    sql += u" AND KPR_Zrodlo=4";
    sql += u" AND KPR_Skreslony=0";
    if (!withBuffer) sql += u" AND KPR_Bufor=0";
    sql += u" ORDER BY KPR_DataOpe";
    return CBstr(sql);
}

void CopyKprMonthSums(Recordset* income, Recordset* sums) {
    if (!MoveToFirst(sums)) return;
    for (; !AtEnd(sums); CheckHost(sums->MoveNext())) {
        AddRow(income);
        for (const char16_t* name : {u"Rok", u"Miesiac"}) Write(income, name, Read(sums, name));
        for (const char16_t* name : kAmountFields) Write(income, name, ReadAmount(sums, name).ToVariant());
    }
}

void LimitAdvertisingCost(Recordset* income, bool unlimited) {
    if (!MoveToFirst(income)) return;
    CMoney cumulativeIncome, cumulativeAdvertising, recognised;
    for (; !AtEnd(income); CheckHost(income->MoveNext())) {
        cumulativeIncome += ReadAmount(income, u"Przychod").AsDouble();
        cumulativeAdvertising += ReadAmount(income, u"Reklama").AsDouble();
        double allowed = cumulativeAdvertising.AsDouble();
        if (!unlimited)
            allowed =
                CMoney(std::min(allowed, kAdvertisingShare * std::max(cumulativeIncome.AsDouble(), 0.0))).AsDouble();
        Write(income, u"ReklamaKoszt", tlx::Variant::FromDouble(allowed - recognised.AsDouble()));
        recognised += ReadAmount(income, u"ReklamaKoszt").AsDouble();
    }
}

void AddInventoryDifferences(Recordset* income, Recordset* inventory) {
    std::map<long, CMoney> lastSeen;
    if (!MoveToFirst(inventory)) return;
    for (; !AtEnd(inventory); CheckHost(inventory->MoveNext())) {
        long establishment = VariantToLongOr(Read(inventory, u"Zaklad").Detach(), 0);
        CMoney value = ReadAmount(inventory, u"Remanent");
        if (auto seen = lastSeen.find(establishment); seen != lastSeen.end()) {
            AddRow(income);
            Write(income, u"Rok", Read(inventory, u"Rok"));
            Write(income, u"Miesiac", Read(inventory, u"Miesiac"));
            for (const char16_t* name : {u"Przychod", u"Koszt", u"Reklama", u"ReklamaKoszt"})
                Write(income, name, CMoney().ToVariant());
            Write(income, u"Remanent", CMoney(value.AsDouble() - seen->second.AsDouble()).ToVariant());
        }
        lastSeen[establishment] = value;
    }
}

bool AdvertisingUnlimited(long formType, long formVersion) {
    return (formType == kPit5 && formVersion >= 16) || (formType == kPit5L && formVersion >= 4);
}
