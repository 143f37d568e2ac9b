#include "host/DatabaseRoutines.h"

#include <cmath>
#include <string>
#include <vector>

#include "platform/ado/AdoError.h"
#include "platform/ado/DateText.h"
#include "platform/ado/SqlRoutines.h"
#include "platform/text/CodePage.h"

namespace tlx::host {

namespace {

using Arguments = std::vector<tlx::Variant>;

[[noreturn]] void WrongArguments(std::string_view routine, std::string_view expected) {
    ado::Fail(E_INVALIDARG, Utf8ToUtf16(std::string(routine) + ": oczekiwano argumentów " + std::string(expected)));
}

void RequireCount(std::string_view routine, const Arguments& arguments, std::size_t count, std::string_view expected) {
    if (arguments.size() != count) WrongArguments(routine, expected);
}

LONG WholeNumber(std::string_view routine, const tlx::Variant& value, std::string_view expected) {
    switch (value.vt) {
        case VT_I4: return value.lVal;
        case VT_I8: return static_cast<LONG>(value.llVal);
        case VT_R8:
            if (value.dblVal == std::floor(value.dblVal)) return static_cast<LONG>(value.dblVal);
            break;
        case VT_BSTR: {
            std::string text = Utf16ToUtf8(std::u16string_view(value.bstrVal, SysStringLen(value.bstrVal)));
            try {
                std::size_t used = 0;
                long number = std::stol(text, &used);
                if (used == text.size()) return static_cast<LONG>(number);
            } catch (const std::exception&) {
            }
            break;
        }
        default: break;
    }
    WrongArguments(routine, expected);
}

// A day argument as the database writes dates: "YYYY-MM-DD 00:00:00".
tlx::Variant Day(std::string_view routine, const tlx::Variant& value, std::string_view expected) {
    std::optional<DATE> day;
    if (value.vt == VT_BSTR) day = ado::ParseDateText(Utf16ToUtf8(std::u16string_view(value.bstrVal, SysStringLen(value.bstrVal))));
    std::optional<std::string> text = day ? ado::FormatDateText(std::floor(*day)) : std::nullopt;
    if (!text) WrongArguments(routine, expected);
    return tlx::Variant::FromString(Utf8ToUtf16(*text));
}

// The days from ?1 to ?2: "d" as "YYYY-MM-DD", and the first and last moment of the day as the database
// writes dates, so that the records are compared as stored text, times of day included.
constexpr char kDays[] =
    "with recursive Dni(d) as (select date(?1) union all select date(d, '+1 day') from Dni where d < date(?2)), "
    "Chwile(d, lo, hi) as (select d, d || ' 00:00:00', d || ' 23:59:59' from Dni), "
    "Okres(lo, hi) as (select min(lo), max(hi) from Chwile), ";

// The records (PRE_) whose validity and employment both hold the day, records of kind 1 left out.
constexpr char kEmployedOn[] =
    "PRE_RodzajZapisu <> 1 and PRE_DataOd <= hi and (PRE_DataDo is null or PRE_DataDo >= lo) and "
    "PRE_ZatrudnionyOd <= hi and (PRE_ZatrudnionyDo is null or PRE_ZatrudnionyDo >= lo)";

// The records that hold some day of the period, with the columns the days read and the fraction of a
// full post (Etat), taken from the table in one pass: the days are then matched against these alone, not
// each against the whole table. A record that holds a day of the period passes this test, so the days'
// sums are those of the whole table, added in the table's order. The dates are taken without the
// column's numeric affinity ("+"): a day's bounds never read as numbers, so they compare as before,
// without a conversion tried at every comparison.
constexpr char kRecordsOfThePeriod[] =
    "Zapisy as materialized (select PRE_RodzajZapisu, +PRE_DataOd as PRE_DataOd, +PRE_DataDo as PRE_DataDo, "
    "+PRE_ZatrudnionyOd as PRE_ZatrudnionyOd, +PRE_ZatrudnionyDo as PRE_ZatrudnionyDo, PRE_StNiepelnosp, "
    "PRE_PrawoER, cast(PRE_ETAEtatL as real) / nullif(PRE_ETAEtatM, 0) as Etat from PracEtaty, Okres where "
    "PRE_RodzajZapisu <> 1 and PRE_DataOd <= Okres.hi and (PRE_DataDo is null or PRE_DataDo >= Okres.lo) and "
    "PRE_ZatrudnionyOd <= Okres.hi and (PRE_ZatrudnionyDo is null or PRE_ZatrudnionyDo >= Okres.lo) "
    "order by PracEtaty.rowid) ";

// The sum of `value` over the records that hold the day, 0 when none does: each day adds its records in
// the table's order as it walks them, with no sort of every pair of a day and a record.
std::string DaySum(const std::string& value) {
    return "(select coalesce(sum(" + value + "), 0.0) from Zapisy where " + kEmployedOn + ")";
}

// Health-only titles (22xx): the contract is reported on RZA, not RCA.
constexpr char kZeroReports[] =
    "select UMW_UmwId as id, UMW_PraId, case when UMW_UBZTyuId between 2200 and 2299 then 'RZA' else 'RCA' end "
    "as rodzaj from Umowy where UMW_DataOd is not null and date(UMW_DataOd) <= date(?2) and "
    "(UMW_DataDo is null or date(UMW_DataDo) >= date(?1)) and (?3 = 1 or date(UMW_DataOd) < date(?1)) and "
    "not exists (select 1 from Wyplaty join ListyPlac on LPL_LplId = WPL_LplId join WypElementy on "
    "WPE_WplId = WPL_WplId join WypElementyLinki on WEL_WpeId = WPE_WpeId where WEL_ZrodloRodzaj = 8 and "
    "WEL_ZrodloId = UMW_UmwId and WPL_Tryb not in (1, 2) and LPL_Rok * 12 + LPL_Miesiac = "
    "cast(strftime('%Y', ?1) as integer) * 12 + cast(strftime('%m', ?1) as integer)) order by UMW_UmwId";

// The sources the month's elements of a card (and its secondary cards) under one title come from: a
// contract when an element is linked to one, else the card's employment. A health-only title (2200 to
// 2299) is never answered 1: its elements' own marks send them to the health report. The payouts are
// found through their card index (a condition on a joined card would read every element of the company).
constexpr char kOneSource[] =
    "select case when ?4 / 100 between 2200 and 2299 then 0 when count(distinct zrodlo) <= 1 then 1 else 0 end "
    "from (select coalesce((select 'U' || "
    "WEL_ZrodloId from WypElementyLinki where WEL_WpeId = WPE_WpeId and WEL_ZrodloRodzaj = 8 order by WEL_WelId "
    "limit 1), 'P' || WPL_PraId) as zrodlo from WypElementy join Wyplaty on WPL_WplId = WPE_WplId join "
    "ListyPlac on LPL_LplId = WPL_LplId where WPL_PraId in (select Pra_PraID from PracKod where Pra_PraID = ?3 "
    "or Pra_ParentID = ?3) and WPL_Tryb not in (1, 2) and LPL_Rok = ?1 and LPL_Miesiac = ?2 and WPE_KodTytulu = ?4)";

}  // namespace

void RegisterDatabaseRoutines() {
    auto& routines = ado::SqlRoutines::Instance();
    // "DEK/<number>/<month>/<year>" of the declaration; NULL for an unknown identifier.
    routines.RegisterFunction("TLX.DeklNumer",
                              std::string("select 'DEK/' || DkN_Numer || '/' || printf('%02d', DkN_RokMiesiac % 100) "
                                          "|| '/' || (DkN_RokMiesiac / 100) from DeklNag where DkN_DkNID = ?1"));
    // The 25th of the month after the declaration's period, as the database writes dates.
    routines.RegisterFunction("TLX.DeklTermin",
                              std::string("select date(printf('%04d-%02d-25', DkN_RokMiesiac / 100, "
                                          "DkN_RokMiesiac % 100), '+1 month') || ' 00:00:00' "
                                          "from DeklNag where DkN_DkNID = ?1"));
    routines.RegisterFunction("TLX.VATZD_JestZapisKorekcyjny",
                              std::string("select case when exists (select 1 from DeklNag where DkN_DkNID = ?1 and "
                                          "DkN_TypDeklar = 403 and DkN_Zablokowana <> 0) and exists (select 1 from "
                                          "VATZD where VaZ_DkNId = ?1) then 1 else 0 end"));
    routines.RegisterProcedure("tlx.DRA", [](sqlite3*, const Arguments& args) {
        constexpr std::string_view kName = "tlx.DRA", kExpected = "(rok, miesiąc, pracownik, kod tytułu)";
        RequireCount(kName, args, 4, kExpected);
        Arguments numbers;
        for (const auto& arg : args) numbers.push_back(tlx::Variant::FromLong(WholeNumber(kName, arg, kExpected)));
        return ado::SqlQuery{kOneSource, std::move(numbers)};
    });
    routines.RegisterProcedure("tlx.ZeroweRcaRza", [](sqlite3*, const Arguments& args) {
        constexpr std::string_view kName = "tlx.ZeroweRcaRza", kExpected = "(pierwszy dzień, ostatni dzień, 0 lub 1)";
        RequireCount(kName, args, 3, kExpected);
        LONG flag = WholeNumber(kName, args[2], kExpected);
        if (flag != 0 && flag != 1) WrongArguments(kName, kExpected);
        return ado::SqlQuery{kZeroReports,
                             {Day(kName, args[0], kExpected), Day(kName, args[1], kExpected), tlx::Variant::FromLong(flag)}};
    });
    routines.RegisterProcedure("TLX.ZPCHR", [](sqlite3*, const Arguments& args) {
        constexpr std::string_view kName = "TLX.ZPCHR", kExpected = "(pierwszy dzień, ostatni dzień, 1)";
        RequireCount(kName, args, 3, kExpected);
        if (WholeNumber(kName, args[2], kExpected) != 1) WrongArguments(kName, kExpected);
        return ado::SqlQuery{std::string(kDays) + kRecordsOfThePeriod + "select d as Dzien, " + DaySum("Etat") +
                                 " as Tmp_ET_P from Chwile order by d",
                             {Day(kName, args[0], kExpected), Day(kName, args[1], kExpected)}};
    });
    auto fullTime = [](std::string_view name, std::string_view expected, bool withoutPensionRight) {
        return [name, expected, withoutPensionRight](sqlite3*, const Arguments& args) {
            std::size_t count = withoutPensionRight ? 2 : 3;
            RequireCount(name, args, count, expected);
            if (count == 3 && WholeNumber(name, args[2], expected) != 1) WrongArguments(name, expected);
            std::string disabled = std::string("PRE_StNiepelnosp > 0") + (withoutPensionRight ? " and PRE_PrawoER = 0" : "");
            return ado::SqlQuery{std::string(kDays) + kRecordsOfThePeriod + "select d as Dzien, " + DaySum("Etat") +
                                     " as TMP_ET_P, " + DaySum("case when " + disabled + " then Etat end") +
                                     " as TMP_ET_N from Chwile order by d",
                                 {Day(name, args[0], expected), Day(name, args[1], expected)}};
        };
    };
    routines.RegisterProcedure("TLX.SOD3", fullTime("TLX.SOD3", "(pierwszy dzień, ostatni dzień, 1)", false));
    routines.RegisterProcedure("TLX.SOD4", fullTime("TLX.SOD4", "(pierwszy dzień, ostatni dzień)", true));
}

}  // namespace tlx::host
