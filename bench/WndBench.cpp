// The WN-D calculation on generated companies of 1 000 and 10 000 cards (the demo's cards copied, a
// quarter of them disabled, with their linked cards and a year of payroll): Przelicz of a March 2024 WN-D
// of version 6 and of version 1, and the save of the version 6 apart (the one save that stores the run's
// attachments), against a baseline that reads what the calculation reads of the cards through the same
// host objects, each row once: every card's records and absences, and the payouts with their elements of
// the cards disabled in the months it looks at. It should grow with the cards, not faster.
// (The figures up to the last note are of version 6 at 1 000 to 10 000 cards.)
//   build/release/bench/WndBench
// First figure (10 000 cards, one run of two iterations, on a machine at load average 36 on 8 cores):
// Przelicz 6.9 s of processor time (30.4 s wall, 500 attachments), against a baseline then reading every
// card's year of payments with their elements (118 500), 27.6 s.
// The run's attachments added to one declarations collection instead of one each, which read every
// declaration row of the company (old and new module in turn, two runs each, load 4-6, processor time of
// an iteration): Przelicz 7.79 / 7.75 s -> 7.18 / 7.07 s.
// Then the full-time routines (run for the month and each of the twelve before it) matching the days
// against the records that hold any day of the month, read once, instead of reading the whole table of
// records once a day; the old and the new module run side by side, load 35-45, processor time of an
// iteration: 1 000 cards 0.475 -> 0.338 s, 2 000 0.953 -> 0.713 s, 4 000 2.43 -> 1.25 s, 10 000 6.53 ->
// 3.26 s: 13.7 -> 9.6 times the 1 000 run; a second pair 0.526 / 1.00 / 2.43 / 6.29 s -> 0.340 / 0.583 /
// 1.56 / 3.72 s: 12.0 -> 10.9 times. The baseline (33 000 absences and elements at 10 000) reads in
// 0.05-0.06 s and 0.57-0.72 s, so the WN-D stands at 5-6 times it.
// Then the days compared with the records' dates as stored (each comparison tried to read the day's
// bounds as a number) and the fraction of a post taken once per record: a month of the full-time
// routine at 10 000 cards 1.74 -> 1.27 billion instructions (callgrind; 3.47 when the table was read once
// a day). Side by side with the old module (load 20): 0.440 / 1.06 / 2.17 / 6.07 s -> 0.380 / 0.496 /
// 1.14 / 2.97 s, 13.8 -> 7.8 times the 1 000 run.
// Then each day summed over its records as it walks them (grouping sorted every pair of a day and a
// record). Instructions of Przelicz (callgrind, two iterations), old module -> this one: 1 000 cards
// 9.18 -> 4.27 billion, 10 000 cards 97.3 -> 44.3 billion (10.4 times the 1 000 run). Of the 10 000 run
// the full-time routines are 67 % (29.8 billion, 9.9 times their 1 000 figure), the attachments 23 %
// (9.9 times), the save 10 %: 20 times its 1 000 figure, as the connection's cache of prepared
// statements is full of the run's one-off texts by then and each of the save's 69 000 inserts is
// prepared anew (1.9 billion).
// Then the connection's cache of prepared statements keeping the texts used most (it evicts those used
// least recently instead of refusing new ones once full), the values of the run's one-off texts bound,
// and a declaration's next number read from an index instead of a walk over every declaration of its
// type. Instructions (callgrind, two iterations each), old module -> this one, 1 000 / 10 000 cards:
//   the save of version 6 alone      0.215 / 3.39 -> 0.217 / 2.23 billion: 15.7 -> 10.3 times
//   Przelicz of version 6            4.27 / 44.4  -> 4.26 / 42.1 billion:  10.4 -> 9.9 times
//   Przelicz of version 1            2.39 / 33.5  -> 2.34 / 23.6 billion:  14.0 -> 10.1 times
//   the saves of both, within them   0.98 / 22.0  -> 0.97 / 10.3 billion:  22.5 -> 10.6 times
//   the baseline                     0.55 / 5.5 billion (10.1 times)
// (The save alone was measured before the index; numbering version 1's 2 000 attachments took 2.4
// billion of its save at 10 000 cards, 0.04 billion at 1 000.)
#include "PfronBenchDeclaration.h"

#include <memory>

#include "mv_deklaracje/core/ComError.h"
#include "mv_deklaracje/pfron/WndRun.h"

namespace {

using namespace pfronbench;

// Przelicz of a new WN-D of the version (1: the first generation, 6: the current one) through a new
// calculation object at every iteration.
void BM_Przelicz(benchmark::State& state) {
    const int cards = static_cast<int>(state.range(0));
    const auto kind = state.range(1) == 1 ? Application::Wnd1 : Application::Wnd6;
    CompanyOf(cards);
    MeasurePrzelicz<IWND>(state, CalculatorOf(kind), NewApplication(kind), cards);
    state.SetLabel(NameOf(kind));
}

// The save of a WN-D of version 6 alone: the run's steps up to its save (its attachments built in one
// declarations collection) untimed, then the one save that stores them all.
void BM_Save(benchmark::State& state) {
    const int cards = static_cast<int>(state.range(0));
    CompanyOf(cards);
    const LONG id = NewApplication(Application::Wnd6);
    std::unique_ptr<WndRun> run;
    LONG attachments = 0;
    try {
        for (auto _ : state) {
            state.PauseTiming();
            run.reset();
            run = std::make_unique<WndRun>(WndGeneration::Current, id);
            run->RemoveAttachments();
            run->WriteEmployerFigures();
            attachments = run->WriteAttachments();
            run->Finish(attachments);
            state.ResumeTiming();
            run->Save();
        }
        run.reset();
    } catch (const ComError& e) {
        std::fprintf(stderr, "WN-D run failed: %08X %s\n", static_cast<unsigned>(e.Code()),
                     tlx::Utf16ToUtf8(e.Description()).c_str());
        std::abort();
    }
    state.counters["cards"] = benchscale::Employees(cards);
    state.counters["attachments"] = attachments;
}

// What the calculation reads of the cards, each row once: every card's records and absences in a
// session of its own, and the payouts with their elements of the cards disabled in the months it
// looks at.
void BM_ReadEveryCard(benchmark::State& state) {
    const int cards = static_cast<int>(state.range(0));
    CompanyOf(cards);
    MeasureReadEveryCard(state, cards, "elements and absences");
}

// The benchmarks of one company size run together.
void Register(int cards) {
    auto timed = [](benchmark::internal::Benchmark* b) { b->Unit(benchmark::kMillisecond)->Iterations(2); };
    timed(benchmark::RegisterBenchmark("BM_Przelicz", BM_Przelicz)->Args({cards, 6})->Args({cards, 1}));
    timed(benchmark::RegisterBenchmark("BM_Save", BM_Save)->Arg(cards));
    timed(benchmark::RegisterBenchmark("BM_ReadEveryCard", BM_ReadEveryCard)->Arg(cards));
}

const bool kRegistered = [] {
    for (int cards : {1000, 10000}) Register(cards);
    return true;
}();

}  // namespace
