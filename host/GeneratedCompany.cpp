#include "host/GeneratedCompany.h"

#include <stdexcept>
#include <string>

namespace tlx::host {
namespace {

constexpr int kDemoCards = 20;

// A day column moved by `years`: the last day of a month stays the last day of its month (29 February
// becomes 28 February), a day at or after 2900 (an open end) and NULL stay as they are.
std::string MovedDay(const std::string& column, int years) {
    std::string by = std::to_string(years);
    return column + " = CASE WHEN " + column + " IS NULL OR substr(" + column + ", 1, 4) >= '2900' THEN " + column +
           " WHEN strftime('%d', date(" + column + ", '+1 day')) = '01' THEN date(" + column +
           ", 'start of month', '" + by + " years', '+1 month', '-1 day') || ' 00:00:00' ELSE date(" + column +
           ", '" + by + " years') || ' 00:00:00' END";
}

std::string MoveYear(int years) {
    if (years == 0) return "";
    std::string by = std::to_string(years);
    auto days = [&](const std::string& table, std::initializer_list<const char*> columns, const std::string& more = "") {
        std::string sql = "UPDATE " + table + " SET ";
        bool first = true;
        for (const char* column : columns) {
            sql += (first ? "" : ", ") + MovedDay(column, years);
            first = false;
        }
        return sql + more + ";\n";
    };
    return days("PracEtaty",
                {"PRE_DataOd", "PRE_DataDo", "PRE_UBZZusOd", "PRE_UBZDataWyrej", "PRE_ZatrudnionyOd", "PRE_ZatrudnionyDo",
                 "PRE_DataZwolnienia", "PRE_DataGraniczna", "PRE_FEPOd", "PRE_FEPDo", "PRE_ETADataWymiaru"},
                ", PRE_LimitRok = CASE WHEN PRE_LimitRok = 0 THEN 0 ELSE PRE_LimitRok + " + by + " END") +
           days("ListyPlac", {"LPL_DataOd", "LPL_DataDo", "LPL_DataWyplaty", "LPL_DataListy"},
                ", LPL_Rok = LPL_Rok + " + by + ", LPL_Nazwa = replace(LPL_Nazwa, '/" + std::to_string(kDemoPayrollYear) +
                    "', '/' || (LPL_Rok + " + by + "))") +
           "UPDATE Wyplaty SET WPL_Rok = WPL_Rok + " + by + ";\n" +
           days("WypElementy", {"WPE_DataOd", "WPE_DataDo"}) + days("WypElementyLinki", {"WEL_DataOd", "WEL_DataDo"}) +
           days("Umowy", {"UMW_DataOd", "UMW_DataDo", "UMW_UBZDataWyrej"}) +
           days("Nieobecnosci", {"NBA_DataOd", "NBA_DataDo"}) + days("OkresyPracownika", {"OKP_DataOd", "OKP_DataDo"}) +
           days("PracRodzina", {"PRR_DataUr"});
}

// One table's copy: a temporary table of the demo's rows, moved on by one block of cards at a time and
// inserted while its cards are within the count.
struct Copied {
    const char* table;
    const char* shift;  // the SET list that moves a row to the next block
    const char* card;   // the row's card
};

// Identifiers in the demo: cards 1..20, records card * 10 + n, payouts card * 100 + month, elements and
// their links payout * 10 + place; contracts, absences, dated entries and family members below 10.
constexpr Copied kCopied[] = {
    {"PracKod", "Pra_PraID = Pra_PraID + 20, Pra_ParentID = Pra_ParentID + 20, Pra_WlascicielID = Pra_WlascicielID + 20",
     "Pra_PraID"},
    {"PracEtaty", "PRE_PreId = PRE_PreId + 200, PRE_PraId = PRE_PraId + 20", "PRE_PraId"},
    {"Umowy", "UMW_UmwId = UMW_UmwId + 10, UMW_PraId = UMW_PraId + 20", "UMW_PraId"},
    {"Nieobecnosci", "NBA_NbaId = NBA_NbaId + 10, NBA_PraId = NBA_PraId + 20", "NBA_PraId"},
    {"OkresyPracownika", "OKP_OkpId = OKP_OkpId + 10, OKP_PraId = OKP_PraId + 20", "OKP_PraId"},
    {"PracRodzina", "PRR_PrrId = PRR_PrrId + 10, PRR_PraId = PRR_PraId + 20", "PRR_PraId"},
    {"Wyplaty", "WPL_WplId = WPL_WplId + 2000, WPL_PraId = WPL_PraId + 20", "WPL_PraId"},
    {"WypElementy", "WPE_WpeId = WPE_WpeId + 20000, WPE_WplId = WPE_WplId + 2000", "WPE_WplId / 100"},
    {"WypElementyLinki",
     "WEL_WelId = WEL_WelId + 20000, WEL_WpeId = WEL_WpeId + 20000, WEL_NbaId = WEL_NbaId + 10, "
     "WEL_ZrodloId = WEL_ZrodloId + CASE WHEN WEL_ZrodloRodzaj = 8 THEN 10 ELSE 0 END",
     "WEL_WpeId / 1000"},
};

}  // namespace

std::string GeneratedCompanySql(int employees, int year) {
    if (employees < 1 || employees > kGeneratedEmployeesMax)
        throw std::invalid_argument("liczba pracowników musi być od 1 do " + std::to_string(kGeneratedEmployeesMax));
    if (year < 2000 || year > 2100) throw std::invalid_argument("rok musi być od 2000 do 2100");
    std::string count = std::to_string(employees);
    std::string sql = "BEGIN;\n" + MoveYear(year - kDemoPayrollYear);
    if (employees < kDemoCards) {
        for (auto it = std::rbegin(kCopied); it != std::rend(kCopied); ++it)
            sql += std::string("DELETE FROM ") + it->table + " WHERE " + it->card + " > " + count + ";\n";
    }
    int blocks = (employees - 1) / kDemoCards;
    if (blocks > 0) {
        for (const Copied& copied : kCopied)
            sql += std::string("CREATE TEMP TABLE Kopia") + copied.table + " AS SELECT * FROM " + copied.table + ";\n";
        for (int block = 1; block <= blocks; ++block) {
            for (const Copied& copied : kCopied) {
                std::string copy = std::string("Kopia") + copied.table;
                sql += "UPDATE " + copy + " SET " + copied.shift + ";\nINSERT INTO " + copied.table + " SELECT * FROM " +
                       copy + (block == blocks ? std::string(" WHERE ") + copied.card + " <= " + count : "") + ";\n";
            }
        }
        for (const Copied& copied : kCopied) sql += std::string("DROP TABLE Kopia") + copied.table + ";\n";
        sql += "UPDATE PracKod SET Pra_Kod = CASE WHEN Pra_ParentID IS NULL THEN printf('P%06d', Pra_PraID) ELSE "
               "printf('P%06d/1', Pra_ParentID) END WHERE Pra_PraID > 20;\n";
    }
    return sql + "COMMIT;\n";
}

}  // namespace tlx::host
