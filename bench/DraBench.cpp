// The DRA of one month on generated companies of 1 000 and 10 000 insured persons (the demo company's
// cards copied, each with its year of payroll): the form's calculation of a version-4 DRA of March 2024
// with all its reports, not saved. It opens every insured person in a session of his own and gathers his
// payout elements, so it should grow with the number of persons, not faster. The baseline reads the
// same month's payout elements with their twenty amounts straight from SQLite.
//
// Run by hand on a Release build: build/release/bench/DraBench. RelWithDebInfo, this machine shared with
// other builds: 1 000 persons 11.5 s (11.5 ms a person), far from the 0.5 ms a person a month of 10 000
// persons in 5 s asks for. Again with six other builds running (load 30 to 45): 1 000 persons 13.8 s of
// processor time (13.8 ms a person); the baseline reads March's 10 500 elements of 10 000 persons in
// 0.02 s. At 10 000 persons 97 % of the time is SQLite under the reports' payment walk
// (CBaseInfo::Zbierz): its "wpl_praid = id or pra_parentid = id" scans every payout of the company for
// each person and report, about 17 ms a person at 10 000 cards and 5 ms at 3 000, so the month grows
// with the square of the company until the host answers that query by the card.
// Once the walk used the payouts' card index (load 13 to 15): 1 000 persons 7.4 s of processor time,
// 10 000 persons still over 10 min, nearly all of it in the host's one-source routine "tlx.DRA" (asked per
// person and title), whose condition on the joined card read every element of the company (about 9 ms a
// call at 1 000 cards, 100 ms at 10 000). With that routine on the card index too: 1 000 persons 3.2 s
// (median of 3), 10 000 persons 34.1 s (3.4 ms a person, 10.7 times the 1 000 run); the baseline reads
// the month's elements in 2.8 ms and 31 ms, about 1 100 times less. No statement leads the profile any
// more: SQLite about 30 % (the payouts with their elements, links and types read once per person and
// report, 14 a person), allocation 17 %, the ADO fields and variants 19 %, the host's rows the rest.
// With the host's payroll rows read straight from the row set (load 9): 1 000 persons 2.39 s, 10 000
// persons 28.4 s; then with a procedure's statement and the pool's check of a returned connection kept
// prepared instead of parsed at every call (13 % of the month went to SQLite's parser): 2.08 s and 25.4 s
// (2.5 ms a person). With the routine's answer kept per card and title for the report instead of asked
// for every element: 1.83 s and 20.7 s (2.1 ms a person). What is left leads with the payouts
// opened by identifier and their elements (some 20 %), then the routine itself.
// Then the contracts without a payout found through an index of the element links by their source (the
// zero-report routine read every link of the company once per contract: 4.9 s of a 10 000 month), and
// each person's payouts, one-source answers and settings read once a calculation and shared by his
// three reports instead of read by each; the old and the new module run side by side, two pairs, load
// 35-45, processor time: 1 000 persons 1.94 / 1.58 s -> 0.88 / 0.84 s, 3 000 5.44 s -> 2.50 s, 10 000
// 20.5 / 20.8 s -> 8.18 / 7.99 s (0.8 ms a person), 10.6 / 13.1 times the 1 000 run -> 9.3 / 9.5 times.
// Instructions of the DRA service's calculation (callgrind): 1 000 persons 2.79 billion, 10 000 persons
// 28.2 billion (10.1 times).
// Then each person's payouts walked once for his three reports (the RSA's walk gives the contribution
// reports theirs), the zero payout's element made in one go and its type and document definition once a
// calculation, the payout's card taken from the payouts' query, a payout's links and the lookup rows read
// by a prepared key, no error raised and caught for a person (the DRA of nobody, a main card's missing
// link, a person who gives a report no block), and the reports read inside shared reads: one read
// transaction per connection instead of one per statement (a DRA of 1 000 persons called fcntl 96 520
// times, stat 74 541 and pread 27 627; now 236, 7 896 and 5 412). Old and new side by side, two pairs,
// load 14 to 19, wall time: 1 000 persons 0.76 / 0.84 s -> 0.42 / 0.43 s, 10 000 persons 7.79 / 9.60 s ->
// 3.96 / 4.31 s; 10.2 / 11.4 times the 1 000 run -> 9.4 / 9.9 times; 236 / 279 times the baseline's read
// of the month's elements -> 115 / 111 times. Instructions of the calculation of 1 000 persons
// (callgrind): 2.82 billion -> 1.75 billion, with no exception thrown.
#include <sqlite3.h>

#include "ZusBenchCompany.h"

namespace {

using zusbench::GeneratedCompany;

constexpr LONG kTypDRA = 120;

void PerPerson(benchmark::State& state) {
    state.counters["per person"] =
        benchmark::Counter(static_cast<double>(state.range(0)),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_DraMonth(benchmark::State& state) {
    GeneratedCompany company(static_cast<int>(state.range(0)));
    for (auto _ : state) GeneratedCompany::Calculate(kTypDRA, 4, 3);
    PerPerson(state);
}
BENCHMARK(BM_DraMonth)->Arg(1000)->Arg(3000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

// The baseline: the month's elements with their twenty amounts, one query.
void BM_ElementsOfTheMonth(benchmark::State& state) {
    GeneratedCompany company(static_cast<int>(state.range(0)));
    sqlite3* db = nullptr;
    if (sqlite3_open_v2(company.Database().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) std::abort();
    const char* sql =
        "select p.WPL_PraId, w.WPE_Kwota1, w.WPE_Kwota2, w.WPE_Kwota3, w.WPE_Kwota4, w.WPE_Kwota5, w.WPE_Kwota6, "
        "w.WPE_Kwota7, w.WPE_Kwota8, w.WPE_Kwota9, w.WPE_Kwota10, w.WPE_Kwota11, w.WPE_Kwota12, w.WPE_Kwota13, "
        "w.WPE_Kwota14, w.WPE_Kwota15, w.WPE_Kwota16, w.WPE_Kwota17, w.WPE_Kwota18, w.WPE_Kwota19, w.WPE_KwotaFP "
        "from WypElementy w join Wyplaty p on w.WPE_WplId = p.WPL_WplId join ListyPlac l on l.LPL_LplId = p.WPL_LplId "
        "where l.LPL_Rok = 2024 and l.LPL_Miesiac = 3";
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &statement, nullptr) != SQLITE_OK) std::abort();
    for (auto _ : state) {
        LONGLONG sum = 0;
        while (sqlite3_step(statement) == SQLITE_ROW)
            for (int a = 1; a <= 20; ++a) sum += sqlite3_column_int64(statement, a);
        sqlite3_reset(statement);
        benchmark::DoNotOptimize(sum);
    }
    sqlite3_finalize(statement);
    sqlite3_close(db);
    PerPerson(state);
}
BENCHMARK(BM_ElementsOfTheMonth)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

}  // namespace
