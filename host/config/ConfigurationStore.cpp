#include "host/config/ConfigurationStore.h"

#include <cmath>
#include <cstdio>

#include "host/Database.h"
#include "host/HostError.h"
#include "platform/com/OleDate.h"
#include "platform/com/VariantConversion.h"
#include "platform/text/CodePage.h"

namespace tlx::host {
namespace {

std::u16string SqlDate(DATE date) {
    SYSTEMTIME t{};
    if (!VariantTimeToSystemTime(std::floor(date), &t)) Fail(DISP_E_OVERFLOW, u"Data poza zakresem");
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "'%04u-%02u-%02u 00:00:00'", t.wYear, t.wMonth, t.wDay);
    return Utf8ToUtf16(buffer);
}

DATE DateOf(const Variant& value) {
    if (value.vt == VT_NULL || value.vt == VT_EMPTY) return 0;
    Variant date;
    Check(VariantChangeType(&date, &value, 0, VT_DATE));
    return date.date;
}

}  // namespace

// A key without a row of its own falls back to the company's numbered settings (TLX.Firma, by
// Fir_Symbol), where the company database keeps some of the same values.
std::optional<std::u16string> ReadSetting(Connection* connection, std::u16string_view key) {
    ComPtr<Recordset> rows =
        OpenRecordset(connection, u"select Kfg_Wartosc from TLX.Konfiguracja where Kfg_Klucz = " + QuoteSql(key));
    if (!AtEnd(rows.Get())) return ReadText(rows.Get(), u"Kfg_Wartosc");
    try {
        ComPtr<Recordset> company =
            OpenRecordset(connection, u"select Fir_Wartosc from TLX.Firma where Fir_Symbol = " + QuoteSql(key));
        if (!AtEnd(company.Get())) return ReadText(company.Get(), u"Fir_Wartosc");
    } catch (const HostError&) {
        TakeErrorDescription();  // a database without TLX.Firma has no company settings
    }
    return std::nullopt;
}

std::optional<DatedValue> ReadDatedSetting(Connection* connection, std::u16string_view key, DATE date) {
    ComPtr<Recordset> rows = OpenRecordset(
        connection, u"select Kfp_DataOd, Kfp_Wartosc from TLX.KonfiguracjaParametry where Kfp_Klucz = " + QuoteSql(key));
    std::optional<DatedValue> best;
    double day = std::floor(date);
    for (bool end = AtEnd(rows.Get()); !end; Check(rows->MoveNext()), end = AtEnd(rows.Get())) {
        DATE from = std::floor(DateOf(ReadField(rows.Get(), u"Kfp_DataOd")));
        if (from > day || (best && from <= best->from)) continue;
        best = DatedValue{from, ReadText(rows.Get(), u"Kfp_Wartosc")};
    }
    return best;
}

void WriteSetting(Connection* connection, std::u16string_view key, std::u16string_view value) {
    ExecuteSql(connection, u"delete from TLX.Konfiguracja where Kfg_Klucz = " + QuoteSql(key));
    ExecuteSql(connection, u"insert into TLX.Konfiguracja (Kfg_Klucz, Kfg_Wartosc) values (" + QuoteSql(key) + u", " +
                               QuoteSql(value) + u")");
}

void WriteDatedSetting(Connection* connection, std::u16string_view key, DATE from, std::u16string_view value) {
    ExecuteSql(connection, u"insert into TLX.KonfiguracjaParametry (Kfp_Klucz, Kfp_DataOd, Kfp_Wartosc) values (" +
                               QuoteSql(key) + u", " + SqlDate(from) + u", " + QuoteSql(value) + u")");
}

}  // namespace tlx::host
